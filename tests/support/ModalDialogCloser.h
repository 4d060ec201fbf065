#pragma once

#include <chrono>
#include <functional>

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

class QWidget;

/// Closes every modal dialog that opens while it lives and records the text
/// each one showed, once per showing, so a test never hangs on a modal. A
/// dialog still open `closeLimit` after it was answered is a test failure
/// that names it (it keeps being asked to close). GUI thread only.
class ModalDialogCloser : public QObject {
public:
  /// `answer` decides how a dialog is closed (default: reject / Escape).
  using Answer = std::function<void(QWidget* dialog)>;

  explicit ModalDialogCloser(Answer answer = {}, std::chrono::milliseconds closeLimit = std::chrono::seconds(5));

  /// Texts of the dialogs closed so far: a message box's text, otherwise the
  /// window title followed by the texts of its labels.
  const QStringList& Texts() const { return m_texts; }

  /// Runs the event loop until `count` dialogs were closed or `timeoutMs` passed.
  bool WaitFor(int count, int timeoutMs = 5000);

  static QString TextOf(QWidget* dialog);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void Poll();
  /// Rejects a dialog, or closes any other window.
  static void Dismiss(QWidget* modal);

  Answer m_answer;
  std::chrono::milliseconds m_closeLimit;
  QStringList m_texts;
  QTimer m_timer;
  QPointer<QWidget> m_answered;  ///< the showing answered last, until it hides
  QElapsedTimer m_answeredFor;
  bool m_reported = false;
};
