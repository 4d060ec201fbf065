#include <QFile>

#include "platform/files/WriteWholeFile.h"
#include "plot/base/EPlotError.h"
#include "plot/base/iTextFile.h"
#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotUpdateBlock.h"

namespace {

std::vector<TiDataFileChannel> ChannelColumns(const TiPlotKindManager& channels) {
  std::vector<TiDataFileChannel> columns;
  for (int c = 0; c < channels.Count(); ++c) {
    const TiPlotChannelCustom& channel = *channels.ItemAs<TiPlotChannelCustom>(c);
    TiDataFileChannel& column = columns.emplace_back();
    column.Title = channel.TitleText();
    for (int i = 0; i < channel.Count(); ++i) {
      column.Points.push_back(channel.FilePoint(i));
    }
  }
  return columns;
}

}  // namespace

void TiPlotComponent::SetDataFileFormat(TiPlotDataFileFormat value) {
  if (LoggingActive()) {
    throw EPlotError(QStringLiteral("Data File Format can not be changed while logging active"));
  }
  m_dataFileFormat = value;
}

void TiPlotComponent::SetDataFileColumnSeparator(TiPlotDataFileColumnSeparator value) {
  if (value == m_dataFileColumnSeparator) {
    return;
  }
  if (LoggingActive()) {
    throw EPlotError(QStringLiteral("Data File Column Seperator can not be changed while logging active"));
  }
  m_dataFileColumnSeparator = value;
}

QChar TiPlotComponent::DataFileSeparator() const {
  return m_dataFileColumnSeparator == TiPlotDataFileColumnSeparator::ipdfcsComma ? QLatin1Char(',')
                                                                                 : QLatin1Char('\t');
}

void TiPlotComponent::SaveDataToFile(const QString& fileName) {
  WithErrorPrefix("Error Saving Data - ", [&] {
    const std::vector<TiDataFileChannel> columns = ChannelColumns(Master().ChannelManager());
    if (m_dataFileFormat == TiPlotDataFileFormat::ipdffText) {
      WriteTextFileLines(fileName, DataFileTextLines(columns, DataFileSeparator()));
      return;
    }
    QString error;
    if (!WriteWholeFile(fileName, DataFileCompactBytes(columns), &error)) {
      throw EPlotError(error);
    }
  });
  m_lastDataFileName = fileName;
  Raise(OnAfterSaveData, this);
}

void TiPlotComponent::LoadDataFromFile(const QString& fileName) { LoadDataFile(fileName, false); }

void TiPlotComponent::ReplaceDataFromFile(const QString& fileName) { LoadDataFile(fileName, true); }

void TiPlotComponent::LoadDataFile(const QString& fileName, bool replace) {
  const TUpdateBlock block(*this);
  TiPlotKindManager& channels = Master().ChannelManager();
  bool lastRowIncomplete = false;
  WithErrorPrefix("Error Loading Data - ", [&] {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
      throw EPlotError(file.errorString());
    }
    const TiDataFileContents contents = ReadDataFile(file.readAll(), channels.Count());
    for (int c = 0; c < channels.Count(); ++c) {
      std::vector<double> xs;
      for (const TiDataFilePoint& p : contents.Channels[size_t(c)]) {
        xs.push_back(p.X);
      }
      channels.ItemAs<TiPlotChannelCustom>(c)->CheckAddXY(xs, replace);
    }
    if (replace) {
      ClearAllData();
    }
    for (int c = 0; c < channels.Count(); ++c) {
      TiPlotChannelCustom& channel = *channels.ItemAs<TiPlotChannelCustom>(c);
      for (const TiDataFilePoint& p : contents.Channels[size_t(c)]) {
        const int index = channel.AddXY(p.X, p.Y);
        if (p.Kind == TiDataFilePoint::Null) {
          channel.SetNull(index, true);
        } else if (p.Kind == TiDataFilePoint::Empty) {
          channel.SetEmpty(index, true);
        }
      }
    }
    lastRowIncomplete = contents.LastRowIncomplete;
  });
  m_lastDataFileName = fileName;
  Raise(OnAfterLoadData, this);
  if (lastRowIncomplete) {
    throw EPlotError(QStringLiteral("Error Loading Data - The last row was incomplete; the rows before it were loaded"));
  }
}
