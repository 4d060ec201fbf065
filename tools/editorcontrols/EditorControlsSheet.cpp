#include "tools/editorcontrols/EditorControlsSheet.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QKeyEvent>
#include <QPainter>

#include "platform/widgets/TForm.h"
#include "plot/editor/TiCheckBox.h"
#include "plot/editor/TiRadioGroup.h"
#include "tools/gallery/Gallery.h"

// Every control's caption names its state; the form is shown so that the
// focus works, then grabbed.

namespace EditorControlsSheet {
namespace {

TiCheckBox* AddCheckBox(TForm& form, int left, int top, const QString& caption, TLeftRight alignment,
                        bool checked) {
  auto* box = new TiCheckBox(&form);
  box->SetAlignment(alignment);
  box->SetBounds(left, top, 97, 17);
  box->SetCaption(caption);
  box->SetChecked(checked);
  return box;
}

TiRadioGroup* AddRadioGroup(TForm& form, int left, int top, int width, const QString& caption, int columns) {
  auto* group = new TiRadioGroup(&form);
  group->SetBounds(left, top, width, 110);
  group->SetCaption(caption);
  group->SetItems({QStringLiteral("Linear"), QStringLiteral("Log"), QStringLiteral("Decibel"),
                   QStringLiteral("Percent"), QStringLiteral("Custom")});
  group->SetColumns(columns);
  group->SetItemIndex(1);
  return group;
}

void PressSpace(QWidget* w) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
  QApplication::sendEvent(w, &press);
}

}  // namespace

QImage Render() {
  TForm form;
  form.SetBounds(0, 0, 620, 400);
  form.SetColor(clBtnFace);

  const int right = 300;
  AddCheckBox(form, 12, 12, QStringLiteral("Unchecked"), TLeftRight::taRightJustify, false);
  AddCheckBox(form, 12, 36, QStringLiteral("Checked"), TLeftRight::taRightJustify, true);
  TiCheckBox* held = AddCheckBox(form, 12, 60, QStringLiteral("Held"), TLeftRight::taRightJustify, false);
  AddCheckBox(form, 12, 84, QStringLiteral("Disabled"), TLeftRight::taRightJustify, false)->SetEnabled(false);
  AddCheckBox(form, 12, 108, QStringLiteral("Disabled checked"), TLeftRight::taRightJustify, true)
      ->SetEnabled(false);
  TiCheckBox* focused = AddCheckBox(form, 12, 132, QStringLiteral("Focused"), TLeftRight::taRightJustify, true);
  AddCheckBox(form, right, 12, QStringLiteral("Left justified"), TLeftRight::taLeftJustify, false);
  AddCheckBox(form, right, 36, QStringLiteral("Left justified checked"), TLeftRight::taLeftJustify, true);
  AddCheckBox(form, right, 60, QStringLiteral("Left disabled"), TLeftRight::taLeftJustify, true)->SetEnabled(false);

  AddRadioGroup(form, 12, 160, 120, QStringLiteral("One column"), 1);
  AddRadioGroup(form, 144, 160, 220, QStringLiteral("Two columns"), 2);
  AddRadioGroup(form, 376, 160, 232, QStringLiteral("Three columns"), 3);
  AddRadioGroup(form, 12, 278, 220, QStringLiteral("Disabled"), 2)->SetEnabled(false);
  TiRadioGroup* focusedGroup = AddRadioGroup(form, 244, 278, 220, QStringLiteral("Focused"), 2);

  form.show();
  form.activateWindow();
  QDeadlineTimer deadline(2000);
  while (!form.isActiveWindow() && !deadline.hasExpired()) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  // One focus per window: the check box shows it in one picture, the radio
  // group in the other half of the sheet.
  focused->SetFocus();
  QApplication::processEvents();
  PressSpace(held);
  QApplication::processEvents();
  QImage sheet = form.grab().toImage();
  focusedGroup->SetFocus();
  QApplication::processEvents();
  const QImage groups = form.grab().toImage();
  const QRect lower(0, 270, sheet.width(), sheet.height() - 270);
  QPainter painter(&sheet);
  painter.drawImage(lower.topLeft(), groups, lower);
  painter.end();
  return sheet;
}

QString Write(const QString& folder, QString* error) {
  return WriteImage(folder, QStringLiteral("editor_controls.png"), Render(), error);
}

QString WriteImage(const QString& folder, const QString& fileName, const QImage& image, QString* error) {
  if (!QDir().mkpath(folder)) {
    *error = QStringLiteral("cannot create %1").arg(folder);
    return {};
  }
  const QString path = QDir(folder).filePath(fileName);
  if (!Gallery::WritePng(path, image, error)) {
    return {};
  }
  return path;
}

}  // namespace EditorControlsSheet
