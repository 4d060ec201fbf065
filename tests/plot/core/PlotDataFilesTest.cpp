#include <vector>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiXYPlot.h"
#include "tests/plot/ErrorOf.h"
#include "tests/plot/PlotTestChannels.h"
#include "tests/plot/streaming/PlotFileSupport.h"
#include "tests/support/FixturePath.h"

namespace {

using Points = std::vector<TestPoint>;

QString Fixture(const char* name) { return QString::fromStdString(FixturePath(std::string("plot/fixtures/") + name)); }

/// Counts the plot's data events.
struct DataEvents {
  explicit DataEvents(TiPlotComponent& plot) {
    plot.OnAfterLoadData = [this](TObject*) { ++loads; };
    plot.OnAfterSaveData = [this](TObject*) { ++saves; };
  }
  int loads = 0;
  int saves = 0;
};

// Channels A (3 points: a value, a null, an empty) and B (1 point).
void FillThreeAndOne(TiPlotComponent& plot) {
  UseChannels(plot, {"A", "B"});
  TiPlotChannelCustom& a = ChannelOf(plot, 0);
  a.AddXY(0, 1.5);
  a.SetNull(a.AddXY(1, 0), true);
  a.SetEmpty(a.AddXY(2, 0), true);
  ChannelOf(plot, 1).AddXY(0.5, -2);
}

const Points ThreeA{{0, 1.5}, {1, 0, true}, {2, 0, false, true}};
const Points OneB{{0.5, -2}};

}  // namespace

TEST(PlotDataFiles, SavedTextMatchesTheHandWrittenLayout_andLoadsBackAppended) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("data.txt"));
  TiPlot plot;
  DataEvents events(plot);
  FillThreeAndOne(plot);
  plot.SaveDataToFile(file);
  EXPECT_EQ(FileBytes(file), FileBytes(Fixture("threeAndOne.txt")));
  EXPECT_EQ(events.saves, 1);
  EXPECT_EQ(plot.LastDataFileName(), file);

  plot.ClearAllData();
  plot.LoadDataFromFile(Fixture("threeAndOne.txt"));
  EXPECT_EQ(PointsOf(ChannelOf(plot, 0)), ThreeA);
  EXPECT_EQ(PointsOf(ChannelOf(plot, 1)), OneB);
  EXPECT_EQ(events.loads, 1);
  EXPECT_EQ(plot.LastDataFileName(), Fixture("threeAndOne.txt"));

  // Loading appends: twice doubles.
  plot.LoadDataFromFile(file);
  EXPECT_EQ(ChannelOf(plot, 0).Count(), 6);
  EXPECT_EQ(ChannelOf(plot, 1).Count(), 2);
}

TEST(PlotDataFiles, CommaSeparatorKeepsDecimalPoints_andASharedXLogLoads) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("comma.txt"));
  TiPlot plot;
  UseChannels(plot, {"A"});
  ChannelOf(plot, 0).AddXY(1.5, 2.25);
  plot.SetDataFileColumnSeparator(TiPlotDataFileColumnSeparator::ipdfcsComma);
  plot.SaveDataToFile(file);
  EXPECT_EQ(FileBytes(file), QByteArray("A(X),A(Y)\r\n1.5,2.25\r\n"));
  plot.LoadDataFromFile(file);
  EXPECT_EQ(PointsOf(ChannelOf(plot, 0)), (Points{{1.5, 2.25}, {1.5, 2.25}}));

  UseChannels(plot, {"A", "B"});
  plot.LoadDataFromFile(Fixture("sharedXLog.txt"));
  EXPECT_EQ(PointsOf(ChannelOf(plot, 0)), (Points{{0, 1}, {0.5, 0, false, true}}));
  EXPECT_EQ(PointsOf(ChannelOf(plot, 1)), (Points{{0, 0, true}, {0.5, 3}}));
}

TEST(PlotDataFiles, SavedCompactMatchesTheHandWrittenLayout) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("data.dat"));
  TiPlot plot;
  UseChannels(plot, {"A", "B"});
  for (int r = 0; r < 3; ++r) {
    ChannelOf(plot, 0).AddXY(r, r + 1);
  }
  ChannelOf(plot, 1).AddXY(0, 5);
  plot.SetDataFileFormat(TiPlotDataFileFormat::ipdffCompactInterval);
  plot.SaveDataToFile(file);
  // B has no row 1: the gap value; rows from the third carry no X; the end.
  EXPECT_EQ(FileBytes(file), "Compact Interval\r\n2\r\n" + Singles({0, 1, 0, 5}) + Singles({1, 2, 1e38F, 1e38F}) +
                                 Singles({3, 1e38F}) + Singles({2e38F}));
}

