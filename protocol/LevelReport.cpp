#include "protocol/LevelReport.h"

#include <bit>
#include <cmath>

namespace {

constexpr std::array<int, 8> kInputThresholds = {-50, -20, -10, -5, 0, 5, 12, 14};
constexpr std::array<int, 8> kOutputThresholds = {-50, -20, -10, -5, 0, 5, 12, 20};
constexpr int kThresholdHeadroom = 17;
constexpr double kLevelFloor = 1e-7;

}  // namespace

std::optional<LevelReport> LevelReport::Parse(std::span<const std::uint8_t> payload) {
  if (payload.size() < kSize) {
    return std::nullopt;
  }
  LevelReport report;
  for (int w = 0; w < kWords; ++w) {
    const std::uint8_t* word = payload.data() + 3 * w;
    report.levels[w] = WordValue(word[0], word[1], word[2]);
  }
  report.activityMask = static_cast<std::uint16_t>(payload[kMaskOffset] | payload[kMaskOffset + 1] << 8);
  report.idleCount = static_cast<std::uint32_t>(payload[kIdleOffset]) |
                     static_cast<std::uint32_t>(payload[kIdleOffset + 1]) << 8 |
                     static_cast<std::uint32_t>(payload[kIdleOffset + 2]) << 16 |
                     static_cast<std::uint32_t>(payload[kIdleOffset + 3]) << 24;
  return report;
}

float LevelReport::WordValue(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2) {
  if (b1 == 0xFF) {
    return 0.0f;
  }
  return std::bit_cast<float>(static_cast<std::uint32_t>(b1) << 24 | static_cast<std::uint32_t>(b0) << 16 |
                              static_cast<std::uint32_t>(b2) << 8);
}

int MeterSegments(float amplitude, bool output) {
  // NaN fails the comparison below as well and so counts as silence.
  const double v = amplitude > 0.0f ? double(amplitude) : kLevelFloor;
  const double level = 20.0 * std::log10(v + kLevelFloor);
  const auto& thresholds = output ? kOutputThresholds : kInputThresholds;
  int count = 0;
  while (count < int(thresholds.size()) && thresholds[count] - kThresholdHeadroom < level) {
    ++count;
  }
  return count;
}

float DspLoad(std::uint32_t idleCount) {
  return (kDspCapacity - static_cast<float>(idleCount)) * 100.0f / kDspCapacity;
}
