#include <chrono>
#include <vector>

#include <gtest/gtest.h>

#include "editors/dynamics/TransferCurve.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TUpDown.h"
#include "plot/channels/TiXYPlotChannel.h"
#include "plot/core/TiXYPlot.h"
#include "protocol/LUnitControl.h"
#include "tests/app/LinkedUnitWindowFixture.h"
#include "widgets/trackbar/TAdvTrackBar.h"

using namespace std::chrono_literals;

namespace {

constexpr std::uint8_t kCompressorCode = 0x30;
constexpr std::uint8_t kGateCode = 0x3E;
constexpr std::uint8_t kLimiterCode = 0x3F;
constexpr std::uint8_t kDynamicsCodes[] = {kCompressorCode, kGateCode, kLimiterCode};

class DynamicsEditing : public LinkedUnitWindow {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window->Session().IsUnitLinked());
    FramesAfterSettling(kDynamicsCodes);  // what an earlier test queued
    sim->ClearReceivedFrames();
  }

  /// Exactly one frame of `code`, once the queue has drained.
  static Bytes OnlyFrame(std::uint8_t code) {
    FramesOf(code, 1);
    EXPECT_EQ(FramesAfterSettling(kDynamicsCodes), 1u) << "one frame per edit";
    const std::vector<Bytes> frames = FramesOf(code, 1);
    return frames.empty() ? Bytes{} : frames.front();
  }

  static std::string Text(const char* box) { return Get<TCurvyEdit>(QLatin1String(box)).GetText().toStdString(); }
  static std::string Caption(const char* label) { return Get<TLabel>(QLatin1String(label)).Caption().toStdString(); }
  static int Bar(const char* name) { return Get<TAdvTrackBar>(QLatin1String(name)).Position(); }
  static int UpDown(const char* name) { return Get<TUpDown>(QLatin1String(name)).Position(); }

  static std::vector<TransferPoint> CurveOf(const char* plot) {
    const TiXYPlotChannel& channel = *Get<TiXYPlot>(QLatin1String(plot)).Channel(0);
    std::vector<TransferPoint> points;
    for (int i = 0; i < channel.Count(); ++i) {
      points.push_back({channel.GetX(i), channel.GetY(i)});
    }
    return points;
  }
};

TEST_F(DynamicsEditing, compressorAttackBar_sendsTheWholeRecordOnceAndMovesThePartner) {
  ShowPage("rzbMenuComp");
  Get<TAdvTrackBar>(QStringLiteral("isCompAttackInA")).SetPosition(19);
  EXPECT_EQ(OnlyFrame(kCompressorCode),
            (Bytes{0x10, 0x02, 0x00, 0x01, 0x10, 0x30, 0x00, 0x00, 0x00, 0x13, 0x00, 0xF3,
                   0x01, 0x00, 0x00, 0xDC, 0x00, 0xAA, 0x00, 0x23, 0x00, 0x10, 0x03, 0x94}));
  using namespace SimImageLayout;
  ASSERT_TRUE(sim->WaitUntil([] { return SimWord(1, kInCompressor + 2, 0) == 19; }, 5s));
  EXPECT_EQ(SimWord(0, kInCompressor + 2, 0), 19);
  EXPECT_EQ(SimWord(2, kInCompressor + 2, 0), 49);
  EXPECT_EQ(sim->Image()[ChannelRecord(1) + kInCompressor + 12], 35) << "the carried byte travels with the record";
  EXPECT_EQ(Bar("isCompAttackInB"), 19);
  EXPECT_EQ(Text("cvdCompAttackInA"), " 20ms");
  EXPECT_EQ(Text("cvdCompAttackInB"), " 20ms");
  EXPECT_EQ(Bar("isCompAttackInC"), 49);
  ASSERT_TRUE(ProcessEventsUntil([] { return !Get<TTimer>(QStringLiteral("tmCompDisp")).Enabled(); }, 5s));
  EXPECT_EQ(Caption("lbCompName"), "In A  RMS Compressor");
}

TEST_F(DynamicsEditing, typedGateThreshold_sendsForTheEditedInputAndNamesItOnThePanel) {
  ShowPage("rzbMenuGate");
  Enter(Get<TCurvyEdit>(QStringLiteral("cvdGateThresholdInB")), QStringLiteral("-40"));
  EXPECT_EQ(OnlyFrame(kGateCode), (Bytes{0x10, 0x02, 0x00, 0x01, 0x0A, 0x3E, 0x01, 0x00, 0x00, 0x63, 0x00, 0x0F, 0x00,
                                         0x64, 0x00, 0x10, 0x03, 0x3D}));
  using namespace SimImageLayout;
  ASSERT_TRUE(sim->WaitUntil([] { return SimWord(0, kInGate + 6, 0) == 100; }, 5s));
  EXPECT_EQ(SimWord(1, kInGate + 6, 0), 100);
  EXPECT_EQ(SimWord(2, kInGate + 6, 0), 0);
  EXPECT_EQ(Bar("isGateThresholdInA"), -80);
  EXPECT_EQ(Text("cvdGateThresholdInA"), "-40.0dB");
  EXPECT_EQ(Text("cvdGateThresholdInB"), "-40.0dB");
  EXPECT_EQ(Caption("lbGateName"), "In B  Gate");
  EXPECT_EQ(Caption("lbHeadGateIn"), "In B") << "the meter's head names the input it shows";
  EXPECT_EQ(CurveOf("ipGate"), TransferCurve::Gate(-80, 15, true).points);

  // Typed above the bar's 0 dB top: the bar ends there and the value is sent
  // even when it already stood there.
  sim->ClearReceivedFrames();
  Enter(Get<TCurvyEdit>(QStringLiteral("cvdGateThresholdInC")), QStringLiteral("10"));
  EXPECT_EQ(Bar("isGateThresholdInC"), 0);
  EXPECT_EQ(OnlyFrame(kGateCode).at(13), 180);
  sim->ClearReceivedFrames();
  Enter(Get<TCurvyEdit>(QStringLiteral("cvdGateThresholdInC")), QStringLiteral("10"));
  const Bytes frame = OnlyFrame(kGateCode);
  ASSERT_GE(frame.size(), 15u);
  EXPECT_EQ(frame[6], 2);
  EXPECT_EQ(frame[13], 180);
  EXPECT_EQ(Text("cvdGateThresholdInC"), "+0.0dB");
}

