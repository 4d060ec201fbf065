#include <gtest/gtest.h>

#include <QTest>

#include "platform/drawing/TCanvas.h"
#include "plot/annotations/TiPlotDataCursor.h"
#include "plot/annotations/TiPlotLimit.h"
#include "plot/editor/TiComponentEditorButton.h"
#include "plot/editor/TiComponentEditorComboBox.h"
#include "plot/editor/TiComponentEditorEdit.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/objects/TiPlotDataView.h"
#include "plot/objects/TiPlotLegend.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"
#include "tests/plot/editor/OtherPagesEditorFixture.h"
#include "tests/support/ClickWidget.h"

namespace {

/// The pages with Add and Remove: their list, buttons and name edit.
struct OtherPagesAddRemoveCase {
  TiPlotObjectKind kind;
  const char* addButton;
  const char* removeButton;
  const char* nameEdit;
};

TiPlotDataView& OtherPagesDataView(TiPlot& plot) { return *plot.Master().DataViewManager().ItemAs<TiPlotDataView>(0); }

TiPlotDataCursor& OtherPagesCursor(TiPlot& plot) {
  return *plot.Master().DataCursorManager().ItemAs<TiPlotDataCursor>(0);
}

}  // namespace

TEST(PlotEditorOtherPages, AddListsTheNewObjectLastWithItsColourBox_RemoveSelectsItsNeighbour) {
  const OtherPagesAddRemoveCase cases[] = {
      {TiPlotObjectKind::Limit, "iLimitAddButton", "LimitRemoveButton", "LimitNameEdit"},
      {TiPlotObjectKind::DataCursor, "iDataCursorAddButton", "DataCursorRemoveButton", "DataCursorNameEdit"}};
  for (const OtherPagesAddRemoveCase& c : cases) {
    SCOPED_TRACE(c.addButton);
    OtherPagesEditorFixture f;
    TiPlotEditorForm& form = f.Editor();
    TiComponentEditorListBox& list = *form.ListOfKind(c.kind);
    TiPlotKindManager& manager = *f.plot.Master().ManagerOfKind(c.kind);
    const int before = list.Count();
    auto& add = f.Control<TiComponentEditorButton>(c.addButton);
    OtherPagesEditorFixture::ShowPagesOf(&add);
    ClickWidget(&add);
    ASSERT_EQ(list.Count(), before + 1);
    ASSERT_EQ(manager.Count(), before + 1);
    TiPlotObject* added = manager.Items(manager.Count() - 1);
    EXPECT_EQ(list.ItemIndex(), before);
    EXPECT_EQ(list.Object(before), added);
    bool colourBox = false;
    TColor colour = clBlack;
    QString text;
    list.OnGetData(before, colourBox, colour, text);
    EXPECT_TRUE(colourBox);
    const TColor expected = c.kind == TiPlotObjectKind::Limit ? static_cast<TiPlotLimit*>(added)->Color()
                                                               : static_cast<TiPlotDataCursor*>(added)->Color();
    EXPECT_EQ(colour, expected);
    EXPECT_EQ(text, added->Name());
    EXPECT_EQ(f.Control<TiComponentEditorEdit>(c.nameEdit).AsString(), added->Name());

    // Remove the first: its neighbour (now first) is selected and shown.
    list.SetItemIndex(0);
    form.UpdateKindEdit(c.kind);
    TiPlotObject* neighbour = manager.Items(1);
    ClickWidget(&f.Control<TiComponentEditorButton>(c.removeButton));
    EXPECT_EQ(list.Count(), before);
    EXPECT_EQ(manager.Count(), before);
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_EQ(list.Object(0), neighbour);
    EXPECT_EQ(f.Control<TiComponentEditorEdit>(c.nameEdit).AsString(), neighbour->Name());
  }
}

TEST(PlotEditorOtherPages, PlotWithoutChannels_stillEditsItsLegend) {
  OtherPagesEditorFixture f(0);
  ASSERT_EQ(f.plot.ChannelCount(), 0);
  auto& edit = f.Control<TiComponentEditorEdit>("LegendWrapRowAutoCountMaxEdit");
  OtherPagesEditorFixture::ShowPagesOf(&edit);
  ASSERT_TRUE(edit.isEnabled());
  edit.selectAll();
  QTest::keyClicks(&edit, QStringLiteral("7"));
  QTest::keyClick(&edit, Qt::Key_Return);
  EXPECT_EQ(f.plot.Master().LegendManager().ItemAs<TiPlotLegend>(0)->WrapRowAutoCountMax(), 7);
}

TEST(PlotEditorOtherPages, NameLists_offerTheirSpecialEntriesTranslated) {
  OtherPagesEditorFixture f;
  f.Translate("<None>", "(none)");
  f.Translate("<All>", "(every)");
  f.plot.AddXAxis();
  TiPlotEditorForm& form = f.Editor();
  const QString x0 = f.plot.XAxis(0)->Name();
  const QString x1 = f.plot.XAxis(1)->Name();
  EXPECT_EQ(f.Control<TiComponentEditorComboBox>("DataViewGridXAxisNameComboBox").Items(),
            (QStringList{"(none)", x0, x1, "(every)"}));
  EXPECT_EQ(f.Control<TiComponentEditorComboBox>("DataViewGridYAxisNameComboBox").Items(),
            (QStringList{"(none)", f.plot.YAxis(0)->Name(), "(every)"}));
  EXPECT_EQ(f.Control<TiComponentEditorComboBox>("LimitXAxisNameComboBox").Items(), (QStringList{"(none)", x0, x1}));
  EXPECT_EQ(f.Control<TiComponentEditorComboBox>("DataCursorChannelNameComboBox").Items(),
            (QStringList{"(every)", f.plot.Channel(0)->Name(), f.plot.Channel(1)->Name()}));
  static_cast<void>(form);
}

