#include <vector>

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiXYPlot.h"
#include "tests/plot/ErrorOf.h"
#include "tests/plot/PlotTestChannels.h"
#include "tests/plot/streaming/PlotFileSupport.h"
#include "tests/support/FileSizeLimit.h"

namespace {

using Points = std::vector<TestPoint>;

const double NullMarker = 1e-300 / 2;
const double EmptyMarker = 1e-301 / 2;

/// A plot of channels A and B logging to a file in a fresh directory.
struct LoggingPlot {
  LoggingPlot() {
    UseChannels(plot, {"A", "B"});
    plot.SetLogFileName(log);
  }
  QTemporaryDir dir;
  QString log = dir.filePath(QStringLiteral("log.txt"));
  TiPlot plot;
};

QByteArray TextRows(int from, int to) {
  QByteArray rows;
  for (int r = from; r < to; ++r) {
    rows += QByteArray::number(r) + "\t" + QByteArray::number(10 * r) + "\t" + QByteArray::number(-r) + "\r\n";
  }
  return rows;
}

void FeedRows(TiPlotComponent& plot, int from, int to) {
  for (int r = from; r < to; ++r) {
    plot.AddDataArray(r, std::vector<double>{10.0 * r, double(-r)});
  }
}

const QByteArray TextHeader = "(X)\tA(Y)\tB(Y)\r\n";

}  // namespace

TEST(PlotLogging, OneRowWithMarkers_addsNullAndEmptyPoints) {
  TiPlot plot;
  UseChannels(plot, {"A", "B", "C"});
  plot.AddDataArray(3, std::vector<double>{NullMarker, 5, EmptyMarker});
  EXPECT_EQ(PointsOf(ChannelOf(plot, 0)), (Points{{3, 0, true}}));
  EXPECT_EQ(PointsOf(ChannelOf(plot, 1)), (Points{{3, 5}}));
  EXPECT_EQ(PointsOf(ChannelOf(plot, 2)), (Points{{3, 0, false, true}}));
  // The bands are exclusive: their bounds are values.
  plot.AddDataArray(4, std::vector<double>{1e-300, 1e-301});
  EXPECT_FALSE(ChannelOf(plot, 0).GetNull(1));
  EXPECT_FALSE(ChannelOf(plot, 1).GetNull(1));
  EXPECT_FALSE(ChannelOf(plot, 1).GetEmpty(1));

  TiXYPlot xy;
  UseChannels(xy, {"A", "B"});
  xy.AddDataArray(3, std::vector<double>{NullMarker, EmptyMarker});
  EXPECT_TRUE(ChannelOf(xy, 0).GetNull(0));
  EXPECT_TRUE(ChannelOf(xy, 1).GetEmpty(0));
}

TEST(PlotLogging, BlockOfSamples_stepsFromEachChannelsLastX_andLogsAColumnARow) {
  LoggingPlot p;
  p.plot.SetLogBufferSize(10);
  p.plot.LogActivate(false);
  p.plot.AddDataArray(0.5, std::vector<std::vector<double>>{{1, 2, 3}, {4, 5, 6}});
  EXPECT_EQ(PointsOf(ChannelOf(p.plot, 0)), (Points{{0, 1}, {0.5, 2}, {1, 3}}));
  EXPECT_EQ(PointsOf(ChannelOf(p.plot, 1)), (Points{{0, 4}, {0.5, 5}, {1, 6}}));
  EXPECT_EQ(FileBytes(p.log), TextHeader);
  p.plot.LogDeactivate();
  EXPECT_EQ(FileBytes(p.log), TextHeader + "0\t1\t4\r\n0.5\t2\t5\r\n1\t3\t6\r\n");
}

TEST(PlotLogging, MoreValuesThanChannels_refusedBeforeAnyIsAdded) {
  TiPlot plot;
  UseChannels(plot, {"A", "B"});
  EXPECT_EQ(ErrorOf([&] { plot.AddDataArray(1, std::vector<double>{1, 2, 3}); }),
            QStringLiteral("List index out of bounds (2)"));
  EXPECT_EQ(ErrorOf([&] { plot.AddDataArray(1, std::vector<std::vector<double>>{{1}, {2}, {3}}); }),
            QStringLiteral("List index out of bounds (2)"));
  EXPECT_EQ(ErrorOf([&] { plot.AddDataArray(1, std::vector<std::vector<double>>{{1, 2}, {3}}); }),
            QStringLiteral("Data Array must be 1 or 2 Dimensions"));
  EXPECT_EQ(ChannelOf(plot, 0).Count(), 0);
  EXPECT_EQ(ChannelOf(plot, 1).Count(), 0);
}

