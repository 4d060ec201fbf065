#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <tuple>

#include <QTest>

#include "platform/pictures/TBitmap.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotLayoutManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotTranslationManager.h"
#include "plot/editor/TiPlotLayoutViewer.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

// The layout viewer driven by real mouse events, bound to a busy plot:
//   horizontal Z: 0 X-Axis 2, 1 X-Axis 1, 2 data view, 3 Label 2, 4 Label 3, 5 Title, 6 toolbar;
//   vertical Z:   0 table, 1 Y-Axis 1 (0..50) and Y-Axis 2 (50..100), 2 data view, 3 legend.

namespace {

QPoint Mid(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

struct BusyLayout {
  BusyLayout() {
    TiPlotMasterManager& m = plot.Master();
    plot.DisableLayoutManager();
    title = m.LabelManager().ItemAs<TiPlotLayoutObject>(0);
    label2 = m.LabelManager().ItemAs<TiPlotLayoutObject>(m.AddLabel());
    label3 = m.LabelManager().ItemAs<TiPlotLayoutObject>(m.AddLabel());
    toolBar = m.ToolBarManager().ItemAs<TiPlotLayoutObject>(0);
    legend = m.LegendManager().ItemAs<TiPlotLayoutObject>(0);
    table = m.TableManager().ItemAs<TiPlotLayoutObject>(m.AddTable());
    xAxis1 = plot.XAxis(0);
    xAxis2 = plot.XAxis(m.AddXAxis());
    yAxis1 = plot.YAxis(0);
    yAxis2 = plot.YAxis(m.AddYAxis());
    label2->SetName(QStringLiteral("Label 2"));
    label3->SetName(QStringLiteral("Label 3"));
    for (auto [o, horizontal, z] : {std::tuple{xAxis2, true, 0}, {xAxis1, true, 1}, {label2, true, 3},
                                    {label3, true, 4}, {title, true, 5}, {toolBar, true, 6}, {table, false, 0},
                                    {yAxis1, false, 1}, {yAxis2, false, 1}, {legend, false, 3}}) {
      o->SetHorizontal(horizontal);
      o->SetZOrder(z);
    }
    yAxis1->SetStartStopPercent(0, 50);
    yAxis2->SetStartStopPercent(50, 100);
    plot.SetDataViewZHorz(2);
    plot.SetDataViewZVert(2);
    plot.EnableLayoutManager();

    viewer.SetLayoutManager(&m.LayoutManager());
    viewer.SetMaster(&m);
    viewer.SetTranslationManager(&m.TranslationManager());
    viewer.OnChange = [this](TObject* sender) {
      EXPECT_EQ(sender, &viewer);
      ++changes;
    };
    // Three vertical rows of one cell each: the data view 400 pixels wide.
    viewer.SetBounds(0, 0, 600, 360);
    Paint();
    viewer.SetBounds(0, 0, 400 + 10 + 3 * Cell(), 360);
    viewer.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&viewer));
  }

  QImage Paint() {
    TBitmap bitmap(viewer.Width(), viewer.Height());
    viewer.iPaintTo(bitmap.Canvas());
    return bitmap.Image();
  }
  int Cell() const { return legend->LayoutRect().Right - legend->LayoutRect().Left; }
  TRect Rect(const TiPlotLayoutObject* o) {
    Paint();
    return o->LayoutRect();
  }
  void Drag(QPoint from, QPoint to) {
    Paint();
    // Qt drops a move to where the cursor already is.
    QTest::mouseMove(&viewer, from + QPoint(0, 1));
    QTest::mouseMove(&viewer, from);
    QTest::mousePress(&viewer, Qt::LeftButton, {}, from);
    QTest::mouseMove(&viewer, (from + to) / 2);
    QTest::mouseMove(&viewer, to);
    QTest::mouseRelease(&viewer, Qt::LeftButton, {}, to);
  }

