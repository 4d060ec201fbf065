#include <clocale>

#include <gtest/gtest.h>

#include "platform/text/CFormat.h"

namespace {

TEST(CFormat, formatsWithThePrintfRulesOfTheCLocale) {
  EXPECT_EQ(FormatC("%4.2fKHz", 1.5), QStringLiteral("1.50KHz"));
  EXPECT_EQ(FormatC("%+1.1fdB", -0.5), QStringLiteral("-0.5dB"));
  EXPECT_EQ(FormatC("%3dms", 7), QStringLiteral("  7ms"));
  EXPECT_EQ(FormatC("%.2f", 0.125), QStringLiteral("0.12"));
  EXPECT_EQ(FormatC("%s", ""), QString());
}

}  // namespace
