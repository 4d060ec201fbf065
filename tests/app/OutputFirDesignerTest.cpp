#include <vector>

#include <gtest/gtest.h>

#include "dialogs/TfmInformation.h"
#include "dialogs/TfmProcess.h"
#include "editors/filter/FilterEditing.h"
#include "editors/fir/FirEditing.h"
#include "editors/fir/FirTapBudget.h"
#include "link/LUnitSession.h"
#include "platform/widgets/TLabel.h"
#include "protocol/CommandCodes.h"
#include "protocol/LUnitControl.h"
#include "protocol/UnitImage.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/link/support/FakeLinkTransport.h"
#include "tests/support/ModalDialogCloser.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/smooth/TAdvProgressBar.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

constexpr int kOut1 = 3;
constexpr int kOut2 = 4;
constexpr int kOut3 = 5;
constexpr int kFirMode = 1;

/// One offline window for the suite; each test starts from the default
/// image with every output in FIR mode and Out1 linked with Out2.
class OutputFirDesignerWindow : public SharedMainWindow<FakeLinkTransportFactory> {
public:
  static void SetUpTestSuite() {
    SharedMainWindow::SetUpTestSuite();
    s_information = new TfmInformation(*s_window);
    s_process = new TfmProcess(*s_window);
  }
  static void TearDownTestSuite() {
    delete s_process;
    s_process = nullptr;
    delete s_information;
    s_information = nullptr;
    SharedMainWindow::TearDownTestSuite();
  }

protected:
  void SetUp() override {
    window.Session().CloseAllTransports();
    window.UnitControl().Image() = UnitImage::Default();
    for (int channel = kOut1; channel < 9; ++channel) {
      OutputFilterRecord record = window.UnitControl().GetOutputFilters(channel);
      record.mode = kFirMode;
      window.UnitControl().SetOutputFirRecord(channel, record);
    }
    window.UnitControl().SetLinkMask(kOut1, 0x03);
    window.UnitControl().SetLinkMask(kOut2, 0x03);
    window.RefreshAllFromUnit();
  }

  static QString Name(const char* stem, int channel) { return QLatin1String(stem) + ChannelSuffix(channel); }

  void Choose(const char* stem, int channel, int index) {
    auto& list = Get<TRzComboBox>(Name(stem, channel));
    list.SetItemIndex(index);
    list.OnChange(&list);
  }
  TAdvTrackBar& Bar(bool lowCut, int channel) {
    return Get<TAdvTrackBar>(Name(lowCut ? "isFirLowCut" : "isFirHighCut", channel));
  }
  TCurvyEdit& Box(bool lowCut, int channel) {
    return Get<TCurvyEdit>(Name(lowCut ? "cvdFirLowCut" : "cvdFirHighCut", channel));
  }
  void Ok(int channel) { Get<TRzButton>(Name("bnFirOK", channel)).Click(); }
  FirDesignRecord& Pending() { return window.Filters().Views().PendingOutputFirDesign; }

  /// Opens a fake serial link and forgets what opening it sent.
  FakeLinkRecord& OpenLink() {
    window.Session().SetComPortName(QStringLiteral("/dev/ttyS3"));
    window.Session().OpenSerialLink();
    FakeLinkRecord* serial = factory.Last(LinkKind::Serial);
    EXPECT_NE(serial, nullptr);
    serial->frames.clear();
    return *serial;
  }
  static std::vector<int> Codes(const FakeLinkRecord& link) {
    std::vector<int> codes;
    for (const FakeLinkRecord::Frame& frame : link.frames) codes.push_back(frame.bytes.size() > 5 ? frame.bytes[5] : -1);
    return codes;
  }

  static inline TfmInformation* s_information = nullptr;
  static inline TfmProcess* s_process = nullptr;
};