TEST(PlotDataFiles, EquallySpacedCompactFileLoadsIntoEveryKindOfChannel) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("spaced.dat"));
  WriteBytes(file, "Compact Interval\r\n3\r\n" + Singles({10, 1, 10, 1, 10, 1}) + Singles({10.5, 2, 10.5, 2, 10.5, 2}) +
                       Singles({3, 3, 3}) + Singles({4, 4, 4}) + Singles({2e38F}));
  TiPlot plot;
  UseChannels(plot, {"Standard", "Interval", "Ordered"});
  ChannelOf(plot, 1).SetDataStyle(TiPlotDataStyle::ipdsCompactInterval);
  static_cast<TiPlotChannel&>(ChannelOf(plot, 2)).SetAllowOutOfOrderXValues(false);
  plot.LoadDataFromFile(file);
  const Points expected{{10, 1}, {10.5, 2}, {11, 3}, {11.5, 4}};
  for (int c = 0; c < 3; ++c) {
    SCOPED_TRACE(c);
    EXPECT_EQ(PointsOf(ChannelOf(plot, c)), expected);
  }
}

TEST(PlotDataFiles, BadFilesAddNothing_stopNoLogging_fireNoEvent) {
  QTemporaryDir dir;
  const QString bad = dir.filePath(QStringLiteral("bad"));
  struct Case {
    const char* name;
    QByteArray bytes;
    QString reason;
  };
  const Case cases[] = {
      {"truncated compact", "Compact Interval\r\n2\r\n" + Singles({0, 1, 0}), QStringLiteral("Invalid Data")},
      {"count abc", "Compact Interval\r\nabc\r\n" + Singles({0, 1}),
       QStringLiteral("'abc' is not a valid integer value")},
      {"count too large", "Compact Interval\r\n4000000000\r\n" + Singles({0, 1}),
       QStringLiteral("'4000000000' is not a valid integer value")},
      {"garbage field after good rows", "(X)\tA(Y)\tB(Y)\r\n1\t2\t3\r\n2\tx\t4\r\n",
       QStringLiteral("'x' is not a valid floating point value")},
      {"X out of order part-way", "(X)\tA(Y)\tB(Y)\r\n1\t2\t3\r\n2\t2\t3\r\n0\t1\t1\r\n",
       QStringLiteral("New Data-Point X-Value is out of order")},
  };
  TiPlot plot;
  DataEvents events(plot);
  UseChannels(plot, {"A", "B"});
  ChannelOf(plot, 0).AddXY(0, 0);
  ChannelOf(plot, 1).AddXY(0, 0);
  static_cast<TiPlotChannel&>(ChannelOf(plot, 1)).SetAllowOutOfOrderXValues(false);
  plot.SetLogFileName(dir.filePath(QStringLiteral("log.txt")));
  plot.LogActivate(false);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(bad, c.bytes);
    EXPECT_EQ(ErrorOf([&] { plot.LoadDataFromFile(bad); }), QStringLiteral("Error Loading Data - ") + c.reason);
    EXPECT_EQ(ChannelOf(plot, 0).Count(), 1);
    EXPECT_EQ(ChannelOf(plot, 1).Count(), 1);
  }
  const QString missing = dir.filePath(QStringLiteral("missing.txt"));
  EXPECT_TRUE(ErrorOf([&] { plot.LoadDataFromFile(missing); }).startsWith(QStringLiteral("Error Loading Data - ")));
  EXPECT_TRUE(plot.LoggingActive());
  EXPECT_EQ(events.loads, 0);
  EXPECT_TRUE(plot.LastDataFileName().isEmpty());
}

TEST(PlotDataFiles, LogCutShortLoadsItsWholeRows_andSaysSo) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("cut.txt"));
  WriteBytes(file, "(X)\tA(Y)\tB(Y)\r\n0\t1\t2\r\n1\t3");
  TiPlot plot;
  DataEvents events(plot);
  UseChannels(plot, {"A", "B"});
  EXPECT_EQ(ErrorOf([&] { plot.LoadDataFromFile(file); }),
            QStringLiteral("Error Loading Data - The last row was incomplete; the rows before it were loaded"));
  EXPECT_EQ(PointsOf(ChannelOf(plot, 0)), (Points{{0, 1}}));
  EXPECT_EQ(PointsOf(ChannelOf(plot, 1)), (Points{{0, 2}}));
  EXPECT_EQ(events.loads, 1);
}

