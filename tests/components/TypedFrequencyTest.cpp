#include <cmath>
#include <optional>

#include <gtest/gtest.h>

#include "components/TypedFrequency.h"
#include "components/peq/PeqBandText.h"

namespace {

TEST(TypedFrequency, unitsKiloAndTheLeadingNumber) {
  struct Case {
    const char* text;
    std::optional<double> hertz;
  };
  const Case cases[] = {
      {"1k", 1000.0},      {"1kHz", 1000.0},       {"1000", 1000.0},        {"1000hz", 1000.0},
      {"1000 HZ", 1000.0}, {"1K", 1000.0},         {"157.5", 157.5},        {"1,5k", 1000.0},
      {" 1000", 1000.0},   {".5k", 500.0},         {"0", 0.0},              {"", std::nullopt},
      {".", std::nullopt}, {"1.2.3", std::nullopt}, {"abc", std::nullopt},  {"-5", std::nullopt},
      {"1e3", std::nullopt}, {"k", std::nullopt},  {"Hz", std::nullopt},    {"1\xc2\xb5", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TypedFrequencyHertz(c.text, false), c.hertz) << c.text;
  }
  EXPECT_EQ(TypedFrequencyHertz("0", true), std::nullopt);
}

// A number too long for a double reads as infinitely high in every
// frequency box, never as no number (the lowest frequency).
TEST(TypedFrequency, aNumberBeyondDoubleIsAboveTheGrid) {
  const QByteArray nines(309, '9');
  EXPECT_TRUE(std::isinf(TypedFrequencyHertz(nines, false).value_or(0.0)));
  EXPECT_TRUE(std::isinf(TypedFrequencyHertz(nines + "Hz", true).value_or(0.0)));
  EXPECT_EQ(PeqTypedFreqIndex(QString::fromLatin1(nines)), 300);
  EXPECT_EQ(PeqTypedFreqIndex(QStringLiteral("1") + QString(308, QLatin1Char('0'))), 300);
}

}  // namespace
