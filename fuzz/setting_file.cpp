// Setting files (".prs"): the file parsed and, when taken, loaded into a
// unit image and coefficient store, saved, and the saved file loaded and
// saved again, which must give the same bytes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "fuzz/support/FuzzCheck.h"
#include "protocol/FirCoefficientStore.h"
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
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
