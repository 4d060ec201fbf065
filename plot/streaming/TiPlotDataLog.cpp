#include "plot/streaming/TiPlotDataLog.h"

#include <QLoggingCategory>

#include "platform/files/AppendToFile.h"
#include "platform/files/WriteWholeFile.h"
#include "plot/base/EPlotError.h"

namespace {

Q_LOGGING_CATEGORY(lcPlotLog, "krv71.plot.log")

}  // namespace

void TiPlotDataLog::Start(const QString& fileName, qint64 rowsInFile) {
  m_fileName = fileName;
  m_fileRows = rowsInFile;
  m_pending.clear();
  m_pendingRows = 0;
  m_active = true;
}

void TiPlotDataLog::AddRow(const QByteArray& row) {
  m_pending += row;
  ++m_pendingRows;
}

void TiPlotDataLog::Flush() {
  if (m_pendingRows == 0) {
    return;
  }
  QString error;
  if (!AppendToFile(m_fileName, m_pending, &error)) {
    throw EPlotError(error);
  }
  m_fileRows += m_pendingRows;
  m_pending.clear();
  m_pendingRows = 0;
}

void TiPlotDataLog::Stop() {
  Flush();
  m_active = false;
}

void TiPlotDataLog::StopQuietly() noexcept {
  if (!m_active) {
    return;
  }
  try {
    Stop();
  } catch (const EPlotError& e) {
    qCWarning(lcPlotLog) << "Log" << m_fileName << "lost" << m_pendingRows << "rows:" << e.Message();
  }
  m_active = false;
}

void CreateLogFile(const QString& fileName, const QByteArray& header) {
  QString error;
  if (!WriteWholeFile(fileName, header, &error)) {
    throw EPlotError(error);
  }
}
