#include <gtest/gtest.h>

#include <QTest>

#include "platform/pictures/TBitmap.h"
#include "platform/widgets/TPopupMenu.h"
#include "plot/objects/TiPlotToolBar.h"
#include "tests/plot/SystemPlots.h"

// Picking, hinting and dragging data points through real mouse events on a
// shown plot: axes 0..10 both ways, channel 0 with markers.

namespace {

struct Moved {
  int data;
  double oldX, oldY, newX, newY;
};

class ChannelMouse : public ::testing::Test {
protected:
  void SetUp() override {
    plot.SetBounds(0, 0, 420, 320);
    for (TiPlotAxis* axis : {static_cast<TiPlotAxis*>(plot.XAxis(0)), static_cast<TiPlotAxis*>(plot.YAxis(0))}) {
      axis->SetTrackingEnabled(false);
      axis->SetMinSpan(0, 10);
    }
    channel().SetMarkersVisible(true);
    plot.OnClickDataPoint = [this](int c, int d) { clicks.push_back({c, d}); };
    plot.OnDblClickDataPoint = [this](int c, int d) { dblClicks.push_back({c, d}); };
    plot.OnDataPointMoved = [this](int, int d, double ox, double oy, double nx, double ny) {
      moved.push_back({d, ox, oy, nx, ny});
    };
    plot.OnClickChannel = [this](int c) { channelClicks.push_back(c); };
    plot.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&plot));
  }

  TiPlotChannel& channel() { return *plot.Channel(0); }
  void Paint() {
    TBitmap bitmap(plot.Width(), plot.Height());
    plot.iPaintTo(bitmap.Canvas());
  }
  void SelectMode() {
    plot.Master().ToolBarManager().ItemAs<TiPlotToolBar>(0)->DoButtonClick(TiPlotToolBarButtonType::iptbbtSelect);
    ASSERT_TRUE(plot.SelectModeActive());
  }
  QPoint At(int index) {
    Paint();
    const TPoint p = channel().GetPointPixels(index);
    return {p.X, p.Y};
  }
  void Click(QPoint p) {
    QTest::mousePress(&plot, Qt::LeftButton, {}, p);
    QTest::mouseRelease(&plot, Qt::LeftButton, {}, p);
  }
  void Drag(QPoint from, QPoint to) {
    QTest::mousePress(&plot, Qt::LeftButton, {}, from);
    QTest::mouseMove(&plot, (from + to) / 2);
    QTest::mouseMove(&plot, to);
    QTest::mouseRelease(&plot, Qt::LeftButton, {}, to);
  }

  TiPlot plot;
  std::vector<std::pair<int, int>> clicks;
  std::vector<std::pair<int, int>> dblClicks;
  std::vector<Moved> moved;
  std::vector<int> channelClicks;
};

}  // namespace

TEST_F(ChannelMouse, OutsideSelectMode_onlyTheLegendEntryPicks) {
  channel().AddXY(5, 5);
  for (bool withToolBar : {true, false}) {
    if (!withToolBar) {
      plot.RemoveAll(plot.Master().ToolBarManager());
    }
    Click(At(0));
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(channel().SelectDataIndex(), -1);
    const TRect legend = channel().LegendRect();
    ASSERT_FALSE(legend.IsEmpty());
    channelClicks.clear();
    Click({(legend.Left + legend.Right) / 2, (legend.Top + legend.Bottom) / 2});
    EXPECT_EQ(channelClicks, std::vector<int>{0}) << "with toolbar " << withToolBar;
  }
}

TEST_F(ChannelMouse, InSelectMode_picksTheFirstMarkerOrBarUnderTheMouse) {
  SelectMode();
  channel().AddXY(2, 2);
  channel().AddXY(5, 5);
  channel().AddXY(5, 5);
  Click(At(2));
  EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{0, 1}}));

  clicks.clear();
  channel().SetMarkersVisible(false);
  channel().SetBarEnabled(true);
  channel().SetBarWidth(1);
  const QPoint top = At(0);
  const QPoint base{top.x(), plot.YAxis(0)->PositionToPixels(0.5)};
  Click(base);
  EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{0, 0}}));
}

