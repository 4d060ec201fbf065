#pragma once

#include "plot/core/TiPlotComponent.h"

class TiPlotChannel;

/// The time-series plot control: a plot component whose channels are
/// TiPlotChannel, created with one toolbar, legend, X and Y axis, channel,
/// data view, data cursor and title label. Owned by its Qt parent; GUI
/// thread only.
class TiPlot : public TiPlotComponent {
public:
  explicit TiPlot(QWidget* parent = nullptr);
  QString ClassName() const override { return QStringLiteral("TiPlot"); }
  /// EPlotError for a bad index or a channel of another class.
  TiPlotChannel* Channel(int index) const;
  int ChannelCount() const;
  int AddChannel();
};
