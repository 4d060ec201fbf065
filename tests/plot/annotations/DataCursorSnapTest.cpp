#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "platform/pictures/TBitmap.h"
#include "platform/widgets/InputTypes.h"
#include "plot/annotations/TiPlotDataCursor.h"
#include "tests/plot/SystemPlots.h"

namespace {

TiPlotDataCursor& SnapCursorOf(TiPlotComponent& plot) {
  return *plot.Master().DataCursorManager().ItemAs<TiPlotDataCursor>(0);
}

void PaintPlot(TiPlotComponent& plot) {
  TBitmap bitmap(plot.Width(), plot.Height());
  plot.iPaintTo(bitmap.Canvas());
}

/// A 400 x 300 time-series plot without tracking, X axis 0 .. 10, channel
/// 0 holding a point at each of xs (Y = X).
void SetUpTimeSeries(TiPlot& plot, const std::vector<double>& xs) {
  plot.SetBounds(0, 0, 400, 300);
  FixedRangesWithoutDecorations(plot);
  plot.XAxis(0)->SetMinSpan(0, 10);
  plot.YAxis(0)->SetMinSpan(0, 20);
  for (double x : xs) {
    plot.Channel(0)->AddXY(x, x);
  }
}

void PressKey(TiPlotDataCursor& cursor, WORD key, TShiftState shift = {}) { cursor.DoKeyDown(key, shift, nullptr); }

}  // namespace

TEST(DataCursorSnap, PointerBeyondLastPoint_landsOnItAndScrollsItInsideTheEdge) {
  struct Case {
    std::vector<double> xs;
    double pointer;
    double axisMin;
  };
  // The last point in view: no scroll; beyond Max: one fortieth of the span inside.
  for (const Case& c : {Case{{0, 4, 8}, 80, 0}, Case{{0, 4, 12}, 97.5, 2.25}}) {
    TiPlot plot;
    SetUpTimeSeries(plot, c.xs);
    TiPlotDataCursor& cursor = SnapCursorOf(plot);
    cursor.SetChannelName(plot.Channel(0)->Name());
    cursor.SetPointer1Position(100);
    cursor.SnapPointer(1);
    EXPECT_EQ(cursor.Pointer1Position(), 100);  // snapping is off
    cursor.SetSnapToDataPoint(true);
    cursor.SnapPointer(1);
    EXPECT_DOUBLE_EQ(cursor.Pointer1Position(), c.pointer);
    EXPECT_DOUBLE_EQ(plot.XAxis(0)->Min(), c.axisMin);
    EXPECT_EQ(cursor.SnapToIndexChannel(), 0);
    EXPECT_EQ(cursor.SnapToIndexData(), 2);
  }
}

TEST(DataCursorSnap, AllChannels_closestChannelWinsLowerIndexOnTiesAndTheDraggedPointerMoves) {
  TiPlot plot;
  SetUpTimeSeries(plot, {3});
  plot.AddChannel();
  plot.Channel(1)->AddXY(3, 1);
  TiPlotDataCursor& cursor = SnapCursorOf(plot);
  cursor.SetChannelName(QStringLiteral("<All>"));
  cursor.SetStyle(TiPlotDataCursorStyle::ipcsDeltaX);
  cursor.SetSnapToDataPoint(true);
  cursor.SetVisible(true);
  PaintPlot(plot);
  cursor.SetDataView(plot.DataView(0));
  PaintPlot(plot);
  cursor.SnapPointer(1);
  EXPECT_EQ(cursor.SnapToIndexChannel(), 0);
  EXPECT_DOUBLE_EQ(cursor.Pointer1Position(), 30);

  plot.Channel(1)->AddXY(5.5, 1);
  cursor.SetPointer1Position(50);
  PaintPlot(plot);
  TiPlotMouseData press;
  press.X = plot.DataView(0)->PositionPercentToPixelsX(60);
  press.Y = plot.DataView(0)->PositionPercentToPixelsY(20);
  cursor.DoMouseLeft(press);
  cursor.DoMouseUp(press);
  EXPECT_EQ(cursor.SnapToIndexChannel(), 1);
  EXPECT_EQ(cursor.SnapToIndexData(), 1);
  EXPECT_DOUBLE_EQ(cursor.Pointer2Position(), 55);
  EXPECT_EQ(cursor.Pointer1Position(), 50);
}

