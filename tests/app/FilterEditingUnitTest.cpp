#include <chrono>
#include <cmath>

#include <gtest/gtest.h>

#include "dsp/FrequencyGrid.h"
#include "link/LUnitSession.h"
#include "platform/threads/TTimer.h"
#include "protocol/CommandCodes.h"
#include "tests/app/PtyUnitWindow.h"
#include "tests/app/FilterEditingTestSupport.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/UnitSim.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"
#include "widgets/vr/TVrDemoButton.h"

using namespace std::chrono_literals;

namespace {

constexpr std::uint8_t kPeqCode = 0x33;

/// One window connected over a pty to a simulated unit whose InA and InB are
/// linked, for the whole suite; each test starts with the unit's frames
/// forgotten.
class FilterEditingUnit : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    unit = new PtyUnitWindow;
    window = &unit->Window();
    sim = &unit->Sim();
    window->show();
    ASSERT_TRUE(unit->StartUnit());
    ASSERT_TRUE(LinkInputPairAndReadOut(*window, *sim));
    ShowImageOnFilterControls(*window);
  }
  static void TearDownTestSuite() {
    delete unit;
    unit = nullptr;
    window = nullptr;
    sim = nullptr;
  }

  void SetUp() override {
    ASSERT_NE(window, nullptr);
    ProcessEventsUntil([] { return false; }, 50ms);
    sim->ClearReceivedFrames();
    sim->ClearFaults();
  }

  static std::vector<SimReceivedFrame> Frames(std::uint8_t code) {
    std::vector<SimReceivedFrame> frames;
    for (const SimReceivedFrame& frame : sim->ReceivedFrames()) {
      if (frame.frame.code == code) {
        frames.push_back(frame);
      }
    }
    return frames;
  }
  static std::array<std::uint8_t, 6> SimBand(int channel, int band) {
    const SimImage image = sim->Image();
    const std::size_t at = SimImageLayout::ChannelRecord(channel) +
                           (channel < 3 ? SimImageLayout::kInBands : SimImageLayout::kOutBands) + 6 * std::size_t(band);
    std::array<std::uint8_t, 6> bytes{};
    std::copy_n(image.begin() + std::ptrdiff_t(at), 6, bytes.begin());
    return bytes;
  }
  static std::array<std::uint8_t, 6> EditorBand(int channel, int band) {
    std::array<std::uint8_t, 6> bytes{};
    std::copy_n(window->UnitControl().Image().Data() + UnitImage::BandRecord(channel, band), 6, bytes.begin());
    return bytes;
  }
  static void ChooseBand(const char* selector) {
    Named<TRzBmpButton>(*window, QStringLiteral("rzbMenuInA")).Click();
    Named<TRzBmpButton>(*window, QLatin1String(selector)).Click();
  }

  static PtyUnitWindow* unit;
  static TfmMain* window;
  static UnitSim* sim;
};

PtyUnitWindow* FilterEditingUnit::unit = nullptr;
TfmMain* FilterEditingUnit::window = nullptr;
UnitSim* FilterEditingUnit::sim = nullptr;