TEST(PlotDataFiles, SaveFailureKeepsTheOldFile_andFiresNothing) {
  QTemporaryDir dir;
  TiPlot plot;
  DataEvents events(plot);
  FillThreeAndOne(plot);
  const QString error = ErrorOf([&] { plot.SaveDataToFile(dir.filePath(QStringLiteral("no/such/dir/data.txt"))); });
  EXPECT_TRUE(error.startsWith(QStringLiteral("Error Saving Data - "))) << error.toStdString();
  EXPECT_EQ(events.saves, 0);
}

TEST(PlotDataFiles, SettersRefuseChangesWhileLogging) {
  QTemporaryDir dir;
  TiPlot plot;
  plot.SetLogFileName(dir.filePath(QStringLiteral("log.txt")));
  plot.LogActivate(false);
  EXPECT_EQ(ErrorOf([&] { plot.SetDataFileFormat(TiPlotDataFileFormat::ipdffText); }),
            QStringLiteral("Data File Format can not be changed while logging active"));
  EXPECT_EQ(ErrorOf([&] { plot.SetDataFileColumnSeparator(TiPlotDataFileColumnSeparator::ipdfcsTab); }), QString());
  EXPECT_EQ(ErrorOf([&] { plot.SetDataFileColumnSeparator(TiPlotDataFileColumnSeparator::ipdfcsComma); }),
            QStringLiteral("Data File Column Seperator can not be changed while logging active"));
  EXPECT_EQ(ErrorOf([&] { plot.SetLogFileName(plot.LogFileName()); }), QString());
  EXPECT_EQ(ErrorOf([&] { plot.SetLogFileName(QStringLiteral("other")); }),
            QStringLiteral("Log File Name can not be changed while logging is active."));
  EXPECT_EQ(plot.DataFileColumnSeparator(), TiPlotDataFileColumnSeparator::ipdfcsTab);
}

TEST(PlotDataFiles, TitlesWithLineBreaksOrTheSeparator_keepTheHeaderOneLineAndLoadBack) {
  struct Case {
    TiPlotDataFileColumnSeparator separator;
    QByteArray header;
  };
  for (const Case& c :
       {Case{TiPlotDataFileColumnSeparator::ipdfcsTab,
             "Gain left(X)\tGain left(Y)\tGain right(X)\tGain right(Y)\tPhase, a b (X)\tPhase, a b (Y)"},
        Case{TiPlotDataFileColumnSeparator::ipdfcsComma,
             "Gain left(X),Gain left(Y),Gain right(X),Gain right(Y),Phase  a b (X),Phase  a b (Y)"}}) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("data.txt"));
    TiPlot plot;
    UseChannels(plot, {"Gain\r\nleft", "Gain\tright", "Phase, a\rb\n"});
    plot.SetDataFileColumnSeparator(c.separator);
    for (int k = 0; k < 3; ++k) ChannelOf(plot, k).AddXY(k, 2.5 * k);
    plot.SaveDataToFile(file);
    const QByteArray saved = FileBytes(file);
    ASSERT_TRUE(saved.contains("\r\n"));
    EXPECT_EQ(saved.left(saved.indexOf("\r\n")), c.header);

    TiPlot loaded;
    UseChannels(loaded, {"A", "B", "C"});
    loaded.SetDataFileColumnSeparator(c.separator);
    EXPECT_EQ(ErrorOf([&] { loaded.LoadDataFromFile(file); }), QString());
    for (int k = 0; k < 3; ++k) EXPECT_EQ(PointsOf(ChannelOf(loaded, k)), (Points{{double(k), 2.5 * k}})) << k;
  }
}

TEST(PlotDataFiles, ChannelsWithoutPoints_saveAndLoadBackEmptyInEveryFormat) {
  for (const TiPlotDataFileFormat format : {TiPlotDataFileFormat::ipdffText, TiPlotDataFileFormat::ipdffCompactInterval}) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("data.txt"));
    TiPlot plot;
    UseChannels(plot, {"A", "B"});
    plot.SetDataFileFormat(format);
    plot.SaveDataToFile(file);
    TiPlot loaded;
    UseChannels(loaded, {"A", "B"});
    loaded.SetDataFileFormat(format);
    EXPECT_EQ(ErrorOf([&] { loaded.LoadDataFromFile(file); }), QString()) << int(format);
    EXPECT_EQ(ChannelOf(loaded, 0).Count(), 0);
    EXPECT_EQ(ChannelOf(loaded, 1).Count(), 0);
  }
}