TEST_F(DynamicsEditing, typedLimiterRatio_sendsForOut2AndTheGroupFollows) {
  ShowPage("rzbMenuLimit");
  Enter(Get<TCurvyEdit>(QStringLiteral("cvdLimitRatioOut2")), QStringLiteral("4"));
  EXPECT_EQ(OnlyFrame(kLimiterCode), (Bytes{0x10, 0x02, 0x00, 0x01, 0x0C, 0x3F, 0x04, 0x09, 0x00, 0x31,
                                            0x00, 0xF3, 0x01, 0x00, 0x00, 0xDC, 0x00, 0x10, 0x03, 0x21}));
  using namespace SimImageLayout;
  ASSERT_TRUE(sim->WaitUntil([] { return SimWord(5, 0, kOutLimiter) == 9; }, 5s));
  EXPECT_EQ(SimWord(3, 0, kOutLimiter), 9);
  EXPECT_EQ(SimWord(6, 0, kOutLimiter), 15);
  for (const char* s : {"Out1", "Out2", "Out3"}) {
    EXPECT_EQ(Get<TUpDown>(QStringLiteral("udLimitRatio") + QLatin1String(s)).Position(), 9) << s;
    EXPECT_EQ(Get<TCurvyEdit>(QStringLiteral("cvdLimitRatio") + QLatin1String(s)).GetText(), "1:4.0") << s;
  }
  EXPECT_EQ(UpDown("udLimitRatioOut4"), 15);
  ASSERT_TRUE(ProcessEventsUntil([] { return !Get<TTimer>(QStringLiteral("tmLimitDisp")).Enabled(); }, 5s));
  EXPECT_EQ(Caption("lbLimitName"), "Out 2  Peak Limit");
  EXPECT_EQ(Caption("lbHeadLimitOut"), "Out 2");
  EXPECT_EQ(CurveOf("ipLimit"), TransferCurve::Compressor(Bar("isLimitThresholdOut2"), 0, 9, false).points);
}

TEST_F(DynamicsEditing, arrowsBeyondTheEnds_sendNothing) {
  TUpDown& knee = Get<TUpDown>(QStringLiteral("udLimitKneeOut4"));
  knee.SetPosition(12);
  EXPECT_EQ(OnlyFrame(kLimiterCode).at(13), 12);
  EXPECT_EQ(Text("cvdLimitKneeOut4"), "12dB");
  sim->ClearReceivedFrames();
  knee.Step(TUpDownDirection::updUp);
  Get<TUpDown>(QStringLiteral("udCompRatioInC")).Step(TUpDownDirection::updDown);
  EXPECT_EQ(knee.Position(), 12);
  EXPECT_EQ(UpDown("udCompRatioInC"), 0);
  EXPECT_EQ(FramesAfterSettling(kDynamicsCodes), 0u);
  EXPECT_EQ(Text("cvdLimitKneeOut4"), "12dB");
}

// Builds on the edits of the tests above, which run before it.
TEST_F(DynamicsEditing, reconnect_showsTheSameValuesAndCurves) {
  using namespace SimImageLayout;
  Get<TAdvTrackBar>(QStringLiteral("isLimitThresholdOut1")).SetPosition(-40);
  ASSERT_TRUE(ProcessEventsUntil([] { return SimWord(4, 0, kOutLimiter + 8) == 140; }, 5s));
  ASSERT_TRUE(sim->WaitUntil([] { return SimWord(0, kInCompressor + 2, 0) == 19; }, 5s)) << "an earlier edit";
  window->Session().Disconnect();
  window->UnitControl().Image() = UnitImage::Default();
  window->RefreshAllFromUnit();
  EXPECT_EQ(Bar("isCompAttackInA"), 49);
  EXPECT_EQ(CurveOf("ipLimit"), TransferCurve::Compressor(40, 0, 15, true).points);

  window->Session().OpenSerialLink();
  auto& poll = Get<TTimer>(QStringLiteral("tmInLevelDet"));
  ASSERT_TRUE(ProcessEventsUntil([&] { return poll.Enabled(); }, 30s)) << "no read-out";
  EXPECT_EQ(Bar("isCompAttackInA"), 19);
  EXPECT_EQ(Text("cvdCompAttackInB"), " 20ms");
  EXPECT_EQ(Bar("isGateThresholdInB"), -80);
  EXPECT_EQ(Text("cvdLimitRatioOut3"), "1:4.0");
  EXPECT_EQ(CurveOf("ipLimit"), TransferCurve::Compressor(-40, 0, 9, false).points);
  EXPECT_EQ(CurveOf("ipGate"), TransferCurve::Gate(-80, 15, true).points);
  EXPECT_EQ(Caption("lbLimitName"), "Out 1  Peak Limit");
  EXPECT_EQ(Caption("lbCompName"), "In A  RMS Compressor");
  EXPECT_EQ(window->State().SelectedCompressorInput, 0);
}

}  // namespace
