#include "plot/core/TiPlot.h"

#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlotDefaultObjects.h"
#include "plot/core/TiPlotMasterManager.h"

TiPlot::TiPlot(QWidget* parent) : TiPlotComponent(parent) {
  // No repaint while the default objects come in.
  BeginUpdate();
  struct End {
    TiPlot& plot;
    ~End() { plot.EndUpdate(); }
  } end{*this};
  BuildDefaultPlotObjects(*this, PlotObjectFactory<TiPlotChannel>());
}

TiPlotChannel* TiPlot::Channel(int index) const {
  return Master().ChannelManager().ItemAs<TiPlotChannel>(index);
}

int TiPlot::ChannelCount() const { return Master().ChannelManager().Count(); }

int TiPlot::AddChannel() { return Master().AddChannel(); }
