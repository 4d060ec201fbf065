#include "plot/core/TiXYPlot.h"

#include "plot/channels/TiXYPlotChannel.h"
#include "plot/core/TiPlotDefaultObjects.h"
#include "plot/core/TiPlotMasterManager.h"

TiXYPlot::TiXYPlot(QWidget* parent) : TiPlotComponent(parent) {
  BuildDefaultPlotObjects(*this, PlotObjectFactory<TiXYPlotChannel>());
}

TiXYPlotChannel* TiXYPlot::Channel(int index) const {
  return Master().ChannelManager().ItemAs<TiXYPlotChannel>(index);
}

int TiXYPlot::ChannelCount() const { return Master().ChannelManager().Count(); }

int TiXYPlot::AddChannel() { return Master().AddChannel(); }
