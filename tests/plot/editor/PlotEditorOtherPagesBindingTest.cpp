#include <gtest/gtest.h>

#include "platform/drawing/TCanvas.h"
#include "platform/text/TFont.h"
#include "plot/editor/iPlotEditorPages.h"
#include "tests/plot/editor/OtherPagesEditorFixture.h"

// Every row of the five tables, changed through its control as a user
// changes it, reaches the edited object (rows on hidden sub-pages excepted:
// no user reaches them).
TEST(PlotEditorOtherPages, EveryBinding_reachesItsObjectThroughItsControl) {
  OtherPagesEditorFixture f;
  for (const TiEditorPageTable* table : {&DataViewPageTable(), &LegendPageTable(), &DataCursorPageTable(),
                                         &LimitPageTable(), &ToolBarPageTable()}) {
    for (const TiEditorBinding& row : table->Rows) {
      if (row.SubPage == QLatin1String("Hidden") || row.Group == QLatin1String("Hidden")) continue;
      SCOPED_TRACE(BindingControlName(*table, row).toStdString());
      TiPlotObject& object = OtherPagesEditedObject(f.Editor(), table->Kind);
      const TiPlotProperty* p = TiPlotPropertyRegistry::Find(object, row.Property);
      ASSERT_NE(p, nullptr);
      const std::int64_t before = IsOrdinalKind(p->Kind) ? p->GetOrdinal(object) : 0;
      const QString beforeText = p->Kind == TiPropertyKind::tkClass ? QString() : p->Get(object);
      const std::optional<QString> expected = OtherPagesChangeAsUser(f, *table, row, *p);
      TiPlotObject& after = OtherPagesEditedObject(f.Editor(), table->Kind);
      if (row.Widget == TiEditorWidget::FontPicker) {
        EXPECT_TRUE(p->SubObject(after) != nullptr &&
                    static_cast<TFont*>(p->SubObject(after))->Style().Contains(TFontStyle::fsBold));
      } else if (row.Widget == TiEditorWidget::ComboBox || row.Widget == TiEditorWidget::RadioGroup) {
        EXPECT_NE(p->GetOrdinal(after), before);
      } else if (expected.has_value()) {
        EXPECT_EQ(p->Get(after).toStdString(), expected->toStdString()) << "was " << beforeText.toStdString();
      }
    }
  }
}

namespace {

/// Finds the row of a table binding property.
const TiEditorBinding& OtherPagesRow(const TiEditorPageTable& table, const char* property) {
  for (const TiEditorBinding& row : table.Rows) {
    if (row.Property == QLatin1String(property)) return row;
  }
  ADD_FAILURE() << property;
  return table.Rows.front();
}

QImage OtherPagesPicture(TiPlot& plot) {
  QImage picture(plot.width(), plot.height(), QImage::Format_ARGB32);
  TCanvas canvas(&picture);
  plot.iPaintTo(canvas);
  return picture;
}

}  // namespace

// The changes a user sees: each step through its control changes the
// plot's picture.
TEST(PlotEditorOtherPages, VisibleBindings_changeThePlotsPicture) {
  OtherPagesEditorFixture f;
  f.ShowEverything();
  struct Step {
    const TiEditorPageTable* table;
    const char* property;
    int pick = -1;  ///< a combo box entry to pick instead of the next one
  };
  const Step steps[] = {{&DataViewPageTable(), "BackgroundTransparent"},
                        {&DataViewPageTable(), "BackgroundColor"},
                        {&DataViewPageTable(), "GridLineColor"},
                        {&DataViewPageTable(), "GridLineShowXMinors"},
                        {&DataViewPageTable(), "GridLineXMinorCustom"},
                        {&DataViewPageTable(), "GridLineXMinorColor"},
                        {&DataViewPageTable(), "GridLineYMajorCustom"},
                        {&DataViewPageTable(), "GridLineYMajorColor"},
                        {&LegendPageTable(), "ShowColumnXValue"},
                        {&LegendPageTable(), "WrapColDesiredCount"},
                        {&LimitPageTable(), "Line1Position"},
                        {&LimitPageTable(), "Color"},
                        {&DataCursorPageTable(), "Style", 3},
                        {&DataCursorPageTable(), "Pointer1Position"},
                        {&ToolBarPageTable(), "ShowZoomBoxButton"},
                        {&ToolBarPageTable(), "SmallButtons"}};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.property);
    const TiEditorBinding& row = OtherPagesRow(*step.table, step.property);
    TiPlotObject& object = OtherPagesEditedObject(f.Editor(), step.table->Kind);
    const TiPlotProperty* p = TiPlotPropertyRegistry::Find(object, row.Property);
    ASSERT_NE(p, nullptr);
    const QImage before = OtherPagesPicture(f.plot);
    if (step.pick >= 0) {
      OtherPagesPick(*f.Editor().Control<TiComponentEditorComboBox>(BindingControlName(*step.table, row)), step.pick);
    } else {
      OtherPagesChangeAsUser(f, *step.table, row, *p);
    }
    EXPECT_NE(OtherPagesPicture(f.plot), before);
  }
}
