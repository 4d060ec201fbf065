#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/unitsim/SimFirArea.h"
#include "tools/unitsim/SimUnitImage.h"

/// The unit's locks. The unit judges passwords itself; a connection starts
/// without access (`sessionAccess` 0) and a verdict grants full (1) or
/// restricted (2) access until the next hello or goodbye.
struct SimLockState {
  bool adminLockSet = false;
  std::array<std::uint8_t, 4> adminPassword{'8', '5', '3', '1'};
  bool userLockSet = false;
  std::array<std::uint8_t, 4> userPassword{'2', '9', '4', '7'};
  std::array<std::uint8_t, 3> permissions{};
  std::uint8_t sessionAccess = 0;
  /// When set, every password submission gets this verdict.
  std::optional<std::uint8_t> forcedVerdict;
  /// When set, the lock status never shows restricted access (byte 5 is 1
  /// with both locks set): the unit tells it only in its verdict.
  bool restrictionInVerdictOnly = false;
};

/// What the unit reports to the level poll: 12 linear amplitudes, the
/// compressor/limiter activity mask and the DSP idle count (4809 = no load).
struct SimLevels {
  std::array<float, 12> amplitudes{};
  std::uint16_t activityMask = 0;
  std::uint32_t idleCount = 4809;
};

/// Everything the simulated unit keeps. A plain value; `UnitSim` guards it.
struct SimUnitState {
  static constexpr int kPresets = 30;

  SimUnitState();

  std::uint8_t unitId = 1;
  std::string identity = "KRV-71 V010";
  SimImage image;
  /// Stored preset n + 1; its name is image bytes 2-15.
  std::array<SimImage, kPresets> presets;
  /// The unit's EEPROM slot table; byte n (1-30) is 0xFF while preset n holds data.
  std::array<std::uint8_t, 31> slotTable{};
  /// Area 0 is the current setting, area n stored preset n.
  std::vector<SimFirArea> firAreas;
  std::uint8_t currentPreset = 0;
  /// Preset chosen with the select command for block reads; 0 none.
  std::uint8_t selectedPreset = 0;
  SimLockState lock;
  SimLevels levels;

  bool IsPresetUsed(int preset) const { return preset >= 1 && preset <= kPresets && slotTable[preset] == 0xFF; }
};
