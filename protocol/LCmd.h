#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include <QByteArrayView>

/// One message to or from the unit: unit id, command code and payload bytes.
/// Commands are built on the stack by the code that sends them, serialised
/// once with SerializeCommand and destroyed; replies are parsed into an LCmd
/// by the parsing constructor. Plain value object; GUI thread only.
class LCmd {
public:
  LCmd() = default;
  LCmd(std::uint8_t unitId, std::uint8_t code);
  /// Parses bytes. With framed set, the bytes are a CommandFrame: unit id is
  /// byte 2, code byte 5, payload the L - 1 bytes from offset 6 (L = byte 4),
  /// cut to what the bytes hold. A frame without its markers keeps unit id 0,
  /// takes byte 0 as its code and the payload from the same positions; a frame
  /// with L = 0 holds no code (0) and no payload. The checksum is not checked.
  /// Without framed, all bytes become the payload.
  LCmd(std::span<const std::uint8_t> bytes, bool framed);
  virtual ~LCmd();

  LCmd(const LCmd&) = default;
  LCmd& operator=(const LCmd&) = default;
  LCmd(LCmd&&) = default;
  LCmd& operator=(LCmd&&) = default;

  std::vector<std::uint8_t>& GetPayload() { return m_payload; }
  const std::vector<std::uint8_t>& GetPayload() const { return m_payload; }
  std::uint8_t GetUnitId() const { return m_unitId; }
  std::uint8_t GetCode() const { return m_code; }

protected:
  /// Payload builders for the command classes.
  void AppendByte(unsigned value) { m_payload.push_back(static_cast<std::uint8_t>(value & 0xFF)); }
  void AppendWord(unsigned value);  ///< 16 bits, low byte first
  void AppendBytes(std::span<const std::uint8_t> bytes);
  /// Exactly count 8-bit characters: the first count bytes of text,
  /// zero-padded when the text is shorter; no terminator.
  void AppendText(QByteArrayView text, std::size_t count);
  void AppendBeFloats(std::span<const float> values);  ///< most significant byte first

private:
  std::uint8_t m_unitId = 0;
  std::uint8_t m_code = 0;
  std::vector<std::uint8_t> m_payload;
};

/// True when bytes start 10 02 and end 10 03 followed by one (checksum) byte:
/// the markers every CommandFrame carries.
bool HasFrameMarkers(std::span<const std::uint8_t> bytes);

/// Serialisation modes of SerializeCommand.
enum SerializeMode : int {
  SERIALIZE_PAYLOAD = 0,  ///< the payload bytes alone
  SERIALIZE_FRAME = 1,    ///< the whole CommandFrame
};

/// Mode 1: the CommandFrame 10 02 00 id L code payload 10 03 xor, L = payload
/// size + 1 kept to 8 bits. Mode 0: the payload alone. Any other mode: empty.
std::vector<std::uint8_t> SerializeCommand(const LCmd& command, int mode);
