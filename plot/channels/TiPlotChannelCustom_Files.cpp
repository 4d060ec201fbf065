#include <QFile>

#include "platform/files/AppendToFile.h"
#include "plot/base/EPlotError.h"
#include "plot/base/iTextFile.h"
#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/streaming/TiPlotPropertiesFile.h"

void TiPlotChannelCustom::SavePropertiesToFile(const QString& fileName) {
  SaveChannelProperties(*this, fileName, Owner()->DifferentialPropertySave());
}

void TiPlotChannelCustom::LoadPropertiesFromFile(const QString& fileName) { LoadChannelProperties(*this, fileName); }

TiDataFilePoint TiPlotChannelCustom::FilePoint(int index) const {
  TiDataFilePoint p;
  bool empty = false;
  bool null = false;
  GetXYEmptyNull(index, p.X, p.Y, empty, null);
  p.Kind = null ? TiDataFilePoint::Null : empty ? TiDataFilePoint::Empty : TiDataFilePoint::Value;
  return p;
}

void TiPlotChannelCustom::SaveDataToFile(const QString& fileName) {
  std::vector<TiDataFilePoint> points;
  for (int i = 0; i < Count(); ++i) {
    points.push_back(FilePoint(i));
  }
  WriteTextFileLines(fileName, ChannelDataFileLines(points, Owner()->DataFileSeparator()));
}

void TiPlotChannelCustom::LoadDataFromFile(const QString& fileName, bool clearPreviousData) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    throw EPlotError(file.errorString());
  }
  const TiDataFileContents contents = ReadChannelDataFile(file.readAll());
  if (m_log.Active()) {
    LogDeactivate();
  }
  if (clearPreviousData) {
    Clear();
  }
  for (const TiDataFilePoint& p : contents.Channels[0]) {
    AddPoint(p.X, p.Y, p.Kind == TiDataFilePoint::Null, false);
  }
  if (contents.LastRowIncomplete) {
    throw EPlotError(QStringLiteral("The last row of \"%1\" was incomplete; the rows before it were loaded").arg(fileName));
  }
}

void TiPlotChannelCustom::SetLogFileName(const QString& value) {
  if (value == m_logFileName) {
    return;
  }
  if (m_log.Active()) {
    throw EPlotError(TranslateString(QStringLiteral("Log File Name can not be changed while logging is active.")));
  }
  m_logFileName = value;
}

void TiPlotChannelCustom::LogActivate(bool append) {
  if (m_logFileName.trimmed().isEmpty()) {
    throw EPlotError(QStringLiteral("Log File Name not Defined"));
  }
  if (m_log.Active()) {
    throw EPlotError(QStringLiteral("Logging Already Active"));
  }
  if (append) {
    QString error;
    if (!AppendToFile(m_logFileName, {}, &error)) {
      throw EPlotError(error);
    }
  } else {
    CreateLogFile(m_logFileName, {});
  }
  m_log.Start(m_logFileName, 0);
}

void TiPlotChannelCustom::LogDeactivate() {
  if (!m_log.Active()) {
    throw EPlotError(QStringLiteral("Logging not Active"));
  }
  m_log.Stop();
}

void TiPlotChannelCustom::FlushLog() { m_log.Flush(); }
