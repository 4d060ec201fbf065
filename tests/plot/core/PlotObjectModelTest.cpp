#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/drawing/TCanvas.h"
#include "platform/widgets/TPopupMenu.h"

#include "plot/base/EPlotError.h"
#include "tests/plot/ErrorOf.h"
#include "plot/core/TiPlotLayoutManager.h"
#include "plot/core/TiPlotObjectManager.h"
#include "plot/core/TiPlotTranslationManager.h"
#include "plot/core/iChannelColors.h"
#include "tests/plot/PlotTestSupport.h"

namespace {


/// A fake channel: a layout-free managed object with a colour, named and
/// coloured by the channel manager's first references.
class FakeChannel : public TiPlotManagerObject {
public:
  using TiPlotManagerObject::TiPlotManagerObject;
  TiPlotObjectKind Kind() const override { return TiPlotObjectKind::Channel; }
  TColor color = clRed;
};

class PlotObjectModel : public ::testing::Test {
protected:
  void SetUp() override {
    TiPlotKindManager& channels = plot.Master().ChannelManager();
    plot.Master().SetChannelClass(
        [](TiPlotComponent* owner, TNotifyEvent c, TNotifyEvent i, TNotifyEvent r, TNotifyEvent n) {
          return std::make_unique<FakeChannel>(owner, c, i, r, n);
        },
        [&channels](TiPlotObject& object) {
          std::vector<TColor> colors;
          for (TiPlotObject* o : channels.Snapshot()) {
            colors.push_back(static_cast<FakeChannel*>(o)->color);
          }
          static_cast<FakeChannel&>(object).color = NextChannelColor(colors);
        });
  }
  FakeChannel* Channel(int i) { return plot.Master().ChannelManager().ItemAs<FakeChannel>(i); }
  TiPlotComponent plot;
};

}  // namespace

TEST_F(PlotObjectModel, FreshComponentHoldsNoObjects) {
  EXPECT_EQ(plot.XAxisCount(), 0);
  EXPECT_EQ(plot.YAxisCount(), 0);
  EXPECT_EQ(plot.DataViewCount(), 0);
  EXPECT_EQ(plot.Master().ChannelManager().Count(), 0);
  EXPECT_EQ(plot.DataViewZHorz(), 1);
  EXPECT_EQ(plot.DataViewZVert(), 1);
}

TEST_F(PlotObjectModel, DefaultNamesAndColours_followHighestNumberAndPalette) {
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(plot.Master().AddChannel(), i);
  }
  EXPECT_EQ(Channel(0)->Name(), "Channel 1");
  EXPECT_EQ(Channel(2)->Name(), "Channel 3");
  EXPECT_EQ(Channel(0)->color, clRed);
  EXPECT_EQ(Channel(1)->color, clYellow);
  EXPECT_EQ(Channel(2)->color, clBlue);
  plot.DeleteObject(plot.Master().ChannelManager(), 1);
  plot.Master().AddChannel();
  EXPECT_EQ(Channel(2)->Name(), "Channel 4");
  Channel(0)->SetName(QStringLiteral("channel 10"));
  plot.Master().AddChannel();
  EXPECT_EQ(Channel(3)->Name(), "Channel 11");
}

TEST(iChannelColors, NextChannelColor_reusesLeastUsedInPaletteOrder) {
  EXPECT_EQ(NextChannelColor({}), clRed);
  EXPECT_EQ(NextChannelColor({clRed}), clRed);
  EXPECT_EQ(NextChannelColor({clRed, clRed}), clYellow);
  std::vector<TColor> all;
  TColor next = clRed;
  for (int i = 0; i < 30; ++i) {
    all.push_back(next);
    std::vector<TColor> withNew = all;
    withNew.push_back(clRed);
    next = NextChannelColor(withNew);
  }
  // All 30 entries used once, red twice by the new channel: yellow is next.
  EXPECT_EQ(next, clYellow);
}

