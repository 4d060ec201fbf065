#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "plot/streaming/iPlotDataFile.h"
#include "tests/plot/ErrorOf.h"
#include "tests/plot/PlotTestChannels.h"

namespace {

using P = TiDataFilePoint;
using Points = std::vector<P>;

const QByteArray CompactHeader2 = QByteArrayLiteral("Compact Interval\r\n2\r\n");

// Two channels of 3 and 1 points, with a null and an empty point.
std::vector<TiDataFileChannel> ThreeAndOne() {
  return {{QStringLiteral("A"), {{0, 1.5, P::Value}, {1, 0, P::Null}, {2, 0, P::Empty}}},
          {QStringLiteral("B"), {{0.5, -2, P::Value}}}};
}

QByteArray CrLf(const QStringList& lines) { return (lines.join(QStringLiteral("\r\n")) + "\r\n").toLatin1(); }

TEST(PlotDataFile, PerChannelTextMatchesTheLayoutAndReadsBack) {
  const QStringList lines = DataFileTextLines(ThreeAndOne(), QLatin1Char('\t'));
  EXPECT_EQ(lines, (QStringList{"A(X)\tA(Y)\tB(X)\tB(Y)", "0\t1.5\t0.5\t-2", "1\tNull\t\t", "2\tEmpty\t\t"}));

  const TiDataFileContents back = ReadDataFile(CrLf(lines), 2);
  EXPECT_EQ(back.Channels[0], ThreeAndOne()[0].Points);
  EXPECT_EQ(back.Channels[1], ThreeAndOne()[1].Points);
  EXPECT_FALSE(back.LastRowIncomplete);

  // Numbers keep their point with a comma separator, so the file reads back.
  const QStringList comma = DataFileTextLines({{QStringLiteral("C"), {{1.5, 2.25, P::Value}}}}, QLatin1Char(','));
  EXPECT_EQ(comma[1], QStringLiteral("1.5,2.25"));
  EXPECT_EQ(ReadDataFile(CrLf(comma), 1).Channels[0], (Points{{1.5, 2.25, P::Value}}));
}

TEST(PlotDataFile, SharedXLogMatchesTheLayoutAndReadsBack) {
  const QByteArray fixture = "(X)\tA(Y)\tB(Y)\r\n0\t1\tNull\r\n0.5\tEmpty\t3\r\n";
  const QString header = DataFileSharedXHeader({QStringLiteral("A"), QStringLiteral("B")}, QLatin1Char('\t'));
  const QString row0 = DataFileSharedXRow(0, {{0, 1, P::Value}, {0, 7, P::Null}}, QLatin1Char('\t'));
  const QString row1 = DataFileSharedXRow(0.5, {{0.5, 7, P::Empty}, {0.5, 3, P::Value}}, QLatin1Char('\t'));
  EXPECT_EQ(CrLf({header, row0, row1}), fixture);

  const TiDataFileContents back = ReadDataFile(fixture, 2);
  EXPECT_EQ(back.Channels[0], (Points{{0, 1, P::Value}, {0.5, 0, P::Empty}}));
  EXPECT_EQ(back.Channels[1], (Points{{0, 0, P::Null}, {0.5, 3, P::Value}}));
}

TEST(PlotDataFile, SavedCompactFileMatchesTheLayoutAndReadsBack) {
  // Channel B has one point: gaps from row 1 on; rows from the third carry no X.
  const QByteArray fixture = CompactHeader2 + Singles({0, 1, 0, 5}) + Singles({1, 2, 1e38F, 1e38F}) +
                             Singles({3, 1e38F}) + Singles({2e38F});
  const std::vector<TiDataFileChannel> channels{{QStringLiteral("A"), {{0, 1}, {1, 2}, {2, 3}}},
                                                {QStringLiteral("B"), {{0, 5}}}};
  EXPECT_EQ(DataFileCompactBytes(channels), fixture);

  const TiDataFileContents back = ReadDataFile(fixture, 2);
  EXPECT_EQ(back.Channels[0], channels[0].Points);
  EXPECT_EQ(back.Channels[1], channels[1].Points);
  EXPECT_FALSE(back.LastRowIncomplete);
}

TEST(PlotDataFile, CompactRowsFromTheThirdOnFollowTheFirstTwoX) {
  QByteArray log = DataFileCompactHeader(1);
  for (int r = 0; r < 5; ++r) {
    log += DataFileCompactRow({{10 + 0.5 * r, double(r), P::Value}}, r < 2);
  }
  EXPECT_EQ(ReadDataFile(log, 1).Channels[0],
            (Points{{10, 0, P::Value}, {10.5, 1, P::Value}, {11, 2, P::Value}, {11.5, 3, P::Value}, {12, 4, P::Value}}));
}

TEST(PlotDataFile, ReadersFollowTheLayoutsConventions) {
  struct Case {
    const char* name;
    QByteArray file;
    int channels;
    std::vector<Points> expected;
  };
  const Case cases[] = {
      {"lower-case (x) header reads as shared X", "(x),A(Y)\r\n1,2\r\n", 1, {{{1, 2, P::Value}}}},
      {"tab file with decimal commas", "A(X)\tA(Y)\r\n1,5\t2,25\r\n", 1, {{{1.5, 2.25, P::Value}}}},
      {"null and empty in any case", "(X)\tA(Y)\tB(Y)\r\n1\tnull\teMpTy\r\n", 2,
       {{{1, 0, P::Null}}, {{1, 0, P::Empty}}}},
      {"columns beyond the channels are ignored", "A(X),A(Y),B(X),B(Y)\r\n1,2,3,4\r\n", 1, {{{1, 2, P::Value}}}},
      {"more compact channels than the plot has", CompactHeader2 + Singles({0, 1, 0, 5}) + Singles({2e38F}), 1,
       {{{0, 1, P::Value}}}},
      {"empty pairs and X lines add nothing", "(X)\tA(Y)\r\n\t5\r\n2\t\r\n", 1, {{}}},
      {"a header alone adds nothing", "A(X)\tA(Y)\r\n", 1, {{}}},
      {"a compact file of no channels adds nothing", "Compact Interval\r\n0\r\n" + Singles({2e38F}), 1, {{}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TiDataFileContents back = ReadDataFile(c.file, c.channels);
    EXPECT_EQ(back.Channels, c.expected);
    EXPECT_FALSE(back.LastRowIncomplete);
  }
}

TEST(PlotDataFile, BadFilesAreRefusedWithTheReason) {
  struct Case {
    QByteArray file;
    QString reason;
  };
  const Case cases[] = {
      {CompactHeader2 + Singles({0, 1, 0}), QStringLiteral("Invalid Data")},
      {CompactHeader2 + Singles({0}).left(3), QStringLiteral("Invalid Data")},
      {"Compact Interval\r\nabc\r\n" + Singles({0, 1}), QStringLiteral("'abc' is not a valid integer value")},
      {"Compact Interval\r\n4000000000\r\n", QStringLiteral("'4000000000' is not a valid integer value")},
      {"Compact Interval\r\n-1\r\n" + Singles({0, 1}), QStringLiteral("Invalid Data")},
      {"A(X)\tA(Y)\r\n1\t2\r\n3\tx\r\n", QStringLiteral("'x' is not a valid floating point value")},
      {"(X)\tA(Y)\r\n1;\t2\r\n", QStringLiteral("'1;' is not a valid floating point value")},
      {"", QStringLiteral("Invalid Data")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.toStdString());
    EXPECT_EQ(ErrorOf([&] { ReadDataFile(c.file, 2); }), c.reason);
  }
}

TEST(PlotDataFile, ALogCutOffInsideARowKeepsItsWholeRows) {
  const QByteArray compact = CompactHeader2 + Singles({0, 1, 0, 5}) + Singles({1, 2, 1, 6}) + Singles({3, 7});
  for (const int cut : {1, 4, 6}) {
    SCOPED_TRACE(cut);
    const TiDataFileContents back = ReadDataFile(compact.left(compact.size() - cut), 2);
    EXPECT_TRUE(back.LastRowIncomplete);
    EXPECT_EQ(back.Channels[0], (Points{{0, 1, P::Value}, {1, 2, P::Value}}));
    EXPECT_EQ(back.Channels[1], (Points{{0, 5, P::Value}, {1, 6, P::Value}}));
  }

  const TiDataFileContents text = ReadDataFile("(X)\tA(Y)\tB(Y)\r\n0\t1\t2\r\n1\t3", 2);
  EXPECT_TRUE(text.LastRowIncomplete);
  EXPECT_EQ(text.Channels[0], (Points{{0, 1, P::Value}}));

  // A whole last line without its line end is a row like any other.
  const TiDataFileContents whole = ReadDataFile("(X)\tA(Y)\r\n0\t1\r\n1\t3", 1);
  EXPECT_FALSE(whole.LastRowIncomplete);
  EXPECT_EQ(whole.Channels[0], (Points{{0, 1, P::Value}, {1, 3, P::Value}}));
}

}  // namespace
