#include <gtest/gtest.h>

#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "tests/plot/ErrorOf.h"

namespace {

// The channel's look and bar before point 0 is added.
void SetFirstLook(TiPlotChannel& c) {
  c.SetColor(clTeal);
  c.SetTraceLineWidth(2);
  c.SetTraceLineStyle(TiPlotLineStyle::iplsDash);
  c.SetMarkersVisible(true);
  c.SetMarkersSize(4);
  c.SetMarkersStyle(TiPlotMarkerStyle::ipmsDiamond);
  c.SetMarkersPenColor(clNavy);
  c.SetMarkersPenWidth(1);
  c.SetMarkersPenStyle(TPenStyle::psDot);
  c.SetMarkersBrushColor(clMaroon);
  c.SetMarkersBrushStyle(TBrushStyle::bsCross);
  c.SetBarReference(-1);
  c.SetBarWidth(2.5);
  c.SetBarPenColor(clOlive);
  c.SetBarPenWidth(3);
  c.SetBarPenStyle(TPenStyle::psDash);
  c.SetBarBrushColor(clPurple);
  c.SetBarBrushStyle(TBrushStyle::bsDiagCross);
}

// Every value changed before point 1 is added.
void SetSecondLook(TiPlotChannel& c) {
  c.SetColor(clLime);
  c.SetTraceLineWidth(5);
  c.SetTraceLineStyle(TiPlotLineStyle::iplsDot);
  c.SetMarkersVisible(false);
  c.SetMarkersSize(7);
  c.SetMarkersStyle(TiPlotMarkerStyle::ipmsPlus);
  c.SetMarkersPenColor(clYellow);
  c.SetMarkersPenWidth(2);
  c.SetMarkersPenStyle(TPenStyle::psSolid);
  c.SetMarkersBrushColor(clAqua);
  c.SetMarkersBrushStyle(TBrushStyle::bsSolid);
  c.SetBarReference(4);
  c.SetBarWidth(0.5);
  c.SetBarPenColor(clGray);
  c.SetBarPenWidth(1);
  c.SetBarPenStyle(TPenStyle::psSolid);
  c.SetBarBrushColor(clSilver);
  c.SetBarBrushStyle(TBrushStyle::bsSolid);
}

void ExpectFirstLook(const TiPlotChannel& c, int i) {
  EXPECT_EQ(c.GetPointTraceLineColor(i), clTeal);
  EXPECT_EQ(c.GetPointTraceLineWidth(i), 2);
  EXPECT_EQ(c.GetPointTraceLineStyle(i), TiPlotLineStyle::iplsDash);
  EXPECT_TRUE(c.GetPointMarkerVisible(i));
  EXPECT_EQ(c.GetPointMarkerSize(i), 4);
  EXPECT_EQ(c.GetPointMarkerStyle(i), TiPlotMarkerStyle::ipmsDiamond);
  EXPECT_EQ(c.GetPointMarkerPenColor(i), clNavy);
  EXPECT_EQ(c.GetPointMarkerPenWidth(i), 1);
  EXPECT_EQ(c.GetPointMarkerPenStyle(i), TPenStyle::psDot);
  EXPECT_EQ(c.GetPointMarkerBrushColor(i), clMaroon);
  EXPECT_EQ(c.GetPointMarkerBrushStyle(i), TBrushStyle::bsCross);
  EXPECT_EQ(c.GetPointBarReference(i), -1);
  EXPECT_EQ(c.GetPointBarWidth(i), 2.5);
  EXPECT_EQ(c.GetPointBarPenColor(i), clOlive);
  EXPECT_EQ(c.GetPointBarPenWidth(i), 3);
  EXPECT_EQ(c.GetPointBarPenStyle(i), TPenStyle::psDash);
  EXPECT_EQ(c.GetPointBarBrushColor(i), clPurple);
  EXPECT_EQ(c.GetPointBarBrushStyle(i), TBrushStyle::bsDiagCross);
}

void ExpectSecondLook(const TiPlotChannel& c, int i) {
  EXPECT_EQ(c.GetPointTraceLineColor(i), clLime);
  EXPECT_EQ(c.GetPointTraceLineWidth(i), 5);
  EXPECT_EQ(c.GetPointTraceLineStyle(i), TiPlotLineStyle::iplsDot);
  EXPECT_FALSE(c.GetPointMarkerVisible(i));
  EXPECT_EQ(c.GetPointMarkerSize(i), 7);
  EXPECT_EQ(c.GetPointMarkerStyle(i), TiPlotMarkerStyle::ipmsPlus);
  EXPECT_EQ(c.GetPointMarkerPenColor(i), clYellow);
  EXPECT_EQ(c.GetPointMarkerPenWidth(i), 2);
  EXPECT_EQ(c.GetPointMarkerPenStyle(i), TPenStyle::psSolid);
  EXPECT_EQ(c.GetPointMarkerBrushColor(i), clAqua);
  EXPECT_EQ(c.GetPointMarkerBrushStyle(i), TBrushStyle::bsSolid);
  EXPECT_EQ(c.GetPointBarReference(i), 4);
  EXPECT_EQ(c.GetPointBarWidth(i), 0.5);
  EXPECT_EQ(c.GetPointBarPenColor(i), clGray);
  EXPECT_EQ(c.GetPointBarPenWidth(i), 1);
  EXPECT_EQ(c.GetPointBarPenStyle(i), TPenStyle::psSolid);
  EXPECT_EQ(c.GetPointBarBrushColor(i), clSilver);
  EXPECT_EQ(c.GetPointBarBrushStyle(i), TBrushStyle::bsSolid);
}

}  // namespace