TEST_F(PlotObjectModel, NameLookup_ignoresCaseOfAsciiLettersOnly) {
  plot.AddXAxis();
  plot.XAxis(0)->SetName(QStringLiteral("Time\u00C4"));
  EXPECT_EQ(plot.GetXAxisIndexByName(QStringLiteral("TIME\u00C4")), 0);
  EXPECT_EQ(plot.GetXAxisIndexByName(QStringLiteral("time\u00E4")), -1);
}

TEST_F(PlotObjectModel, AxisAndDataViewGetFirstReferences) {
  plot.AddXAxis();
  plot.AddYAxis();
  plot.AddDataView();
  EXPECT_EQ(plot.XAxis(0)->Name(), "X-Axis 1");
  EXPECT_EQ(plot.XAxis(0)->Title(), "X-Axis 1");
  EXPECT_TRUE(plot.XAxis(0)->Horizontal());
  EXPECT_FALSE(plot.YAxis(0)->Horizontal());
  EXPECT_EQ(plot.DataView(0)->GridXAxisName(), "X-Axis 1");
  EXPECT_EQ(plot.DataView(0)->GridYAxisName(), "Y-Axis 1");
  TCanvas detached;
  plot.DataView(0)->Draw(detached, clBlack);
  plot.XAxis(0)->SetName(QStringLiteral("Hz"));
  EXPECT_EQ(plot.DataView(0)->GridXAxisName(), "Hz");
}

TEST_F(PlotObjectModel, AddEvent_seesObjectInItsManager) {
  QString seen;
  plot.OnAddXAxis = [&](int index) { seen = plot.XAxis(index)->Name(); };
  plot.AddXAxis();
  EXPECT_EQ(seen, "X-Axis 1");
}

TEST_F(PlotObjectModel, Removal_clearsPlotReferencesBeforeRemoveEvent) {
  plot.AddXAxis();
  plot.AddXAxis();
  TiPlotXAxis* doomed = plot.XAxis(1);
  plot.SetMouseDownObject(doomed);
  plot.SetLastMouseOverObject(doomed);
  int removedIndex = -2;
  bool referencesClear = false;
  plot.OnRemoveXAxis = [&](int index) {
    removedIndex = index;
    referencesClear = plot.MouseDownObject() == nullptr && plot.LastMouseOverObject() == nullptr;
  };
  plot.DeleteXAxis(1);
  EXPECT_EQ(removedIndex, 1);
  EXPECT_TRUE(referencesClear);
  EXPECT_EQ(plot.XAxisCount(), 1);
  EXPECT_FALSE(plot.Master().ObjectManager().Contains(doomed));
}

TEST_F(PlotObjectModel, ManagerDelete_leavesObjectAliveAndKnownElsewhere) {
  plot.AddXAxis();
  TiPlotXAxis* axis = plot.XAxis(0);
  plot.Master().XAxisManager().Delete(0);
  EXPECT_EQ(plot.XAxisCount(), 0);
  EXPECT_TRUE(plot.Master().ObjectManager().Contains(axis));
  EXPECT_TRUE(plot.Master().LayoutManager().Contains(axis));
}

TEST_F(PlotObjectModel, Setters_notifyOnlyOnChange) {
  plot.AddXAxis();
  TiPlotXAxis* axis = plot.XAxis(0);
  int changes = 0;
  axis->OnChange = [&](TObject*) { ++changes; };
  axis->SetVisible(true);
  axis->SetEnabled(true);
  axis->SetLayer(100);
  axis->SetPopupEnabled(true);
  axis->SetCanFocus(true);
  axis->SetName(axis->Name());
  EXPECT_EQ(changes, 0);
  axis->SetName(axis->Name().toLower());
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(axis->NameOld(), "X-Axis 1");
  axis->SetTitleMargin(std::nan(""));
  EXPECT_EQ(axis->TitleMargin(), 0.25);
}

