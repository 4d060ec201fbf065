#include "protocol/UnitFile.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "protocol/FirBlockMap.h"
#include "protocol/FirCoefficientStore.h"
#include "protocol/FirSection.h"
#include "protocol/FirSenders.h"
#include "protocol/PresetFileFormat.h"
#include "protocol/UnitImage.h"
#include "protocol/commands/UnitCommands.h"

namespace {

using PresetFileFormat::kMarker;

constexpr std::size_t kSegmentBytes = UnitImage::kBlockSize;
constexpr int kLastSegment = UnitFile::kSegmentCount - 1;
/// Where the default image fills in segment 20: the image bytes the record
/// does not hold.
constexpr std::size_t kTailFromDefault = UnitFile::kRecordImageBytes;

/// The image of a record (bytes 0 to 1,005; the rest zero), for its tap counts.
UnitImage RecordImage(std::span<const std::uint8_t> record) {
  UnitImage image;
  std::copy_n(record.begin() + 1, UnitFile::kRecordImageBytes, image.Bytes().begin());
  return image;
}

std::uint32_t SectionWord(std::span<const std::uint8_t> record, int channel, int k) {
  const std::size_t index = static_cast<std::size_t>(FirBlockMap::ChannelStart(channel) + k);
  return PresetFileFormat::ReadWord(record, UnitFile::kRecordFirOffset + 4 * index);
}

float FirstCoefficient(std::span<const std::uint8_t> record, int channel) {
  return std::bit_cast<float>(SectionWord(record, channel, 0));
}

/// The coefficients of a channel with coefficients that the download sends:
/// its tap count, clamped to the channel as the writer and the senders do
/// (a unit may report a count above it), and never fewer than the writer
/// keeps (two of an output with a designed or switched-off FIR, whatever
/// its tap word), so that the unit holds again what the file holds.
int SentFirTaps(const UnitImage& image, std::span<const std::uint8_t> record, int channel) {
  return std::max(ClampFirTaps(channel, ImageFirTaps(image, channel)),
                  PresetFirCount(image, channel, FirstCoefficient(record, channel)));
}

/// Whether every channel of the record's FIR section can be sent as it stands.
bool FirSectionIsSound(std::span<const std::uint8_t> record) {
  const UnitImage image = RecordImage(record);
  // The writer erases the section of an unused slot.
  const bool unused = record[0] == UnitFile::kUnused;
  for (int channel = 0; channel < FirBlockMap::kChannelCount; ++channel) {
    if (SectionWord(record, channel, 0) == kMarker) {
      continue;
    }
    // Coefficients where the writer keeps none are never written.
    if (unused || PresetFirCount(image, channel, FirstCoefficient(record, channel)) == 0) {
      return false;
    }
    const int taps = SentFirTaps(image, record, channel);
    for (int k = 0; k < taps; ++k) {
      const std::uint32_t word = SectionWord(record, channel, k);
      if (word != kMarker && !std::isfinite(std::bit_cast<float>(word))) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

std::span<const std::uint8_t> StagedUnitFile::Record(int k) const {
  return std::span(bytes).subspan(UnitFile::kRecordsOffset + UnitFile::kRecordSize * static_cast<std::size_t>(k),
                                  UnitFile::kRecordSize);
}

std::vector<std::uint8_t> EncodeUnitFile(const std::array<std::uint8_t, UnitFile::kSlotTableSize>& slotTable,
                                         const std::array<std::uint8_t, LUnitControl::kPresetCount>& usedFlags,
                                         const std::array<LUnitControl::StoredPreset, LUnitControl::kPresetCount>& slots,
                                         const std::array<std::vector<std::uint8_t>, LUnitControl::kPresetCount>& firSections) {
  std::vector<std::uint8_t> out(PresetFileFormat::kHeader, PresetFileFormat::kHeader + PresetFileFormat::kHeaderSize);
  out.reserve(UnitFile::kSize);
  out.insert(out.end(), slotTable.begin(), slotTable.end());
  for (std::size_t k = 0; k < LUnitControl::kPresetCount; ++k) {
    if (usedFlags[k] != 0) {
      out.insert(out.end(), slots[k].begin(), slots[k].begin() + UnitFile::kRecordFirOffset);
    } else {
      out.insert(out.end(), UnitFile::kRecordFirOffset, UnitFile::kUnused);
    }
    // A section is always a whole area; anything else is cut or filled as erased.
    std::vector<std::uint8_t> section = firSections[k];
    section.resize(FirBlockMap::kAreaBytes, 0xFF);
    out.insert(out.end(), section.begin(), section.end());
    out.push_back(0x0D);
    out.push_back(0x0A);
  }
  return out;
}

std::optional<StagedUnitFile> ParseUnitFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != UnitFile::kSize || !PresetFileFormat::HasHeader(bytes)) {
    return std::nullopt;
  }
  StagedUnitFile staged;
  staged.bytes.assign(bytes.begin(), bytes.end());
  std::copy_n(bytes.begin() + UnitFile::kSlotTableOffset, UnitFile::kSlotTableSize, staged.eepromBytes.begin());
  for (int k = 0; k < UnitFile::kRecordCount; ++k) {
    const auto record = staged.Record(k);
    if (!PresetFileFormat::HasLineEnd(record, UnitFile::kRecordLineEnd) ||
        (staged.IsUsed(k) && record[0] != k + 1) || !FirSectionIsSound(record)) {
      return std::nullopt;
    }
  }
  return staged;
}

LCmd DownloadSegment(const StagedUnitFile& file, int unitId, int k, int segment) {
  const auto record = file.Record(k);
  std::array<std::uint8_t, kSegmentBytes> data{};
  const std::size_t from = kSegmentBytes * static_cast<std::size_t>(segment);
  std::size_t count = kSegmentBytes;
  if (segment < kLastSegment) {
    std::copy_n(record.begin() + 1 + from, kSegmentBytes, data.begin());
  } else {
    count = UnitImage::kSize - from;
    const std::size_t fromRecord = kTailFromDefault - from;
    std::copy_n(record.begin() + 1 + from, fromRecord, data.begin());
    const auto defaults = UnitImage::Default().Bytes();
    std::copy(defaults.begin() + kTailFromDefault, defaults.end(), data.begin() + fromRecord);
  }
  return CM_MCS_DOWNLOAD(unitId, k, segment, static_cast<int>(count), data);
}

UnitFileFirPhase BuildUnitFileFirPhase(const StagedUnitFile& file, int unitId) {
  UnitFileFirPhase phase;
  // Enough for 30 presets whose every channel is full: the queue never moves.
  constexpr std::size_t kMostBlocksPerPreset = FirBlockMap::kInputCount * ((FirBlockMap::kInputTaps + 11) / 12) +
                                               (FirBlockMap::kChannelCount - FirBlockMap::kInputCount) *
                                                   ((FirBlockMap::kOutputTaps + 11) / 12);
  phase.commands.reserve(UnitFile::kRecordCount * kMostBlocksPerPreset);
  FirCoefficientStore scratch;
  for (int k = 0; k < UnitFile::kRecordCount; ++k) {
    const int preset = k + 1;
    const auto record = file.Record(k);
    const UnitImage image = RecordImage(record);
    for (int channel = 0; channel < FirBlockMap::kChannelCount; ++channel) {
      if (SectionWord(record, channel, 0) == kMarker) {
        scratch.SetIdentity(channel);
        AppendSectorErase(phase.commands, unitId, preset, channel);
        phase.progress += UnitImage::IsInput(channel) ? UnitFile::kIdentityInputProgress
                                                      : UnitFile::kIdentityOutputProgress;
        continue;
      }
      const int start = FirBlockMap::ChannelStart(channel);
      for (int j = 0; j < FirBlockMap::ChannelTaps(channel); ++j) {
        const std::uint32_t word = SectionWord(record, channel, j);
        scratch.SetWord(start + j, word == kMarker ? 0u : word);
      }
      phase.progress += 1;
      AppendPresetFirBlocks(phase.commands, scratch, unitId, preset, channel, SentFirTaps(image, record, channel));
    }
  }
  return phase;
}
