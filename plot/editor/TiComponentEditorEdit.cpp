#include "plot/editor/TiComponentEditorEdit.h"

#include <QKeyEvent>

#include "plot/base/iPropertyText.h"
#include "plot/editor/TiBlockingScope.h"
#include "plot/editor/TiCustomEditorForm.h"
#include "plot/editor/iEditorDateTime.h"
#include "plot/editor/iHandlerError.h"

namespace {

bool ReadsAsNumber(const QString& text) {
  double value = 0;
  return text.trimmed().isEmpty() || TextToFloat(text.trimmed(), value);
}

}  // namespace

TiComponentEditorEdit::TiComponentEditorEdit(QWidget* parent) : QLineEdit(parent) {
  resize(width(), 21);
  SetColor(clWindow);
}

int TiComponentEditorEdit::AsInteger() const {
  bool ok = false;
  const int value = text().trimmed().toInt(&ok);
  return ok ? value : 0;
}

void TiComponentEditorEdit::SetAsInteger(int value) { SetCommitted(QString::number(value)); }

double TiComponentEditorEdit::AsFloat() const {
  double value = 0;
  return TextToFloat(text().trimmed(), value) ? value : 0;
}

void TiComponentEditorEdit::SetAsFloat(double value) { SetCommitted(FloatToText(value)); }

void TiComponentEditorEdit::SetAsString(const QString& value) { SetCommitted(value); }

double TiComponentEditorEdit::AsDateTime() const { return TextToDateTime(text()); }

void TiComponentEditorEdit::SetAsDateTime(double value) { SetCommitted(DateTimeToText(value)); }

void TiComponentEditorEdit::SetColor(TColor value) {
  m_color = value;
  QPalette colors = palette();
  colors.setColor(QPalette::Base, ToQColor(value));
  setPalette(colors);
}

void TiComponentEditorEdit::SetEnabled(bool value) {
  setEnabled(value);
  SetColor(value ? clWindow : clBtnFace);
}

void TiComponentEditorEdit::Disable() {
  TiBlockingScope blocking(m_blockingEvents, OnChange);
  SetEnabled(false);
  SetText(QString());
  m_originalText.clear();
}

void TiComponentEditorEdit::DisableNoClear() {
  TiBlockingScope blocking(m_blockingEvents, OnChange);
  SetEnabled(false);
}

void TiComponentEditorEdit::Enable() { SetEnabled(true); }

void TiComponentEditorEdit::SetStringWithEvent(const QString& value) {
  SetText(value);
  ReportUserChange(this);
  DoUpdate();
}

void TiComponentEditorEdit::SetIntegerWithEvent(int value) { SetStringWithEvent(QString::number(value)); }

void TiComponentEditorEdit::SetDoubleWithEvent(double value) { SetStringWithEvent(FloatToText(value)); }

void TiComponentEditorEdit::DoUpdate() {
  if (text() == m_originalText) return;
  if (m_numeric && !ReadsAsNumber(text())) {
    SetCommitted(m_originalText);
    return;
  }
  m_originalText = text();
  Raise(OnUpdate, this);
  if (!m_blockingEvents) ReportUserChange(this);
}

void TiComponentEditorEdit::SetText(const QString& value) {
  if (value == text()) return;
  setText(value);
  Raise(OnChange, this);
}

void TiComponentEditorEdit::SetCommitted(const QString& value) {
  TiBlockingScope blocking(m_blockingEvents, OnChange);
  SetText(value);
  m_originalText = value;
}

void TiComponentEditorEdit::CommitFromUser() {
  RunShowingErrors(this, [this] { DoUpdate(); });
}

void TiComponentEditorEdit::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      CommitFromUser();
      selectAll();
      event->accept();
      return;
    case Qt::Key_Escape:
      SetText(m_originalText);
      selectAll();
      event->accept();
      return;
    default:
      break;
  }
  if (event->text() == QStringLiteral("\n")) {
    event->accept();
    return;
  }
  const QString before = text();
  QLineEdit::keyPressEvent(event);
  if (text() != before) Raise(OnChange, this);
}

void TiComponentEditorEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  CommitFromUser();
}
