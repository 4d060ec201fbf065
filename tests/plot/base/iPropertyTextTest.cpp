#include "plot/base/iPropertyText.h"

#include <cfloat>
#include <cmath>

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

TEST(iPropertyText, FloatToText_readsBackExactlyEveryFiniteValue) {
  const double values[] = {DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0), DBL_MIN, -DBL_TRUE_MIN,
                           1.0 / 3.0, 0.1 + 0.2, -1234567890123456.7, 2.5e-300};
  for (const double value : values) {
    const QString text = FloatToText(value);
    double back = 0;
    ASSERT_TRUE(TextToFloat(text, back)) << text.toStdString();
    EXPECT_EQ(back, value) << text.toStdString();
  }
  EXPECT_EQ(FloatToText(-DBL_MAX), QStringLiteral("-1.7976931348623157E308"));
  EXPECT_EQ(FloatToText(1.0 / 3.0), QStringLiteral("0.3333333333333333"));
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
