#include "plot/editor/TiComponentEditorComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include "plot/editor/TiBlockingScope.h"
#include "plot/editor/TiCustomEditorForm.h"
#include "plot/editor/iHandlerError.h"

TiComponentEditorComboBox::TiComponentEditorComboBox(QWidget* parent) : QComboBox(parent) {
  // Qt's own signals come from code too; only these two are a user's own.
  connect(this, &QComboBox::activated, this, [this] { UserChanged(); });
  connect(this, &QComboBox::editTextChanged, this, [this] {
    if (lineEdit() && lineEdit()->hasFocus() && !m_blockingEvents) UserChanged();
  });
}

QStringList TiComponentEditorComboBox::Items() const {
  QStringList items;
  for (int i = 0; i < count(); ++i) items << itemText(i);
  return items;
}

void TiComponentEditorComboBox::SetItems(const QStringList& items) {
  TiBlockingScope blocking(m_blockingEvents, OnChange);
  const QSignalBlocker quiet(this);
  clear();
  addItems(items);
  setCurrentIndex(-1);
}

void TiComponentEditorComboBox::SetAsInteger(int value) {
  TiBlockingScope blocking(m_blockingEvents, OnChange);
  const QSignalBlocker quiet(this);
  setCurrentIndex(value < count() ? value : -1);
}

void TiComponentEditorComboBox::SetAsString(const QString& value) {
  TiBlockingScope blocking(m_blockingEvents, OnChange);
  SetTextSilently(value);
}

void TiComponentEditorComboBox::SetTextSilently(const QString& value) {
  const QSignalBlocker quiet(this);
  if (isEditable())
    setEditText(value);
  else
    setCurrentIndex(findText(value));
}

void TiComponentEditorComboBox::SetColor(TColor value) {
  m_color = value;
  QPalette colors = palette();
  colors.setColor(QPalette::Base, ToQColor(value));
  colors.setColor(QPalette::Button, ToQColor(value));
  setPalette(colors);
}

void TiComponentEditorComboBox::Disable() {
  TiBlockingScope blocking(m_blockingEvents, OnChange);
  setEnabled(false);
  SetColor(clBtnFace);
  const QSignalBlocker quiet(this);
  setCurrentIndex(-1);
  if (isEditable()) setEditText(QString());
}

void TiComponentEditorComboBox::Enable() {
  setEnabled(true);
  SetColor(clWindow);
}

void TiComponentEditorComboBox::UserChanged() {
  if (m_blockingEvents) return;
  RunShowingErrors(this, [this] {
    Raise(OnChange, this);
    ReportUserChange(this);
  });
}

void TiComponentEditorComboBox::showPopup() {
  RunShowingErrors(this, [this] { Raise(OnDropDown, this); });
  QComboBox::showPopup();
}

void TiComponentEditorComboBox::keyPressEvent(QKeyEvent* event) {
  QComboBox::keyPressEvent(event);
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape)
    event->accept();
}