TEST(PlotLogging, BatchesOfTen_deactivateWritesTheRest) {
  LoggingPlot p;
  p.plot.SetLogBufferSize(10);
  p.plot.LogActivate(false);
  FeedRows(p.plot, 0, 9);
  EXPECT_EQ(FileBytes(p.log), TextHeader);
  FeedRows(p.plot, 9, 10);
  EXPECT_EQ(FileBytes(p.log), TextHeader + TextRows(0, 10));
  FeedRows(p.plot, 10, 13);
  p.plot.LogDeactivate();
  EXPECT_FALSE(p.plot.LoggingActive());
  EXPECT_EQ(FileBytes(p.log), TextHeader + TextRows(0, 13));
  EXPECT_EQ(ErrorOf([&] { p.plot.LogDeactivate(); }), QStringLiteral("Logging not Active"));
}

TEST(PlotLogging, ActivateChecks_andWhatAppendFindsOnDisk) {
  LoggingPlot p;
  p.plot.SetLogFileName(QStringLiteral("  "));
  EXPECT_EQ(ErrorOf([&] { p.plot.LogActivate(false); }), QStringLiteral("Log File Name not Defined"));
  p.plot.SetLogFileName(p.log);
  EXPECT_FALSE(ErrorOf([&] { p.plot.LogActivate(true); }).isEmpty());
  EXPECT_FALSE(p.plot.LoggingActive());

  WriteBytes(p.log, "old contents");
  p.plot.LogActivate(false);
  EXPECT_EQ(FileBytes(p.log), TextHeader);
  EXPECT_EQ(ErrorOf([&] { p.plot.LogActivate(false); }), QStringLiteral("Logging Already Active"));
  p.plot.LogDeactivate();

  struct Case {
    const char* name;
    QByteArray contents;
    TiPlotDataFileFormat format;
  };
  const Case refused[] = {
      {"three channels", "(X)\tA(Y)\tB(Y)\tC(Y)\r\n", TiPlotDataFileFormat::ipdffText},
      {"compact for a text log", "Compact Interval\r\n2\r\n", TiPlotDataFileFormat::ipdffText},
      {"text for a compact log", TextHeader, TiPlotDataFileFormat::ipdffCompactInterval},
      {"compact of one channel", "Compact Interval\r\n1\r\n", TiPlotDataFileFormat::ipdffCompactInterval},
      {"compact cut inside a row", "Compact Interval\r\n2\r\n" + Singles({0, 1, 0}),
       TiPlotDataFileFormat::ipdffCompactInterval},
      {"saved compact with its end value", "Compact Interval\r\n2\r\n" + Singles({0, 1, 0, 1, 2e38F}),
       TiPlotDataFileFormat::ipdffCompactInterval},
      {"text cut inside a row", TextHeader + "0\t1", TiPlotDataFileFormat::ipdffText},
  };
  for (const Case& c : refused) {
    SCOPED_TRACE(c.name);
    WriteBytes(p.log, c.contents);
    p.plot.SetDataFileFormat(c.format);
    EXPECT_FALSE(ErrorOf([&] { p.plot.LogActivate(true); }).isEmpty());
    EXPECT_FALSE(p.plot.LoggingActive());
    EXPECT_EQ(FileBytes(p.log), c.contents);
  }
}

TEST(PlotLogging, ClearAllDataWritesThePendingRowsAndStops) {
  LoggingPlot p;
  p.plot.SetLogBufferSize(10);
  p.plot.LogActivate(false);
  FeedRows(p.plot, 0, 3);
  p.plot.ClearAllData();
  EXPECT_FALSE(p.plot.LoggingActive());
  EXPECT_EQ(ChannelOf(p.plot, 0).Count(), 0);
  EXPECT_EQ(FileBytes(p.log), TextHeader + TextRows(0, 3));
}

