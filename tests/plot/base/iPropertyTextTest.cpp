#include "plot/base/iPropertyText.h"

#include <gtest/gtest.h>

TEST(iPropertyText, StringRoundTrip_keepsLineBreaksAndLiteralHashCodes) {
  const QString texts[] = {QStringLiteral("two\r\nlines"), QStringLiteral("title #10 and #13"),
                           QStringLiteral("#"), QStringLiteral("end#")};
  for (const QString& t : texts) {
    const QString escaped = EscapePropertyString(t);
    EXPECT_FALSE(escaped.contains(QLatin1Char('\n')));
    EXPECT_EQ(UnescapePropertyString(escaped), t);
  }
  EXPECT_EQ(EscapePropertyString(QStringLiteral("a\r\nb")), QStringLiteral("a#13#10b"));
  EXPECT_EQ(UnescapePropertyString(QStringLiteral("a#13#10b #4")), QStringLiteral("a\r\nb #4"));
}

TEST(iPropertyText, FloatToText_generalFormat) {
  EXPECT_EQ(FloatToText(0.25), QStringLiteral("0.25"));
  EXPECT_EQ(FloatToText(1e-5), QStringLiteral("1E-5"));
  EXPECT_EQ(FloatToText(100), QStringLiteral("100"));
  EXPECT_EQ(FloatToText(1.5e20), QStringLiteral("1.5E20"));
  EXPECT_EQ(FloatToText(0.1), QStringLiteral("0.1"));
  double v = 0;
  ASSERT_TRUE(TextToFloat(QStringLiteral("0,5"), v));
  EXPECT_EQ(v, 0.5);
  ASSERT_TRUE(TextToFloat(QStringLiteral("1e-05"), v));
  EXPECT_EQ(v, 1e-5);
  EXPECT_FALSE(TextToFloat(QStringLiteral("x"), v));
}

TEST(iPropertyText, LineRoutines) {
  QString l;
  QString r;
  EXPECT_TRUE(SplitAtSeparator(QStringLiteral(" Min = 5 "), QLatin1Char('='), l, r));
  EXPECT_EQ(l, QStringLiteral("Min"));
  EXPECT_EQ(r, QStringLiteral("5"));
  QString name = QStringLiteral("xaxis.Min");
  QString found;
  StripNamePrefix(QStringLiteral("XAxis"), name, found);
  EXPECT_EQ(name, QStringLiteral("Min"));
  EXPECT_EQ(found, QStringLiteral("xaxis"));
  QStringList list{QStringLiteral("A = 1"), QStringLiteral("b = 2")};
  QString value;
  EXPECT_TRUE(ExtractNamedValue(QStringLiteral("B"), value, list));
  EXPECT_EQ(value, QStringLiteral("2"));
  EXPECT_EQ(list.size(), 1);
  EXPECT_FALSE(ExtractNamedValue(QStringLiteral("C"), value, list));
}