TEST_F(FilterEditingUnit, oneGainEditReachesTheUnitOnceForTheWholeLinkGroup) {
  const auto inC = SimBand(2, 2);
  ChooseBand("rzbEq3InA");
  auto& gain = Named<TAdvTrackBar>(*window, QStringLiteral("isEqGainInA"));
  ASSERT_EQ(gain.Position(), 120);
  gain.SetPosition(150);
  EXPECT_EQ(Named<TCurvyEdit>(*window, QStringLiteral("cvdEqGainInA")).GetText(), "+3.0dB");
  EXPECT_TRUE(Frames(kPeqCode).empty());
  ASSERT_TRUE(ProcessEventsUntil([] { return !Frames(kPeqCode).empty(); }, 10s));
  ProcessEventsUntil([] { return false; }, 300ms);  // nothing more follows
  const auto frames = Frames(kPeqCode);
  ASSERT_EQ(frames.size(), 1u);
  const std::vector<std::uint8_t> expected{0x10, 0x02, 0x00, 0x01, 0x0A, 0x33, 0x00, 0x02, 0x96,
                                           0x00, 0x5A, 0x00, 0x23, 0x00, 0x00, 0x10, 0x03, 0xD4};
  EXPECT_EQ(frames[0].raw, expected);
  const std::array<std::uint8_t, 6> band{0x96, 0x00, 0x5A, 0x00, 0x23, 0x00};
  EXPECT_EQ(SimBand(0, 2), band);
  EXPECT_EQ(SimBand(1, 2), band);
  EXPECT_EQ(SimBand(2, 2), inC);
  EXPECT_EQ(EditorBand(0, 2), band);
  EXPECT_EQ(EditorBand(1, 2), band);
  EXPECT_EQ(EditorBand(2, 2), inC);
  // The curve: a +3 dB peak at 157.5 Hz in band 2 and in the total.
  Plot& curves = window->ResponseCurve(0);
  const int bin = int(std::lround(FrequencyGrid::BinPosition(157.5)));
  EXPECT_NEAR(curves.Section(2).GetCurve()[std::size_t(bin)], 3.0, 0.05);
  EXPECT_NEAR(curves.Section(Plot::kTotalSection).GetCurve()[std::size_t(bin)], 3.0, 0.3);
  const auto& overlay = Named<LMyFFTDrawHpLp6dB>(*window, QStringLiteral("fftDrawInA")).Overlay();
  EXPECT_DOUBLE_EQ(overlay.BlockY[2], 3.0);
  for (int entry : {0, 1, 2, 9}) {
    EXPECT_TRUE(window->State().CurveOverlayMasks[std::size_t(entry)] & 1u) << entry;
  }
}

TEST_F(FilterEditingUnit, gainStepsTakenTogetherOrAgainstSlowRepliesLeaveTheLastValue) {
  ChooseBand("rzbEq5InA");
  auto& gain = Named<TAdvTrackBar>(*window, QStringLiteral("isEqGainInA"));
  for (int step = 1; step <= 30; ++step) {
    gain.SetPosition(120 - step);
  }
  ASSERT_TRUE(ProcessEventsUntil([] { return !Frames(kPeqCode).empty(); }, 10s));
  ProcessEventsUntil([] { return false; }, 300ms);
  ASSERT_EQ(Frames(kPeqCode).size(), 1u);
  EXPECT_EQ(EditorBand(0, 4)[0], 90);

  sim->ClearReceivedFrames();
  SimFault slow;
  slow.code = kPeqCode;
  slow.delay = 300ms;
  sim->AddFault(slow);
  // Each step is applied by its own curve timer, all before the unit's
  // first reply.
  TTimer* curveTimer = window->Controls().Find<TTimer>(QStringLiteral("tmEqCurve"));
  for (int step = 1; step <= 30; ++step) {
    gain.SetPosition(90 + step);
    curveTimer->OnTimer(curveTimer);
  }
  ASSERT_TRUE(ProcessEventsUntil([] { return SimBand(0, 4)[0] == 120; }, 10s));
  ProcessEventsUntil([] { return false; }, 700ms);
  const auto frames = Frames(kPeqCode);
  EXPECT_LE(frames.size(), 2u);
  ASSERT_FALSE(frames.empty());
  EXPECT_EQ(frames.back().raw[8], 120);
}

