#pragma once

#include <functional>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class QWidget;

/// Closes every modal dialog that opens while it lives and records the text
/// each one showed, so a test never hangs on a modal. GUI thread only.
class ModalDialogCloser : public QObject {
public:
  /// `answer` decides how a dialog is closed (default: reject / Escape).
  using Answer = std::function<void(QWidget* dialog)>;

  explicit ModalDialogCloser(Answer answer = {});

  /// Texts of the dialogs closed so far: a message box's text, otherwise the
  /// window title followed by the texts of its labels.
  const QStringList& Texts() const { return m_texts; }

  /// Runs the event loop until `count` dialogs were closed or `timeoutMs` passed.
  bool WaitFor(int count, int timeoutMs = 5000);

  static QString TextOf(QWidget* dialog);

private:
  void Poll();

  Answer m_answer;
  QStringList m_texts;
  QTimer m_timer;
};
