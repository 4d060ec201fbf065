#include <string>
#include <variant>
#include <vector>

#include "components/peq/TMyPEQType10.h"
#include "link/LUnitSession.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TUpDown.h"
#include "plot/channels/TiXYPlotChannel.h"
#include "plot/core/TiXYPlot.h"
#include "protocol/LUnitControl.h"
#include "tests/app/LiveWindowFixture.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

/// What one control must show after the refresh.
struct Shown {
  enum Kind { Position, Text, Caption, Hint, Down, Item, Left };
  const char* control;
  Kind kind;
  std::variant<int, const char*> expected;
};

std::string Actual(const QString& name, Shown::Kind kind, const ControlRegistry& controls) {
  switch (kind) {
    case Shown::Position:
      if (auto* bar = controls.Find<TAdvTrackBar>(name)) {
        return std::to_string(bar->Position());
      }
      return std::to_string(controls.Find<TUpDown>(name)->Position());
    case Shown::Text:
      return controls.Find<TCurvyEdit>(name)->Text().toStdString();
    case Shown::Caption:
      if (auto* label = controls.Find<TLabel>(name)) {
        return label->Caption().toStdString();
      }
      return controls.Find<TControl>(name)->Caption().toStdString();
    case Shown::Hint:
      return controls.Find<TControl>(name)->Hint().toStdString();
    case Shown::Down:
      return controls.Find<TRzBmpButton>(name)->Down() ? "1" : "0";
    case Shown::Item:
      return std::to_string(controls.Find<TRzComboBox>(name)->ItemIndex());
    case Shown::Left:
      return std::to_string(controls.Find<TControl>(name)->Left());
  }
  return {};
}

std::string Expected(const Shown& row) {
  return std::holds_alternative<int>(row.expected) ? std::to_string(std::get<int>(row.expected))
                                                   : std::string(std::get<const char*>(row.expected));
}

class MainWindowRefresh : public LiveWindowFixture {
protected:
  /// The default image with fields changed on every channel, stored
  /// without a link so that nothing is sent.
  static void CraftImage(LUnitControl& unit) {
    unit.Image() = UnitImage::Default();
    unit.SetChannelName(0, "Kick");
    unit.SetChannelName(5, "Sub-Left");
    unit.SetFirName(4, "Horn");
    window->Session().SetCurrentPreset(12);

    GateRecord gate = unit.GetGate(0);
    gate.ratio = 15;
    gate.threshold = 100;
    unit.SetGate(0, gate);
    CompressorRecord comp = unit.GetCompressor(0);
    comp.ratio = 15;
    comp.sideChainFreq = 170;
    comp.attack = 4;
    unit.SetCompressor(0, comp);
    comp = unit.GetCompressor(1);
    comp.ratio = 0;
    comp.sideChainFreq = 169;
    unit.SetCompressor(1, comp);

    const int gains[] = {0, 79, 80, 280, 400};
    for (int channel = 0; channel < 5; ++channel) {
      unit.SetGain(channel, gains[channel]);
    }
    unit.SetPolarity(1, 1);
    unit.SetDelay(0, 48000);
    unit.SetMute(7, 1);

    unit.SetInputFirTaps(0, 2048);
    unit.SetInputFirBypass(0, 0);
    unit.SetInputFirTaps(1, 2048);
    unit.SetInputFirBypass(1, 1);
    unit.SetInputFirTaps(2, 3000);
    unit.SetInputFirBypass(2, 0);
    const auto fir = [&unit](int output, int mode, int type, int taps) {
      OutputFilterRecord record = unit.GetOutputFilters(output);
      record.mode = mode;
      record.fir.firType = type;
      record.fir.taps = taps;
      record.fir.window = 3;
      unit.SetOutputFirRecord(output, record);
    };
    fir(3, 0, 2, 8);
    fir(4, 1, 4, 1024);
    fir(5, 0, 4, 1024);
    fir(6, 1, 0, 512);
    fir(8, 1, 4, 3000);
    OutputFilterRecord cut = unit.GetOutputFilters(7);
    cut.lowCutIndex = 169;
    cut.lowCutSlope = 0;
    cut.highCutSlope = 3;
    unit.SetOutputFirRecord(7, cut);

    unit.SetRouting(3, 0, 1);
    unit.SetRouting(3, 1, 0);
    unit.SetRouting(3, 2, 1);
    unit.SetMixLevel(3, 1, 100);
    unit.SetEqBypassMask(4, 1u << 1);
    unit.SetDelayUnit(1);
  }
};