TEST_F(OutputFirDesignerWindow, cutOffBarsPushOrStopEachOtherByType) {
  struct Case {
    const char* name;
    int type;
    bool moveLow;  ///< the low cut is moved, else the high cut
    int to;
    int low, high;  ///< positions afterwards
  };
  // The other bar stands at 150 each time.
  const Case cases[] = {
      {"high pass pushes the high cut", 2, true, 150, 150, 151},
      {"band pass stops the low cut", 3, true, 150, 149, 150},
      {"low pass pushes the low cut", 1, false, 150, 149, 150},
      {"band pass stops the high cut", 3, false, 150, 150, 151},
      {"low pass lets the low cut pass", 1, true, 160, 160, 150},
      {"bypass lets the high cut pass", 0, false, 140, 150, 140},
  };
  for (const Case& c : cases) {
    SetUp();
    Choose("rzcFirType", kOut3, c.type);
    Bar(true, kOut3).SetPosition(100);
    Bar(false, kOut3).SetPosition(200);
    Bar(!c.moveLow, kOut3).SetPosition(150);
    Bar(c.moveLow, kOut3).SetPosition(c.to);
    EXPECT_EQ(Bar(true, kOut3).Position(), c.low) << c.name;
    EXPECT_EQ(Bar(false, kOut3).Position(), c.high) << c.name;
    EXPECT_EQ(Pending().lowIndex, c.low) << c.name;
    EXPECT_EQ(Pending().highIndex, c.high) << c.name;
    EXPECT_TRUE(Get<TRzButton>(Name("bnFirOK", kOut3)).Enabled()) << c.name;
  }
  Bar(true, kOut3).SetPosition(110);
  EXPECT_EQ(Box(true, kOut3).GetText(), QStringLiteral(" 250.0Hz"));
  Bar(false, kOut3).SetPosition(300);
  EXPECT_EQ(Box(false, kOut3).GetText(), QStringLiteral("20.16KHz"));
}

TEST_F(OutputFirDesignerWindow, typedCutOffsTakeTheRangeEndsAndRestoreABadText) {
  struct Case {
    bool lowCut;
    const char* typed;
    int position;  ///< afterwards; the bar starts at 110 (low) or 200 (high)
    const char* text;
  };
  const Case cases[] = {
      {true, "1k", 170, "1.00KHz"},       {true, "20 kHz", 299, "19.70KHz"}, {true, "0.1k", 88, "150.4Hz"},
      {true, "1.2.3", 110, "250.0Hz"},    {true, "abc", 110, "250.0Hz"},     {true, "250", 110, "250.0Hz"},
      {false, "10", 89, "153.9Hz"},       {false, "30k", 300, "20.16KHz"},   {false, "", 200, nullptr},
  };
  for (const Case& c : cases) {
    Choose("rzcFirType", kOut3, 2);  // a high pass: the low cut pushes, nothing stops
    Bar(true, kOut3).SetPosition(110);
    Bar(false, kOut3).SetPosition(200);
    const QString before = Box(c.lowCut, kOut3).GetText();
    Box(c.lowCut, kOut3).SetText(QString::fromUtf8(c.typed));
    WORD enter = VK_RETURN;
    if (c.lowCut) {
      window.Fir().Designer().cvdFirLowCutOut1KeyDown(&Box(true, kOut3), enter, {});
    } else {
      window.Fir().Designer().cvdFirHighCutOut1Exit(&Box(false, kOut3));
    }
    EXPECT_EQ(enter, VK_RETURN) << c.typed;
    EXPECT_EQ(Bar(c.lowCut, kOut3).Position(), c.position) << c.typed;
    EXPECT_EQ(Box(c.lowCut, kOut3).GetText(), c.text != nullptr ? QString::fromLatin1(c.text) : QString(before).trimmed())
        << c.typed;
    EXPECT_EQ(c.lowCut ? Pending().lowIndex : Pending().highIndex, c.position) << c.typed;
  }
  // Any other key leaves the box alone.
  Box(true, kOut3).SetText(QStringLiteral("1k"));
  WORD key = VK_TAB;
  window.Fir().Designer().cvdFirLowCutOut1KeyDown(&Box(true, kOut3), key, {});
  EXPECT_EQ(Box(true, kOut3).GetText(), QStringLiteral("1k"));
}