  struct Place {
    int z;
    bool horizontal;
    double start, stop;
    bool operator==(const Place&) const = default;
  };
  std::vector<Place> Places() const {
    std::vector<Place> places;
    const TiPlotLayoutManager& lm = plot.Master().LayoutManager();
    for (int i = 0; i < lm.Count(); ++i) {
      const TiPlotLayoutObject* o = lm.GetLayoutObject(i);
      places.push_back({o->ZOrder(), o->Horizontal(), o->StartPercent(), o->StopPercent()});
    }
    return places;
  }

  TiPlot plot;
  TiPlotLayoutViewer viewer;
  int changes = 0;
  TiPlotLayoutObject *title, *label2, *label3, *toolBar, *legend, *table;
  TiPlotLayoutObject *xAxis1, *xAxis2, *yAxis1, *yAxis2;
};

void ExpectSpan(const TiPlotLayoutObject* o, double start, double stop) {
  EXPECT_DOUBLE_EQ(o->StartPercent(), start) << o->Name().toStdString();
  EXPECT_DOUBLE_EQ(o->StopPercent(), stop) << o->Name().toStdString();
}

}  // namespace

TEST(LayoutViewer, DragAndDrop_editsTheLayoutOnceOrNotAtAll) {
  using B = BusyLayout;
  struct Case {
    const char* name;
    std::function<void(B&)> drag;
    std::function<void(B&)> expect;  // null: nothing changes and nothing is reported
  };
  auto lowerThird = [](const TRect& r) { return QPoint(Mid(r).x(), r.Top + 2 * (r.Bottom - r.Top) / 3 + 1); };
  auto upperEdge = [](const TRect& r) { return QPoint(Mid(r).x(), r.Top + 1); };
  const Case cases[] = {
      {"label onto the lower third of another label's row: a row of its own below it",
       [&](B& b) { b.Drag(Mid(b.Rect(b.title)), lowerThird(b.Rect(b.label2))); },
       [](B& b) {
         EXPECT_EQ(b.title->ZOrder(), 3);
         EXPECT_EQ(b.label2->ZOrder(), 4);
         EXPECT_EQ(b.label3->ZOrder(), 5);
         EXPECT_EQ(b.toolBar->ZOrder(), 6);
         ExpectSpan(b.title, 0, 100);
       }},
      {"label onto the middle third of another label's row: the two share it",
       [&](B& b) { b.Drag(Mid(b.Rect(b.title)), Mid(b.Rect(b.label2))); },
       [](B& b) {
         EXPECT_EQ(b.title->ZOrder(), 3);
         EXPECT_EQ(b.label2->ZOrder(), 3);
         EXPECT_EQ(b.toolBar->ZOrder(), 5);
         ExpectSpan(b.label2, 0, 50);
         ExpectSpan(b.title, 50, 100);
       }},
      {"two bars of one row swap their spans",
       [&](B& b) { b.Drag(Mid(b.Rect(b.yAxis1)), Mid(b.Rect(b.yAxis2))); },
       [](B& b) {
         ExpectSpan(b.yAxis1, 50, 100);
         ExpectSpan(b.yAxis2, 0, 50);
         EXPECT_EQ(b.yAxis1->ZOrder(), b.yAxis2->ZOrder());
       }},
      {"label onto the outer third of the legend's row turns vertical beyond it",
       [&](B& b) {
         const TRect r = b.Rect(b.legend);
         b.Drag(Mid(b.Rect(b.label3)), {r.Left + 2 * (r.Right - r.Left) / 3 + 1, Mid(r).y()});
       },
       [](B& b) {
         EXPECT_FALSE(b.label3->Horizontal());
         EXPECT_EQ(b.label3->ZOrder(), 4);
         EXPECT_EQ(b.legend->ZOrder(), 3);
         EXPECT_EQ(b.title->ZOrder(), 4);
       }},
      {"table onto the upper half of a label's row turns horizontal above it",
       [&](B& b) { b.Drag(Mid(b.Rect(b.table)), upperEdge(b.Rect(b.label2))); },
       [](B& b) {
         EXPECT_TRUE(b.table->Horizontal());
         EXPECT_EQ(b.table->ZOrder(), 4);
         EXPECT_EQ(b.label2->ZOrder(), 3);
         EXPECT_EQ(b.label3->ZOrder(), 5);
         EXPECT_EQ(b.yAxis1->ZOrder(), 0);
       }},
      {"label onto the toolbar row's lower half: a row below the toolbar",
       [&](B& b) { b.Drag(Mid(b.Rect(b.label2)), lowerThird(b.Rect(b.toolBar))); },
       [](B& b) {
         EXPECT_EQ(b.title->ZOrder(), 4);
         EXPECT_EQ(b.label2->ZOrder(), 5);
         EXPECT_EQ(b.toolBar->ZOrder(), 6);
       }},
      {"label onto the data view's top strip: the row next above the data view",
       [&](B& b) {
         const TRect dv = b.Rect(&b.plot.Master().LayoutManager().DataViewHorz());
         b.Drag(Mid(b.Rect(b.label3)), {Mid(dv).x(), dv.Top + 2});
       },
       [](B& b) {
         EXPECT_EQ(b.plot.DataViewZHorz(), 2);
         EXPECT_EQ(b.label3->ZOrder(), 3);
         EXPECT_EQ(b.label2->ZOrder(), 4);
         EXPECT_EQ(b.toolBar->ZOrder(), 6);
       }},
      {"table onto the data view's right strip: the row next right of the data view",
       [&](B& b) {
         const TRect dv = b.Rect(&b.plot.Master().LayoutManager().DataViewVert());
         b.Drag(Mid(b.Rect(b.table)), {dv.Right - 2, Mid(dv).y()});
       },
       [](B& b) {
         EXPECT_FALSE(b.table->Horizontal());
         EXPECT_EQ(b.plot.DataViewZVert(), 1);
         EXPECT_EQ(b.table->ZOrder(), 2);
         EXPECT_EQ(b.legend->ZOrder(), 3);
         EXPECT_EQ(b.yAxis1->ZOrder(), 0);
       }},
      {"horizontal axis over a vertical row", [&](B& b) { b.Drag(Mid(b.Rect(b.xAxis1)), Mid(b.Rect(b.legend))); },
       nullptr},
      {"label onto the toolbar row's upper half",
       [&](B& b) { b.Drag(Mid(b.Rect(b.label2)), upperEdge(b.Rect(b.toolBar))); }, nullptr},
      {"press on the data view",
       [&](B& b) {
         const TRect r = b.Rect(b.label2);
         b.Drag(Mid(b.plot.Master().LayoutManager().DataViewHorz().LayoutRect()), Mid(r));
       },
       nullptr},
      {"press on the toolbar", [&](B& b) { b.Drag(Mid(b.Rect(b.toolBar)), Mid(b.Rect(b.label2))); }, nullptr},
      {"label dropped outside the view", [&](B& b) { b.Drag(Mid(b.Rect(b.label2)), {2, 2}); }, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BusyLayout b;
    const auto before = b.Places();
    c.drag(b);
    if (c.expect) {
      c.expect(b);
      EXPECT_EQ(b.changes, 1);
    } else {
      EXPECT_TRUE(b.Places() == before);
      EXPECT_EQ(b.changes, 0);
    }
    EXPECT_EQ(b.viewer.SelectedObject(), nullptr);
  }
}

TEST(LayoutViewer, DraggingABarEnd_movesItsPercentInStepsOf125) {
  struct Case {
    int pixels;  // of the 400-pixel data view
    double start;
  };
  for (const Case c : {Case{40, 10}, Case{12, 2.5}, Case{-12, 0}}) {
    SCOPED_TRACE(c.pixels);
    BusyLayout b;
    const TRect r = b.Rect(b.xAxis1);
    ASSERT_EQ(r.Right - r.Left, 400);
    const QPoint end(r.Left + 2, Mid(r).y());
    b.Drag(end, end + QPoint(c.pixels, 0));
    ExpectSpan(b.xAxis1, c.start, 100);
    EXPECT_EQ(b.changes, c.start != 0 ? 1 : 0);
    EXPECT_EQ(b.viewer.Cursor(), crDefault);
  }
}

TEST(LayoutViewer, Hovering_showsTheSizeCursorAtBarEndsAndReportsNothing) {
  BusyLayout b;
  const TRect axis = b.Rect(b.xAxis1);
  const TRect y = b.Rect(b.yAxis1);
  struct Case {
    QPoint at;
    TCursor cursor;
  };
  for (const Case c : {Case{{axis.Left + 3, Mid(axis).y()}, crSizeWE}, Case{{axis.Right - 6, Mid(axis).y()}, crSizeWE},
                       Case{Mid(axis), crDefault}, Case{{Mid(y).x(), y.Bottom - 2}, crSizeNS},
                       Case{{Mid(y).x(), y.Top + 1}, crSizeNS}, Case{Mid(b.Rect(b.toolBar)), crDefault},
                       Case{{2, 2}, crDefault}}) {
    QTest::mouseMove(&b.viewer, c.at);
    EXPECT_EQ(b.viewer.Cursor(), c.cursor) << c.at.x() << "," << c.at.y();
  }
  // A press and release on a bar end without moving edits nothing.
  const QPoint end(axis.Left + 2, Mid(axis).y());
  QTest::mouseMove(&b.viewer, end);
  QTest::mouseClick(&b.viewer, Qt::LeftButton, {}, end);
  EXPECT_EQ(b.changes, 0);
}

TEST(LayoutViewer, ViewerTooSmallForItsRows_sizesNothing) {
  struct Case {
    int dataViewWidth;
    int pixels;
  };
  for (const Case c : {Case{0, -10}, Case{-4, 10}}) {
    SCOPED_TRACE(c.dataViewWidth);
    BusyLayout b;
    // Three vertical rows of a cell each and the view's inset of 5 on both sides.
    b.viewer.SetBounds(0, 0, 10 + 3 * b.Cell() + c.dataViewWidth, 360);
    const TRect r = b.Rect(b.label2);
    const QPoint end(r.Right - 3, Mid(r).y());
    b.Drag(end, end + QPoint(c.pixels, 0));
    ExpectSpan(b.label2, 0, 100);
    EXPECT_EQ(b.changes, 0);
  }
}

TEST(LayoutViewer, InvisibleObject_drawsCrossHatched) {
  BusyLayout b;
  auto pixelsIn = [&](const TRect& r) {
    const QImage image = b.Paint();
    std::set<QRgb> colours;
    for (int y = r.Top + 1; y < r.Top + 6; ++y) {
      for (int x = r.Left + 1; x < r.Right - 1; ++x) {
        colours.insert(image.pixel(x, y) & 0xFFFFFF);
      }
    }
    return colours;
  };
  const TRect r = b.Rect(b.legend);
  EXPECT_EQ(pixelsIn(r), (std::set<QRgb>{0xC0C0C0}));
  b.legend->SetVisible(false);
  EXPECT_EQ(pixelsIn(r), (std::set<QRgb>{0xC0C0C0, 0xFFFFFF}));
  // Blue outside the view, the selected bar yellow.
  EXPECT_EQ(b.Paint().pixel(2, 2) & 0xFFFFFF, 0x0000FFu);
  const TRect t = b.Rect(b.title);
  QTest::mousePress(&b.viewer, Qt::LeftButton, {}, Mid(t));
  EXPECT_EQ(b.Paint().pixel(t.Left + 2, t.Top + 2) & 0xFFFFFF, 0xFFFF00u);
  QTest::mouseRelease(&b.viewer, Qt::LeftButton, {}, Mid(t));
}

TEST(LayoutViewer, BarName_showsItsTranslation) {
  BusyLayout b;
  // Both labels span the view, one row apart: their bars differ only by name.
  auto bar = [&](const TiPlotLayoutObject* o) {
    const TRect r = b.Rect(o);
    return b.Paint().copy(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
  };
  const QImage label2 = bar(b.label2);
  EXPECT_NE(bar(b.label3), label2);
  TiPlotTranslationObject& entry = b.plot.Master().TranslationManager().CreateObject();
  entry.OriginalString = QStringLiteral("Label 3");
  entry.ReplacementString = QStringLiteral("Label 2");
  EXPECT_EQ(bar(b.label3), label2);
}

TEST(LayoutViewer, ObjectRemovedUnderAMenuOrByCode_isForgotten) {
  BusyLayout b;
  // A right press selects the bar for the editor's menu but starts no drag.
  const TRect r = b.Rect(b.label3);
  QTest::mousePress(&b.viewer, Qt::RightButton, {}, Mid(r));
  ASSERT_EQ(b.viewer.SelectedObject(), b.label3);
  b.plot.DeleteLabel(2);
  EXPECT_EQ(b.viewer.SelectedObject(), nullptr);
  QTest::mouseMove(&b.viewer, Mid(r) + QPoint(0, 20));
  QTest::mouseRelease(&b.viewer, Qt::RightButton, {}, Mid(r) + QPoint(0, 20));
  b.Paint();

  // A hovered bar end, then the bar goes by code before the press.
  const TRect l = b.Rect(b.label2);
  QTest::mouseMove(&b.viewer, {l.Left + 2, Mid(l).y()});
  ASSERT_EQ(b.viewer.Cursor(), crSizeWE);
  b.plot.DeleteLabel(1);
  QTest::mousePress(&b.viewer, Qt::LeftButton, {}, {l.Left + 2, Mid(l).y()});
  QTest::mouseRelease(&b.viewer, Qt::LeftButton, {}, {l.Left + 2, Mid(l).y()});

  // A bar removed during a drag ends it.
  const QPoint from = Mid(b.Rect(b.table));
  QTest::mouseMove(&b.viewer, from);
  QTest::mousePress(&b.viewer, Qt::LeftButton, {}, from);
  QTest::mouseMove(&b.viewer, Mid(b.Rect(b.title)));
  b.plot.DeleteObject(b.plot.Master().TableManager(), 0);
  QTest::mouseMove(&b.viewer, Mid(b.Rect(b.title)) + QPoint(5, 0));
  QTest::mouseRelease(&b.viewer, Qt::LeftButton, {}, Mid(b.Rect(b.title)));
  b.Paint();
  EXPECT_EQ(b.changes, 0);
}

TEST(LayoutViewer, BarThatLeavesTheLayoutDuringADrag_isDroppedNowhere) {
  // The layout manager hears of a bar's going before the bar is freed. Told
  // while the bar still lives, the viewer lets go of it all the same.
  BusyLayout b;
  const QPoint from = Mid(b.Rect(b.table));
  const QPoint over = Mid(b.Rect(b.title));
  QTest::mouseMove(&b.viewer, from);
  QTest::mousePress(&b.viewer, Qt::LeftButton, {}, from);
  QTest::mouseMove(&b.viewer, over);
  b.plot.Master().LayoutManager().NotificationRemove(b.table);
  const auto places = b.Places();
  QTest::mouseMove(&b.viewer, over + QPoint(5, 0));
  QTest::mouseRelease(&b.viewer, Qt::LeftButton, {}, over + QPoint(5, 0));
  EXPECT_EQ(b.Places(), places);
  EXPECT_FALSE(b.table->Horizontal());
  EXPECT_EQ(b.table->ZOrder(), 0);
  EXPECT_EQ(b.changes, 0);
}
