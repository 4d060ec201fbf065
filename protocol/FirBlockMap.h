#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

/// Layout of one FIR memory area of the unit (the current setting or a stored
/// preset): 49,152 bytes of 32-bit coefficients, the three inputs of 2048
/// coefficients first, then the six outputs of 1024. The unit hands an area
/// out in blocks of 52 bytes and erases it in sectors of 4096 bytes. Constant
/// tables; any thread.
struct FirBlockMap {
  static constexpr int kChannelCount = 9;
  static constexpr int kInputCount = 3;
  static constexpr int kInputTaps = 2048;
  static constexpr int kOutputTaps = 1024;
  static constexpr int kAreaCoefficients = kInputCount * kInputTaps + (kChannelCount - kInputCount) * kOutputTaps;
  static constexpr std::size_t kAreaBytes = 4 * static_cast<std::size_t>(kAreaCoefficients);
  static constexpr int kBlockBytes = 52;
  static constexpr int kBlockCount = 946;
  static constexpr int kLastBlock = kBlockCount - 1;
  static constexpr int kSectorBytes = 4096;
  /// The word that ends a channel's coefficients when it holds fewer than
  /// its taps.
  static constexpr std::uint32_t kEndMarker = 0xFFFFFFFFu;

  /// Block holding each channel's first word; entry 9 is the end of the area.
  static constexpr std::array<int, kChannelCount + 1> FirStartBlock{0, 157, 315, 472, 551, 630, 708, 787, 866, 946};
  /// Byte offset of each channel's first word inside its start block.
  static constexpr std::array<int, kChannelCount + 1> FirStartByte{0, 28, 4, 32, 20, 8, 48, 36, 24, 0};

  /// Coefficients of channel 0-8 (2048 for an input, 1024 for an output).
  static constexpr int ChannelTaps(int channel) { return channel < kInputCount ? kInputTaps : kOutputTaps; }

  /// Index of the channel's first coefficient in the area.
  static constexpr int ChannelStart(int channel) {
    return channel < kInputCount ? channel * kInputTaps
                                 : kInputCount * kInputTaps + (channel - kInputCount) * kOutputTaps;
  }

  /// The erase sector holding `byteAddress` of the area of preset `preset`
  /// (0 = the current setting, 1-30 = stored presets).
  static constexpr int FirSector(int preset, int byteAddress) {
    return static_cast<int>((static_cast<long>(kAreaBytes) * preset + byteAddress) / kSectorBytes);
  }

  /// The sectors a channel occupies in the area of `preset`, in erase order:
  /// two for an input, one for an output.
  static std::vector<int> ChannelSectors(int preset, int channel);
};