TEST(PlotLogging, RingSmallerThanTheBatch_logsEveryRow) {
  LoggingPlot p;
  ChannelOf(p.plot, 0).SetRingBufferSize(5);
  ChannelOf(p.plot, 1).SetRingBufferSize(5);
  p.plot.SetLogBufferSize(10);
  p.plot.LogActivate(false);
  FeedRows(p.plot, 0, 12);
  p.plot.LogDeactivate();
  EXPECT_EQ(FileBytes(p.log), TextHeader + TextRows(0, 12));
}

TEST(PlotLogging, DeletingPointsWhileLogging_logsEveryRow) {
  LoggingPlot p;
  p.plot.SetLogBufferSize(4);
  p.plot.LogActivate(false);
  FeedRows(p.plot, 0, 3);
  ChannelOf(p.plot, 0).DeletePoints(2);
  ChannelOf(p.plot, 1).DeletePoints(2);
  FeedRows(p.plot, 3, 6);
  p.plot.LogDeactivate();
  EXPECT_EQ(FileBytes(p.log), TextHeader + TextRows(0, 6));
}

TEST(PlotLogging, CompactLogStartedLate_andAppendedByALaterRun_readsBackWithItsX) {
  QTemporaryDir dir;
  const QString log = dir.filePath(QStringLiteral("log.dat"));
  {
    TiPlot plot;
    UseChannels(plot, {"A"});
    for (int r = 0; r < 100; ++r) {
      ChannelOf(plot, 0).AddXY(r, r);
    }
    plot.SetDataFileFormat(TiPlotDataFileFormat::ipdffCompactInterval);
    plot.SetLogFileName(log);
    plot.LogActivate(false);
    for (int r = 100; r < 103; ++r) {
      plot.AddDataArray(r, std::vector<double>{2.0 * r});
    }
    plot.LogDeactivate();
  }
  EXPECT_EQ(FileBytes(log), "Compact Interval\r\n1\r\n" + Singles({100, 200, 101, 202, 204}));
  {
    TiPlot later;
    UseChannels(later, {"A"});
    later.SetDataFileFormat(TiPlotDataFileFormat::ipdffCompactInterval);
    later.SetLogFileName(log);
    later.LogActivate(true);
    later.AddDataArray(103, std::vector<double>{206});
    later.AddDataArray(104, std::vector<double>{208});
    later.LogDeactivate();
  }
  TiPlot reader;
  UseChannels(reader, {"A"});
  reader.LoadDataFromFile(log);
  EXPECT_EQ(PointsOf(ChannelOf(reader, 0)), (Points{{100, 200}, {101, 202}, {102, 204}, {103, 206}, {104, 208}}));
}

TEST(PlotLogging, FailedBatchRaisesAndKeepsItsRows_untilTheFileIsBack) {
  LoggingPlot p;
  p.plot.SetLogBufferSize(2);
  p.plot.LogActivate(false);
  FeedRows(p.plot, 0, 1);
  ASSERT_TRUE(QFile::remove(p.log));
  ASSERT_TRUE(QDir(p.dir.path()).mkdir(QStringLiteral("log.txt")));
  EXPECT_FALSE(ErrorOf([&] { FeedRows(p.plot, 1, 2); }).isEmpty());
  EXPECT_EQ(ChannelOf(p.plot, 0).Count(), 2);
  ASSERT_TRUE(QDir(p.dir.path()).rmdir(QStringLiteral("log.txt")));
  WriteBytes(p.log, TextHeader);
  FeedRows(p.plot, 2, 3);
  EXPECT_EQ(FileBytes(p.log), TextHeader + TextRows(0, 3));
}

TEST(PlotLogging, WriteCutShort_leavesWholeRowsOnly) {
  LoggingPlot p;
  p.plot.SetLogBufferSize(3);
  p.plot.LogActivate(false);
  FeedRows(p.plot, 0, 2);
  {
    const FileSizeLimit limit(TextHeader.size() + 10);
    ASSERT_TRUE(limit.Active());
    EXPECT_FALSE(ErrorOf([&] { FeedRows(p.plot, 2, 3); }).isEmpty());
    EXPECT_EQ(FileBytes(p.log), TextHeader);
  }
  p.plot.LogDeactivate();
  EXPECT_EQ(FileBytes(p.log), TextHeader + TextRows(0, 3));
}