// The cursor and the data view know "<All>" only untranslated: the lists
// show the translation, write "<All>" and select the entry for either
// spelling. Without a translation the text is the same both ways.
TEST(PlotEditorOtherPages, AllEntry_isWrittenUntranslatedAndSelectedForEitherSpelling) {
  for (const bool translated : {false, true}) {
    SCOPED_TRACE(translated);
    OtherPagesEditorFixture f;
    if (translated) f.Translate("<All>", "(every)");
    const QString shown = translated ? QStringLiteral("(every)") : QStringLiteral("<All>");
    auto& channel = f.Control<TiComponentEditorComboBox>("DataCursorChannelNameComboBox");
    OtherPagesPick(channel, 0);
    EXPECT_EQ(channel.AsString(), shown);
    EXPECT_EQ(OtherPagesCursor(f.plot).ChannelName(), QStringLiteral("<All>"));
    auto& grid = f.Control<TiComponentEditorComboBox>("DataViewGridXAxisNameComboBox");
    OtherPagesPick(grid, grid.count() - 1);
    EXPECT_EQ(OtherPagesDataView(f.plot).GridXAxisName(), QStringLiteral("<All>"));
    // Reopened, the page shows the entry selected.
    f.Editor().UpdateAll();
    EXPECT_EQ(channel.AsInteger(), 0);
    EXPECT_EQ(grid.AsInteger(), grid.count() - 1);
    // Set in code, in the translated spelling too: the entry is selected.
    OtherPagesCursor(f.plot).SetChannelName(shown);
    OtherPagesDataView(f.plot).SetGridYAxisName(QStringLiteral("<All>"));
    f.Editor().UpdateAll();
    EXPECT_EQ(channel.AsInteger(), 0);
    auto& gridY = f.Control<TiComponentEditorComboBox>("DataViewGridYAxisNameComboBox");
    EXPECT_EQ(gridY.AsInteger(), gridY.count() - 1);
  }
}

TEST(PlotEditorOtherPages, AllChannelsCursor_showsItsValuesInTheLegend) {
  OtherPagesEditorFixture f;
  f.Translate("<All>", "(every)");
  OtherPagesPick(f.Control<TiComponentEditorComboBox>("DataCursorChannelNameComboBox"), 0);
  TiPlotDataCursor& cursor = OtherPagesCursor(f.plot);
  cursor.SetVisible(true);
  cursor.SetChannelShowAllInLegend(true);
  TiPlotLegend& legend = *f.plot.Master().LegendManager().ItemAs<TiPlotLegend>(0);
  legend.SetVisible(true);
  QImage picture(f.plot.width(), f.plot.height(), QImage::Format_ARGB32);
  TCanvas canvas(&picture);
  f.plot.iPaintTo(canvas);
  EXPECT_FALSE(f.plot.Channel(0)->DataCursorYText().isEmpty());
}

// Renaming an axis or a channel renews every name list that showed the
// old name.
TEST(PlotEditorOtherPages, Rename_renewsTheLimitGridAndCursorNameLists) {
  OtherPagesEditorFixture f;
  auto& limitX = f.Control<TiComponentEditorComboBox>("LimitXAxisNameComboBox");
  auto& limitY = f.Control<TiComponentEditorComboBox>("LimitYAxisNameComboBox");
  OtherPagesPick(limitX, 1);
  OtherPagesPick(limitY, 1);
  auto& cursorChannel = f.Control<TiComponentEditorComboBox>("DataCursorChannelNameComboBox");
  OtherPagesPick(cursorChannel, 2);
  auto& gridX = f.Control<TiComponentEditorComboBox>("DataViewGridXAxisNameComboBox");
  auto& gridY = f.Control<TiComponentEditorComboBox>("DataViewGridYAxisNameComboBox");
  ASSERT_EQ(gridX.AsString(), f.plot.XAxis(0)->Name());
  ASSERT_EQ(cursorChannel.AsString(), f.plot.Channel(1)->Name());

  f.plot.XAxis(0)->SetName(QStringLiteral("Time"));
  f.plot.YAxis(0)->SetName(QStringLiteral("Level"));
  f.plot.Channel(1)->SetName(QStringLiteral("Right"));
  EXPECT_EQ(limitX.AsString(), QStringLiteral("Time"));
  EXPECT_EQ(gridX.AsString(), QStringLiteral("Time"));
  EXPECT_EQ(limitY.AsString(), QStringLiteral("Level"));
  EXPECT_EQ(gridY.AsString(), QStringLiteral("Level"));
  EXPECT_EQ(cursorChannel.AsString(), QStringLiteral("Right"));
  EXPECT_EQ(gridX.Items().last(), QStringLiteral("<All>"));
}