TEST_F(PlotObjectModel, StartStopPercent_keepOnePercentApart) {
  plot.AddXAxis();
  TiPlotXAxis* a = plot.XAxis(0);
  a->SetStartPercent(150);
  EXPECT_EQ(a->StartPercent(), 99);
  EXPECT_EQ(a->StopPercent(), 100);
  a->SetStartStopPercent(0, 100);
  a->SetStopPercent(0.5);
  EXPECT_EQ(a->StartPercent(), 0);
  EXPECT_EQ(a->StopPercent(), 1);
  a->SetStartPercent(-3);
  EXPECT_EQ(a->StartPercent(), 0);
  a->SetStartStopPercent(12.5, 100);
  EXPECT_EQ(a->GetStartPercentSortKey(), "012");
  a->SetStartStopPercent(13.5, 100);
  EXPECT_EQ(a->GetStartPercentSortKey(), "014");
  a->SetLayer(7);
  EXPECT_EQ(a->GetLayerSortKey(), "000007");
}

TEST_F(PlotObjectModel, DisablingHeldObject_endsPressWithoutMouseUpEvent) {
  plot.AddXAxis();
  TiPlotXAxis* axis = plot.XAxis(0);
  axis->SetDrawRect({0, 0, 100, 30});
  int ups = 0;
  plot.OnMouseUpXAxis = [&](int, TMouseButton, TShiftState, int, int) { ++ups; };
  axis->iMouseDown(TMouseButton::mbLeft, {}, 5, 5, 0, 0, nullptr);
  axis->SetUserSelected(true);
  axis->SetEnabled(false);
  EXPECT_FALSE(axis->UserSelected());
  axis->iMouseUp(TMouseButton::mbLeft, {}, 5, 5, 0, 0, false, nullptr);
  EXPECT_EQ(ups, 0);
}

TEST_F(PlotObjectModel, PopupMenuEventCancel_suppressesMenuItems) {
  plot.AddDataView();
  TiPlotDataView* view = plot.DataView(0);
  view->SetDrawRect({0, 0, 100, 100});
  plot.OnPopupMenuDataView = [](int, bool& cancel, int, int) { cancel = true; };
  plot.PopupMenu().Add(QStringLiteral("stale"), nullptr);
  view->iMouseDown(TMouseButton::mbRight, {}, 5, 5, 0, 0, &plot.PopupMenu());
  view->iMouseUp(TMouseButton::mbRight, {}, 5, 5, 0, 0, false, &plot.PopupMenu());
  EXPECT_EQ(plot.PopupMenu().Count(), 1);
  plot.OnPopupMenuDataView = nullptr;
  view->iMouseDown(TMouseButton::mbRight, {}, 5, 5, 0, 0, &plot.PopupMenu());
  view->iMouseUp(TMouseButton::mbRight, {}, 5, 5, 0, 0, false, &plot.PopupMenu());
  EXPECT_TRUE(view->UserCanEdit());
  ASSERT_EQ(plot.PopupMenu().Count(), 1);
  EXPECT_EQ(plot.PopupMenu().Item(0).Caption, "Edit...");
  plot.PopupMenu().CloseUp();
}

TEST_F(PlotObjectModel, MouseWheelFocusObjects_reachesEverySelectedObject) {
  plot.AddXAxis();
  plot.AddYAxis();
  int wheels = 0;
  plot.OnMouseWheelXAxis = [&](int, int, TShiftState, int, int) { ++wheels; };
  plot.OnMouseWheelYAxis = [&](int, int, TShiftState, int, int) { ++wheels; };
  plot.XAxis(0)->SetShiftState({TShiftStateItem::ssShift});
  plot.YAxis(0)->SetShiftState({TShiftStateItem::ssShift});
  plot.XAxis(0)->SetUserSelected(true);
  plot.YAxis(0)->SetUserSelected(true);
  EXPECT_TRUE(plot.XAxis(0)->UserSelected());
  plot.Master().ObjectManager().MouseWheelFocusObjects(120, {}, {1, 1});
  EXPECT_EQ(wheels, 2);
}

TEST_F(PlotObjectModel, Selection_dropsOtherSelectionsWithoutShift) {
  plot.AddXAxis();
  plot.AddDataView();
  plot.XAxis(0)->SetUserSelected(true);
  plot.DataView(0)->SetUserSelected(true);
  EXPECT_FALSE(plot.XAxis(0)->UserSelected());
}

