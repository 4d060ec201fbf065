#include "protocol/UnitImage.h"

#include <algorithm>

#include "protocol/ByteOrder.h"
#include "protocol/UnitRecords.h"

namespace {

constexpr int kInputBandFreqs[UnitImage::kInputBands] = {11, 48, 90, 131, 170, 209, 248, 290};
constexpr int kOutputBandFreqs[UnitImage::kOutputBands] = {31, 63, 95, 127, 158, 190, 222, 253, 285};
constexpr int kDefaultRouting[UnitImage::kOutputCount] = {1, 2, 4, 1, 2, 4};
constexpr const char* kChannelNames[UnitImage::kChannelCount] = {"InA",  "InB",  "InC",  "Out1", "Out2",
                                                                 "Out3", "Out4", "Out5", "Out6"};
constexpr const char* kFirNames[UnitImage::kChannelCount] = {"InAFile",  "InBFile",  "InCFile",
                                                             "Out1File", "Out2File", "Out3File",
                                                             "Out4File", "Out5File", "Out6File"};
constexpr unsigned kImageGainCodeOf0dB = 280;
constexpr std::uint8_t kDefaultQIndex = 35;
constexpr std::uint8_t kDefaultEqGain = 120;

void PutBands(UnitImage& image, int channel, const int* freqs) {
  for (int band = 0; band < UnitImage::BandCount(channel); ++band) {
    const PeqBandRecord record{kDefaultEqGain, static_cast<std::uint16_t>(freqs[band]), kDefaultQIndex, 0};
    image.WriteRecord(UnitImage::BandRecord(channel, band), record);
  }
}

UnitImage BuildDefaultImage() {
  UnitImage image;
  image.SetText(UnitImage::kPresetName, "Default Preset", UnitImage::kPresetNameSize);
  for (int ch = 0; ch < UnitImage::kInputCount; ++ch) {
    const std::size_t rec = UnitImage::ChannelRecord(ch);
    image.SetText(rec + UnitImage::kInName, kChannelNames[ch], UnitImage::kNameSize);
    image.WriteRecord(rec + UnitImage::kInGate, GateRecord{0, 99, 15, 0});
    PutBands(image, ch, kInputBandFreqs);
    image.WriteRecord(rec + UnitImage::kInCompressor, CompressorRecord{0, 49, 499, 0, 220, 170, 35, 0});
    image.SetWord(rec + UnitImage::kInFirTaps, 512);
    image.SetWord(rec + UnitImage::kInFirBypass, 1);
    image.SetWord(rec + UnitImage::kInGain, kImageGainCodeOf0dB);
    image.SetWord(rec + UnitImage::kInLinkMask, 1u << ch);
  }
  for (int k = 0; k < UnitImage::kOutputCount; ++k) {
    const int ch = UnitImage::kInputCount + k;
    const std::size_t rec = UnitImage::ChannelRecord(ch);
    image.SetText(rec + UnitImage::kOutName, kChannelNames[ch], UnitImage::kNameSize);
    image.SetWord(rec + UnitImage::kOutRouting, static_cast<unsigned>(kDefaultRouting[k]));
    for (int input = 0; input < UnitImage::kInputCount; ++input) {
      image.SetWord(rec + UnitImage::kOutMixLevels + 2 * static_cast<std::size_t>(input), kImageGainCodeOf0dB);
    }
    image.WriteRecord(rec + UnitImage::kOutFilter, OutputFilterRecord{2, 0, 300, 0, 0, FirDesignRecord{0, 6, 110, 300, 512}});
    PutBands(image, ch, kOutputBandFreqs);
    image.WriteRecord(rec + UnitImage::kOutLimiter, LimiterRecord{15, 49, 499, 0, 220});
    image.SetWord(rec + UnitImage::kOutGain, kImageGainCodeOf0dB);
    image.SetWord(rec + UnitImage::kOutLinkMask, 1u << k);
  }
  for (int ch = 0; ch < UnitImage::kChannelCount; ++ch) {
    image.SetText(UnitImage::kFirNames + UnitImage::kNameSize * static_cast<std::size_t>(ch), kFirNames[ch],
            UnitImage::kNameSize);
  }
  image.SetByte(UnitImage::kTestLevel, 40);
  image.SetByte(UnitImage::kDanteAvailable, 1);
  return image;
}

}  // namespace

const UnitImage& UnitImage::Default() {
  static const UnitImage image = BuildDefaultImage();
  return image;
}

std::size_t UnitImage::ChannelRecord(int channel) {
  if (IsInput(channel)) {
    return kInputRecords + kInputRecordSize * static_cast<std::size_t>(channel);
  }
  return kOutputRecords + kOutputRecordSize * static_cast<std::size_t>(channel - kInputCount);
}

std::size_t UnitImage::BandRecord(int channel, int band) {
  const std::size_t bands = ChannelRecord(channel) + (IsInput(channel) ? kInBands : kOutBands);
  return bands + PeqBandRecord::kSize * static_cast<std::size_t>(band);
}

std::uint16_t UnitImage::Word(std::size_t offset) const { return GetLe16(m_bytes.data() + offset); }

void UnitImage::SetWord(std::size_t offset, unsigned value) { PutLe16(m_bytes.data() + offset, value); }

void UnitImage::SetText(std::size_t offset, QByteArrayView text, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    m_bytes[offset + i] = i < static_cast<std::size_t>(text.size()) ? static_cast<std::uint8_t>(text[i]) : 0;
  }
}

void UnitImage::SetWordBit(std::size_t offset, int bit, bool set) {
  const unsigned mask = 1u << bit;
  const unsigned word = Word(offset);
  SetWord(offset, set ? (word | mask) : (word & ~mask));
}

std::span<const std::uint8_t> UnitImage::Block(int block) const {
  if (block < 0 || block >= kBlockCount) {
    return {};
  }
  const std::size_t start = kBlockSize * static_cast<std::size_t>(block);
  return std::span<const std::uint8_t>(m_bytes).subspan(start, std::min(kBlockSize, kSize - start));
}