TEST_F(OutputFirDesignerWindow, okChargesDesignedTapsForEveryLinkedOutput) {
  const int start = window.State().FirTapsInUse;
  Choose("rzcFirType", kOut3, 1);
  Choose("rzcFirTaps", kOut3, 8);
  Ok(kOut3);
  EXPECT_EQ(window.State().FirTapsInUse, start + 512);
  EXPECT_FALSE(Get<TRzButton>(Name("bnFirOK", kOut3)).Enabled());
  EXPECT_FALSE(Get<TRzGroupBox>(Name("rzgFir", kOut3)).Enabled());  // no file while designed

  Choose("rzcFirType", kOut1, 3);
  Choose("rzcFirWin", kOut1, 2);
  Bar(false, kOut1).SetPosition(220);
  Bar(true, kOut1).SetPosition(120);
  Choose("rzcFirTaps", kOut1, 8);
  Ok(kOut1);
  EXPECT_EQ(window.State().FirTapsInUse, start + 512 + 2 * 512);
  Choose("rzcFirTaps", kOut1, 24);
  Ok(kOut1);
  EXPECT_EQ(window.State().FirTapsInUse, start + 512 + 2 * 1024);
  EXPECT_EQ(window.State().FirTapsInUse, FirTapBudget::CountInUse(window.UnitControl()));
  const FirDesignRecord expected{3, 2, 120, 220, 24};
  for (int channel : {kOut1, kOut2}) {
    EXPECT_EQ(window.UnitControl().GetOutputFilters(channel).fir, expected) << channel;
  }
  EXPECT_EQ(Get<TLabel>(Name("lbNowFirName", kOut1)).Caption(), QStringLiteral("Out1File"));
}

TEST_F(OutputFirDesignerWindow, okOutsideFirModeChargesWhatTheRecountCounts) {
  constexpr int kOut4 = 6;
  OutputFilterRecord record = window.UnitControl().GetOutputFilters(kOut4);
  record.mode = 0;
  record.fir = {1, 3, 100, 200, 8};  // designed taps stay charged in IIR mode
  window.UnitControl().SetOutputFirRecord(kOut4, record);
  window.RefreshAllFromUnit();
  const int inUse = window.State().FirTapsInUse;
  Choose("rzcFirType", kOut4, 1);
  Choose("rzcFirTaps", kOut4, 24);
  Ok(kOut4);
  EXPECT_EQ(window.State().FirTapsInUse, inUse + 512);
  EXPECT_EQ(window.State().FirTapsInUse, FirTapBudget::CountInUse(window.UnitControl()));
}

TEST_F(OutputFirDesignerWindow, okWithBypassGivesTapsBackAndLeavesAUnitImpulse) {
  Choose("rzcFirType", kOut3, 2);
  Choose("rzcFirTaps", kOut3, 8);
  Ok(kOut3);
  const int designed = window.State().FirTapsInUse;
  FirCoefficientStore& store = window.Session().FirCoefficients();
  store.SetOutputFirCoefficient(kOut3 - 3, 0, 0x3F000000);  // 0.5
  store.SetOutputFirCoefficient(kOut3 - 3, 700, 0x3F000000);
  const int firTaps = window.State().FirTaps[kOut3];

  Choose("rzcFirType", kOut3, 0);
  Ok(kOut3);
  EXPECT_EQ(window.State().FirTapsInUse, designed - 512);
  EXPECT_EQ(Get<TLabel>(Name("lbNowFirTaps", kOut3)).Caption(), QStringLiteral("512"));
  const OutputFilterRecord record = window.UnitControl().GetOutputFilters(kOut3);
  EXPECT_EQ(record.fir.firType, 0);
  EXPECT_EQ(record.fir.taps, 512);
  EXPECT_EQ(store.Coefficient(kOut3, 0), 1.0f);
  EXPECT_EQ(store.Coefficient(kOut3, 700), 0.0f);
  EXPECT_EQ(window.State().FirTaps[kOut3], firTaps);
  EXPECT_TRUE(Get<TRzBmpButton>(Name("rzbFirBypass", kOut3)).Down());
  EXPECT_TRUE(Get<TRzGroupBox>(Name("rzgFir", kOut3)).Enabled());
  EXPECT_EQ(window.State().FirTapsInUse, FirTapBudget::CountInUse(window.UnitControl()));
}