TEST_F(PlotObjectModel, LoadingBlocksEvents) {
  int adds = 0;
  plot.OnAddXAxis = [&](int) { ++adds; };
  plot.SetLoading(true);
  plot.AddXAxis();
  plot.SetLoading(false);
  plot.AddXAxis();
  EXPECT_EQ(adds, 1);
}

TEST_F(PlotObjectModel, ConstructorChecks_reportFirstMissingArgument) {
  const TNotifyEvent h = [](TObject*) {};
  EXPECT_EQ(ErrorOf([&] { FakeLayoutObject o(nullptr, h, h, h, h); }), "Owner must be assigned");
  EXPECT_EQ(ErrorOf([&] { FakeLayoutObject o(&plot, h, nullptr, h, nullptr); }),
            "OnInsert event handler can not be null");
  EXPECT_EQ(ErrorOf([&] { FakeLayoutObject o(&plot, h, h, h, nullptr); }), "AOnRename event handler can not be null");
  EXPECT_EQ(ErrorOf([&] { TiPlotObjectManager m(nullptr, h, h, h, h); }), "Owner must be Assigned");
  EXPECT_EQ(ErrorOf([&] { TiPlotObjectManager m(&plot, nullptr, h, h, h); }),
            "OnChange event handler can not be null");
  EXPECT_EQ(ErrorOf([&] { plot.Master().AddLegend(); }), "No object class registered for Legend");
  EXPECT_EQ(ErrorOf([&] { plot.XAxis(0); }), "List index out of bounds (0)");
}

TEST_F(PlotObjectModel, CustomizeLabel_handlerOrSetCustomizeLabelTextWins) {
  plot.AddXAxis();
  plot.OnXAxisCustomizeLabel = [](int, double, QString& label) { label += QStringLiteral(" Hz"); };
  EXPECT_EQ(plot.XAxis(0)->GetLabelText(25), "25 Hz");
  plot.OnXAxisCustomizeLabel = [&](int, double, QString&) { plot.SetCustomizeLabelText(QString()); };
  EXPECT_EQ(plot.XAxis(0)->GetLabelText(25), "");
}

TEST(TiPlotTranslationManager, NewestEntryFirstAndCaseSensitive) {
  TiPlotTranslationManager table;
  EXPECT_EQ(table.FindReplacement(QStringLiteral("Edit...")), "Edit...");
  table.CreateObject().OriginalString = QStringLiteral("Edit...");
  table.Items(0).ReplacementString = QStringLiteral("A");
  table.CreateObject().OriginalString = QStringLiteral("Edit...");
  table.Items(0).ReplacementString = QStringLiteral("B");
  EXPECT_EQ(table.FindReplacement(QStringLiteral("Edit...")), "B");
  EXPECT_EQ(table.FindReplacement(QStringLiteral("edit...")), "edit...");
}

TEST(TiPlotTranslationManager, FileLoadReversesOrderAndStopsAtLineWithoutTab) {
  const QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("translation.txt"));
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("A\ta\r\nB\tb\tc\r\nC\tc\r\n");
  }
  TiPlotTranslationManager table;
  table.LoadFromFile(path);
  ASSERT_EQ(table.Count(), 3);
  EXPECT_EQ(table.Items(0).OriginalString, "C");
  EXPECT_EQ(table.Items(1).ReplacementString, "b\tc");
  table.SaveToFile(path);
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), QByteArray("C\tc\r\nB\tb\tc\r\nA\ta\r\n"));
  saved.close();
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("X\tx\n\nY\ty\n");
  }
  try {
    table.LoadFromFile(path);
    FAIL();
  } catch (const EPlotError& e) {
    EXPECT_EQ(e.Message(), "Error Loading Data - Invalid Format - Tab Deliminator Missing");
  }
  ASSERT_EQ(table.Count(), 1);
  EXPECT_EQ(table.Items(0).OriginalString, "X");
}
