#include "tests/support/ModalDialogCloser.h"

#include "tests/support/ProcessEventsUntil.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QWidget>

#include <gtest/gtest.h>

ModalDialogCloser::ModalDialogCloser(Answer answer, std::chrono::milliseconds closeLimit)
    : m_answer(std::move(answer)), m_closeLimit(closeLimit) {
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
  if (modal != m_answered) {
    // A new showing: its text once, and the answer.
    if (m_answered != nullptr) {
      m_answered->removeEventFilter(this);
    }
    m_answered = modal;
    m_answeredFor.start();
    m_reported = false;
    modal->installEventFilter(this);
    m_texts << TextOf(modal);
    if (m_answer) {
      m_answer(modal);
    }
    if (!modal->isVisible()) {
      return;
    }
  } else if (!m_reported && m_answeredFor.elapsed() > m_closeLimit.count()) {
    m_reported = true;
    ADD_FAILURE() << "The modal dialog \"" << TextOf(modal).toStdString() << "\" is still open "
                  << m_closeLimit.count() << " ms after it was answered";
  }
  Dismiss(modal);
}

void ModalDialogCloser::Dismiss(QWidget* modal) {
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  } else {
    modal->close();
  }
}

bool ModalDialogCloser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_answered && event->type() == QEvent::Hide) {
    m_answered->removeEventFilter(this);
    m_answered = nullptr;
  }
  return QObject::eventFilter(watched, event);
}

bool ModalDialogCloser::WaitFor(int count, int timeoutMs) {
  return ProcessEventsUntil([&] { return m_texts.size() >= count; }, std::chrono::milliseconds(timeoutMs));
}
