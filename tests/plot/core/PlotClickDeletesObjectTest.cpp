#include <functional>
#include <optional>

#include <gtest/gtest.h>

#include <QTest>

#include "platform/pictures/TBitmap.h"
#include "plot/annotations/TiPlotDataCursor.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotKindManager.h"
#include "tests/plot/SystemPlots.h"

// A click handler that deletes the object it was given: the plot must not
// touch the object afterwards (AddressSanitizer reports any read or write
// of the freed object), and it goes on taking input.

namespace {

/// A shown 420 x 320 plot with fixed axes 0..10, a point on channel 0 and
/// the data cursor on.
void ShowClickPlot(TiPlot& plot) {
  plot.SetBounds(0, 0, 420, 320);
  for (TiPlotAxis* axis : {static_cast<TiPlotAxis*>(plot.XAxis(0)), static_cast<TiPlotAxis*>(plot.YAxis(0))}) {
    axis->SetTrackingEnabled(false);
    axis->SetMinSpan(0, 10);
  }
  plot.Channel(0)->AddXY(5, 5);
  plot.Master().DataCursorManager().ItemAs<TiPlotDataCursor>(0)->SetVisible(true);
  plot.show();
}

void PaintClickPlot(TiPlot& plot) {
  TBitmap bitmap(plot.Width(), plot.Height());
  plot.iPaintTo(bitmap.Canvas());
}

/// A point at which the plot hands a press to `object`.
std::optional<QPoint> PointOn(TiPlot& plot, const TiPlotObject* object) {
  PaintClickPlot(plot);
  for (int y = 0; y < plot.Height(); ++y) {
    for (int x = 0; x < plot.Width(); ++x) {
      TiPlotMouseData data;
      data.X = x;
      data.Y = y;
      if (plot.GetObjectAtPoint(data) == object && object->HitTest(x, y)) return QPoint(x, y);
    }
  }
  return std::nullopt;
}

}  // namespace

TEST(PlotClickDeletes, ClickHandlerDeletingTheClickedObject_isSafeForEveryKind) {
  struct Case {
    const char* name;
    TiPlotKindManager& (TiPlotMasterManager::*manager)() const;
    TiPlotObjectEvent TiPlotComponentEvents::*event;
  };
  const Case cases[] = {
      {"x axis", &TiPlotMasterManager::XAxisManager, &TiPlotComponentEvents::OnClickXAxis},
      {"y axis", &TiPlotMasterManager::YAxisManager, &TiPlotComponentEvents::OnClickYAxis},
      {"legend", &TiPlotMasterManager::LegendManager, &TiPlotComponentEvents::OnClickLegend},
      {"legend entry", &TiPlotMasterManager::ChannelManager, &TiPlotComponentEvents::OnClickChannel},
      {"data cursor", &TiPlotMasterManager::DataCursorManager, &TiPlotComponentEvents::OnClickDataCursor},
  };
  for (const Case& c : cases) {
    TiPlot plot;
    ShowClickPlot(plot);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&plot));
    TiPlotKindManager& manager = (plot.Master().*c.manager)();
    ASSERT_GT(manager.Count(), 0) << c.name;
    const int before = manager.Count();
    const std::optional<QPoint> at = PointOn(plot, manager.Items(0));
    ASSERT_TRUE(at) << c.name;
    int clicked = 0;
    plot.*c.event = [&](int index) {
      ++clicked;
      plot.DeleteObject(manager, index);
    };
    QTest::mousePress(&plot, Qt::LeftButton, {}, *at);
    QTest::mouseRelease(&plot, Qt::LeftButton, {}, *at);
    EXPECT_EQ(clicked, 1) << c.name;
    EXPECT_EQ(manager.Count(), before - 1) << c.name;
    // The plot still takes input at the same place.
    QTest::mousePress(&plot, Qt::LeftButton, {}, *at);
    QTest::mouseRelease(&plot, Qt::LeftButton, {}, *at);
    EXPECT_EQ(clicked, 1) << c.name;
    PaintClickPlot(plot);
  }
}
