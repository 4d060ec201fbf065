#include <gtest/gtest.h>

#include "widgets/smooth/IntegerFormat.h"

TEST(IntegerFormat, TakesIntegerSpecifiersAndLeavesAnythingElseAsWritten) {
  const struct {
    const char* format;
    QString expected;
  } cases[] = {{"%d of %d", QStringLiteral("473 of 946")},
               {"Pos: %d", QStringLiteral("Pos: 473")},
               {"%5d|%-4d|", QStringLiteral("  473|946 |")},
               {"%x %X 100%%", QStringLiteral("1d9 3B2 100%")},
               {"%s %n %d %d %d", QStringLiteral("%s %n 473 946 %d")},
               {"%", QStringLiteral("%")}};
  for (const auto& c : cases) {
    EXPECT_EQ(FormatIntegers(QString::fromLatin1(c.format), {473, 946}), c.expected) << c.format;
  }
}
