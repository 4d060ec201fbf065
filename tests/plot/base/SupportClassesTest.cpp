#include <gtest/gtest.h>

#include "plot/base/EPlotError.h"
#include "tests/plot/ErrorOf.h"
#include "plot/base/TiLimitDataList.h"
#include "plot/base/TiPlotMinMaxPoint.h"
#include "plot/base/TiXMLMemoryStream.h"

namespace {


}  // namespace

TEST(TiMemoryStream, WriteString_limitIs255Characters) {
  TiMemoryStream s;
  s.WriteString(QString(255, QLatin1Char('a')));
  EXPECT_EQ(s.Size(), 255);
  EXPECT_EQ(ErrorOf([&] { s.WriteString(QString(256, QLatin1Char('a'))); }), "String Exceeds 255 Characters");
  EXPECT_EQ(s.Size(), 255);
}

TEST(TiXMLMemoryStream, GetElement_readsLeafWithOrWithoutLineEnd) {
  for (const char* text : {"<Name>Dark</Name>\r\n", "<Name>Dark</Name>"}) {
    TiXMLMemoryStream s;
    s.SetData(text);
    EXPECT_EQ(s.GetElement(QStringLiteral("Name")), QStringLiteral("Dark"));
    if (QByteArray(text).endsWith('>')) {
      EXPECT_EQ(ErrorOf([&] { s.ReadChar(); }), "EOF");
    }
  }
}

TEST(TiXMLMemoryStream, WrittenTreeReadsBackByPieces) {
  TiXMLMemoryStream s;
  s.StartElement(QStringLiteral("Scheme"));
  s.WriteElement(QStringLiteral("Name"), QStringLiteral("  Blue"));
  s.EndElement(QStringLiteral("Scheme"));
  s.SetPosition(0);
  EXPECT_EQ(s.GetNextPiece(), QStringLiteral("Scheme"));
  EXPECT_EQ(s.PeekNextPiece(), QStringLiteral("Name"));
  EXPECT_EQ(s.GetNextPiece(), QStringLiteral("Name"));
  EXPECT_EQ(s.GetNextPiece(), QStringLiteral("  Blue"));
  EXPECT_EQ(s.GetNextPiece(), QStringLiteral("/Name"));
  EXPECT_EQ(s.GetNextPiece(), QStringLiteral("/Scheme"));
}

TEST(TiXMLMemoryStream, GetNameElementStop_reportsMissingCharacter) {
  TiXMLMemoryStream s;
  s.SetData("<x>");
  EXPECT_EQ(ErrorOf([&] { s.GetNameElementStop(); }), "XML Parsing Error - \"/\" not Found");
  s.SetData("x");
  EXPECT_EQ(ErrorOf([&] { s.GetNameElementStop(); }), "XML Parsing Error - \"<\" not Found");
}

TEST(TiPlotMinMaxPoint, AddData_tracksFirstLastAndExtremes) {
  TiPlotMinMaxPoint p;
  for (double y : {3.0, 7.0, 5.0}) {
    p.AddData(1, y, 10);
  }
  EXPECT_EQ(p.YFirst, 3);
  EXPECT_EQ(p.YMax, 7);
  EXPECT_EQ(p.YMin, 3);
  EXPECT_EQ(p.YLast, 5);
  p.Clear();
  EXPECT_TRUE(p.Empty);
  EXPECT_EQ(p.YMin, 1e301);
}

TEST(TiLimitDataList, GrowthAndBounds) {
  TiLimitDataList list;
  for (int i = 0; i < 8; ++i) {
    list.Add(i, 0, 0);
  }
  EXPECT_EQ(list.Capacity(), 8);
  list.Add(8, 0, 0);
  EXPECT_EQ(list.Capacity(), 12);
  for (int i = 9; i < 13; ++i) {
    list.Add(i, 0, 0);
  }
  EXPECT_EQ(list.Capacity(), 28);
  EXPECT_EQ(ErrorOf([&] { list.Item(13); }), "Index out of Bounds");
  EXPECT_EQ(ErrorOf([&] { list.SetCapacity(134217728); }), "Exceed Maximum List Size");
  list.SetCapacity(3);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Value1(2), 2);
}
