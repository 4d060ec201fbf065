#include <QDateTime>
#include <QFile>

#include "platform/text/AnsiCodePage.h"
#include "platform/files/AppendToFile.h"
#include "plot/base/EPlotError.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/channels/TiXYPlotChannel.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"

namespace {

/// Bytes read from the start of a log to check its header.
constexpr qint64 LogHeadBytes = 65536;

bool IsNullMarker(double v) { return v > 1e-301 && v < 1e-300; }
bool IsEmptyMarker(double v) { return v > 1e-302 && v < 1e-301; }

void CheckChannelCount(const TiPlotKindManager& channels, size_t count) {
  if (count > size_t(channels.Count())) {
    ThrowListIndexError(channels.Count());
  }
}

void AddMarkedValue(TiPlotChannelCustom& channel, double x, double value) {
  const bool null = IsNullMarker(value);
  const bool empty = IsEmptyMarker(value);
  if (auto* series = dynamic_cast<TiPlotChannel*>(&channel)) {
    null ? series->AddXNull(x) : empty ? series->AddXEmpty(x) : series->AddXY(x, value);
  } else if (auto* xy = dynamic_cast<TiXYPlotChannel*>(&channel); xy != nullptr && (null || empty)) {
    null ? xy->AddNull() : xy->AddEmpty();
  } else {
    channel.AddXY(x, value);
  }
}

}  // namespace

double TiPlotComponent::GetNow() {
  const QDateTime now = QDateTime::currentDateTime();
  const double localMs = double(now.toMSecsSinceEpoch()) + now.offsetFromUtc() * 1000.0;
  return localMs / 86400000.0 + 25569.0;
}

void TiPlotComponent::SetLogFileName(const QString& value) {
  if (value == m_logFileName) {
    return;
  }
  if (LoggingActive()) {
    throw EPlotError(QStringLiteral("Log File Name can not be changed while logging is active."));
  }
  m_logFileName = value;
}

void TiPlotComponent::AddDataArray(double xValue, const std::vector<double>& data) {
  TiPlotKindManager& channels = Master().ChannelManager();
  CheckChannelCount(channels, data.size());
  for (size_t k = 0; k < data.size(); ++k) {
    AddMarkedValue(*channels.ItemAs<TiPlotChannelCustom>(int(k)), xValue, data[k]);
  }
  LogLastRow(int(data.size()), xValue);
}

void TiPlotComponent::AddDataArray(double xStep, const std::vector<std::vector<double>>& data) {
  TiPlotKindManager& channels = Master().ChannelManager();
  CheckChannelCount(channels, data.size());
  for (const std::vector<double>& samples : data) {
    if (samples.size() != data[0].size()) {
      throw EPlotError(QStringLiteral("Data Array must be 1 or 2 Dimensions"));
    }
  }
  const size_t columns = data.empty() ? 0 : data[0].size();
  for (size_t j = 0; j < columns; ++j) {
    for (size_t i = 0; i < data.size(); ++i) {
      TiPlotChannelCustom& channel = *channels.ItemAs<TiPlotChannelCustom>(int(i));
      channel.AddXY(channel.Count() > 0 ? channel.XLast() + xStep : 0, data[i][j]);
    }
    LogLastRow(int(data.size()), 0);
  }
}

void TiPlotComponent::LogLastRow(int fedChannels, double xValue) {
  if (!m_log.Active()) {
    return;
  }
  const TiPlotKindManager& channels = Master().ChannelManager();
  std::vector<TiDataFilePoint> row(size_t(channels.Count()), TiDataFilePoint{0, 0, TiDataFilePoint::Missing});
  for (int c = 0; c < fedChannels; ++c) {
    const TiPlotChannelCustom& channel = *channels.ItemAs<TiPlotChannelCustom>(c);
    row[size_t(c)] = channel.FilePoint(channel.Count() - 1);
  }
  if (m_dataFileFormat == TiPlotDataFileFormat::ipdffText) {
    const double x = fedChannels > 0 ? row[0].X : xValue;
    m_log.AddRow(DataFileSharedXRow(x, row, DataFileSeparator()).toLatin1() + "\r\n");
  } else {
    m_log.AddRow(DataFileCompactRow(row, m_log.RowCount() < 2));
  }
  if (m_log.PendingRows() >= m_logBufferSize) {
    m_log.Flush();
  }
}

void TiPlotComponent::LogActivate(bool append) {
  if (m_logFileName.trimmed().isEmpty()) {
    throw EPlotError(QStringLiteral("Log File Name not Defined"));
  }
  if (LoggingActive()) {
    throw EPlotError(QStringLiteral("Logging Already Active"));
  }
  const TiPlotKindManager& channels = Master().ChannelManager();
  const bool compact = m_dataFileFormat == TiPlotDataFileFormat::ipdffCompactInterval;
  qint64 rows = 0;
  bool header = !append;
  if (append) {
    QString error;
    if (!AppendToFile(m_logFileName, {}, &error)) {
      throw EPlotError(error);
    }
    QFile file(m_logFileName);
    if (!file.open(QIODevice::ReadOnly)) {
      throw EPlotError(file.errorString());
    }
    const qint64 size = file.size();
    // An empty file is a log that has not begun: it gets the header.
    header = size == 0;
    if (!header) {
      const QByteArray head = file.read(LogHeadBytes);
      file.seek(std::max<qint64>(0, size - 4));
      rows = DataFileLogRows(head, file.read(4), size, compact, channels.Count(), DataFileSeparator());
    }
  }
  if (header && compact) {
    CreateLogFile(m_logFileName, DataFileCompactHeader(channels.Count()));
  } else if (header) {
    QStringList titles;
    for (int c = 0; c < channels.Count(); ++c) {
      titles << channels.ItemAs<TiPlotChannelCustom>(c)->TitleText();
    }
    CreateLogFile(m_logFileName, WideToAnsi(DataFileSharedXHeader(titles, DataFileSeparator())) + "\r\n");
  }
  m_log.Start(m_logFileName, rows);
}

void TiPlotComponent::LogDeactivate() {
  if (!LoggingActive()) {
    throw EPlotError(QStringLiteral("Logging not Active"));
  }
  m_log.Stop();
}

void TiPlotComponent::ClearAllData() {
  if (LoggingActive()) {
    LogDeactivate();
  }
  Master().ClearAllData();
}
