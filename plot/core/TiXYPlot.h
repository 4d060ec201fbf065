#pragma once

#include "plot/core/TiPlotComponent.h"

class TiXYPlotChannel;

/// The X-Y plot control: a plot component whose channels are
/// TiXYPlotChannel (free curves), created with the same default objects as
/// TiPlot. Owned by its Qt parent; GUI thread only.
class TiXYPlot : public TiPlotComponent {
public:
  explicit TiXYPlot(QWidget* parent = nullptr);
  QString ClassName() const override { return QStringLiteral("TiXYPlot"); }
  /// EPlotError for a bad index or a channel of another class.
  TiXYPlotChannel* Channel(int index) const;
  int ChannelCount() const;
  int AddChannel();
};
