#include <cstdint>
#include <vector>

#include "components/LProgressBar.h"
#include "link/LUnitSession.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TUpDown.h"
#include "tests/app/LiveWindowFixture.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

/// A level reply: every channel's word, the mask and the idle count.
std::vector<std::uint8_t> Levels(const std::vector<std::array<std::uint8_t, 3>>& channelWords, std::uint16_t mask,
                                 std::uint32_t idle) {
  std::vector<std::uint8_t> payload(42, 0);
  for (int channel = 0; channel < int(channelWords.size()); ++channel) {
    const int word = channel < 3 ? channel : channel + 1;
    for (int k = 0; k < 3; ++k) {
      payload[3 * word + k] = channelWords[channel][k];
    }
  }
  payload[36] = mask & 0xFF;
  payload[37] = mask >> 8;
  for (int k = 0; k < 4; ++k) {
    payload[38 + k] = (idle >> (8 * k)) & 0xFF;
  }
  return payload;
}

class MainWindowMeters : public LiveWindowFixture {
protected:
  int Meter(const char* name) { return Get<LProgressBar>(name).Position(); }
  QString Load() { return Get<TLabel>("lbDspMips").Caption(); }
  TColor LoadColour() { return Get<TLabel>("lbDspMips").Font().Color(); }
  bool Flashing() { return Get<TTimer>("tmMipsFlash").Enabled(); }
};

TEST_F(MainWindowMeters, levelsLightEveryMeterOfTheirChannelAndThePageMeters) {
  window->State().SelectedCompressorInput = 1;
  window->State().SelectedGateInput = 2;
  window->State().SelectedLimiterOutput = 5;
  Get<TUpDown>("udCompRatioInA").SetPosition(0);
  Get<TUpDown>("udCompRatioInB").SetPosition(3);
  Get<TUpDown>("udLimitRatioOut1").SetPosition(2);
  Get<TAdvTrackBar>("isLimitThresholdOut1").SetPosition(40);
  Get<TUpDown>("udLimitRatioOut3").SetPosition(2);
  Get<TAdvTrackBar>("isLimitThresholdOut3").SetPosition(10);
  const std::array<std::uint8_t, 3> one{0x80, 0x3F, 0x00}, half{0x00, 0x3F, 0x00}, tenth{0xCC, 0x3D, 0xCC},
      silent{0xFF, 0xFF, 0x00};
  // Mask: InA and InB compressors, Out1 and Out3 limiters act.
  window->ShowLevels(Levels({one, half, tenth, one, half, one, silent, tenth, one}, 0x0503, 4809));

  const struct {
    const char* meter;
    int lit;
  } rows[] = {
      {"pbLevelInA", 8},       {"pbLevelBackupInA", 8}, {"pbLevelGateInA", 8},   {"pbLevelCompInA", 8},
      {"pbLimitInA", 0},       {"pbLimitCompInA", 0},   {"pbLimitBackupInA", 0}, {"pbLevelInB", 6},
      {"pbLimitInB", 1},       {"pbLimitBackupInB", 1}, {"pbLimitCompInB", 1},   {"pbLevelInC", 4},
      {"pbLevelOut1", 7},      {"pbLevelLimitOut1", 7}, {"pbLimitOut1", 0},      {"pbLevelBackupOut2", 6},
      {"pbLevelOut3", 7},      {"pbLimitOut3", 1},      {"pbLimitLimitOut3", 1}, {"pbLevelOut4", 0},
      {"pbLevelOut5", 4},      {"pbLevelOut6", 7},      {"pbLevelCompIn", 6},    {"pbLimitCompIn", 1},
      {"pbLevelGateIn", 4},    {"pbLevelLimitOut", 7},  {"pbLimitLimitOut", 1},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Meter(row.meter), row.lit) << row.meter;
  }
  EXPECT_EQ(Load(), "DSP:0.0%");

  window->ResetLiveDisplay();
  for (const auto& row : rows) {
    EXPECT_EQ(Meter(row.meter), 0) << row.meter;
  }
  EXPECT_EQ(Load(), "DSP:0.0%");
  EXPECT_EQ(LoadColour(), clWhite);
  window->State().SelectedCompressorInput = 0;
  window->State().SelectedGateInput = 0;
  window->State().SelectedLimiterOutput = 3;
}

TEST_F(MainWindowMeters, loadAlarmStartsAtNinetyNineAndEndsAfterThreeRepliesBelow) {
  const std::array<std::uint8_t, 3> half{0x00, 0x3F, 0x00};
  const auto reply = [&](std::uint32_t idle) {
    window->ShowLevels(Levels(std::vector(9, half), 0, idle));
  };
  reply(49);
  EXPECT_EQ(Load(), "DSP:99.0%");
  EXPECT_FALSE(Flashing()) << "98.98 % is below the alarm";
  reply(48);
  EXPECT_TRUE(Flashing());
  EXPECT_EQ(LoadColour(), clRed);
  EXPECT_EQ(Get<TLabel>("lbDspMips").Font().Size(), 12);
  reply(4809);
  reply(4809);
  reply(0);  // back at the limit: the count starts again
  EXPECT_EQ(Load(), "DSP:100.0%");
  reply(4809);
  reply(4809);
  EXPECT_TRUE(Flashing());
  reply(0xFFFFFFFFu);
  EXPECT_FALSE(Flashing()) << "an idle count above the capacity is no alarm";
  EXPECT_EQ(LoadColour(), clWhite);
  EXPECT_EQ(window->State().DspFlashHold, 0);

  const std::vector<std::uint8_t> full = Levels(std::vector(9, half), 0, 48);
  window->ShowLevels(std::span(full).first(41));
  EXPECT_EQ(window->State().DspIdleCount, 0xFFFFFFFFu) << "41 bytes change nothing";
  EXPECT_EQ(Meter("pbLevelInA"), 6);
  EXPECT_FALSE(Flashing());
  window->StopLiveDisplay();
  EXPECT_EQ(Meter("pbLevelInA"), 0);
  EXPECT_EQ(window->State().DspIdleCount, 4809u);
}

}  // namespace