TEST_F(OutputFirDesignerWindow, refusedOkPutsTheStoredDesignBackAndSendsNothing) {
  OutputFilterRecord stored = window.UnitControl().GetOutputFilters(kOut3);
  stored.fir = {1, 4, 100, 200, 8};
  window.UnitControl().SetOutputFirRecord(kOut3, stored);
  window.RefreshAllFromUnit();
  FakeLinkRecord& link = OpenLink();
  const QString name = Get<TLabel>(Name("lbNowFirName", kOut3)).Caption();
  window.State().FirTapsInUse = 4000;

  Choose("rzcFirType", kOut3, 3);
  Choose("rzcFirWin", kOut3, 9);
  Choose("rzcFirTaps", kOut3, 24);  // 1024 taps: 512 more
  s_information->lbMessage->SetCaption(QString());
  {
    ModalDialogCloser closer;
    Ok(kOut3);
    ASSERT_TRUE(closer.WaitFor(1));
  }
  EXPECT_EQ(s_information->lbMessage->Caption(), QStringLiteral("Run Out of FIR Resource!!"));
  EXPECT_EQ(window.State().FirTapsInUse, 4000);
  EXPECT_EQ(Pending(), stored.fir);
  EXPECT_EQ(window.UnitControl().GetOutputFilters(kOut3).fir, stored.fir);
  EXPECT_EQ(Get<TRzComboBox>(Name("rzcFirType", kOut3)).ItemIndex(), 1);
  EXPECT_EQ(Get<TRzComboBox>(Name("rzcFirWin", kOut3)).ItemIndex(), 4);
  EXPECT_EQ(Get<TRzComboBox>(Name("rzcFirTaps", kOut3)).ItemIndex(), 8);
  EXPECT_FALSE(Bar(true, kOut3).Enabled());  // a low pass has only its high cut
  EXPECT_TRUE(Bar(false, kOut3).Enabled());
  EXPECT_FALSE(Get<TRzButton>(Name("bnFirOK", kOut3)).Enabled());
  EXPECT_EQ(Get<TLabel>(Name("lbNowFirName", kOut3)).Caption(), name);
  for (int code : Codes(link)) {
    EXPECT_NE(code, CMD_FIR);
    EXPECT_NE(code, CMD_FIR_NAME);
  }

  // A stored coefficient set shows its name and taps instead of the lists.
  stored.fir = {4, 0, 0, 0, 300};
  window.UnitControl().SetOutputFirRecord(kOut3, stored);
  Choose("rzcFirType", kOut3, 3);
  {
    ModalDialogCloser closer;
    Ok(kOut3);
    ASSERT_TRUE(closer.WaitFor(1));
  }
  EXPECT_EQ(Get<TRzComboBox>(Name("rzcFirType", kOut3)).ItemIndex(), -1);
  EXPECT_FALSE(Get<TRzGroupBox>(Name("rzgFirWin", kOut3)).Visible());
  EXPECT_FALSE(Get<TRzGroupBox>(Name("rzgFirTaps", kOut3)).Visible());
  EXPECT_TRUE(Get<TRzGroupBox>(Name("rzgShowFirName", kOut3)).Visible());
  EXPECT_TRUE(Get<TRzGroupBox>(Name("rzgShowFirTaps", kOut3)).Visible());
  for (const char* stem : {"rzgFirWin", "rzgFirTaps"}) Get<TRzGroupBox>(Name(stem, kOut3)).SetVisible(true);
}

