// The plot's files: a description, a properties file, an annotations file,
// a data file, and a channel's data and properties files, each read into a
// fresh plot; a refused file raises EPlotError, the plot's documented
// refusal. The plot is then drawn with what was read. The first byte picks
// the file and the plot (PlotFuzzChoice).
#include <cstddef>
#include <cstdint>
#include <memory>

#include <QString>

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
  const bool xy = choice.xy;
  std::unique_ptr<TiPlotComponent> plot;
  if (xy) {
    plot = std::make_unique<TiXYPlot>();
  } else {
    plot = std::make_unique<TiPlot>();
  }
  plot->SetBounds(0, 0, kPlotFuzzWidth, kPlotFuzzHeight);
  try {
    switch (choice.kind) {
      case PlotFuzzFile::Description:
        ReadPlotDescription(*plot, QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                                     static_cast<qsizetype>(size - 1)));
        break;
      case PlotFuzzFile::Properties:
        plot->LoadPropertiesFromFile(file.Path());
        break;
      case PlotFuzzFile::Annotations:
        plot->LoadAnnotationsFromFile(file.Path());
        break;
      case PlotFuzzFile::Data:
        plot->LoadDataFromFile(file.Path());
        break;
      case PlotFuzzFile::ChannelData:
        FirstPlotChannel(*plot, xy)->LoadDataFromFile(file.Path(), choice.clear);
        break;
      case PlotFuzzFile::ChannelProperties:
        FirstPlotChannel(*plot, xy)->LoadPropertiesFromFile(file.Path());
        break;
      case PlotFuzzFile::Count:
        break;
    }
  } catch (const EPlotError&) {
  }
  TBitmap page(kPlotFuzzWidth, kPlotFuzzHeight);
  plot->iPaintTo(page.Canvas());
  return 0;
}
