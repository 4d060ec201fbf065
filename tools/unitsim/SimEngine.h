#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "tools/unitsim/SimFrame.h"

struct SimUnitState;

/// The protocol engine of the simulated unit: turns one command frame into
/// the one reply the unit sends and applies the command to the unit's state.
/// Holds no state of its own; the caller owns the state and serialises calls
/// (`UnitSim` calls it on its thread with the state locked).
class SimEngine {
 public:
  explicit SimEngine(SimUnitState& state) : m_state(state) {}

  /// The reply to `command`, carrying the unit's id. Unknown codes and
  /// commands too short to apply are acknowledged and change nothing.
  SimFrame Handle(const SimFrame& command);

  /// Channels (bit n = channel n of the kind) edited together with `channel`.
  int LinkGroup(int channel) const;
  /// Calls `action` with every channel of `channel`'s link group, lowest first.
  void ForEachGroupMember(int channel, const std::function<void(int member)>& action) const;

 private:
  SimFrame Reply(std::uint8_t code, std::vector<std::uint8_t> payload = {}) const;
  SimFrame Ack() const;

  // Handshake and read-out (SimEngine.cpp).
  SimFrame ReadImageBlock(const std::vector<std::uint8_t>& p) const;
  SimFrame ReadFirBlock(const std::vector<std::uint8_t>& p) const;
  SimFrame LockStatus() const;
  SimFrame PassSubmit(const std::vector<std::uint8_t>& p);
  SimFrame Levels() const;

  // Parameter commands (SimEngine_Parameters.cpp); false for another code.
  bool ApplyParameter(const SimFrame& command);
  void WriteGroup(int channel, std::size_t fieldOffset, const std::uint8_t* bytes, std::size_t count);
  void SetMaskBit(std::size_t offset, int bit, bool on);
  void SetGroupBits(int channel, std::size_t inputMask, std::size_t outputMask, bool on);

  // Presets, transfers, FIR memory and locks (SimEngine_Presets.cpp); false for another code.
  bool ApplyMemoryCommand(const SimFrame& command, SimFrame& reply);
  void StorePreset(int preset);
  void RecallPreset(int preset);
  void WriteFir(int area, int channel, int block, const std::vector<std::uint8_t>& p, std::size_t header,
                bool updateImage);
  void CopyChannel(int source, int destination);

  SimUnitState& m_state;
};