TEST_F(OutputFirDesignerWindow, okSendsTheNameBeforeTheDesign) {
  FakeLinkRecord& link = OpenLink();
  Choose("rzcFirType", kOut1, 1);
  Ok(kOut1);
  ASSERT_EQ(Codes(link), (std::vector<int>{CMD_FIR_NAME, CMD_FIR}));
  const std::vector<std::uint8_t>& name = link.frames[0].bytes;
  EXPECT_EQ(name[6], kOut1);
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(&name[7]), 8), QByteArrayLiteral("Out1File"));
  EXPECT_EQ(link.frames[1].bytes[6], kOut1);

  // A bypass sends the design alone.
  link.frames.clear();
  Choose("rzcFirType", kOut1, 0);
  Ok(kOut1);
  EXPECT_EQ(Codes(link), std::vector<int>{CMD_FIR});
}

TEST_F(OutputFirDesignerWindow, handlersAreSilentWhileRefreshingExceptTypedEntry) {
  auto& ok = Get<TRzButton>(Name("bnFirOK", kOut3));
  ok.SetEnabled(false);
  const FirDesignRecord pending = Pending();
  const int inUse = window.State().FirTapsInUse;
  window.State().RefreshingControls = true;
  Choose("rzcFirType", kOut3, 2);
  Choose("rzcFirWin", kOut3, 1);
  Choose("rzcFirTaps", kOut3, 3);
  Bar(true, kOut3).SetPosition(140);
  ok.SetEnabled(true);
  Ok(kOut3);
  Box(true, kOut3).SetText(QStringLiteral("1k"));
  window.Fir().Designer().cvdFirLowCutOut1Exit(&Box(true, kOut3));
  window.State().RefreshingControls = false;
  EXPECT_EQ(Pending(), pending);
  EXPECT_EQ(window.State().FirTapsInUse, inUse);
  EXPECT_EQ(window.UnitControl().GetOutputFilters(kOut3).fir.firType, 0);
  EXPECT_EQ(Bar(true, kOut3).Position(), 170);
  EXPECT_EQ(Box(true, kOut3).GetText(), QStringLiteral("1.00KHz"));
}

TEST_F(OutputFirDesignerWindow, showingAnOutputPageLoadsThePendingDesignFromItsControls) {
  Choose("rzcFirType", kOut3, 2);
  Choose("rzcFirWin", kOut3, 5);
  Choose("rzcFirTaps", kOut3, 12);
  Bar(true, kOut3).SetPosition(131);
  Bar(false, kOut3).SetPosition(250);
  Pending() = {};
  Get<TRzBmpButton>(QStringLiteral("rzbMenuOut3")).Click();
  EXPECT_EQ(Pending(), (FirDesignRecord{2, 5, 131, 250, 12}));
}

TEST_F(OutputFirDesignerWindow, storedPresetFirStepsTheProgressAndSendsItsBlocks) {
  FakeLinkRecord& link = OpenLink();
  s_process->ProgressBar->SetMax(100);
  s_process->ProgressBar->SetPosition(7);
  window.StoreFirCoefficientsInEeprom(12, kOut2, 30);
  EXPECT_EQ(s_process->ProgressBar->Position(), 8);
  ASSERT_EQ(Codes(link), (std::vector<int>{CMD_FIR_EXT_EEPROM, CMD_FIR_EXT_EEPROM, CMD_FIR_EXT_EEPROM}));
  for (int block = 0; block < 3; ++block) {
    const FakeLinkRecord::Frame& frame = link.frames[std::size_t(block)];
    EXPECT_EQ(frame.bytes[6], 12);
    EXPECT_EQ(frame.bytes[7], kOut2);
    EXPECT_EQ(frame.bytes[8], block);
    EXPECT_TRUE(frame.forceAppend);
  }
  EXPECT_EQ(link.frames[2].bytes[4], link.frames[0].bytes[4] - 6 * 4);  // 6 coefficients in the last block
}