TEST_F(ChannelMouse, Dragging_movesByTheStyleFromWhereThePointWasGrabbed) {
  SelectMode();
  channel().SetUserCanMoveDataPoints(true);
  channel().AddXY(5, 5);
  struct Case {
    TiPlotChannelDataPointMoveStyle style;
    bool xMoves;
    bool yMoves;
  };
  using S = TiPlotChannelDataPointMoveStyle;
  for (const Case& c : {Case{S::ipcdpmsYOnly, false, true}, Case{S::ipcdpmsXOnly, true, false},
                        Case{S::ipcdpmsXandY, true, true}}) {
    channel().SetUserCanMoveDataPointsStyle(c.style);
    moved.clear();
    clicks.clear();
    const double x = channel().GetX(0);
    const double y = channel().GetY(0);
    const QPoint from = At(0) + QPoint(1, 1);
    const QPoint to = from + QPoint(21, -42);
    Drag(from, to);
    const double dx = plot.XAxis(0)->PixelsToPosition(to.x()) - plot.XAxis(0)->PixelsToPosition(from.x());
    const double dy = plot.YAxis(0)->PixelsToPosition(to.y()) - plot.YAxis(0)->PixelsToPosition(from.y());
    EXPECT_DOUBLE_EQ(channel().GetX(0), c.xMoves ? x + dx : x);
    EXPECT_DOUBLE_EQ(channel().GetY(0), c.yMoves ? y + dy : y);
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0].oldX, x);
    EXPECT_EQ(moved[0].oldY, y);
    EXPECT_EQ(moved[0].newX, channel().GetX(0));
    EXPECT_EQ(moved[0].newY, channel().GetY(0));
    EXPECT_TRUE(clicks.empty()) << "released outside the point's rectangle";
  }
}

TEST_F(ChannelMouse, ClickWithoutMove_clicksAndMovesNothing_doubleClickFiresItsEvent) {
  SelectMode();
  channel().SetUserCanMoveDataPoints(true);
  channel().AddXY(5, 5);
  Click(At(0));
  EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{0, 0}}));
  EXPECT_TRUE(moved.empty());
  clicks.clear();
  const QPoint p = At(0);
  QTest::mousePress(&plot, Qt::LeftButton, {}, p);
  QTest::mouseRelease(&plot, Qt::LeftButton, {}, p);
  QTest::mouseDClick(&plot, Qt::LeftButton, {}, p);
  QTest::mouseRelease(&plot, Qt::LeftButton, {}, p);
  EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{0, 0}}));
  EXPECT_EQ(dblClicks, (std::vector<std::pair<int, int>>{{0, 0}}));
}

TEST_F(ChannelMouse, HeldPointDeletedMeanwhile_endsTheHoldWithoutClickOrMove) {
  SelectMode();
  channel().SetUserCanMoveDataPoints(true);
  for (int i = 0; i < 3; ++i) {
    channel().AddXY(2 + 3 * i, 5);
  }
  const QPoint from = At(2);
  QTest::mousePress(&plot, Qt::LeftButton, {}, from);
  QTest::mouseMove(&plot, from + QPoint(0, -5));
  EXPECT_TRUE(channel().SelectMouseDown());
  channel().Clear();
  QTest::mouseMove(&plot, from + QPoint(0, -10));
  EXPECT_FALSE(channel().SelectMouseDown());
  for (int i = 0; i < 3; ++i) {
    channel().AddXY(2 + 3 * i, 5);
  }
  QTest::mouseMove(&plot, from + QPoint(0, -20));
  QTest::mouseRelease(&plot, Qt::LeftButton, {}, from);
  EXPECT_EQ(channel().GetY(2), 5);
  EXPECT_TRUE(clicks.empty());
  EXPECT_TRUE(moved.empty());
}

TEST_F(ChannelMouse, RingThatMovesOnDuringADrag_keepsDraggingTheGrabbedPointUntilItIsOverwritten) {
  SelectMode();
  channel().SetUserCanMoveDataPoints(true);
  channel().SetUserCanMoveDataPointsStyle(TiPlotChannelDataPointMoveStyle::ipcdpmsYOnly);
  channel().SetRingBufferSize(4);
  for (int i = 0; i < 4; ++i) {
    channel().AddXY(1 + 2 * i, 5);
  }
  const QPoint from = At(2);  // the point at X 5
  QTest::mousePress(&plot, Qt::LeftButton, {}, from);
  QTest::mouseMove(&plot, from + QPoint(0, -5));
  channel().AddXY(9, 5);  // the ring overwrites X 1: X 5 is now at index 1
  QTest::mouseMove(&plot, from + QPoint(0, -30));
  EXPECT_EQ(channel().GetX(1), 5);
  EXPECT_GT(channel().GetY(1), 5);
  for (const int k : {0, 2, 3}) {
    EXPECT_EQ(channel().GetY(k), 5) << k;
  }
  QTest::mouseRelease(&plot, Qt::LeftButton, {}, from + QPoint(0, -30));
  ASSERT_EQ(moved.size(), 1u);
  EXPECT_EQ(moved[0].data, 1);
  EXPECT_EQ(moved[0].oldY, 5);

  // Once the grabbed point is overwritten the hold ends and nothing else moves.
  moved.clear();
  QTest::mousePress(&plot, Qt::LeftButton, {}, At(3));
  QTest::mouseMove(&plot, At(3) + QPoint(0, -5));
  for (int i = 0; i < 4; ++i) {
    channel().AddXY(11 + i, 5);
  }
  QTest::mouseMove(&plot, At(3) + QPoint(0, -30));
  EXPECT_FALSE(channel().SelectMouseDown());
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(channel().GetY(k), 5) << k;
  }
  QTest::mouseRelease(&plot, Qt::LeftButton, {}, At(3));
  EXPECT_TRUE(moved.empty());
}

