#include "platform/widgets/TMemo.h"

#include <QPlainTextEdit>

TMemo::TMemo(QWidget* parent) : TWinControl(parent), m_text(new QPlainTextEdit(this)) {
  SetBounds(0, 0, 185, 89);
  SetColor(clWindow);
  SetTabStop(true);
  m_text->setGeometry(0, 0, Width(), Height());
  m_text->setFont(Font().ToQFont());
  setFocusProxy(m_text);
  SetScrollBars(TScrollStyle::ssNone);
}

QStringList TMemo::Lines() const {
  const QString text = m_text->toPlainText();
  return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TMemo::SetLines(const QStringList& lines) { m_text->setPlainText(lines.join(QLatin1Char('\n'))); }

void TMemo::Add(const QString& line) { m_text->appendPlainText(line); }

void TMemo::Clear() { m_text->clear(); }

void TMemo::SetScrollBars(TScrollStyle value) {
  m_scrollBars = value;
  const bool vertical = value == TScrollStyle::ssVertical || value == TScrollStyle::ssBoth;
  const bool horizontal = value == TScrollStyle::ssHorizontal || value == TScrollStyle::ssBoth;
  m_text->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  m_text->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  m_text->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
}

void TMemo::SetEnabled(bool value) {
  TWinControl::SetEnabled(value);
  m_text->setEnabled(value);
}

void TMemo::resizeEvent(QResizeEvent* event) {
  TWinControl::resizeEvent(event);
  m_text->setGeometry(0, 0, Width(), Height());
}

void TMemo::FontChanged() {
  TWinControl::FontChanged();
  m_text->setFont(Font().ToQFont());
}
