#include <gtest/gtest.h>

#include <optional>

#include <QTest>

#include "platform/widgets/ColorChooser.h"
#include "platform/widgets/FontChooser.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/editor/TiComponentEditorCheckBox.h"
#include "plot/editor/TiComponentEditorColorPicker.h"
#include "plot/editor/TiComponentEditorComboBox.h"
#include "plot/editor/TiComponentEditorEdit.h"
#include "plot/editor/TiComponentEditorFontPicker.h"
#include "plot/editor/TiComponentEditorRadioGroup.h"
#include "plot/editor/TiUpDown.h"
#include "plot/editor/iPlotEditorPages.h"
#include "plot/streaming/TiPlotPropertyRegistry.h"
#include "tests/plot/editor/OtherPagesEditorFixture.h"
#include "tests/support/ClickWidget.h"

namespace {

/// The object a page edits: the one selected in its kind's list.
TiPlotObject& OtherPagesEditedObject(TiPlotEditorForm& form, TiPlotObjectKind kind) {
  return *TiPlotEditorForm::SelectedObject(*form.ListOfKind(kind));
}

/// A user's change of a row's control; answers the value the object's
/// property must then read (its description text), or nothing for a font,
/// whose check is its boldness.
std::optional<QString> OtherPagesChangeAsUser(OtherPagesEditorFixture& f, const TiEditorPageTable& table,
                                              const TiEditorBinding& row, const TiPlotProperty& p) {
  TiPlotEditorForm& form = f.Editor();
  QWidget* control = dynamic_cast<QWidget*>(form.Controls().FindObject(BindingControlName(table, row)));
  EXPECT_NE(control, nullptr) << row.Property.toStdString();
  if (control == nullptr) return std::nullopt;
  OtherPagesEditorFixture::ShowPagesOf(control);
  TiPlotObject& object = OtherPagesEditedObject(form, table.Kind);
  switch (row.Widget) {
    case TiEditorWidget::CheckBox: {
      const QString toggled = QString::fromLatin1(p.GetOrdinal(object) != 0 ? "False" : "True");
      ClickWidget(control);
      return toggled;
    }
    case TiEditorWidget::Edit: {
      auto* edit = static_cast<TiComponentEditorEdit*>(control);
      QString text = QStringLiteral("Renamed");
      if (p.Kind == TiPropertyKind::tkFloat) {
        text = QString::number(edit->AsFloat() == 3.5 ? 4.5 : 3.5);
      } else if (IsOrdinalKind(p.Kind)) {
        text = QString::number(edit->AsInteger() + 1);
      }
      edit->selectAll();
      QTest::keyClicks(edit, text);
      QTest::keyClick(edit, Qt::Key_Return);
      return text;
    }
    case TiEditorWidget::SpinEdit: {
      auto* spin = form.Control<TiUpDown>(BindingControlName(table, row).chopped(4) + QStringLiteral("UpDown"));
      EXPECT_NE(spin, nullptr) << row.Property.toStdString();
      if (spin == nullptr) return std::nullopt;
      const int expected = static_cast<TiComponentEditorEdit*>(control)->AsInteger() + 1;
      QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 3));
      return QString::number(expected);
    }
    case TiEditorWidget::ComboBox:
    case TiEditorWidget::NameComboBox: {
      auto* combo = static_cast<TiComponentEditorComboBox*>(control);
      const bool last = combo->AsInteger() == combo->count() - 1;
      QTest::keyClick(combo, last ? Qt::Key_Up : Qt::Key_Down);
      if (row.Widget == TiEditorWidget::NameComboBox) return combo->AsString();
      return std::nullopt;
    }
    case TiEditorWidget::RadioGroup: {
      auto* radio = static_cast<TiComponentEditorRadioGroup*>(control);
      QTest::keyClick(radio, radio->AsInteger() == 0 ? Qt::Key_Down : Qt::Key_Up);
      return std::nullopt;
    }
    case TiEditorWidget::ColorPicker: {
      auto* picker = static_cast<TiComponentEditorColorPicker*>(control);
      const TColor chosen = picker->Color() ^ 0x00FFFF00;
      ColorChooser::SetHook([chosen](const ColorChoice&) { return std::optional<TColor>(chosen); });
      picker->Button().click();
      ColorChooser::SetHook({});
      return QString::number(std::int32_t(chosen));
    }
    case TiEditorWidget::FontPicker:
      FontChooser::SetHook([](const FontChoice& choice) {
        FontChoice bold = choice;
        bold.weight = 700;
        return std::optional<FontChoice>(bold);
      });
      static_cast<TiComponentEditorFontPicker*>(control)->click();
      FontChooser::SetHook({});
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

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
