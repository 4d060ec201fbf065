#include <vector>

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "tests/plot/ErrorOf.h"
#include "tests/plot/PlotTestChannels.h"
#include "tests/plot/streaming/PlotFileSupport.h"

namespace {

using Points = std::vector<TestPoint>;

struct ChannelFiles {
  ChannelFiles() { UseChannels(plot, {"A", "B"}); }
  QString File(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  TiPlotChannelCustom& Channel(int i) { return ChannelOf(plot, i); }
  QTemporaryDir dir;
  TiPlot plot;
};

QByteArray LogLines(int from, int to) {
  QByteArray lines;
  for (int i = from; i < to; ++i) {
    lines += QByteArray::number(i) + "\t" + QByteArray::number(2 * i) + "\r\n";
  }
  return lines;
}

void AddPoints(TiPlotChannelCustom& channel, int from, int to) {
  for (int i = from; i < to; ++i) {
    channel.AddXY(i, 2 * i);
  }
}

}  // namespace

TEST(ChannelFiles, ConfigurationCarriesLookButNotTheName) {
  ChannelFiles f;
  TiPlotChannelCustom& a = f.Channel(0);
  a.SetColor(0x123456);
  a.SetMarkersVisible(true);
  a.SetMarkersStyle(TiPlotMarkerStyle::ipmsDiamond);
  a.SetXAxisName(QStringLiteral("Other X"));
  a.SavePropertiesToFile(f.File("a.cfg"));
  QByteArray saved = FileBytes(f.File("a.cfg"));
  EXPECT_TRUE(saved.startsWith("File Type = Plot Channel Config\r\nChannel."));
  EXPECT_FALSE(saved.contains("Channel.Name ="));

  const QString nameB = f.Channel(1).Name();
  WriteBytes(f.File("lower.cfg"), saved.replace("File Type = Plot Channel Config", "file type = plot channel config"));
  f.Channel(1).LoadPropertiesFromFile(f.File("lower.cfg"));
  EXPECT_EQ(f.Channel(1).Color(), TColor(0x123456));
  EXPECT_TRUE(f.Channel(1).MarkersVisible());
  EXPECT_EQ(f.Channel(1).MarkersStyle(), TiPlotMarkerStyle::ipmsDiamond);
  EXPECT_EQ(f.Channel(1).XAxisName(), QStringLiteral("Other X"));
  EXPECT_EQ(f.Channel(1).Name(), nameB);
}

TEST(ChannelFiles, RefusedConfigurationChangesNothing) {
  ChannelFiles f;
  const TColor before = f.Channel(0).Color();
  struct Case {
    QByteArray contents;
    QString reason;
  };
  const Case cases[] = {
      {"File Type = Plot Config\r\nChannel.Color = 5\r\n",
       QStringLiteral("Incompatible Plot Channel Configuration File Type")},
      {"Channel.Color = 5\r\n", QStringLiteral("Incompatible Plot Channel Configuration File Type")},
      {"File Type = Plot Channel Config\r\nChannel.Color = 5\r\nChannel.MarkersSize = big\r\n", QString()},
  };
  for (const Case& c : cases) {
    WriteBytes(f.File("bad.cfg"), c.contents);
    const QString error = ErrorOf([&] { f.Channel(0).LoadPropertiesFromFile(f.File("bad.cfg")); });
    EXPECT_TRUE(error.startsWith(QStringLiteral("Error Loading Properties - ") + c.reason)) << error.toStdString();
    EXPECT_EQ(f.Channel(0).Color(), before);
  }
}

TEST(ChannelFiles, DataFileSkipsEmptyPoints_andLoadsTheLayoutsConventions) {
  ChannelFiles f;
  TiPlotChannelCustom& a = f.Channel(0);
  a.AddXY(1, 2.5);
  a.SetNull(a.AddXY(2, 0), true);
  a.SetEmpty(a.AddXY(3, 0), true);
  a.SaveDataToFile(f.File("a.txt"));
  EXPECT_EQ(FileBytes(f.File("a.txt")), QByteArray("1\t2.5\r\n2\tNull\r\n"));

  struct Case {
    const char* name;
    QByteArray contents;
    Points expected;
  };
  const Case cases[] = {
      {"comma file: null in any case, empty left side skipped", "1,2\r\n3,null\r\n,5\r\n", {{1, 2}, {3, 0, true}}},
      {"tab in the first line rules", "1\t2\r\n3,4\r\n5\t6\r\n", {{1, 2}, {5, 6}}},
      {"decimal commas in a tab file", "1,5\t2,25\r\n", {{1.5, 2.25}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(f.File("in.txt"), c.contents);
    f.Channel(1).LoadDataFromFile(f.File("in.txt"), true);
    EXPECT_EQ(PointsOf(f.Channel(1)), c.expected);
  }
}

TEST(ChannelFiles, BadDataFileAddsNothingAndClearsNothing) {
  ChannelFiles f;
  TiPlotChannelCustom& b = f.Channel(1);
  static_cast<TiPlotChannel&>(b).SetAllowOutOfOrderXValues(false);
  b.AddXY(10, 1);
  WriteBytes(f.File("bad.txt"), "1\t2\r\n3\tx\r\n");
  EXPECT_EQ(ErrorOf([&] { b.LoadDataFromFile(f.File("bad.txt"), true); }),
            QStringLiteral("'x' is not a valid floating point value"));
  EXPECT_EQ(PointsOf(b), (Points{{10, 1}}));

  // Channel loads bypass the X order check.
  WriteBytes(f.File("cut.txt"), "1\t2\r\n3\t4\r\n5\t");
  EXPECT_FALSE(ErrorOf([&] { b.LoadDataFromFile(f.File("cut.txt"), false); }).isEmpty());
  EXPECT_EQ(PointsOf(b), (Points{{10, 1}, {1, 2}, {3, 4}}));
}

TEST(ChannelFiles, LogWritesEachPointOrBatches_andDeactivateWritesTheRest) {
  ChannelFiles f;
  TiPlotChannelCustom& a = f.Channel(0);
  a.SetLogFileName(f.File("a.log"));
  a.LogActivate(false);
  AddPoints(a, 0, 2);
  EXPECT_EQ(FileBytes(f.File("a.log")), LogLines(0, 2));
  a.LogDeactivate();

  a.SetLogBufferSize(10);
  a.LogActivate(true);
  AddPoints(a, 2, 11);
  EXPECT_EQ(FileBytes(f.File("a.log")), LogLines(0, 2));
  AddPoints(a, 11, 12);
  EXPECT_EQ(FileBytes(f.File("a.log")), LogLines(0, 12));
  AddPoints(a, 12, 15);
  EXPECT_EQ(ErrorOf([&] { a.SetLogFileName(QStringLiteral("other")); }),
            QStringLiteral("Log File Name can not be changed while logging is active."));
  a.LogDeactivate();
  EXPECT_EQ(FileBytes(f.File("a.log")), LogLines(0, 15));
}

TEST(ChannelFiles, LogActivateChecks) {
  ChannelFiles f;
  TiPlotChannelCustom& a = f.Channel(0);
  EXPECT_EQ(ErrorOf([&] { a.LogActivate(false); }), QStringLiteral("Log File Name not Defined"));
  a.SetLogFileName(f.File("missing.log"));
  EXPECT_FALSE(ErrorOf([&] { a.LogActivate(true); }).isEmpty());
  EXPECT_FALSE(a.LoggingActive());
  EXPECT_EQ(ErrorOf([&] { a.LogDeactivate(); }), QStringLiteral("Logging not Active"));
  a.LogActivate(false);
  EXPECT_EQ(ErrorOf([&] { a.LogActivate(false); }), QStringLiteral("Logging Already Active"));
}

TEST(ChannelFiles, LogHoldsStoredYOfNullPoints_andEveryPointOfASmallRing) {
  ChannelFiles f;
  TiPlotChannel& a = static_cast<TiPlotChannel&>(f.Channel(0));
  a.SetRingBufferSize(3);
  a.SetLogFileName(f.File("a.log"));
  a.SetLogBufferSize(10);
  a.LogActivate(false);
  AddPoints(a, 0, 5);
  a.AddXNull(5);
  AddPoints(a, 6, 8);
  a.LogDeactivate();
  EXPECT_EQ(FileBytes(f.File("a.log")), LogLines(0, 5) + "5\t0\r\n" + LogLines(6, 8));
}

TEST(ChannelFiles, ClearAndDestructionWriteThePendingPoints) {
  QTemporaryDir dir;
  const QString log = dir.filePath(QStringLiteral("a.log"));
  {
    TiPlot plot;
    UseChannels(plot, {"A"});
    TiPlotChannelCustom& a = ChannelOf(plot, 0);
    a.SetLogFileName(log);
    a.SetLogBufferSize(10);
    a.LogActivate(false);
    AddPoints(a, 0, 3);
    a.DeletePoints(a.Count());
    EXPECT_FALSE(a.LoggingActive());
    EXPECT_EQ(FileBytes(log), LogLines(0, 3));
    a.LogActivate(true);
    AddPoints(a, 3, 5);
  }
  EXPECT_EQ(FileBytes(log), LogLines(0, 5));
}

TEST(ChannelFiles, ChannelWithoutPoints_savesAFileThatLoadsBackEmpty_asItsEmptyLogDoes) {
  ChannelFiles f;
  f.Channel(0).SaveDataToFile(f.File("empty.txt"));
  f.Channel(0).SetLogFileName(f.File("empty.log"));
  f.Channel(0).LogActivate(false);
  f.Channel(0).LogDeactivate();
  for (const char* name : {"empty.txt", "empty.log"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(FileBytes(f.File(name)), QByteArray());
    f.Channel(1).AddXY(1, 2);
    EXPECT_EQ(ErrorOf([&] { f.Channel(1).LoadDataFromFile(f.File(name), true); }), QString());
    EXPECT_EQ(f.Channel(1).Count(), 0);
  }
}
