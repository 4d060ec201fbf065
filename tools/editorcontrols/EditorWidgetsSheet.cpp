#include "tools/editorcontrols/EditorWidgetsSheet.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPainter>

#include "plot/editor/TiComponentEditorCheckBox.h"
#include "plot/editor/TiComponentEditorColorPicker.h"
#include "plot/editor/TiComponentEditorComboBox.h"
#include "plot/editor/TiComponentEditorFontPicker.h"
#include "plot/editor/TiComponentEditorGroupBox.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/TiComponentEditorOpenPicker.h"
#include "plot/editor/TiComponentEditorPageControl.h"
#include "plot/editor/TiComponentEditorRadioGroup.h"
#include "plot/editor/TiComponentEditorSavePicker.h"
#include "plot/editor/TiComponentEditorValueConverterPicker.h"
#include "plot/editor/TiUpDown.h"
#include "plot/editor/TiValueConverterEditForm.h"
#include "tools/editorcontrols/EditorControlsSheet.h"

// Three columns of the same widgets: as filled by code, after Disable, and
// each focused in turn (one focus per window: every focused widget is
// grabbed on its own and copied into the sheet).

namespace EditorWidgetsSheet {
namespace {

constexpr int kColumnWidth = 200;

/// One column's widgets: those that can be disabled and those that take
/// the focus.
struct Column {
  std::vector<std::function<void()>> disable;
  std::vector<QWidget*> focusable;
};

Column AddColumn(TiCustomEditorForm& form, int left, const QString& state) {
  Column column;
  auto* edit = new TiComponentEditorEdit(&form);
  edit->SetBounds(left, 10, 80, 21);
  edit->SetAsInteger(42);
  auto* spin = new TiUpDown(&form);
  spin->SetAssociate(edit);
  column.disable.push_back([spin] { spin->Disable(); });
  column.focusable.push_back(edit);

  auto* combo = new TiComponentEditorComboBox(&form);
  combo->SetBounds(left, 40, 120, 21);
  combo->SetItems({QStringLiteral("Linear"), QStringLiteral("Log")});
  combo->SetAsInteger(1);
  column.disable.push_back([combo] { combo->Disable(); });
  column.focusable.push_back(combo);

  auto* check = new TiComponentEditorCheckBox(&form);
  check->SetBounds(left, 70, 150, 17);
  check->SetCaption(state);
  check->SetAsBoolean(true);
  column.disable.push_back([check] { check->Disable(); });
  column.focusable.push_back(check);

  auto* group = new TiComponentEditorRadioGroup(&form);
  group->SetBounds(left, 94, 180, 60);
  group->SetCaption(state);
  group->SetItems({QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Top"), QStringLiteral("Bottom")});
  group->SetColumns(2);
  group->SetAsInteger(2);
  column.disable.push_back([group] { group->Disable(); });
  column.focusable.push_back(group);

  auto* list = new TiComponentEditorListBox(&form);
  list->SetBounds(left, 160, 180, 62);
  for (const char* name : {"Channel 1", "Channel 2", "Channel 3"}) list->AddObject(QString::fromLatin1(name), nullptr);
  list->OnGetData = [](int index, bool&, TColor& color, QString&) {
    const TColor colors[] = {clRed, clLime, clBlue};
    color = colors[index];
  };
  list->SetItemIndex(1);
  column.disable.push_back([list] { list->setEnabled(false); });
  column.focusable.push_back(list);

  auto* color = new TiComponentEditorColorPicker(&form);
  color->SetBounds(left, 230, 47, 21);
  color->SetColor(clYellow);
  column.disable.push_back([color] { color->Disable(); });
  auto* valueEdit = new TiComponentEditorEdit(&form);
  valueEdit->SetBounds(left + 60, 230, 80, 21);
  valueEdit->SetAsFloat(0.5);
  auto* converter = new TiComponentEditorValueConverterPicker(&form);
  converter->SetAssociate(valueEdit);
  column.disable.push_back([valueEdit, converter] {
    valueEdit->DisableNoClear();
    converter->Disable();
  });
  column.focusable.push_back(converter);

  auto* font = new TiComponentEditorFontPicker(&form);
  font->SetBounds(left, 260, 75, 25);
  auto* open = new TiComponentEditorOpenPicker(&form);
  open->SetBounds(left + 85, 260, 75, 25);
  auto* save = new TiComponentEditorSavePicker(&form);
  save->SetBounds(left, 292, 75, 25);
  auto* button = new TiComponentEditorButton(&form);
  button->SetBounds(left + 85, 292, 75, 25);
  button->SetCaption(QStringLiteral("Remove"));
  column.disable.push_back([font, open, save, button] {
    font->Disable();
    open->Disable();
    save->Disable();
    button->SetEnabled(false);
  });
  for (QWidget* w : std::initializer_list<QWidget*>{font, open, save, button}) column.focusable.push_back(w);

  auto* box = new TiComponentEditorGroupBox(&form);
  box->SetBounds(left, 324, 180, 40);
  box->setTitle(state);
  column.disable.push_back([box] { box->setEnabled(false); });

  auto* pages = new TiComponentEditorPageControl(&form);
  pages->SetBounds(left, 372, 180, 60);
  pages->AddPage(QStringLiteral("General"));
  pages->AddPage(QStringLiteral("Trace"));
  column.disable.push_back([pages] { pages->setEnabled(false); });
  column.focusable.push_back(pages);
  return column;
}

void ShowActive(QWidget& form) {
  form.show();
  form.activateWindow();
  QDeadlineTimer deadline(2000);
  while (!form.isActiveWindow() && !deadline.hasExpired()) QApplication::processEvents(QEventLoop::AllEvents, 10);
  QApplication::processEvents();
}

}  // namespace

QImage Render() {
  TiCustomEditorForm form;
  form.SetBounds(0, 0, 3 * kColumnWidth + 10, 442);
  form.SetColor(clBtnFace);
  AddColumn(form, 10, QStringLiteral("Enabled"));
  for (const auto& disable : AddColumn(form, 10 + kColumnWidth, QStringLiteral("Disabled")).disable) disable();
  const Column focused = AddColumn(form, 10 + 2 * kColumnWidth, QStringLiteral("Focused"));
  ShowActive(form);
  if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
  QApplication::processEvents();
  QImage sheet = form.grab().toImage();
  QPainter painter(&sheet);
  for (QWidget* w : focused.focusable) {
    w->setFocus();
    QApplication::processEvents();
    const QRect area = w->geometry().adjusted(-2, -2, 2, 2);
    painter.drawImage(area.topLeft(), form.grab(area).toImage());
  }
  return sheet;
}

QList<QImage> RenderConverterPages() {
  TiValueConverterEditForm form;
  form.SetValue(45000.53125);
  ShowActive(form);
  QList<QImage> pages;
  for (int i = 0; i < form.PageControl().count(); ++i) {
    form.PageControl().setCurrentIndex(i);
    QApplication::processEvents();
    pages << form.grab().toImage();
  }
  return pages;
}

QStringList Write(const QString& folder, QString* error) {
  QStringList written{EditorControlsSheet::WriteImage(folder, QStringLiteral("editor_widgets.png"), Render(), error)};
  const QStringList names{QStringLiteral("interval"), QStringLiteral("datetime"), QStringLiteral("price32nds")};
  const QList<QImage> pages = RenderConverterPages();
  for (int i = 0; i < pages.size() && !written.last().isEmpty(); ++i)
    written << EditorControlsSheet::WriteImage(folder, QStringLiteral("value_converter_%1.png").arg(names[i]),
                                               pages[i], error);
  if (written.last().isEmpty()) return {};
  return written;
}

}  // namespace EditorWidgetsSheet
