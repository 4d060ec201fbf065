#include <gtest/gtest.h>

#include <climits>

#include "widgets/smooth/html/HtmlMarkup.h"

using namespace HtmlMarkup;

TEST(HtmlMarkup, Prepare_decodesEntitiesAsRepeatedReplacementDoes) {
  struct Case {
    const char16_t* in;
    const char16_t* out;
  };
  const Case cases[] = {
      {u"a&amp;b", u"a&b"},
      {u"&AMP;&Quot;", u"&\""},
      {u"&amp;amp;lt;", u"&lt;"},  // "&lt;" is left for the runs
      {u"&amp;amp;amp;", u"&"},
      {u"&amp;quot;", u"\""},
      {u"&am&amp;p;", u"&am&p;"},
      {u"&euro;&trade;&sect;&permil;&reg;&copy;&para;", u"\u20AC\u2122\u00A7\u2030\u00AE\u00A9\u00B6"},
      {u"&nbsp;&gt;&unknown;", u"&nbsp;&gt;&unknown;"},
      {u"<#field>x<#two>", u"fieldx<#two>"},
      {u"<#open", u"open"},
      {u"a\r\nb\nc", u"a<BR>bc"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Prepare(QString::fromUtf16(c.in)), QString::fromUtf16(c.out)) << QString::fromUtf16(c.in).toStdString();
  }
}

TEST(HtmlMarkup, Prepare_decodesAMegabyteOfEntitiesInOneWalk) {
  const QString text = QStringLiteral("&amp;").repeated(200'000);
  EXPECT_EQ(Prepare(text), QString(200'000, QLatin1Char('&')));
}

TEST(HtmlMarkup, ReadNumber_saturatesAndIgnoresTrailingText) {
  struct Case {
    const char* in;
    int out;
  };
  const Case cases[] = {
      {"12abc", 12},          {"", 0},        {"x1", 0},         {"-5", -5},   {"+7", 7},
      {"$1F", 31},            {"0x10", 16},   {"0X1g", 1},       {"-$10", -16},
      {"99999999999999999999", INT_MAX},       {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},                {"-99999999999999999999", INT_MIN},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadNumber(QString::fromLatin1(c.in)), c.out) << c.in;
  }
}

TEST(HtmlMarkup, Attributes_firstOccurrenceBetweenQuotes) {
  EXPECT_EQ(Attribute(u"<LI BGCOLOR=\"CLRED\" COLOR=\"CLBLUE\">", u"COLOR"), QStringLiteral("CLRED"));
  EXPECT_EQ(Attribute(u"<FONT COLOR=CLRED>", u" COLOR"), QString());
  EXPECT_EQ(Attribute(u"<FONT COLOR=\"CLRED>", u" COLOR"), QString());
  bool found = false;
  Attribute(u"<FONT FACE=X>", u" COLOR", &found);
  EXPECT_FALSE(found);
  EXPECT_EQ(Attribute(u"<a href=\"Go.html\">", u"HREF", nullptr, Qt::CaseInsensitive), QStringLiteral("Go.html"));
  EXPECT_EQ(SizeAttribute(u"<FONT SIZE=3>"), QStringLiteral("3>"));
  EXPECT_EQ(SizeAttribute(u"<FONT SIZE=\"20\">"), QStringLiteral("20\">"));
  EXPECT_EQ(XAttribute(u"<IND X=\"40\">"), QStringLiteral("40"));
  EXPECT_EQ(XAttribute(u"<OF X"), QString());
}

TEST(HtmlMarkup, Colors_byHexPairsOrNames) {
  struct Case {
    const char* in;
    TColor out;
  };
  const Case cases[] = {
      {"#FF0000", RGB(255, 0, 0)},    {"#GGGGGG", RGB(16, 16, 16)}, {"#12", RGB(18, 0, 0)},
      {"#", RGB(0, 0, 0)},            {"#0000FF", RGB(0, 0, 255)},  {"CLRED", RGB(255, 0, 0)},
      {"clRed", RGB(255, 0, 0)},      {"clnosuch", RGB(0, 0, 0)},   {"", RGB(0, 0, 0)},
      {"CLWHITE", RGB(255, 255, 255)}, {"clbtnface", GetSysColor(15)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColorFromValue(QString::fromLatin1(c.in)), c.out) << c.in;
  }
}