TEST(DataCursorSnap, SnappingKeys_stepFromPointToPoint) {
  TiPlot plot;
  SetUpTimeSeries(plot, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  TiPlotDataCursor& cursor = SnapCursorOf(plot);
  cursor.SetChannelName(plot.Channel(0)->Name());
  cursor.SetSnapToDataPoint(true);
  cursor.SetVisible(true);
  PaintPlot(plot);
  cursor.SetDataView(plot.DataView(0));
  cursor.SetPointer1Position(52);
  PressKey(cursor, VK_RIGHT);
  EXPECT_DOUBLE_EQ(cursor.Pointer1Position(), 60);
  PressKey(cursor, VK_PRIOR);
  EXPECT_DOUBLE_EQ(cursor.Pointer1Position(), 100);  // 6 + 5 clamped to the last point
  PressKey(cursor, VK_LEFT);
  EXPECT_DOUBLE_EQ(cursor.Pointer1Position(), 90);
  PressKey(cursor, VK_HOME);
  EXPECT_DOUBLE_EQ(cursor.Pointer1Position(), 0);
  PressKey(cursor, VK_END);
  EXPECT_DOUBLE_EQ(cursor.Pointer1Position(), 100);
  const double hint = cursor.HintPosition();
  PressKey(cursor, VK_UP);
  EXPECT_GT(cursor.HintPosition(), hint);
  EXPECT_DOUBLE_EQ(cursor.Pointer1Position(), 100);
  cursor.SetPointer2Position(35);
  PressKey(cursor, VK_HOME, {TShiftStateItem::ssCtrl});  // pointer 2 hidden
  EXPECT_EQ(cursor.Pointer2Position(), 35);
}

TEST(DataCursor, GetInterpolatedYValue_readsTheChannelAndRestoresTheCursor) {
  for (const bool cached : {false, true}) {
    TiPlot plot;
    SetUpTimeSeries(plot, {0, 10});
    plot.AddChannel();
    TiPlotDataCursor& cursor = SnapCursorOf(plot);
    cursor.SetStyle(TiPlotDataCursorStyle::ipcsDeltaX);
    cursor.SetChannelName(plot.Channel(1)->Name());
    cursor.SetUseCachedInterpolatedData(cached);
    PaintPlot(plot);
    int minChanges = 0;
    plot.OnXAxisMinChange = [&](int, double, double) { ++minChanges; };
    double y = -1;
    EXPECT_EQ(cursor.GetInterpolatedYValue(plot.Channel(0)->Name(), 2.5, y), TiPlotDataPointStatus::ipdpsValid);
    EXPECT_NEAR(y, 2.5, 1e-9);
    EXPECT_FALSE(cursor.Visible());
    EXPECT_EQ(cursor.Style(), TiPlotDataCursorStyle::ipcsDeltaX);
    EXPECT_EQ(cursor.ChannelName(), plot.Channel(1)->Name());
    EXPECT_EQ(cursor.Pointer1Position(), 50);
    EXPECT_EQ(plot.XAxis(0)->Min(), 0);
    EXPECT_EQ(minChanges, 0);
    EXPECT_EQ(cursor.GetInterpolatedYValue(QStringLiteral("Nothing"), 2.5, y), TiPlotDataPointStatus::ipdpsNull);
    EXPECT_EQ(y, 0);

    // A failing handler leaves the cursor and the axis as they were.
    plot.OnBeforeDataCursorUpdate = [](int) { throw std::runtime_error("refused"); };
    EXPECT_THROW(cursor.GetInterpolatedYValue(plot.Channel(0)->Name(), 2.5, y), std::runtime_error);
    plot.OnBeforeDataCursorUpdate = nullptr;
    EXPECT_FALSE(cursor.Visible());
    EXPECT_EQ(cursor.ChannelName(), plot.Channel(1)->Name());
    EXPECT_EQ(plot.XAxis(0)->Min(), 0);
    EXPECT_FALSE(plot.XAxis(0)->BlockMinSpanEvents());
  }
}

TEST(DataCursor, Focus_selectsTheMeasuredChannelFollowsAnotherAndYieldsToOtherObjects) {
  TiPlot plot;
  SetUpTimeSeries(plot, {0, 10});
  plot.AddChannel();
  TiPlotDataCursor& cursor = SnapCursorOf(plot);
  cursor.SetChannelName(plot.Channel(0)->Name());
  cursor.SetVisible(true);
  cursor.SetUserSelected(true);
  EXPECT_TRUE(plot.Channel(0)->UserSelected());
  EXPECT_TRUE(cursor.UserSelected());
  plot.Channel(1)->SetUserSelected(true);
  EXPECT_EQ(cursor.ChannelName(), plot.Channel(1)->Name());
  EXPECT_TRUE(cursor.UserSelected());
  plot.XAxis(0)->SetUserSelected(true);
  EXPECT_FALSE(cursor.UserSelected());
}
