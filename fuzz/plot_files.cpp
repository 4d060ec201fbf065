// The plot's files: a description, a properties file, an annotations file,
// a data file, and a channel's data and properties files, each read into a
// fresh plot; a refused file raises EPlotError, the plot's documented
// refusal. The plot is then drawn with what was read. The first byte picks
// the file and the plot (PlotFuzzChoice). What a loader takes is saved as
// that same kind of file, loaded into another fresh plot of the same kind
// and saved again: the two saves must be the same.
#include <cstddef>
#include <cstdint>
#include <memory>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzGuiApplication.h"
#include "fuzz/support/MemoryFile.h"
#include "fuzz/support/PlotFuzzChoice.h"
#include "platform/pictures/TBitmap.h"
#include "plot/base/EPlotError.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/channels/TiXYPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiXYPlot.h"
#include "plot/streaming/TiPlotFormStream.h"

namespace {

constexpr int kPlotFuzzWidth = 200;
constexpr int kPlotFuzzHeight = 150;

std::unique_ptr<TiPlotComponent> MakeFuzzPlot(bool xy) {
  std::unique_ptr<TiPlotComponent> plot;
  if (xy) {
    plot = std::make_unique<TiXYPlot>();
  } else {
    plot = std::make_unique<TiPlot>();
  }
  plot->SetBounds(0, 0, kPlotFuzzWidth, kPlotFuzzHeight);
  return plot;
}

TiPlotChannelCustom* FirstPlotChannel(TiPlotComponent& plot, bool xy) {
  if (xy) {
    auto& xyPlot = static_cast<TiXYPlot&>(plot);
    if (xyPlot.ChannelCount() == 0) {
      xyPlot.AddChannel();
    }
    return xyPlot.Channel(0);
  }
  auto& timePlot = static_cast<TiPlot&>(plot);
  if (timePlot.ChannelCount() == 0) {
    timePlot.AddChannel();
  }
  return timePlot.Channel(0);
}

/// Reads the chosen kind of file (a description from `text`, the others
/// from `path`) into the plot; EPlotError when it is refused.
void LoadPlotFuzzFile(TiPlotComponent& plot, const PlotFuzzChoice& choice, const QString& path, const QString& text) {
  switch (choice.kind) {
    case PlotFuzzFile::Description:
      ReadPlotDescription(plot, text);
      break;
    case PlotFuzzFile::Properties:
      plot.LoadPropertiesFromFile(path);
      break;
    case PlotFuzzFile::Annotations:
      plot.LoadAnnotationsFromFile(path);
      break;
    case PlotFuzzFile::Data:
      plot.LoadDataFromFile(path);
      break;
    case PlotFuzzFile::ChannelData:
      FirstPlotChannel(plot, choice.xy)->LoadDataFromFile(path, choice.clear);
      break;
    case PlotFuzzFile::ChannelProperties:
      FirstPlotChannel(plot, choice.xy)->LoadPropertiesFromFile(path);
      break;
    case PlotFuzzFile::Count:
      break;
  }
}

/// Saves what the plot holds as the chosen kind of file at `path`; its bytes.
QByteArray SavePlotFuzzFile(TiPlotComponent& plot, const PlotFuzzChoice& choice, const QString& path) {
  switch (choice.kind) {
    case PlotFuzzFile::Description:
      return WritePlotDescription(plot).toUtf8();
    case PlotFuzzFile::Properties:
      plot.SavePropertiesToFile(path);
      break;
    case PlotFuzzFile::Annotations:
      plot.SaveAnnotationsToFile(path);
      break;
    case PlotFuzzFile::Data:
      plot.SaveDataToFile(path);
      break;
    case PlotFuzzFile::ChannelData:
      FirstPlotChannel(plot, choice.xy)->SaveDataToFile(path);
      break;
    case PlotFuzzFile::ChannelProperties:
      FirstPlotChannel(plot, choice.xy)->SavePropertiesToFile(path);
      break;
    case PlotFuzzFile::Count:
      return {};
  }
  QFile saved(path);
  KRV_FUZZ_CHECK("plot_files", saved.open(QIODevice::ReadOnly));
  return saved.readAll();
}

/// The plot that took a file saves it; a fresh plot of the same kind loads
/// that and saves it again as the same bytes.
void CheckPlotFileRoundTrip(TiPlotComponent& loaded, const PlotFuzzChoice& choice) {
  static QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("krv71-plot-fuzz-XXXXXX")));
  const QString path = QDir(folder.path()).filePath(QStringLiteral("saved"));
  QByteArray saved;
  try {
    saved = SavePlotFuzzFile(loaded, choice, path);
  } catch (const EPlotError&) {
    FuzzFail("plot_files", "a plot that took a file saves it");
  }
  const std::unique_ptr<TiPlotComponent> again = MakeFuzzPlot(choice.xy);
  try {
    LoadPlotFuzzFile(*again, choice, path, QString::fromUtf8(saved));
  } catch (const EPlotError&) {
    FuzzFail("plot_files", "a plot loads the file it saved");
  }
  QByteArray savedAgain;
  try {
    savedAgain = SavePlotFuzzFile(*again, choice, path);
  } catch (const EPlotError&) {
    FuzzFail("plot_files", "a plot that took its own file saves it");
  }
  KRV_FUZZ_CHECK("plot_files", savedAgain == saved);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  EnsureFuzzGuiApplication();
  static MemoryFile file;
  if (!file.Write(data + 1, size - 1)) {
    return 0;
  }
  const PlotFuzzChoice choice = DecodePlotFuzzChoice(data[0]);
  const std::unique_ptr<TiPlotComponent> plot = MakeFuzzPlot(choice.xy);
  bool taken = true;
  try {
    LoadPlotFuzzFile(*plot, choice, file.Path(),
                     QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)));
  } catch (const EPlotError&) {
    taken = false;
  }
  TBitmap page(kPlotFuzzWidth, kPlotFuzzHeight);
  plot->iPaintTo(page.Canvas());
  if (taken) {
    CheckPlotFileRoundTrip(*plot, choice);
  }
  return 0;
}
