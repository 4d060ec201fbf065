#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

/// The unit's 1020-byte parameter image and the offsets the simulator edits.
/// 16-bit fields are little-endian. Plain data and free functions; any thread.
using SimImage = std::array<std::uint8_t, 1020>;

namespace SimImageLayout {
inline constexpr std::size_t kPresetName = 2;
inline constexpr std::size_t kPresetNameSize = 14;
inline constexpr std::size_t kInputs = 16;
inline constexpr std::size_t kInputSize = 90;
inline constexpr std::size_t kOutputs = 286;
inline constexpr std::size_t kOutputSize = 104;
inline constexpr std::size_t kInputMuteMask = 910;
inline constexpr std::size_t kOutputMuteMask = 912;
inline constexpr std::size_t kSourcePairMask = 914;
inline constexpr std::size_t kBandBypassMasks = 916;
inline constexpr std::size_t kFirNames = 934;
inline constexpr std::size_t kNameSize = 8;
inline constexpr std::size_t kTestSignalMode = 1006;
inline constexpr std::size_t kTestSineFrequency = 1008;
inline constexpr std::size_t kTestLevel = 1009;
inline constexpr std::size_t kDelayUnit = 1010;
inline constexpr std::size_t kDanteAvailable = 1011;
inline constexpr std::size_t kInputPairSource = 1012;
inline constexpr std::size_t kOutputPairSource = 1014;
inline constexpr std::size_t kDanteOutputSource = 1015;
inline constexpr std::size_t kInputEqBypassMask = 1016;
inline constexpr std::size_t kOutputEqBypassMask = 1018;

// Input record fields.
inline constexpr std::size_t kInGate = 8;
inline constexpr std::size_t kInBands = 16;
inline constexpr std::size_t kInCompressor = 64;
inline constexpr std::size_t kInFirTaps = 78;
inline constexpr std::size_t kInFirBypass = 80;
inline constexpr std::size_t kInGain = 82;
inline constexpr std::size_t kInPolarity = 84;
inline constexpr std::size_t kInDelay = 86;
inline constexpr std::size_t kInLinkMask = 88;

// Output record fields.
inline constexpr std::size_t kOutRouting = 8;
inline constexpr std::size_t kOutMix = 10;
inline constexpr std::size_t kOutFilter = 16;
inline constexpr std::size_t kOutBands = 32;
inline constexpr std::size_t kOutLimiter = 86;
inline constexpr std::size_t kOutGain = 96;
inline constexpr std::size_t kOutPolarity = 98;
inline constexpr std::size_t kOutDelay = 100;
inline constexpr std::size_t kOutLinkMask = 102;

// Filter record fields (offsets inside the output's filter record).
inline constexpr std::size_t kFilterMode = 0;
inline constexpr std::size_t kFilterLowCut = 2;
inline constexpr std::size_t kFilterHighCut = 4;
inline constexpr std::size_t kFilterLowCutSlope = 6;
inline constexpr std::size_t kFilterHighCutSlope = 7;
inline constexpr std::size_t kFilterFirRecord = 8;
inline constexpr std::size_t kFilterFirType = 8;
inline constexpr std::size_t kFilterFirTaps = 14;

inline constexpr std::size_t kBandSize = 6;
inline constexpr std::size_t kGateSize = 8;
inline constexpr std::size_t kCompressorSize = 14;
inline constexpr std::size_t kLimiterSize = 10;
inline constexpr std::size_t kFirRecordSize = 8;

inline constexpr int kChannels = 9;
inline constexpr int kInputCount = 3;
inline constexpr int kOutputCount = 6;

/// Image offset of channel c's record (0-2 inputs, 3-8 outputs).
inline constexpr std::size_t ChannelRecord(int channel) {
  return channel < kInputCount ? kInputs + kInputSize * static_cast<std::size_t>(channel)
                               : kOutputs + kOutputSize * static_cast<std::size_t>(channel - kInputCount);
}
}  // namespace SimImageLayout

/// The factory image of the unit.
SimImage MakeDefaultImage();

std::uint16_t ReadWord(const SimImage& image, std::size_t offset);
void WriteWord(SimImage& image, std::size_t offset, std::uint16_t value);

/// Reply payload of an image block read: the block number, then image bytes
/// 50 x block onwards (50 of them, 20 for block 20, none beyond the image).
std::vector<std::uint8_t> ImageBlockPayload(const SimImage& image, std::uint8_t block);