TEST_F(MainWindowRefresh, startUpShowsTheFactoryPresetWithoutPanelLock) {
  EXPECT_EQ(Get<TLabel>("lbPstNum").Caption(), "F00");
  EXPECT_TRUE(Get<TRzBmpButton>("rzbMenuGain").Down());
  EXPECT_TRUE(Get<TControl>("isDelayInA").Enabled());
  EXPECT_TRUE(Get<TControl>("bStore").Enabled());
  EXPECT_EQ(window->State().CurrentPage, MainWindowState::kPageGain);
}

TEST_F(MainWindowRefresh, craftedImageShowsOnEveryControlAndNothingIsSent) {
  LUnitControl& unit = window->UnitControl();
  CraftImage(unit);
  window->Session().SetComPortName("/dev/fake0");
  window->Session().OpenSerialLink();
  FakeLinkRecord* serial = factory->Last(LinkKind::Serial);
  ASSERT_NE(serial, nullptr);
  Get<TRzBmpButton>("rzbMenuMatrix").Click();
  ASSERT_EQ(window->State().CurrentPage, MainWindowState::kPageMatrix);
  const std::size_t sentBefore = serial->frames.size();
  const int slopeBefore = Get<TRzComboBox>("rzcLowCutSlopOut5").ItemIndex();
  const UnitImage image = unit.Image();

  window->RefreshAllFromUnit();

  EXPECT_EQ(serial->frames.size(), sentBefore) << "a refresh sends nothing";
  EXPECT_EQ(unit.Image(), image);
  EXPECT_FALSE(window->State().RefreshingControls);
  EXPECT_EQ(window->State().CurrentPage, MainWindowState::kPageGain);
  EXPECT_TRUE(Get<TRzBmpButton>("rzbMenuGain").Down());
  EXPECT_TRUE(Get<TRzBmpButton>("rzbEq1InB").Down());
  EXPECT_EQ(Get<TMyPEQType10>("peqPeqOut6").GetNowIndex(), 0);

  const int delayLine = Get<TLabel>("lbDelayLineInA").Width();
  const std::string phaseOn = window->LookUpText("SID_PHASE_ON").toStdString();
  const std::string phaseOff = window->LookUpText("SID_PHASE_OFF").toStdString();
  const std::vector<Shown> rows = {
      {"lbPstNum", Shown::Caption, "U12"},
      {"lbMatrixChNameInA", Shown::Caption, "Kick"},
      {"rzbMenuInA", Shown::Hint, "Kick"},
      {"lbMatrixChNameOut3", Shown::Caption, "Sub-Left"},
      {"lbNowFirNameOut2", Shown::Caption, "Horn"},
      {"isGateThresholdInA", Shown::Position, -80},
      {"cvdGateThresholdInA", Shown::Text, "-40.0dB"},
      {"cvdGateRatioInA", Shown::Text, "Max"},
      {"cvdCompRatioInA", Shown::Text, "Limit"},
      {"cvdCompRatioInB", Shown::Text, "1:1.0"},
      {"cvdCompAttackInA", Shown::Text, "  5ms"},
      {"cvdCompEqFreqInA", Shown::Text, "1.00KHz"},
      {"cvdCompEqFreqInB", Shown::Text, " 977.2Hz"},
      {"isGainInA", Shown::Position, -280},
      {"cvdGainInA", Shown::Text, "-60.0dB"},
      {"cvdGainBackupInA", Shown::Text, "-60.0dB"},
      {"cvdGainInB", Shown::Text, "-20.5dB"},
      {"cvdGainBackupInB", Shown::Text, "-20.5dB"},
      {"isGainBackupInB", Shown::Position, -201},
      {"cvdGainInC", Shown::Text, "-20.0dB"},
      {"cvdGainOut1", Shown::Text, "+0.0dB"},
      {"cvdGainBackupOut2", Shown::Text, "+12.0dB"},
      {"rzbPhaseInB", Shown::Down, 1},
      {"rzbPhaseBackupInB", Shown::Caption, phaseOn.c_str()},
      {"rzbPhaseInA", Shown::Caption, phaseOff.c_str()},
      {"rzbMuteBackupOut5", Shown::Down, 1},
      {"isDelayInA", Shown::Position, 48000},
      {"imDelayInA", Shown::Left, 48000 * (delayLine - 90) / 65280 + 40},
      {"rzbUnit1", Shown::Down, 1},
      {"lbNowFirTapsInA", Shown::Caption, "2048"},
      {"rzbFirBypassInB", Shown::Down, 1},
      {"lbNowFirTapsInC", Shown::Caption, "2048"},
      {"lbNowFirTapsOut6", Shown::Caption, "1024"},
      {"rzbFirBypassOut4", Shown::Down, 1},
      {"rzbFirBypassOut2", Shown::Down, 0},
      {"rzcModeOut2", Shown::Item, 1},
      {"rzcFirTypeOut1", Shown::Item, 2},
      {"rzcFirTapsOut1", Shown::Item, 8},
      {"rzcFirWinOut1", Shown::Item, 3},
      {"cvdLowCutFreqOut5", Shown::Text, "977.2Hz"},
      {"rzbLowCutBypassOut5", Shown::Down, 1},
      {"rzbHighCutBypassOut5", Shown::Down, 0},
      {"rzcHighCutSlopOut5", Shown::Item, 2},
      {"rzbAMatrixOut1", Shown::Down, 1},
      {"rzbBMatrixOut1", Shown::Down, 0},
      {"rzbCMatrixOut1", Shown::Down, 1},
      {"udMixGainBOut1", Shown::Position, -180},
      {"lbCompName", Shown::Caption, "In A  RMS Compressor"},
      {"lbHeadCompIn", Shown::Caption, "In A"},
      {"lbGateName", Shown::Caption, "In A  Gate"},
      {"lbHeadGateIn", Shown::Caption, "In A"},
      {"lbLimitName", Shown::Caption, "Out 1  Peak Limit"},
      {"lbHeadLimitOut", Shown::Caption, "Out 1"},
  };
  for (const Shown& row : rows) {
    EXPECT_EQ(Actual(QString::fromLatin1(row.control), row.kind, window->Controls()), Expected(row)) << row.control;
  }
  // InA 2048 + InB bypassed 0 + InC 3000 held to 2048; Out1 designed 512 in
  // mode 0; Out2 1024 in mode 1; Out3 nothing in mode 0; Out4 type 0; Out6
  // 3000 held to 1024.
  EXPECT_EQ(Get<TRzComboBox>("rzcLowCutSlopOut5").ItemIndex(), slopeBefore) << "slope 0 keeps the item";
  EXPECT_EQ(window->State().FirTapsInUse, 2048 + 2048 + 512 + 1024 + 1024);
  EXPECT_EQ(window->State().FirTaps[2], 2048);
  EXPECT_EQ(window->State().FirTaps[8], 1024);
  EXPECT_EQ(window->State().CurveOverlayMasks[0] & 0x1FF, 0x7u) << "every input marked on an input plot";
  // InA's gate at -40 dB with the ratio at its Max: a vertical drop.
  const TiXYPlotChannel& gate = *Get<TiXYPlot>("ipGate").Channel(0);
  ASSERT_EQ(gate.Count(), 3);
  EXPECT_EQ(gate.GetX(2), -40.0);
  EXPECT_EQ(gate.GetY(2), -100.0);


  // From the Gain page a refresh stays there.
  window->RefreshAllFromUnit();
  EXPECT_EQ(window->State().CurrentPage, MainWindowState::kPageGain);
  EXPECT_TRUE(Get<TControl>("rzgParamGain").Visible());
  EXPECT_FALSE(Get<TControl>("rzgParamMatrix").Visible());
  EXPECT_EQ(serial->frames.size(), sentBefore);
  window->Session().CloseAllTransports();
}

}  // namespace
