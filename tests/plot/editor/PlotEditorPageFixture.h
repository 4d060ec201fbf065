#pragma once

#include <memory>

#include <QAbstractButton>
#include <QTest>

#include "platform/pictures/TBitmap.h"
#include "platform/widgets/ColorChooser.h"
#include "platform/widgets/FontChooser.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiXYPlot.h"
#include "plot/editor/TiComponentEditorCheckBox.h"
#include "plot/editor/TiComponentEditorColorPicker.h"
#include "plot/editor/TiComponentEditorComboBox.h"
#include "plot/editor/TiComponentEditorEdit.h"
#include "plot/editor/TiComponentEditorFontPicker.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/TiComponentEditorPageControl.h"
#include "plot/editor/TiComponentEditorRadioGroup.h"
#include "plot/editor/TiPlotEditorForm.h"
#include "plot/streaming/TiPlotPropertyRegistry.h"
#include "tests/plot/editor/EditorControlInput.h"
#include "tests/support/ProcessEventsUntil.h"

/// A time-series or X-Y plot with its editor open (stay-on-top, so that
/// opening returns), for the tests of the editor's object pages.
class PlotEditorPageFixture {
public:
  explicit PlotEditorPageFixture(bool xy = false, bool userCanAddRemoveChannels = false) {
    if (xy) {
      plot = std::make_unique<TiXYPlot>();
    } else {
      plot = std::make_unique<TiPlot>();
    }
    plot->SetBounds(0, 0, 400, 300);
    plot->SetUserCanAddRemoveChannels(userCanAddRemoveChannels);
    plot->StoredSettings().EditorFormStyle = TiPlotFormStyle::ipfsStayOnTop;
    plot->Master().EditProperties();
    form = plot->Master().EditorForm();
    form->activateWindow();
    ProcessEventsUntil([this] { return form->isActiveWindow(); }, std::chrono::milliseconds(2000));
  }
  ~PlotEditorPageFixture() { ColorChooser::SetHook({}), FontChooser::SetHook({}); }

  template <class T>
  T& Get(const QString& name) const {
    T* control = form->Control<T>(name);
    if (control == nullptr) throw std::runtime_error("no control " + name.toStdString());
    return *control;
  }
  /// Shows the sub-page of that caption on the named page control.
  void ShowPage(const QString& pageControl, const QString& caption) const {
    auto& pages = Get<TiComponentEditorPageControl>(pageControl);
    for (int i = 0; i < pages.count(); ++i) {
      if (pages.tabText(i) == caption) pages.setCurrentIndex(i);
    }
  }
  /// Types text into an edit and presses Return.
  static void Type(TiComponentEditorEdit& edit, const QString& text) {
    edit.setFocus();
    edit.setText(text);
    QTest::keyClick(&edit, Qt::Key_Return);
  }
  QImage Picture() const {
    TBitmap bitmap(plot->Width(), plot->Height());
    plot->iPaintTo(bitmap.Canvas());
    return bitmap.Image();
  }

  std::unique_ptr<TiPlotComponent> plot;
  TiPlotEditorForm* form = nullptr;
};

/// What changing one bound control as a user would came to: the control
/// was found and changed, and the property shows the new value.
struct BindingChange {
  bool Changed = false;
  QString Expected;
  QString Actual;
};

/// Changes the control of row as a user would (typing and Return, a click,
/// an arrow key in a list, a colour or font dialog answered OK) and reads
/// the property back from object.
inline BindingChange ChangeBindingAsUser(QWidget* control, const TiEditorBinding& row, TObject& object,
                                         const TiPlotProperty& p) {
  BindingChange result;
  switch (row.Widget) {
    case TiEditorWidget::Edit:
    case TiEditorWidget::SpinEdit: {
      auto* edit = static_cast<TiComponentEditorEdit*>(control);
      QString text;
      if (IsOrdinalKind(p.Kind)) {
        const auto now = p.GetOrdinal(object);
        text = QString::number(now >= 50 ? now - 1 : now + 1);
      } else if (p.Kind == TiPropertyKind::tkFloat) {
        const double now = p.Get(object).toDouble();
        text = QString::number(now >= 50 ? now - 1.5 : now + 1.5);
      } else {
        text = p.Get(object) + QStringLiteral("x");
      }
      PlotEditorPageFixture::Type(*edit, text);
      result.Expected = text;
      result.Actual = IsOrdinalKind(p.Kind)               ? QString::number(p.GetOrdinal(object))
                      : p.Kind == TiPropertyKind::tkFloat ? QString::number(p.Get(object).toDouble())
                                                          : p.Get(object);
      break;
    }
    case TiEditorWidget::CheckBox: {
      auto* box = static_cast<TiComponentEditorCheckBox*>(control);
      result.Expected = box->AsBoolean() ? QStringLiteral("0") : QStringLiteral("1");
      EditorControlInput::Click(box, 5, 8);
      result.Actual = QString::number(p.GetOrdinal(object));
      break;
    }
    case TiEditorWidget::ComboBox:
    case TiEditorWidget::NameComboBox: {
      auto* combo = static_cast<TiComponentEditorComboBox*>(control);
      combo->setFocus();
      QTest::keyClick(combo, combo->currentIndex() + 1 < combo->count() ? Qt::Key_Down : Qt::Key_Up);
      const bool byText = row.Widget == TiEditorWidget::NameComboBox;
      result.Expected = byText ? combo->currentText() : QString::number(combo->currentIndex());
      result.Actual = byText ? p.Get(object) : QString::number(p.GetOrdinal(object));
      break;
    }
    case TiEditorWidget::RadioGroup: {
      auto* radio = static_cast<TiComponentEditorRadioGroup*>(control);
      radio->setFocus();
      QTest::keyClick(radio, radio->AsInteger() == 0 ? Qt::Key_Down : Qt::Key_Up);
      result.Expected = QString::number(radio->AsInteger());
      result.Actual = QString::number(p.GetOrdinal(object));
      break;
    }
    case TiEditorWidget::ColorPicker: {
      auto* picker = static_cast<TiComponentEditorColorPicker*>(control);
      const TColor next = picker->Color() ^ 0x00FF00;
      ColorChooser::SetHook([next](const ColorChoice&) { return std::optional<TColor>(next); });
      picker->Button().click();
      result.Expected = QString::number(std::int32_t(next));
      result.Actual = QString::number(p.GetOrdinal(object));
      break;
    }
    case TiEditorWidget::FontPicker: {
      auto* picker = static_cast<TiComponentEditorFontPicker*>(control);
      FontChooser::SetHook([](const FontChoice& choice) {
        FontChoice changed = choice;
        changed.italic = !choice.italic;
        return std::optional<FontChoice>(changed);
      });
      auto italic = [&] {
        return static_cast<TFont*>(p.SubObject(object))->Style().Contains(TFontStyle::fsItalic) ? QStringLiteral("1")
                                                                                                : QStringLiteral("0");
      };
      result.Expected = italic() == QStringLiteral("1") ? QStringLiteral("0") : QStringLiteral("1");
      picker->click();
      result.Actual = italic();
      break;
    }
  }
  result.Changed = true;
  return result;
}
