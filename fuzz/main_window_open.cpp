// A setting file opened through the main window as File > Open does: the
// file dialog answers the input's path, the window loads the file into its
// unit image and FIR store and refreshes every control from them. A file
// the parser takes must leave the window holding what loading it into a
// default image gives; a refused file changes nothing. The window is built
// once, offline (no unit, no USB, no network), before the first input:
// under the sanitizers that takes longer than the time allowed an input.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/TfmMain.h"
#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzGuiApplication.h"
#include "fuzz/support/FuzzSettingsFolder.h"
#include "fuzz/support/MemoryFile.h"
#include "link/LUnitSession.h"
#include "link/LinkTransportFactory.h"
#include "platform/widgets/FileChooser.h"
#include "platform/widgets/TMainMenu.h"
#include "platform/widgets/TPopupMenu.h"
#include "protocol/FirCoefficientStore.h"
#include "protocol/LUnitControl.h"
#include "protocol/SettingFile.h"
#include "protocol/UnitImage.h"

namespace {

/// The window every input is opened through, with the file its dialog
/// answers. Kept until the process ends, as the fuzzer's loop never returns.
struct OpenThroughWindow {
  LinkTransportFactory factory;
  TfmMain window{factory, nullptr};
  MemoryFile file;
};

OpenThroughWindow& WindowForFuzzing() {
  static OpenThroughWindow* const built = [] {
    EnsureFuzzGuiApplication();
    FuzzSettingsFolder();
    auto* made = new OpenThroughWindow;
    FileChooser::SetHook([made](const FileChoice&) -> std::optional<QString> { return made->file.Path(); });
    return made;
  }();
  return *built;
}

}  // namespace

// libFuzzer reads its flags after this call. The parent of its fork mode
// runs no input and needs no window. A fork job is given as many seconds
// as its number (-max_total_time), the first ones fewer than building the
// window takes: the time spent building is added to the job's, so that
// every job fuzzes as long as it was meant to.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static std::vector<std::string> flags;
  static std::vector<char*> pointers;
  constexpr std::string_view kTotalTime = "-max_total_time=";
  for (int i = 1; i < *argc; ++i) {
    if (std::string_view((*argv)[i]).starts_with("-fork=")) {
      return 0;
    }
  }
  const auto start = std::chrono::steady_clock::now();
  WindowForFuzzing();
  const auto built = std::chrono::ceil<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count();
  flags.assign(*argv, *argv + *argc);
  for (std::string& flag : flags) {
    if (flag.starts_with(kTotalTime)) {
      const long seconds = std::strtol(flag.c_str() + kTotalTime.size(), nullptr, 10);
      if (seconds > 0) {
        flag = std::string(kTotalTime) + std::to_string(seconds + built);
      }
    }
  }
  for (std::string& flag : flags) {
    pointers.push_back(flag.data());
  }
  pointers.push_back(nullptr);
  *argv = pointers.data();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  OpenThroughWindow& open = WindowForFuzzing();
  if (!open.file.Write(data, size)) {
    return 0;
  }
  UnitImage& image = open.window.UnitControl().Image();
  FirCoefficientStore& fir = open.window.Session().FirCoefficients();
  image = UnitImage::Default();
  fir = FirCoefficientStore{};

  open.window.Form().MainMenu.Find(QStringLiteral("Open"))->Click();

  UnitImage expectedImage = UnitImage::Default();
  FirCoefficientStore expectedFir;
  if (const std::optional<StagedSetting> staged = ParseSettingFile(std::span(data, size))) {
    LoadUnitImage(expectedImage, expectedFir, *staged, open.window.Session().GetUnitId());
  }
  KRV_FUZZ_CHECK("main_window_open", image == expectedImage);
  KRV_FUZZ_CHECK("main_window_open", fir == expectedFir);
  return 0;
}