TEST(ChannelPointLook, FullFeaturePoints_keepTheLookTheyWereAddedWith) {
  TiPlot plot;
  TiPlotChannel& c = *plot.Channel(0);
  c.SetDataStyle(TiPlotDataStyle::ipdsFullFeature);
  SetFirstLook(c);
  c.AddXY(0, 0);
  SetSecondLook(c);
  c.AddXY(1, 1);
  {
    SCOPED_TRACE("point 0");
    ExpectFirstLook(c, 0);
  }
  {
    SCOPED_TRACE("point 1");
    ExpectSecondLook(c, 1);
  }
  EXPECT_TRUE(c.GetPointBarVisible(0));
  EXPECT_EQ(c.GetPointMarkerCharacter(0), QChar());
  EXPECT_EQ(ErrorOf([&] { c.GetPointBarWidth(2); }), QStringLiteral("Index out of Bounds"));
  EXPECT_EQ(ErrorOf([&] { c.GetPointTraceLineColor(-1); }), QStringLiteral("Index out of Bounds"));
}

TEST(ChannelPointLook, StandardPoints_keepOnlyMarkerVisibilityAndStyle) {
  TiPlot plot;
  TiPlotChannel& c = *plot.Channel(0);
  SetFirstLook(c);
  c.AddXY(0, 0);
  SetSecondLook(c);
  c.AddXY(1, 1);
  // Both points answer the channel's present look but for the two values
  // the standard list stores with each point.
  EXPECT_TRUE(c.GetPointMarkerVisible(0));
  EXPECT_EQ(c.GetPointMarkerStyle(0), TiPlotMarkerStyle::ipmsDiamond);
  EXPECT_EQ(c.GetPointMarkerSize(0), 7);
  EXPECT_EQ(c.GetPointBarWidth(0), 0.5);
  EXPECT_EQ(c.GetPointTraceLineColor(0), clLime);
  {
    SCOPED_TRACE("point 1");
    ExpectSecondLook(c, 1);
  }
  EXPECT_EQ(ErrorOf([&] { c.GetPointMarkerVisible(2); }), QStringLiteral("Index out of Bounds"));
}

TEST(ChannelInterval, SetBeforeTheFirstPoint_spacesTheCompactIntervalPoints) {
  TiPlot plot;
  TiPlotChannel& c = *plot.Channel(0);
  c.SetDataStyle(TiPlotDataStyle::ipdsCompactInterval);
  EXPECT_EQ(c.Interval(), -1);
  c.SetInterval(2);
  for (double x : {5.0, 6.0, 7.0}) {
    c.AddXY(x, 1);
  }
  EXPECT_EQ(c.Interval(), 2);
  EXPECT_EQ(c.GetX(1), 7);
  EXPECT_EQ(c.GetX(2), 9);
  c.SetInterval(0.5);
  EXPECT_EQ(c.GetX(2), 6);
  // Cleared, the step is learned again from the next two points.
  c.Clear();
  EXPECT_EQ(c.Interval(), -1);
  c.AddXY(10, 1);
  c.AddXY(10.25, 1);
  EXPECT_EQ(c.Interval(), 0.25);
}

TEST(ChannelInterval, OtherStyles_haveNoneAndKeepTheirOwnX) {
  for (TiPlotDataStyle style :
       {TiPlotDataStyle::ipdsStandard, TiPlotDataStyle::ipdsCompact, TiPlotDataStyle::ipdsFullFeature}) {
    SCOPED_TRACE(int(style));
    TiPlot plot;
    TiPlotChannel& c = *plot.Channel(0);
    c.SetDataStyle(style);
    c.AddXY(1, 1);
    c.AddXY(4, 1);
    c.SetInterval(2);
    EXPECT_EQ(c.Interval(), -1);
    EXPECT_EQ(c.GetX(1), 4);
  }
}
