#include <cstdint>
#include <string>
#include <vector>

#include <QString>
#include <gtest/gtest.h>

#include "platform/text/CFormat.h"
#include "protocol/LevelReport.h"

namespace {

struct WordCase {
  std::uint8_t b0, b1, b2;
  int inputSegments;
  int outputSegments;
};

TEST(LevelReport, wordsLightTheSegmentsBelowLevelPlusSeventeen) {
  const WordCase cases[] = {
      {0x80, 0x3F, 0x00, 8, 7},  // 1.0, 0 dB: the last output segment needs more than +3 dB
      {0x00, 0x3F, 0x00, 6, 6},  // 0.5, -6.02 dB
      {0xCC, 0x3D, 0xCC, 4, 4},  // about 0.1, -20.0 dB
      {0x00, 0x00, 0x00, 0, 0},
      {0xFF, 0xFF, 0x00, 0, 0},  // top byte 0xFF counts as silence
      {0x80, 0xBF, 0x00, 0, 0},  // -1.0: not a level
      {0x00, 0x41, 0x00, 8, 8},  // 8.0, +18 dB
      {0xC0, 0x7F, 0x00, 0, 0},  // NaN
  };
  for (const WordCase& c : cases) {
    const float value = LevelReport::WordValue(c.b0, c.b1, c.b2);
    EXPECT_EQ(MeterSegments(value, false), c.inputSegments) << int(c.b0) << ' ' << int(c.b1) << ' ' << int(c.b2);
    EXPECT_EQ(MeterSegments(value, true), c.outputSegments) << int(c.b0) << ' ' << int(c.b1) << ' ' << int(c.b2);
  }
}

TEST(LevelReport, aLevelExactlyAtThresholdMinusSeventeenLightsNothingMore) {
  // 10^(-37/20) sits on segment 1's boundary (-20 - 17 dB) to within float rounding.
  EXPECT_EQ(MeterSegments(0.0141f, false), 1);
  EXPECT_EQ(MeterSegments(0.0142f, false), 2);
}

TEST(LevelReport, parseNeedsFortyTwoBytesAndReadsMaskAndIdleCountLowByteFirst) {
  std::vector<std::uint8_t> payload(42, 0);
  payload[12] = 0x80;  // word 4, Out1
  payload[13] = 0x3F;
  payload[36] = 0x01;
  payload[37] = 0x01;
  payload[38] = 0x30;
  payload[39] = 0x00;
  payload[40] = 0x00;
  payload[41] = 0x80;
  const auto report = LevelReport::Parse(payload);
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(report->levels[LevelReport::WordOfChannel(3)], 1.0f);
  EXPECT_EQ(report->activityMask, 0x0101);
  EXPECT_EQ(report->idleCount, 0x80000030u);
  EXPECT_FALSE(LevelReport::Parse(std::span(payload).first(41)).has_value());
  EXPECT_FALSE(LevelReport::Parse({}).has_value());
}

TEST(LevelReport, loadIsSinglePrecisionAndAnIdleCountAboveCapacityIsNegative) {
  const struct {
    std::uint32_t idle;
    const char* text;
    bool alarm;
  } cases[] = {
      {4809, "DSP:0.0%", false}, {49, "DSP:99.0%", false},  {48, "DSP:99.0%", true},
      {0, "DSP:100.0%", true},   {5000, "DSP:-4.0%", false}, {0xFFFFFFFFu, "DSP:-89310928.0%", false},
  };
  for (const auto& c : cases) {
    const float load = DspLoad(c.idle);
    EXPECT_EQ(FormatC("DSP:%2.1f%%", double(load)).toStdString(), c.text) << c.idle;
    EXPECT_EQ(load >= kDspLoadThreshold, c.alarm) << c.idle;
  }
}

}  // namespace
