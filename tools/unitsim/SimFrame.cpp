#include "tools/unitsim/SimFrame.h"

namespace {

std::vector<std::uint8_t> BuildFrame(std::uint8_t byte2, std::uint8_t byte3, std::uint8_t code,
                                     const std::vector<std::uint8_t>& payload) {
  using namespace SimFrameLayout;
  std::vector<std::uint8_t> frame;
  frame.reserve(payload.size() + 1 + kOverhead);
  frame.push_back(kDle);
  frame.push_back(kStx);
  frame.push_back(byte2);
  frame.push_back(byte3);
  frame.push_back(static_cast<std::uint8_t>(payload.size() + 1));
  frame.push_back(code);
  frame.insert(frame.end(), payload.begin(), payload.end());
  frame.push_back(kDle);
  frame.push_back(kEtx);
  frame.push_back(FrameChecksum(frame, frame.size()));
  return frame;
}

}  // namespace

std::uint8_t FrameChecksum(const std::vector<std::uint8_t>& bytes, std::size_t count) {
  std::uint8_t sum = 0;
  for (std::size_t i = 0; i < count && i < bytes.size(); ++i) {
    sum ^= bytes[i];
  }
  return sum;
}

std::vector<std::uint8_t> BuildUnitFrame(std::uint8_t unitId, std::uint8_t code,
                                         const std::vector<std::uint8_t>& payload) {
  return BuildFrame(unitId, 0x00, code, payload);
}

std::vector<std::uint8_t> BuildEditorFrame(std::uint8_t unitId, std::uint8_t code,
                                           const std::vector<std::uint8_t>& payload) {
  return BuildFrame(0x00, unitId, code, payload);
}

std::optional<SimFrame> ParseFrame(const std::vector<std::uint8_t>& bytes, SimFrameSender sender) {
  using namespace SimFrameLayout;
  if (bytes.size() < kOverhead + 1 || bytes[0] != kDle || bytes[1] != kStx) {
    return std::nullopt;
  }
  const std::size_t length = bytes[kLengthOffset];
  const std::size_t n = bytes.size();
  if (length == 0 || n != length + kOverhead || bytes[n - 3] != kDle || bytes[n - 2] != kEtx ||
      bytes[n - 1] != FrameChecksum(bytes, n - 1)) {
    return std::nullopt;
  }
  SimFrame frame;
  frame.unitId = sender == SimFrameSender::Editor ? bytes[3] : bytes[2];
  frame.code = bytes[kCodeOffset];
  frame.payload.assign(bytes.begin() + kPayloadOffset, bytes.begin() + kPayloadOffset + (length - 1));
  return frame;
}
