// Unit files (".unt"): the file parsed and, when taken, saved as an upload
// would save the presets it holds; that file loaded and saved again must
// give the same bytes. The FIR phase a download would send is built too.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "fuzz/support/FuzzCheck.h"
#include "protocol/LUnitControl.h"
#include "protocol/UnitFile.h"

namespace {

constexpr std::size_t kUnitFileFirBytes = UnitFile::kRecordLineEnd - UnitFile::kRecordFirOffset;

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
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
