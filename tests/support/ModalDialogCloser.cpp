#include "tests/support/ModalDialogCloser.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QWidget>

ModalDialogCloser::ModalDialogCloser(Answer answer) : m_answer(std::move(answer)) {
  m_timer.setInterval(5);
  QObject::connect(&m_timer, &QTimer::timeout, this, &ModalDialogCloser::Poll);
  m_timer.start();
}

QString ModalDialogCloser::TextOf(QWidget* dialog) {
  if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
    return box->text();
  }
  QStringList parts{dialog->windowTitle()};
  for (const QLabel* label : dialog->findChildren<QLabel*>()) {
    if (!label->text().isEmpty()) {
      parts << label->text();
    }
  }
  return parts.join(QLatin1Char('\n'));
}

void ModalDialogCloser::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible()) {
    return;
  }
  m_texts << TextOf(modal);
  if (m_answer) {
    m_answer(modal);
  }
  if (!modal->isVisible()) {
    return;
  }
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  } else {
    modal->close();
  }
}

bool ModalDialogCloser::WaitFor(int count, int timeoutMs) {
  QDeadlineTimer deadline(timeoutMs);
  while (m_texts.size() < count && !deadline.hasExpired()) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return m_texts.size() >= count;
}
