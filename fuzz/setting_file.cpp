// Setting files (".prs"): the file parsed and, when taken, loaded into a
// unit image and coefficient store, saved, and the saved file loaded and
// saved again, which must give the same bytes. The image and coefficients
// a whole-sized input holds, whatever its tap words (a unit may report
// counts above the channel), are also saved as the editor would: that file
// must open and save again to the same bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "fuzz/support/FuzzCheck.h"
#include "protocol/FirBlockMap.h"
#include "protocol/FirCoefficientStore.h"
#include "protocol/PresetFileFormat.h"
#include "protocol/SettingFile.h"
#include "protocol/UnitImage.h"

namespace {

/// Loads a staged file into a default image and an empty store; the saved file.
std::vector<std::uint8_t> SettingFileSavedAfterLoad(const StagedSetting& staged) {
  UnitImage image = UnitImage::Default();
  FirCoefficientStore fir;
  LoadUnitImage(image, fir, staged, 1);
  return EncodeSettingFile(image, fir);
}

/// Saves the image part and the coefficient words of a whole-sized input
/// (out-of-range words as 0.0) as the editor would; that file must open
/// and save again unchanged.
void CheckWrittenSettingOpens(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != SettingFile::kSize) {
    return;
  }
  UnitImage image = UnitImage::Default();
  std::copy_n(bytes.begin() + SettingFile::kImageOffset, StagedSetting::kImageBytes, image.Bytes().begin() + 2);
  FirCoefficientStore fir;
  for (int k = 0; k < FirBlockMap::kAreaCoefficients; ++k) {
    const std::uint32_t word = PresetFileFormat::ReadWord(bytes, SettingFile::kFirOffset + 4 * std::size_t(k));
    fir.SetWord(k, PresetFileFormat::IsOutOfRange(word) ? 0u : word);
  }
  const std::vector<std::uint8_t> written = EncodeSettingFile(image, fir);
  const std::optional<StagedSetting> opened = ParseSettingFile(written);
  KRV_FUZZ_CHECK("setting_file", opened.has_value());
  KRV_FUZZ_CHECK("setting_file", SettingFileSavedAfterLoad(*opened) == written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckWrittenSettingOpens(std::span(data, size));
  const std::optional<StagedSetting> staged = ParseSettingFile(std::span(data, size));
  if (!staged) {
    return 0;
  }
  const std::vector<std::uint8_t> saved = SettingFileSavedAfterLoad(*staged);
  KRV_FUZZ_CHECK("setting_file", saved.size() == SettingFile::kSize);
  const std::optional<StagedSetting> reloaded = ParseSettingFile(saved);
  KRV_FUZZ_CHECK("setting_file", reloaded.has_value());
  KRV_FUZZ_CHECK("setting_file", SettingFileSavedAfterLoad(*reloaded) == saved);
  return 0;
}
