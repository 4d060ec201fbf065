#pragma once

#include <gtest/gtest.h>

#include <optional>

#include <QTabWidget>
#include <QTest>
#include <QWidget>

#include "plot/annotations/TiPlotLimit.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotTranslationManager.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"
#include "plot/editor/TiPlotEditorForm.h"
#include "platform/widgets/ColorChooser.h"
#include "platform/widgets/FontChooser.h"
#include "plot/editor/TiComponentEditorCheckBox.h"
#include "plot/editor/TiComponentEditorColorPicker.h"
#include "plot/editor/TiComponentEditorComboBox.h"
#include "plot/editor/TiComponentEditorEdit.h"
#include "plot/editor/TiComponentEditorFontPicker.h"
#include "plot/editor/TiComponentEditorRadioGroup.h"
#include "plot/editor/TiUpDown.h"
#include "plot/editor/iPlotEditorBinding.h"
#include "plot/streaming/TiPlotPropertyRegistry.h"
#include "tests/support/ClickWidget.h"
#include "tests/support/ProcessEventsUntil.h"

/// A plot with two channels, a data cursor and a limit, its editor open in
/// stay-on-top mode (shown, not modal), for the Data View, Legend, Cursors,
/// Limits and ToolBar pages.
class OtherPagesEditorFixture {
public:
  explicit OtherPagesEditorFixture(int channels = 2) {
    plot.resize(500, 300);
    TiPlotKindManager& channelManager = plot.Master().ChannelManager();
    while (channelManager.Count() > channels) channelManager.FreeObject(channelManager.Items(0));
    while (plot.ChannelCount() < channels) plot.AddChannel();
    for (int c = 0; c < plot.ChannelCount(); ++c) {
      for (int i = 0; i < 20; ++i) plot.Channel(c)->AddXY(i, (c + 1) * (i % 7));
    }
    plot.Master().AddDataCursor();
    plot.Master().AddLimit();
    plot.StoredSettings().EditorFormStyle = TiPlotFormStyle::ipfsStayOnTop;
    plot.show();
  }

  /// Makes the legend, the cursor and the limit show on the plot, the
  /// limit on the first axes.
  void ShowEverything() {
    TiPlotMasterManager& master = plot.Master();
    master.LegendManager().Items(0)->SetVisible(true);
    master.DataCursorManager().Items(0)->SetVisible(true);
    auto* limit = master.LimitManager().ItemAs<TiPlotLimit>(0);
    limit->SetXAxisName(plot.XAxis(0)->Name());
    limit->SetYAxisName(plot.YAxis(0)->Name());
    limit->SetVisible(true);
  }

  /// Adds "original" -> "replacement" to the plot's translation table.
  void Translate(const char* original, const char* replacement) {
    TiPlotTranslationObject& entry = plot.Master().TranslationManager().CreateObject();
    entry.OriginalString = QString::fromLatin1(original);
    entry.ReplacementString = QString::fromLatin1(replacement);
  }

  /// Opens (or refreshes) the editor and answers it.
  TiPlotEditorForm& Editor() {
    plot.Master().EditProperties();
    TiPlotEditorForm* form = plot.Master().EditorForm();
    ProcessEventsUntil([form] { return form->isVisible(); }, std::chrono::seconds(2));
    return *form;
  }

  template <class T>
  T& Control(const char* name) {
    T* control = Editor().Control<T>(QString::fromLatin1(name));
    Q_ASSERT(control != nullptr);
    return *control;
  }

  /// Shows every page and sub-page holding control, as a user would open
  /// them before using it.
  static void ShowPagesOf(QWidget* control) {
    for (QWidget* w = control; w != nullptr && w->parentWidget() != nullptr; w = w->parentWidget()) {
      // A tab's page sits in the tab widget's stack.
      QWidget* stack = w->parentWidget();
      if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget())) tabs->setCurrentWidget(w);
    }
  }

  TiPlot plot;
};

/// The object a page edits: the one selected in its kind's list.
inline TiPlotObject& OtherPagesEditedObject(TiPlotEditorForm& form, TiPlotObjectKind kind) {
  return *TiPlotEditorForm::SelectedObject(*form.ListOfKind(kind));
}

/// A user's change of a row's control; answers the value the object's
/// property must then read (its description text), or nothing for a font,
/// whose check is its boldness.
inline std::optional<QString> OtherPagesChangeAsUser(OtherPagesEditorFixture& f, const TiEditorPageTable& table,
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

/// Picks the entry at index of a name list as a user does, by the arrow
/// keys from its current entry.
inline void OtherPagesPick(TiComponentEditorComboBox& combo, int index) {
  OtherPagesEditorFixture::ShowPagesOf(&combo);
  while (combo.AsInteger() < index) QTest::keyClick(&combo, Qt::Key_Down);
  while (combo.AsInteger() > index) QTest::keyClick(&combo, Qt::Key_Up);
}
