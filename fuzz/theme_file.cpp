// Theme files: the input is the user's scheme file of a plot, found through
// the settings as the program finds it, loaded with the plot's themes, and
// every scheme it gave applied to the plot. A broken file or a value that
// does not convert raises EPlotError, the documented refusal.
#include <cstddef>
#include <cstdint>

#include <QFile>
#include <QString>

#include "fuzz/support/FuzzGuiApplication.h"
#include "fuzz/support/FuzzSettingsFolder.h"
#include "platform/files/RegistryStore.h"
#include "plot/base/EPlotError.h"
#include "plot/core/TiPlot.h"

namespace {

/// The folder named as the user's theme path, made once.
QString ThemeFuzzFolder() {
  static const QString folder = [] {
    const QString path = FuzzSettingsFolder();
    RegistryStore(RegistryRoot::CurrentUser)
        .WriteValue(QStringLiteral("SOFTWARE\\Vivove\\Themes"), QStringLiteral("User Defined Theme Path"),
                    RegistryValue::String(path));
    return path;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  EnsureFuzzGuiApplication();
  TiPlot plot;
  {
    QFile file(ThemeFuzzFolder() + QLatin1Char('/') + plot.ClassName() + QStringLiteral("User.xml"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size)) {
      return 0;
    }
  }
  try {
    plot.LoadThemes();
  } catch (const EPlotError&) {
  }
  for (int category = 0; category < plot.GetThemeCategoryCount(); ++category) {
    for (int scheme = 0; scheme < plot.GetThemeCategorySchemeCount(category); ++scheme) {
      try {
        plot.ApplyScheme(category, scheme);
      } catch (const EPlotError&) {
      }
    }
  }
  return 0;
}
