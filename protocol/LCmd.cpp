#include "protocol/LCmd.h"

#include <algorithm>
#include <cstddef>

#include "protocol/ByteOrder.h"

namespace {

constexpr std::uint8_t kDle = 0x10;
constexpr std::uint8_t kStx = 0x02;
constexpr std::uint8_t kEtx = 0x03;
constexpr std::size_t kPayloadOffset = 6;
// Header, code-less trailer and checksum around the payload: a frame of
// n bytes never holds more than n - 8 bytes from the payload offset on.
constexpr std::ptrdiff_t kFrameOverhead = 8;

}  // namespace

bool HasFrameMarkers(std::span<const std::uint8_t> bytes) {
  const std::size_t n = bytes.size();
  return n >= 4 && bytes[0] == kDle && bytes[1] == kStx && bytes[n - 2] == kEtx && bytes[n - 3] == kDle;
}

LCmd::LCmd(std::uint8_t unitId, std::uint8_t code) : m_unitId(unitId), m_code(code) {}

LCmd::LCmd(std::span<const std::uint8_t> bytes, bool framed) {
  if (!framed) {
    m_payload.assign(bytes.begin(), bytes.end());
    return;
  }
  const std::ptrdiff_t n = static_cast<std::ptrdiff_t>(bytes.size());
  const int length = n > 4 ? bytes[4] : 0;
  if (HasFrameMarkers(bytes)) {
    m_unitId = bytes[2];
    // A frame with length byte 0 counts no code byte: byte 5 is its end marker.
    m_code = length > 0 && n > 5 ? bytes[5] : 0;
  } else if (n > 0) {
    m_code = bytes[0];
  }
  const std::ptrdiff_t count = std::max<std::ptrdiff_t>(0, std::min<std::ptrdiff_t>(length - 1, n - kFrameOverhead));
  if (count > 0) {
    const auto first = bytes.begin() + kPayloadOffset;
    m_payload.assign(first, first + count);
  }
}

LCmd::~LCmd() = default;

void LCmd::AppendWord(unsigned value) { AppendLe16(m_payload, value); }

void LCmd::AppendBytes(std::span<const std::uint8_t> bytes) {
  m_payload.insert(m_payload.end(), bytes.begin(), bytes.end());
}

void LCmd::AppendText(QByteArrayView text, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    AppendByte(i < static_cast<std::size_t>(text.size()) ? static_cast<std::uint8_t>(text[i]) : 0);
  }
}

void LCmd::AppendBeFloats(std::span<const float> values) {
  for (const float value : values) {
    AppendBeFloat(m_payload, value);
  }
}

std::vector<std::uint8_t> SerializeCommand(const LCmd& command, int mode) {
  const auto& payload = command.GetPayload();
  if (mode == SERIALIZE_PAYLOAD) {
    return payload;
  }
  if (mode != SERIALIZE_FRAME) {
    return {};
  }
  std::vector<std::uint8_t> frame;
  frame.reserve(payload.size() + 9);
  frame.push_back(kDle);
  frame.push_back(kStx);
  frame.push_back(0x00);
  frame.push_back(command.GetUnitId());
  frame.push_back(static_cast<std::uint8_t>((payload.size() + 1) & 0xFF));
  frame.push_back(command.GetCode());
  frame.insert(frame.end(), payload.begin(), payload.end());
  frame.push_back(kDle);
  frame.push_back(kEtx);
  std::uint8_t checksum = 0;
  for (const std::uint8_t byte : frame) {
    checksum ^= byte;
  }
  frame.push_back(checksum);
  return frame;
}