TEST_F(FilterEditingUnit, outputResetSendsEveryBandTwiceAndLeavesTheDefaults) {
  auto& panel = Named<TMyPEQType10>(*window, QStringLiteral("peqPeqOut2"));
  panel.SetNowIndex(3);
  panel.SetGainValue(3, -6.0);
  ProcessEventsUntil([] { return false; }, 100ms);
  sim->ClearReceivedFrames();
  window->ResetChannelPeq(4);
  EXPECT_EQ(panel.GetNowIndex(), 0);
  ASSERT_TRUE(ProcessEventsUntil([] { return SimBand(4, 3)[0] == 120; }, 10s));
  ProcessEventsUntil([] { return false; }, 500ms);
  for (int band = 0; band < 9; ++band) {
    const PeqBandRecord record = window->UnitControl().GetDefaultPeqBand(4, band);
    std::array<std::uint8_t, 6> bytes{};
    record.Write(bytes.data());
    EXPECT_EQ(SimBand(4, band), bytes) << band;
    EXPECT_EQ(EditorBand(4, band), bytes) << band;
  }
  // Each band was appended once on top of what the setter sent.
  int appended = 0;
  for (const SimReceivedFrame& frame : Frames(kPeqCode)) {
    appended += frame.raw[6] == 4 ? 1 : 0;
  }
  EXPECT_GE(appended, 9);
}

TEST_F(FilterEditingUnit, bypassOfALinkedInputSetsTheGroupAndSendsOneFrame) {
  auto& bypass = Named<TVrDemoButton>(*window, QStringLiteral("vrbEqBypassInA"));
  bypass.OnClick(&bypass);
  EXPECT_EQ(window->UnitControl().GetEqBypassMask(0) & 0x7u, 0x3u);
  EXPECT_EQ(Named<LMyFFTDrawHpLp6dB>(*window, QStringLiteral("fftDrawInA")).Overlay().OverlayText, "BYPASS");
  EXPECT_TRUE(Named<LMyFFTDrawHpLp6dB>(*window, QStringLiteral("fftDrawInB")).Overlay().OverlayText.isEmpty());
  ASSERT_TRUE(ProcessEventsUntil([] { return !Frames(CMD_EQ_BYPASS).empty(); }, 10s));
  ProcessEventsUntil([] { return false; }, 300ms);
  const auto frames = Frames(CMD_EQ_BYPASS);
  ASSERT_EQ(frames.size(), 1u);
  bypass.OnClick(&bypass);
  EXPECT_EQ(window->UnitControl().GetEqBypassMask(0) & 0x7u, 0u);
  EXPECT_TRUE(Named<LMyFFTDrawHpLp6dB>(*window, QStringLiteral("fftDrawInA")).Overlay().OverlayText.isEmpty());
}

TEST_F(FilterEditingUnit, anInputLowCutIsSentWithItsSlopeButNotStored) {
  const SimImage before = sim->Image();
  Named<TRzComboBox>(*window, QStringLiteral("rzcLowCutSlopInA")).SetItemIndex(9);  // LR -24, no event
  auto& bar = Named<TAdvTrackBar>(*window, QStringLiteral("isLowCutFreqInA"));
  bar.SetPosition(100);
  EXPECT_EQ(Named<TCurvyEdit>(*window, QStringLiteral("cvdLowCutFreqInA")).GetText(), "198.4Hz");
  ASSERT_TRUE(ProcessEventsUntil([] { return !Frames(CMD_HIGH_PASS).empty(); }, 10s));
  const auto frame = Frames(CMD_HIGH_PASS).back().raw;
  EXPECT_EQ(frame[6], 0);    // InA
  EXPECT_EQ(frame[7], 100);  // index
  EXPECT_EQ(frame[9], 10);   // slope byte of LR -24
  EXPECT_EQ(sim->Image(), before);
  // The curve timer drew the cut on section 31 with its marker.
  ASSERT_TRUE(ProcessEventsUntil(
      [] { return !window->Controls().Find<TTimer>(QStringLiteral("tmHpLpCurve"))->Enabled(); }, 2s));
  EXPECT_EQ(window->ResponseCurve(0).Section(31).GetType(), 15);
  EXPECT_TRUE(Named<LMyFFTDrawHpLp6dB>(*window, QStringLiteral("fftDrawInA")).IsBlockDrawn(31));
}

}  // namespace
