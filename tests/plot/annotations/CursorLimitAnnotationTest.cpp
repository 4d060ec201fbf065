#include <gtest/gtest.h>

#include "platform/pictures/TBitmap.h"
#include "plot/annotations/TiPlotDataCursor.h"
#include "tests/plot/ErrorOf.h"
#include "tests/plot/SystemPlots.h"

namespace {

TiPlotDataCursor& CursorOf(TiPlotComponent& plot) {
  return *plot.Master().DataCursorManager().ItemAs<TiPlotDataCursor>(0);
}

void Paint(TiPlotComponent& plot) {
  TBitmap bitmap(plot.Width(), plot.Height());
  plot.iPaintTo(bitmap.Canvas());
}

}  // namespace

TEST(DataCursor, PointerPositions_clampToPercentRange) {
  TiPlot plot;
  TiPlotDataCursor& cursor = CursorOf(plot);
  EXPECT_FALSE(cursor.Visible());
  cursor.SetPointer1Position(150);
  EXPECT_EQ(cursor.Pointer1Position(), 100);
  cursor.SetPointer1Position(-3);
  EXPECT_EQ(cursor.Pointer1Position(), 0);
  cursor.SetPointer2Position(std::nan(""));
  EXPECT_EQ(cursor.Pointer2Position(), 0);
  plot.SetBounds(0, 0, 400, 300);
  Paint(plot);
  cursor.SetDataView(plot.DataView(0));
  WORD end = VK_END;
  cursor.DoKeyDown(end, {TShiftStateItem::ssCtrl}, nullptr);  // pointer 2 hidden
  EXPECT_EQ(cursor.Pointer2Position(), 0);
  cursor.DoKeyDown(end, {}, nullptr);
  EXPECT_EQ(cursor.Pointer1Position(), 100);
  WORD left = VK_LEFT;
  cursor.DoKeyDown(left, {}, nullptr);
  EXPECT_LT(cursor.Pointer1Position(), 100);
  EXPECT_GT(cursor.Pointer1Position(), 99);
}

TEST(DataCursor, XYPlotValueXY_readsTheCrossingOfItsPointers) {
  TiXYPlot plot;
  SetUpTransferPlot(plot);
  TiPlotDataCursor& cursor = CursorOf(plot);
  cursor.SetChannelName(plot.Channel(0)->Name());
  EXPECT_TRUE(cursor.Pointer2Shown());
  Paint(plot);
  EXPECT_DOUBLE_EQ(cursor.ValueX(), -40);
  EXPECT_DOUBLE_EQ(cursor.ValueY(), -28);
  EXPECT_EQ(plot.Channel(0)->DataCursorXText(), plot.XAxis(0)->GetCursorText(-40));
  cursor.SetStyle(TiPlotDataCursorStyle::ipcsInverseDeltaX);
  cursor.SetPointer2Position(50);
  Paint(plot);
  EXPECT_EQ(cursor.CursorDisplayText(), QStringLiteral("Infinite"));
}

TEST(DataCursor, TimeSeriesValue_interpolatesBetweenPoints) {
  TiPlot plot;
  plot.SetBounds(0, 0, 400, 300);
  FixedRangesWithoutDecorations(plot);
  plot.XAxis(0)->SetMinSpan(0, 10);
  TiPlotChannel& c = *plot.Channel(0);
  c.AddXY(0, 0);
  c.AddXY(10, 10);
  TiPlotDataCursor& cursor = CursorOf(plot);
  cursor.SetChannelName(c.Name());
  cursor.SetVisible(true);
  Paint(plot);
  EXPECT_NEAR(cursor.ValueX(), 5, 0.1);
  EXPECT_NEAR(cursor.ValueY(), 5, 0.1);
  EXPECT_EQ(cursor.Status(), TiPlotDataPointStatus::ipdpsValid);
  EXPECT_TRUE(cursor.HintShowing());
  double y = 0;
  EXPECT_TRUE(c.GetYInterpolated(10, y));
  EXPECT_EQ(y, 10);
  EXPECT_FALSE(c.GetYInterpolated(11, y));
  EXPECT_EQ(c.CalcIndex(5), 1);
  cursor.SetChannelName(QStringLiteral("<All>"));
  Paint(plot);
  EXPECT_FALSE(cursor.HintShowing());
}

TEST(PlotLimit, LineY_drawnOnlyInsideTheRangeAndBandElementsChecked) {
  TiPlot plot;
  plot.SetBounds(0, 0, 300, 200);
  FixedRangesWithoutDecorations(plot);
  auto& limit = *plot.Master().LimitManager().ItemAs<TiPlotLimit>(plot.Master().AddLimit());
  Paint(plot);
  EXPECT_FALSE(limit.Line1Shown());  // no axes named yet
  limit.SetXAxisName(plot.XAxis(0)->Name());
  limit.SetYAxisName(plot.YAxis(0)->Name());
  Paint(plot);
  EXPECT_TRUE(limit.Line1Shown());
  TiPlotMouseData onLine;
  onLine.X = 100;
  onLine.Y = plot.YAxis(0)->PositionToPixels(50);
  EXPECT_FALSE(limit.MouseHitTest(onLine));  // not in select mode
  limit.SetLine1Position(150);
  Paint(plot);
  EXPECT_FALSE(limit.Line1Shown());
  EXPECT_EQ(ErrorOf([&] { limit.AddBandElement(1, 2, 3); }),
            QStringLiteral("the Upper Limit must be greater than or equal to the Lower Limit"));
  EXPECT_EQ(limit.ElementCount(), 0);
  limit.AddBandElement(1, 3, 3);
  EXPECT_EQ(limit.ElementCount(), 1);
  int changes = 0;
  plot.OnLimitLine1PositionChange = [&](int, double, double) { ++changes; };
  limit.SetLine1Position(20);
  limit.SetLine1Position(20);
  EXPECT_EQ(changes, 1);
  plot.YAxis(0)->SetName(QStringLiteral("Gain"));
  EXPECT_EQ(limit.YAxisName(), QStringLiteral("Gain"));
}

TEST(PlotAnnotation, CoordinateEventsAndVisibilityOutsideTheView) {
  TiPlot plot;
  plot.SetBounds(0, 0, 300, 200);
  auto& note = *plot.Master().AnnotationManager().ItemAs<TiPlotAnnotation>(plot.Master().AddAnnotation());
  EXPECT_EQ(note.PenWidth(), 0);
  plot.AnnotationDefaults().PenColor = clLime;
  TiPlotAnnotation& added = *plot.Annotation(plot.AddAnnotation());
  EXPECT_EQ(added.PenWidth(), 1);
  EXPECT_EQ(added.PenColor(), clLime);
  int changes = 0;
  plot.OnAnnotationCoordinatesChange = [&](int) { ++changes; };
  note.SetX(0);
  EXPECT_EQ(changes, 0);
  note.SetWidth(5);
  EXPECT_EQ(changes, 1);
  note.SetText(QStringLiteral("A"));
  note.SetX(50);
  note.SetY(50);
  Paint(plot);
  EXPECT_TRUE(note.Showing());
  note.SetX(400);
  Paint(plot);
  EXPECT_FALSE(note.Showing());
  note.SetStyle(TiPlotAnnotationStyle::ipasLine);
  Paint(plot);
  EXPECT_FALSE(note.Showing());
}
