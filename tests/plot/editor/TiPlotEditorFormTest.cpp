#include <gtest/gtest.h>

#include <QSet>

#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/editor/TiComponentEditorPageControl.h"
#include "plot/editor/TiPlotEditorForm.h"
#include "plot/editor/iPlotEditorPages.h"

namespace {

QStringList EditorFormTestPageCaptions(const TiComponentEditorPageControl& pages) {
  QStringList captions;
  for (int i = 0; i < pages.count(); ++i) captions << pages.tabText(i);
  return captions;
}

}  // namespace

TEST(PlotEditorBindingTables, EveryRowNamesARegisteredPropertyOfItsKind) {
  for (const TiEditorPageTable* table : AllEditorPageTables()) {
    const TiPropertyTable& properties = PagePropertyTable(*table);
    for (const TiEditorBinding& row : table->Rows) {
      const TiPlotProperty* p = TiPlotPropertyRegistry::Find(properties, row.Property);
      EXPECT_NE(p, nullptr) << table->Prefix.toStdString() << " " << row.Property.toStdString();
      if (p == nullptr) continue;
      const bool font = row.Widget == TiEditorWidget::FontPicker;
      EXPECT_EQ(p->Kind == TiPropertyKind::tkClass, font) << row.Property.toStdString();
      const bool ordinal = row.Widget == TiEditorWidget::CheckBox || row.Widget == TiEditorWidget::ComboBox ||
                           row.Widget == TiEditorWidget::RadioGroup || row.Widget == TiEditorWidget::ColorPicker;
      if (ordinal) EXPECT_TRUE(IsOrdinalKind(p->Kind)) << row.Property.toStdString();
      if (row.Widget == TiEditorWidget::ComboBox || row.Widget == TiEditorWidget::RadioGroup) {
        EXPECT_GE(p->OrdinalMax + 1, row.Items.size()) << row.Property.toStdString();
      }
    }
  }
}

TEST(PlotEditorForm, IsThePlotDialogWithItsTwelvePagesInOrder) {
  TiPlot plot;
  TiPlotEditorForm form(&plot);
  EXPECT_EQ(form.Caption(), QStringLiteral("Plot"));
  EXPECT_EQ(form.width(), 576);
  EXPECT_EQ(form.height(), 272);
  EXPECT_EQ(EditorFormTestPageCaptions(form.PageControl()),
            (QStringList{"Control", "Layout", "Channels", "Cursors", "Limits", "Labels", "X-Axes", "Y-Axes", "Legend",
                         "Tables", "ToolBar", "Data View"}));
  // Every bound control got its own name.
  QSet<QString> names;
  for (const TiEditorPageTable* table : AllEditorPageTables()) {
    if (table == &TitlePlotTable()) continue;
    for (const TiEditorBinding& row : table->Rows) {
      const QString name = BindingControlName(*table, row);
      EXPECT_FALSE(names.contains(name)) << name.toStdString();
      names.insert(name);
      EXPECT_NE(form.Controls().FindObject(name), nullptr) << name.toStdString();
    }
  }
}