TEST(PlotLogging, DestructionWritesThePendingRows) {
  QTemporaryDir dir;
  const QString log = dir.filePath(QStringLiteral("log.txt"));
  {
    TiPlot plot;
    UseChannels(plot, {"A", "B"});
    plot.SetLogFileName(log);
    plot.SetLogBufferSize(100);
    plot.LogActivate(false);
    FeedRows(plot, 0, 4);
  }
  EXPECT_EQ(FileBytes(log), TextHeader + TextRows(0, 4));
}

TEST(PlotLogging, AppendTakesThePlotsOwnLog_titlesWithTheSeparatorOrLineBreaksAndAnEmptyFile) {
  for (const TiPlotDataFileColumnSeparator separator :
       {TiPlotDataFileColumnSeparator::ipdfcsComma, TiPlotDataFileColumnSeparator::ipdfcsTab}) {
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("log.txt"));
    TiPlot plot;
    UseChannels(plot, {"Gain, left", "Gain\tright\r\n"});
    plot.SetDataFileColumnSeparator(separator);
    plot.SetLogFileName(log);
    plot.LogActivate(false);
    FeedRows(plot, 0, 2);
    plot.LogDeactivate();
    EXPECT_EQ(ErrorOf([&] { plot.LogActivate(true); }), QString());
    FeedRows(plot, 2, 3);
    plot.LogDeactivate();

    TiPlot loaded;
    UseChannels(loaded, {"A", "B"});
    EXPECT_EQ(ErrorOf([&] { loaded.LoadDataFromFile(log); }), QString());
    EXPECT_EQ(PointsOf(ChannelOf(loaded, 0)), (Points{{0, 0}, {1, 10}, {2, 20}}));
  }
  for (const TiPlotDataFileFormat format : {TiPlotDataFileFormat::ipdffText, TiPlotDataFileFormat::ipdffCompactInterval}) {
    LoggingPlot p;
    WriteBytes(p.log, QByteArray());
    p.plot.SetDataFileFormat(format);
    EXPECT_EQ(ErrorOf([&] { p.plot.LogActivate(true); }), QString()) << int(format);
    FeedRows(p.plot, 0, 3);
    p.plot.LogDeactivate();
    if (format == TiPlotDataFileFormat::ipdffText) {
      EXPECT_EQ(FileBytes(p.log), TextHeader + TextRows(0, 3));
    }
    TiPlot loaded;
    UseChannels(loaded, {"A", "B"});
    loaded.SetDataFileFormat(format);
    EXPECT_EQ(ErrorOf([&] { loaded.LoadDataFromFile(p.log); }), QString()) << int(format);
    EXPECT_EQ(PointsOf(ChannelOf(loaded, 1)), (Points{{0, 0}, {1, -1}, {2, -2}})) << int(format);
  }
}

TEST(PlotLogging, PropertiesLoadThatWouldChangeTheLog_isRefusedBeforeAnythingChanges) {
  LoggingPlot p;
  p.plot.LogActivate(false);
  FeedRows(p.plot, 0, 3);
  const QString same = p.dir.filePath(QStringLiteral("same.txt"));
  p.plot.SavePropertiesToFile(same);  // names the log that runs: loads while logging
  TiPlot other;
  UseChannels(other, {"X"});
  other.SetLogFileName(p.dir.filePath(QStringLiteral("other.log")));
  const QString changed = p.dir.filePath(QStringLiteral("changed.txt"));
  other.SavePropertiesToFile(changed);
  EXPECT_EQ(ErrorOf([&] { p.plot.LoadPropertiesFromFile(changed); }),
            QStringLiteral("Error Loading Properties - Log File Name can not be changed while logging is active."));
  EXPECT_EQ(p.plot.LogFileName(), p.log);
  EXPECT_TRUE(p.plot.LoggingActive());
  ASSERT_EQ(p.plot.Master().ChannelManager().Count(), 2);
  EXPECT_EQ(ChannelOf(p.plot, 0).Count(), 3);
  EXPECT_EQ(ChannelOf(p.plot, 0).TitleText(), QStringLiteral("A"));
  FeedRows(p.plot, 3, 4);
  p.plot.LogDeactivate();
  EXPECT_EQ(FileBytes(p.log), TextHeader + TextRows(0, 4));
}
