#pragma once

#include <QByteArray>
#include <QString>

/// A log file that rows are fed to while logging is on: each row is kept as
/// the bytes it will have in the file when it is fed, and a flush appends
/// every kept row in one write. A write that fails leaves the file as it
/// was and keeps the rows for the next flush, so a full disk or a log moved
/// away loses nothing. The file is opened only while a batch is written.
/// Owned by the plot or channel that logs; GUI thread.
class TiPlotDataLog {
public:
  bool Active() const { return m_active; }
  const QString& FileName() const { return m_fileName; }
  /// Rows fed and not yet written.
  int PendingRows() const { return m_pendingRows; }
  /// Rows in the file and pending: the index the next row gets.
  qint64 RowCount() const { return m_fileRows + m_pendingRows; }

  /// Logging on, to a file that holds rowsInFile rows; nothing pending.
  void Start(const QString& fileName, qint64 rowsInFile);
  void AddRow(const QByteArray& row);
  /// Appends the pending rows. EPlotError with the file's error when the
  /// write fails; the rows then stay pending.
  void Flush();
  /// Writes the pending rows, then ends logging. A failed write throws and
  /// leaves logging on with its rows.
  void Stop();
  /// Stop for a plot or channel going away: a failed write is reported to
  /// the log category only.
  void StopQuietly() noexcept;

private:
  QString m_fileName;
  QByteArray m_pending;
  int m_pendingRows = 0;
  qint64 m_fileRows = 0;
  bool m_active = false;
};

/// Creates (or empties) a log file holding only header; EPlotError with the
/// reason when it cannot be written.
void CreateLogFile(const QString& fileName, const QByteArray& header);
