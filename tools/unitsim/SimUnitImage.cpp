#include "tools/unitsim/SimUnitImage.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

void WriteText(SimImage& image, std::size_t offset, std::size_t size, const char* text) {
  const std::size_t length = std::strlen(text);
  for (std::size_t i = 0; i < size; ++i) {
    image[offset + i] = i < length ? static_cast<std::uint8_t>(text[i]) : 0;
  }
}

void WriteBand(SimImage& image, std::size_t offset, std::uint16_t frequencyIndex) {
  WriteWord(image, offset, 120);
  WriteWord(image, offset + 2, frequencyIndex);
  image[offset + 4] = 35;
  image[offset + 5] = 0;
}

}  // namespace

std::uint16_t ReadWord(const SimImage& image, std::size_t offset) {
  return static_cast<std::uint16_t>(image[offset] | (image[offset + 1] << 8));
}

void WriteWord(SimImage& image, std::size_t offset, std::uint16_t value) {
  image[offset] = static_cast<std::uint8_t>(value & 0xFF);
  image[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

SimImage MakeDefaultImage() {
  using namespace SimImageLayout;
  SimImage image{};
  WriteText(image, kPresetName, kPresetNameSize, "Default Preset");

  static const char* const kInputNames[] = {"InA", "InB", "InC"};
  static const std::uint16_t kInputBandFrequencies[] = {11, 48, 90, 131, 170, 209, 248, 290};
  for (int i = 0; i < kInputCount; ++i) {
    const std::size_t r = ChannelRecord(i);
    WriteText(image, r, kNameSize, kInputNames[i]);
    const std::uint16_t gate[] = {0, 99, 15, 0};
    for (int f = 0; f < 4; ++f) {
      WriteWord(image, r + kInGate + 2 * f, gate[f]);
    }
    for (int b = 0; b < 8; ++b) {
      WriteBand(image, r + kInBands + kBandSize * b, kInputBandFrequencies[b]);
    }
    const std::uint16_t compressor[] = {0, 49, 499, 0, 220, 170};
    for (int f = 0; f < 6; ++f) {
      WriteWord(image, r + kInCompressor + 2 * f, compressor[f]);
    }
    image[r + kInCompressor + 12] = 35;
    image[r + kInCompressor + 13] = 0;
    WriteWord(image, r + kInFirTaps, 512);
    WriteWord(image, r + kInFirBypass, 1);
    WriteWord(image, r + kInGain, 280);
    WriteWord(image, r + kInLinkMask, static_cast<std::uint16_t>(1u << i));
  }

  static const std::uint16_t kOutputBandFrequencies[] = {31, 63, 95, 127, 158, 190, 222, 253, 285};
  for (int k = 0; k < kOutputCount; ++k) {
    const std::size_t r = ChannelRecord(k + kInputCount);
    const std::string name = "Out" + std::to_string(k + 1);
    WriteText(image, r, kNameSize, name.c_str());
    WriteWord(image, r + kOutRouting, static_cast<std::uint16_t>(1u << (k % 3)));
    for (int i = 0; i < 3; ++i) {
      WriteWord(image, r + kOutMix + 2 * i, 280);
    }
    const std::size_t f = r + kOutFilter;
    WriteWord(image, f + kFilterMode, 2);
    WriteWord(image, f + kFilterLowCut, 0);
    WriteWord(image, f + kFilterHighCut, 300);
    image[f + kFilterFirType] = 0;
    image[f + 9] = 6;
    WriteWord(image, f + 10, 110);
    WriteWord(image, f + 12, 300);
    WriteWord(image, f + kFilterFirTaps, 512);
    for (int b = 0; b < 9; ++b) {
      WriteBand(image, r + kOutBands + kBandSize * b, kOutputBandFrequencies[b]);
    }
    const std::uint16_t limiter[] = {15, 49, 499, 0, 220};
    for (int l = 0; l < 5; ++l) {
      WriteWord(image, r + kOutLimiter + 2 * l, limiter[l]);
    }
    WriteWord(image, r + kOutGain, 280);
    WriteWord(image, r + kOutLinkMask, static_cast<std::uint16_t>(1u << k));
  }

  static const char* const kFirNameTexts[] = {"InAFile",  "InBFile",  "InCFile",  "Out1File", "Out2File",
                                              "Out3File", "Out4File", "Out5File", "Out6File"};
  for (int c = 0; c < kChannels; ++c) {
    WriteText(image, kFirNames + kNameSize * c, kNameSize, kFirNameTexts[c]);
  }
  image[kTestLevel] = 40;
  image[kDanteAvailable] = 1;
  return image;
}

std::vector<std::uint8_t> ImageBlockPayload(const SimImage& image, std::uint8_t block) {
  constexpr std::size_t kBlockBytes = 50;
  const std::size_t begin = std::min(kBlockBytes * block, image.size());
  const std::size_t end = std::min(begin + kBlockBytes, image.size());
  std::vector<std::uint8_t> payload(1 + end - begin);
  payload[0] = block;
  std::copy(image.begin() + begin, image.begin() + end, payload.begin() + 1);
  return payload;
}