TEST_F(ChannelMouse, Hint_showsBothValuesAndStaysInsideTheDataView) {
  channel().SetShowDataPointHints(true);
  plot.OnDataPointCustomizeHint = [](int, int, QString& text) { text += QStringLiteral(" dB"); };
  std::vector<int> movesOver;
  plot.OnMouseMoveDataPoint = [&](int, int data, TShiftState, int, int) { movesOver.push_back(data); };
  channel().AddXY(5, 9.9);  // near the top
  channel().AddXY(0.1, 5);  // near the left
  channel().AddXY(5, 5);
  Paint();
  const TRect legend = channel().LegendRect();
  QTest::mouseMove(&plot, {(legend.Left + legend.Right) / 2, (legend.Top + legend.Bottom) / 2});
  EXPECT_EQ(movesOver, std::vector<int>{-1}) << "over the legend entry, no point picked";
  EXPECT_TRUE(plot.HintData().Text.isEmpty());

  SelectMode();
  const int m = channel().MarkersSize() / 2;

  QTest::mouseMove(&plot, At(0));
  const TiHintData top = plot.HintData();
  EXPECT_EQ(top.Text, plot.XAxis(0)->GetLabelText(5) + ", " + plot.YAxis(0)->GetLabelText(9.9) + " dB");
  EXPECT_EQ(top.Top, At(0).y() + m + top.Height + 4) << "below the point";

  QTest::mouseMove(&plot, At(1));
  const TiHintData left = plot.HintData();
  EXPECT_EQ(left.Left, At(1).x() + m + 8) << "right of the point";
  EXPECT_EQ(left.Top, At(1).y() - left.Height / 2);

  QTest::mouseMove(&plot, At(2));
  const TiHintData centre = plot.HintData();
  EXPECT_EQ(centre.Left, At(2).x() - centre.Width / 2) << "centred above";
  EXPECT_EQ(centre.Top, At(2).y() - (m + centre.Height + 4));
  EXPECT_EQ(movesOver.back(), 2);

  channel().AddXY(9.9, 0.1);  // near the right and the bottom
  QTest::mouseMove(&plot, At(3));
  const TiHintData corner = plot.HintData();
  EXPECT_EQ(corner.Left, At(3).x() - m - 4 - corner.Width) << "left of the point";
  EXPECT_EQ(corner.Top, plot.DataView(0)->DrawRect().Bottom - corner.Height) << "kept inside at the bottom";
}

TEST_F(ChannelMouse, RightClickNearTheTrace_opensTheChannelMenuWithEdit) {
  channel().SetMarkersVisible(false);
  channel().AddXY(0, 0);
  channel().AddXY(10, 10);
  std::vector<int> channelMenus;
  plot.OnPopupMenuChannel = [&](int index, bool&, int, int) { channelMenus.push_back(index); };
  struct Case {
    bool reversed;
    int offset;  // along the Y axis' pixels from the trace
    bool picks;
  };
  for (const Case& c : {Case{false, -6, true}, Case{false, 9, true}, Case{false, -30, false}, Case{true, 6, true},
                        Case{true, 30, false}}) {
    plot.SetXYAxesReverse(c.reversed);
    Paint();
    const int along = plot.XAxis(0)->PositionToPixels(4);
    const int across = plot.YAxis(0)->PositionToPixels(4) + c.offset;
    const QPoint p = c.reversed ? QPoint(across, along) : QPoint(along, across);
    channelMenus.clear();
    QTest::mousePress(&plot, Qt::RightButton, {}, p);
    QTest::mouseRelease(&plot, Qt::RightButton, {}, p);
    EXPECT_EQ(channelMenus, c.picks ? std::vector<int>{0} : std::vector<int>{})
        << "reversed " << c.reversed << " offset " << c.offset;
    TPopupMenu& menu = plot.PopupMenu();
    if (c.picks) {
      EXPECT_TRUE(menu.IsShowing());
      ASSERT_EQ(menu.Count(), 1);
      EXPECT_EQ(menu.Item(0).Caption, QStringLiteral("Edit..."));
    }
    menu.CloseUp();
  }
  channel().SetUserCanEdit(false);
  TPopupMenu own;
  channel().AddMenuItems(own);
  EXPECT_EQ(own.Count(), 0);
}
