#include "firdesign/FirDesignEntry.h"

#include <optional>

#include <gtest/gtest.h>

namespace {

struct GainCase {
  const char* text;
  std::optional<int> step;
};

TEST(FirDesignEntry, gainCommitsFollowTheTypedRules) {
  const GainCase cases[] = {
      {"+5dB", 170},  {"15", 240},    {"-15", 0},      {"-3.25", std::nullopt}, {"1,5", 130},
      {"0.3", 123},   {"-3.2", 88},   {"5DB", 170},    {"5db", 170},            {"5Db", 170},
      {"", std::nullopt}, {"-", std::nullopt}, {".", std::nullopt}, {"abc", std::nullopt},
      {"1.2.3", std::nullopt}, {"--1", std::nullopt}, {"1e1", std::nullopt}, {"0x10", std::nullopt},
      {" 2", 140},    {"+", 120},
  };
  for (const GainCase& c : cases) {
    EXPECT_EQ(FirDesignEntry::GainStep(QString::fromUtf8(c.text)), c.step) << c.text;
  }
}

struct DelayCase {
  const char* text;
  double minMs;
  double maxMs;
  std::optional<int> step;
};

TEST(FirDesignEntry, delayCommitsRoundHalvesDownAndHoldTheirLimits) {
  const DelayCase cases[] = {
      {"1.25", -10, 10, 120},     {"10.1", -10, 10, 960},      {"-11ms", -10, 10, -960},
      {"1.25ms", -10, 10, 120},   {"1.25MS", -10, 10, 120},    {"0.0052", -10, 10, 0},   // 0.4992 samples
      {"0.0053", -10, 10, 1},     // 0.5088 samples
      {"-1.26", -10, 10, -120},   // cut toward zero
      {"3", 0, 256 / 96.0, 256},  {"-1", 0, 256 / 96.0, 0},   {"1,5", -10, 10, 96},
      {"abc", -10, 10, std::nullopt}, {"", -10, 10, std::nullopt}, {"1..2", -10, 10, std::nullopt},
  };
  for (const DelayCase& c : cases) {
    EXPECT_EQ(FirDesignEntry::DelayStep(QString::fromUtf8(c.text), c.minMs, c.maxMs), c.step) << c.text;
  }
}

TEST(FirDesignEntry, tapCountsAreHeldAndCut) {
  const std::pair<const char*, int> cases[] = {{"abc", 32}, {"", 32}, {"10", 32}, {"2000", 2000}, {"5000", 2048},
                                               {"1023.9", 1023}, {"1e3", 32}, {"+600", 600}, {"-5", 32}};
  for (const auto& [text, step] : cases) {
    EXPECT_EQ(FirDesignEntry::TapsStep(QString::fromUtf8(text)), step) << text;
  }
}

TEST(FirDesignEntry, rangeFrequenciesTakeKilohertzAndStayOnTheGrid) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"1k", 170},           {"1K", 170},            {"1000Hz", 170},         {"1kHz", 170},
      {"30k", 308},          {"5", -29},             {"500.0Hz", 140},        {"0", std::nullopt},
      {"", std::nullopt},    {".", std::nullopt},    {"-5", std::nullopt},    {"1.2.3", std::nullopt},
      {"20.16KHz", 300},
  };
  for (const auto& [text, index] : cases) {
    EXPECT_EQ(FirDesignEntry::RangeIndex(QString::fromUtf8(text)), index) << text;
  }
  EXPECT_EQ(FirDesignEntry::RangeIndex(QString(309, QLatin1Char('9'))), 308);
  EXPECT_EQ(FirDesignEntry::TapsStep(QString(309, QLatin1Char('9'))), 2048);
}

TEST(FirDesignEntry, textsOfTheValuesInForce) {
  EXPECT_EQ(FirDesignEntry::GainText(170), QStringLiteral("+5.0dB"));
  EXPECT_EQ(FirDesignEntry::GainText(120), QStringLiteral("+0.0dB"));
  EXPECT_EQ(FirDesignEntry::GainText(116), QStringLiteral("-0.4dB"));
  EXPECT_EQ(FirDesignEntry::DelayText(512), QStringLiteral("5.333ms"));
  EXPECT_EQ(FirDesignEntry::FrequencyText(1000.0), QStringLiteral("1.00KHz"));
  EXPECT_EQ(FirDesignEntry::FrequencyText(500.0), QStringLiteral("500.0Hz"));
}

}  // namespace
