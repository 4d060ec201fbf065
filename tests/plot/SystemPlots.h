#pragma once

#include <cmath>

#include "plot/annotations/TiPlotAnnotation.h"
#include "plot/annotations/TiPlotLimit.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/channels/TiXYPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotObjectManager.h"
#include "plot/core/TiXYPlot.h"
#include "plot/core/TiPlotLayoutManager.h"
#include "plot/objects/TiPlotDataView.h"
#include "plot/objects/TiPlotLabel.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

/// The plots the system shows, set up as their forms describe them, for
/// render tests and benchmarks.

/// Hides the toolbar, legend and title and fixes both axes' ranges.
inline void FixedRangesWithoutDecorations(TiPlotComponent& plot) {
  plot.Master().ToolBarManager().Items(0)->SetVisible(false);
  plot.Master().LegendManager().Items(0)->SetVisible(false);
  plot.Master().LabelManager().Items(0)->SetVisible(false);
  plot.XAxis(0)->SetTrackingEnabled(false);
  plot.YAxis(0)->SetTrackingEnabled(false);
}

/// A transfer plot (compressor): both axes -100 .. 20; channel 0 the
/// white curve of width 2, channel 1 the operating point, a dotted width 5
/// trace with an individual marker.
inline void SetUpTransferPlot(TiXYPlot& plot) {
  plot.SetBounds(0, 0, 200, 200);
  FixedRangesWithoutDecorations(plot);
  for (TiPlotAxis* axis : {static_cast<TiPlotAxis*>(plot.XAxis(0)), static_cast<TiPlotAxis*>(plot.YAxis(0))}) {
    axis->SetMin(-100);
    axis->SetSpan(120);
  }
  plot.AddChannel();
  TiXYPlotChannel& curve = *plot.Channel(0);
  curve.SetColor(clWhite);
  curve.SetTraceLineWidth(2);
  TiXYPlotChannel& point = *plot.Channel(1);
  point.SetColor(8421631);
  point.SetTraceLineStyle(TiPlotLineStyle::iplsDot);
  point.SetTraceLineWidth(5);
  point.SetMarkersVisible(true);
  point.SetMarkersAllowIndividual(true);
  point.SetMarkersSize(5);
  point.SetMarkersPenWidth(3);
  // The host closes the plot to the user: no editor, menus or axis input.
  plot.SetUserCanEditObjects(false);
  for (TiPlotObject* object : plot.Master().ObjectManager().Snapshot()) {
    object->SetPopupEnabled(false);
    if (object->IsAxis()) {
      object->SetEnabled(false);
    }
  }
}

/// A compressor curve: 1:1 up to the threshold, then ratio 4.
inline void FillTransferPlot(TiXYPlot& plot, double threshold) {
  TiXYPlotChannel& curve = *plot.Channel(0);
  curve.DeletePoints(curve.Count());
  curve.AddXY(-100, -100);
  curve.AddXY(threshold, threshold);
  curve.AddXY(20, threshold + (20 - threshold) / 4);
  TiXYPlotChannel& point = *plot.Channel(1);
  point.DeletePoints(point.Count());
  point.AddXY(threshold, threshold);
}

/// The FIR designer's plot: log X axis 11 .. 24011 Hz, Y -27 .. 27 in
/// steps of 9, twelve channels with their styles and layers, one limit
/// line at 0 dB and annotation 0.
inline void SetUpFirPlot(TiPlot& plot) {
  plot.SetBounds(0, 0, 1070, 255);
  FixedRangesWithoutDecorations(plot);
  TiPlotXAxis& x = *plot.XAxis(0);
  x.SetScaleType(TiPlotScaleType::ipstLog10);
  x.SetMin(11);
  x.SetSpan(24000);
  TiPlotYAxis& y = *plot.YAxis(0);
  y.SetMin(-27);
  y.SetSpan(54);
  y.SetDesiredIncrement(9);
  while (plot.ChannelCount() < 12) {
    plot.AddChannel();
  }
  struct Look {
    TColor colour;
    TiPlotLineStyle style;
    int width;
    int layer;
  };
  const Look looks[12] = {{clBlue, TiPlotLineStyle::iplsDash, 2, 100},  {clBlue, TiPlotLineStyle::iplsDash, 2, 100},
                          {clYellow, TiPlotLineStyle::iplsDash, 1, 200}, {clYellow, TiPlotLineStyle::iplsDash, 2, 200},
                          {clRed, TiPlotLineStyle::iplsSolid, 2, 300},   {clRed, TiPlotLineStyle::iplsSolid, 2, 300},
                          {clAqua, TiPlotLineStyle::iplsSolid, 1, 100},  {clAqua, TiPlotLineStyle::iplsSolid, 1, 100},
                          {clFuchsia, TiPlotLineStyle::iplsSolid, 1, 100}, {clFuchsia, TiPlotLineStyle::iplsSolid, 1, 100},
                          {clLime, TiPlotLineStyle::iplsSolid, 1, 100},  {clLime, TiPlotLineStyle::iplsSolid, 1, 100}};
  for (int i = 0; i < 12; ++i) {
    TiPlotChannel& c = *plot.Channel(i);
    c.SetColor(looks[i].colour);
    c.SetTraceLineStyle(looks[i].style);
    c.SetTraceLineWidth(looks[i].width);
    c.SetLayer(looks[i].layer);
  }
  auto& limit = *plot.Master().LimitManager().ItemAs<TiPlotLimit>(plot.Master().AddLimit());
  limit.SetXAxisName(x.Name());
  limit.SetYAxisName(y.Name());
  limit.SetColor(35840);
  limit.SetLineWidth(1);
  limit.SetLine1Position(0);
  auto& note = *plot.Annotation(plot.AddAnnotation());
  note.SetText(QStringLiteral("FIR 1024 taps"));
  note.SetX(85);
  note.SetY(90);
}

/// n points per channel on a log grid from 10 Hz to 24 kHz: a response
/// shape per channel, offset so the curves stay apart.
inline void FillFirPlot(TiPlot& plot, int n) {
  for (int c = 0; c < plot.ChannelCount(); ++c) {
    TiPlotChannel& channel = *plot.Channel(c);
    channel.Clear();
    for (int i = 0; i < n; ++i) {
      const double f = 10 * std::pow(2400.0, double(i) / (n - 1));
      const double shape = 12 * std::sin(std::log10(f) * (1.5 + 0.2 * c)) / (1 + std::pow(f / 12000, 4));
      channel.AddXY(f, shape - 20 + 3.5 * c + 0.6 * std::sin(i * 0.37));
    }
  }
}