TEST_F(OutputFirDesignerWindow, modeChangeIsChargedBeforeItArrangesTheGroups) {
  // Out3 holds a set of 40 coefficients: IIR runs none of them, FIR and
  // IIR + FIR run all, so only a change out of IIR asks for taps. The cut
  // groups work in IIR and IIR + FIR, the FIR group in FIR and IIR + FIR.
  constexpr int kSetTaps = 40;
  struct Case {
    const char* name;
    int from, to;
    int inUse;
    bool refused;
  };
  const Case cases[] = {
      {"IIR to FIR without room", 0, 1, 4090, true},
      {"IIR to IIR + FIR without room", 0, 2, 4090, true},
      {"IIR to FIR with room", 0, 1, 1000, false},
      {"FIR to IIR + FIR, budget full", 1, 2, 4096, false},
      {"IIR + FIR to FIR, above the budget", 2, 1, 5000, false},
      {"FIR to IIR, above the budget", 1, 0, 5000, false},
      {"IIR + FIR to IIR, budget full", 2, 0, 4096, false},
  };
  auto& mode = Get<TRzComboBox>(Name("rzcMode", kOut3));
  for (const Case& c : cases) {
    OutputFilterRecord record = window.UnitControl().GetOutputFilters(kOut3);
    record.mode = std::uint16_t(c.from);
    record.fir = {4, 0, 0, 0, kSetTaps};
    window.UnitControl().SetOutputFirRecord(kOut3, record);
    mode.SetItemIndex(c.from);
    window.Fir().RefreshOutputModeControls(kOut3);
    window.State().FirTapsInUse = c.inUse;
    s_information->lbMessage->SetCaption(QString());
    {
      ModalDialogCloser closer;
      Choose("rzcMode", kOut3, c.to);
      EXPECT_EQ(closer.WaitFor(1, c.refused ? 5000 : 0), c.refused) << c.name;
    }
    const int now = c.refused ? c.from : c.to;
    const int charge = (now != 0 ? kSetTaps : 0) - (c.from != 0 ? kSetTaps : 0);
    EXPECT_EQ(s_information->lbMessage->Caption(),
              c.refused ? QStringLiteral("Run Out of FIR Resource!!") : QString())
        << c.name;
    EXPECT_EQ(mode.ItemIndex(), now) << c.name;
    EXPECT_EQ(window.UnitControl().GetOutputFilters(kOut3).mode, now) << c.name;
    EXPECT_EQ(window.State().FirTapsInUse, c.inUse + charge) << c.name;
    for (const char* cut : {"rzgLowCut", "rzgHighCut"}) {
      EXPECT_EQ(Get<TRzGroupBox>(Name(cut, kOut3)).Enabled(), now != 1) << c.name << " " << cut;
    }
    EXPECT_EQ(Get<TRzGroupBox>(Name("rzgFir", kOut3)).Enabled(), now != 0) << c.name;
  }
}

TEST_F(OutputFirDesignerWindow, aCoefficientSetMarksTheOverlaysOfEveryOutputItReaches) {
  // Out1 and Out2 are linked: every plot that copies either shows the new set.
  auto& masks = window.State().CurveOverlayMasks;
  masks = {};
  const std::vector<double> values(64, 0.01);
  window.ApplyOutputFir(kOut1, 64, "Set", values);
  ASSERT_EQ(window.UnitControl().GetOutputFilters(kOut2).fir.firType, 4);
  const std::uint32_t linked = (1u << kOut1) | (1u << kOut2);
  for (std::size_t entry = 0; entry < masks.size(); ++entry) {
    const bool outputPlot = (entry >= 3 && entry <= 8) || entry == 10;
    EXPECT_EQ(masks[entry], outputPlot ? linked : 0u) << entry;
  }
}

}  // namespace
