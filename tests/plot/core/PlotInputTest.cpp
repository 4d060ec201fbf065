#include <gtest/gtest.h>

#include "platform/pictures/TBitmap.h"
#include "platform/widgets/TPopupMenu.h"
#include "plot/objects/TiPlotToolBar.h"
#include "tests/plot/SystemPlots.h"

namespace {

void Paint(TiPlotComponent& plot) {
  TBitmap bitmap(plot.Width(), plot.Height());
  plot.iPaintTo(bitmap.Canvas());
}

TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

}  // namespace

TEST(PlotInput, ClickOnToolBarButton_runsItsAction) {
  TiPlot plot;
  plot.SetBounds(0, 0, 500, 300);
  Paint(plot);
  auto& bar = *plot.Master().ToolBarManager().ItemAs<TiPlotToolBar>(0);
  std::vector<TiPlotToolBarButtonType> clicks;
  plot.OnToolBarButtonClick = [&](int, TiPlotToolBarButtonType type) { clicks.push_back(type); };
  const TPoint p = Centre(bar.Button(TiPlotToolBarButtonType::iptbbtPause).DrawRect());
  plot.iMouseDown(TMouseButton::mbLeft, {TShiftStateItem::ssLeft}, p.X, p.Y);
  plot.iMouseUp(TMouseButton::mbLeft, {}, p.X, p.Y);
  EXPECT_EQ(clicks, std::vector<TiPlotToolBarButtonType>{TiPlotToolBarButtonType::iptbbtPause});
  EXPECT_FALSE(plot.XAxis(0)->TrackingEnabled());
}

TEST(PlotInput, AxisWheelAndKeys_scrollAndSwitchTrackingOff) {
  TiXYPlot plot;
  plot.SetBounds(0, 0, 400, 300);
  plot.YAxis(0)->SetMinSpan(0, 10);
  Paint(plot);
  const TPoint p = Centre(plot.YAxis(0)->DrawRect());
  plot.iMouseDown(TMouseButton::mbLeft, {TShiftStateItem::ssLeft}, p.X, p.Y);
  plot.iMouseUp(TMouseButton::mbLeft, {}, p.X, p.Y);
  EXPECT_TRUE(plot.YAxis(0)->UserSelected());
  plot.iMouseWheel(120, {}, p);
  EXPECT_FALSE(plot.YAxis(0)->TrackingEnabled());
  EXPECT_DOUBLE_EQ(plot.YAxis(0)->Min(), 0.5);
  int finished = 0;
  plot.OnYAxisMinSpanChangeFinished = [&](int, double, double, double, double) { ++finished; };
  WORD key = VK_PRIOR;
  plot.iKeyDown(key, {});
  EXPECT_DOUBLE_EQ(plot.YAxis(0)->Min(), 10.5);
  EXPECT_EQ(finished, 1);
}

TEST(PlotInput, RightClickOnEmptyBackground_clearsSelections) {
  TiXYPlot plot;
  plot.SetBounds(0, 0, 400, 300);
  Paint(plot);
  plot.XAxis(0)->SetUserSelected(true);
  plot.iMouseDown(TMouseButton::mbRight, {TShiftStateItem::ssRight}, 1, 1);
  plot.iMouseUp(TMouseButton::mbRight, {}, 1, 1);
  EXPECT_FALSE(plot.XAxis(0)->UserSelected());
}

TEST(PlotInput, AxisMenu_offersTrackingResumeValuesAndZoomToFit) {
  TiXYPlot plot;
  TPopupMenu menu;
  TiPlotYAxis& axis = *plot.YAxis(0);
  axis.AddMenuItems(menu);
  ASSERT_EQ(menu.Count(), 4);
  EXPECT_EQ(menu.Item(0).Caption, QStringLiteral("Tracking Enabled"));
  EXPECT_TRUE(menu.Item(0).Checked);
  EXPECT_FALSE(menu.Item(1).Enabled);
  menu.Item(0).Click();
  EXPECT_FALSE(axis.TrackingEnabled());
  axis.SetMinSpan(5, 5);
  axis.AddMenuItems(menu);
  EXPECT_TRUE(menu.Item(1).Enabled);
  EXPECT_EQ(menu.Item(3).Caption, QStringLiteral("Edit..."));
}
