#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

/// Collects every Qt message (warnings included) raised on the GUI thread
/// while it lives, in place of printing them; restores the previous
/// handler when it ends. One at a time.
class QtMessageLog {
public:
  QtMessageLog() : m_previous(qInstallMessageHandler(&QtMessageLog::Collect)) { Messages().clear(); }
  ~QtMessageLog() { qInstallMessageHandler(m_previous); }
  QtMessageLog(const QtMessageLog&) = delete;
  QtMessageLog& operator=(const QtMessageLog&) = delete;

  /// The messages collected so far.
  static QStringList& Messages() {
    static QStringList messages;
    return messages;
  }

private:
  static void Collect(QtMsgType, const QMessageLogContext&, const QString& message) { Messages() << message; }

  QtMessageHandler m_previous;
};
