#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

/// The unit's answer to the level poll (reply 64): 12 level words of three
/// bytes, the compressor/limiter activity mask and the DSP idle count, with
/// the pure arithmetic of the meters and the load display. Stateless; any
/// thread.
struct LevelReport {
  static constexpr std::size_t kSize = 42;
  static constexpr int kWords = 12;
  static constexpr std::size_t kMaskOffset = 36;
  static constexpr std::size_t kIdleOffset = 38;

  /// Linear amplitudes of words 0..11 (0 for a word whose top byte is 0xFF).
  std::array<float, kWords> levels{};
  std::uint16_t activityMask = 0;
  std::uint32_t idleCount = 0;

  /// The report of a payload; nullopt when it holds fewer than kSize bytes.
  static std::optional<LevelReport> Parse(std::span<const std::uint8_t> payload);
  /// Level word (b0, b1, b2) as the float whose bits are b1 b0 b2 00.
  static float WordValue(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2);
  /// The level word shown on a channel: words 0-2 the inputs, 4-9 the outputs.
  static int WordOfChannel(int channel) { return channel < 3 ? channel : channel + 1; }
};

/// Segments a meter lights for a linear amplitude: the thresholds (inputs
/// -50 -20 -10 -5 0 5 12 14 dB, outputs the same up to 20 dB) counted from
/// the bottom while threshold - 17 < 20 log10(v + 1e-7); v <= 0 counts as
/// 1e-7. 0 to 8.
int MeterSegments(float amplitude, bool output);

/// The unit's DSP capacity in idle counts, and the load alarm's limit.
inline constexpr float kDspCapacity = 4809.0f;
inline constexpr float kDspLoadThreshold = 99.0f;
/// Replies below the limit that end the alarm.
inline constexpr int kDspAlarmHold = 3;

/// Load in percent of an idle count, in single precision; a count above the
/// capacity gives a negative load.
float DspLoad(std::uint32_t idleCount);
