// Unit files (".unt"): the file parsed and, when taken, saved as an upload
// would save the presets it holds; that file loaded and saved again must
// give the same bytes. The FIR phase a download would send is built too.
// The images and coefficients a whole-sized input holds, whatever their tap
// words and FIR types (a unit may report counts above the channel), are
// also written as an upload would write them: that file must open and save
// again to the same bytes.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "fuzz/support/FuzzCheck.h"
#include "protocol/FirBlockMap.h"
#include "protocol/FirCoefficientStore.h"
#include "protocol/FirSection.h"
#include "protocol/PresetFileFormat.h"
#include "protocol/LUnitControl.h"
#include "protocol/UnitFile.h"
#include "protocol/UnitImage.h"

namespace {

constexpr std::size_t kUnitFileFirBytes = UnitFile::kRecordLineEnd - UnitFile::kRecordFirOffset;
/// Image byte 0 of a stored preset that holds data.
constexpr std::uint8_t kPresetHoldsData = 0xFF;

/// The file an upload writes when the unit holds what the staged file holds.
std::vector<std::uint8_t> UnitFileSavedAfterLoad(const StagedUnitFile& staged) {
  std::array<std::uint8_t, LUnitControl::kPresetCount> used{};
  std::array<LUnitControl::StoredPreset, LUnitControl::kPresetCount> slots{};
  std::array<std::vector<std::uint8_t>, LUnitControl::kPresetCount> sections;
  for (int k = 0; k < UnitFile::kRecordCount; ++k) {
    const auto index = static_cast<std::size_t>(k);
    const std::span<const std::uint8_t> record = staged.Record(k);
    used[index] = staged.IsUsed(k) ? 1 : 0;
    std::copy(record.begin(), record.begin() + UnitFile::kRecordFirOffset, slots[index].begin());
    sections[index].assign(record.begin() + UnitFile::kRecordFirOffset,
                           record.begin() + UnitFile::kRecordFirOffset + kUnitFileFirBytes);
  }
  return EncodeUnitFile(staged.eepromBytes, used, slots, sections);
}

/// Writes the records of a whole-sized input as an upload would: a record
/// whose image byte 0 is 0xFF (a preset that holds data) as a stored preset
/// with its image bytes, and its section's words (out-of-range ones as 0.0)
/// as the coefficients read from the unit's FIR memory; that file must open
/// and save again unchanged.
void CheckWrittenUnitFileOpens(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != UnitFile::kSize) {
    return;
  }
  std::array<std::uint8_t, UnitFile::kSlotTableSize> slotTable{};
  std::copy_n(bytes.begin() + UnitFile::kSlotTableOffset, UnitFile::kSlotTableSize, slotTable.begin());
  std::array<std::uint8_t, LUnitControl::kPresetCount> used{};
  std::array<LUnitControl::StoredPreset, LUnitControl::kPresetCount> slots{};
  std::array<std::vector<std::uint8_t>, LUnitControl::kPresetCount> sections;
  for (int k = 0; k < UnitFile::kRecordCount; ++k) {
    const auto index = static_cast<std::size_t>(k);
    const auto record = bytes.subspan(UnitFile::kRecordsOffset + UnitFile::kRecordSize * index, UnitFile::kRecordSize);
    if (record[1] != kPresetHoldsData) {
      sections[index] = EncodeErasedFir();
      continue;
    }
    used[index] = 1;
    slots[index][0] = static_cast<std::uint8_t>(k + 1);
    std::copy_n(record.begin() + 1, UnitFile::kRecordImageBytes, slots[index].begin() + 1);
    UnitImage image;
    std::copy_n(record.begin() + 1, UnitFile::kRecordImageBytes, image.Bytes().begin());
    FirCoefficientStore fir;
    for (int j = 0; j < FirBlockMap::kAreaCoefficients; ++j) {
      const std::uint32_t word = PresetFileFormat::ReadWord(record, UnitFile::kRecordFirOffset + 4 * std::size_t(j));
      fir.SetWord(j, PresetFileFormat::IsOutOfRange(word) ? 0u : word);
    }
    sections[index] = EncodePresetFir(fir, image);
  }
  const std::vector<std::uint8_t> written = EncodeUnitFile(slotTable, used, slots, sections);
  const std::optional<StagedUnitFile> opened = ParseUnitFile(written);
  KRV_FUZZ_CHECK("unit_file", opened.has_value());
  KRV_FUZZ_CHECK("unit_file", UnitFileSavedAfterLoad(*opened) == written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckWrittenUnitFileOpens(std::span(data, size));
  const std::optional<StagedUnitFile> staged = ParseUnitFile(std::span(data, size));
  if (!staged) {
    return 0;
  }
  BuildUnitFileFirPhase(*staged, 1);
  for (int k = 0; k < UnitFile::kRecordCount; ++k) {
    if (staged->IsUsed(k)) {
      DownloadSegment(*staged, 1, k, UnitFile::kSegmentCount - 1);
    }
  }
  const std::vector<std::uint8_t> saved = UnitFileSavedAfterLoad(*staged);
  KRV_FUZZ_CHECK("unit_file", saved.size() == UnitFile::kSize);
  const std::optional<StagedUnitFile> reloaded = ParseUnitFile(saved);
  KRV_FUZZ_CHECK("unit_file", reloaded.has_value());
  KRV_FUZZ_CHECK("unit_file", UnitFileSavedAfterLoad(*reloaded) == saved);
  return 0;
}
