#include "protocol/SettingFile.h"

#include <algorithm>

#include "protocol/FirSection.h"
#include "protocol/PresetFileFormat.h"
#include "protocol/UnitImage.h"
#include "protocol/UnitRecords.h"

namespace {

using PresetFileFormat::kMarker;

constexpr int kInputCount = UnitImage::kInputCount;
constexpr int kChannelCount = UnitImage::kChannelCount;
constexpr int kTypeWithTaps = 4;
constexpr int kLongestDesignedTapWord = 26;

/// The coefficients written for a channel under the setting-file rule
/// (0: written as an identity).
int WrittenTaps(const UnitImage& image, int channel) {
  const std::size_t record = UnitImage::ChannelRecord(channel);
  if (UnitImage::IsInput(channel)) {
    return image.Word(record + UnitImage::kInFirTaps);
  }
  const auto filter = image.ReadRecord<OutputFilterRecord>(record + UnitImage::kOutFilter);
  const int type = filter.fir.firType;
  const int word = filter.fir.taps;
  return (type == 0 && word > kLongestDesignedTapWord) || type >= kTypeWithTaps ? word : 0;
}

/// One channel of the file's FIR part into the staged store.
FirChannelLoad StageChannel(std::span<const std::uint8_t> section, int channel, FirCoefficientStore& fir) {
  const std::size_t start = 4 * static_cast<std::size_t>(FirBlockMap::ChannelStart(channel));
  const int size = FirBlockMap::ChannelTaps(channel);
  const std::uint32_t first = PresetFileFormat::ReadWord(section, start);
  if (first == kMarker || PresetFileFormat::IsOutOfRange(first)) {
    fir.SetIdentity(channel);
    return FirChannelLoad::Identity;
  }
  const int base = FirBlockMap::ChannelStart(channel);
  for (int k = 0; k < size; ++k) {
    const std::uint32_t word = PresetFileFormat::ReadWord(section, start + 4 * static_cast<std::size_t>(k));
    if (word == kMarker) {
      fir.SetWord(base + k, 0);
    } else if (PresetFileFormat::IsOutOfRange(word)) {
      fir.SetIdentity(channel);
      return FirChannelLoad::OutOfRange;
    } else {
      fir.SetWord(base + k, word);
    }
  }
  return FirChannelLoad::Coefficients;
}

}  // namespace

std::vector<std::uint8_t> WriteUnitImage(const UnitImage& image, const FirCoefficientStore& fir) {
  std::vector<std::uint8_t> out(PresetFileFormat::kHeader, PresetFileFormat::kHeader + PresetFileFormat::kHeaderSize);
  out.reserve(SettingFile::kSize);
  const auto bytes = image.Bytes();
  out.insert(out.end(), bytes.begin() + 2, bytes.begin() + 2 + StagedSetting::kImageBytes);
  for (int channel = 0; channel < kChannelCount; ++channel) {
    AppendFirSectionChannel(out, fir, channel, WrittenTaps(image, channel));
  }
  return out;
}

std::vector<std::uint8_t> EncodeSettingFile(const UnitImage& image, const FirCoefficientStore& fir) {
  std::vector<std::uint8_t> out = WriteUnitImage(image, fir);
  out.push_back(0x0D);
  out.push_back(0x0A);
  return out;
}

std::optional<StagedSetting> ParseSettingFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != SettingFile::kSize || !PresetFileFormat::HasHeader(bytes)) {
    return std::nullopt;
  }
  StagedSetting staged;
  std::copy_n(bytes.begin() + SettingFile::kImageOffset, StagedSetting::kImageBytes, staged.imageBytes.begin());
  const auto section = bytes.subspan(SettingFile::kFirOffset, FirBlockMap::kAreaBytes);
  for (int channel = 0; channel < kChannelCount; ++channel) {
    // A tap count above the channel is what the unit may report: the writer
    // cut the coefficients to the channel and the senders clamp it the same way.
    staged.channels[static_cast<std::size_t>(channel)] = StageChannel(section, channel, staged.fir);
  }
  return staged;
}
