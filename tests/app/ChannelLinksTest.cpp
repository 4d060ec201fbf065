#include <bit>

#include <QTimer>

#include "app/TfmMain.h"
#include "components/LMyFFTDrawHpLp6dB.h"
#include "dialogs/TfmInformation.h"
#include "editors/fir/FirTapBudget.h"
#include "link/LUnitSession.h"
#include "platform/widgets/TLabel.h"
#include "protocol/LUnitControl.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/link/support/FakeLinkTransport.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/vr/TVrPowerButton.h"

namespace {

OutputFilterRecord OutputFir(int mode, int type, int taps) {
  OutputFilterRecord record = UnitImage::Default().ReadRecord<OutputFilterRecord>(
      UnitImage::ChannelRecord(3) + UnitImage::kOutFilter);
  record.mode = std::uint16_t(mode);
  record.fir.firType = std::uint8_t(type);
  record.fir.taps = std::uint16_t(taps);
  return record;
}

/// The main window offline, back on the default image before each test.
class ChannelLinks : public SharedMainWindow<FakeLinkTransportFactory> {
protected:
  void SetUp() override {
    window.UnitControl().Image() = UnitImage::Default();
    window.RefreshAllFromUnit();
    for (int channel = 0; channel < 9; ++channel) {
      window.UpdateLinkShowButtons(channel, true);
      window.UpdateLinkCaption(channel, channel);
    }
  }

  LUnitControl& unit() { return window.UnitControl(); }
  FirCoefficientStore& store() { return window.Session().FirCoefficients(); }
  void SetInputFir(int input, int taps) {
    unit().SetInputFirTaps(input, taps);
    unit().Image().SetWord(UnitImage::ChannelRecord(input) + UnitImage::kInFirBypass, 0);
    window.State().FirTaps[std::size_t(input)] = taps;
  }
  void SetOutputFir(int output, const OutputFilterRecord& record) {
    unit().SetOutputFirRecord(output, record);
    window.State().FirTaps[std::size_t(output)] = record.fir.firType == 4 ? record.fir.taps : 0;
  }
};

TEST_F(ChannelLinks, ChannelFirTaps_countsWhatTheLinkDialogTotals) {
  struct Case {
    const char* name;
    OutputFilterRecord record;
    int taps;
  };
  const Case cases[] = {
      {"IIR mode", OutputFir(0, 4, 100), 0},       {"coefficient set", OutputFir(1, 4, 100), 100},
      {"IIR + FIR designed", OutputFir(2, 1, 3), 352}, {"FIR off", OutputFir(1, 0, 100), 0},
      {"designed in IIR mode", OutputFir(0, 2, 3), 0},
  };
  for (const Case& c : cases) {
    SetOutputFir(5, c.record);
    EXPECT_EQ(window.ChannelFirTaps(5), c.taps) << c.name;
  }
  EXPECT_EQ(window.ChannelFirTaps(1), 0);  // bypassed
  SetInputFir(1, 512);
  EXPECT_EQ(window.ChannelFirTaps(1), 512);
}

TEST_F(ChannelLinks, CopyOntoItself_changesNothing) {
  SetInputFir(0, 1000);
  window.RecountFirTapsInUse();
  const UnitImage before = unit().Image();
  window.CopyChannel(0, 0, 1);
  EXPECT_EQ(unit().Image(), before);
  EXPECT_EQ(window.State().FirTapsInUse, 1000);
}

TEST_F(ChannelLinks, OfflineCopy_reachesEveryMemberOfTheDestinationsGroupAndChargesThem) {
  SetOutputFir(3, OutputFir(1, 4, 100));
  unit().SetGain(3, 100);
  for (int k = 0; k < 100; ++k) {
    store().SetOutputFirCoefficient(0, k, std::bit_cast<std::uint32_t>(float(k + 1) / 1000.0f));
  }
  unit().SetLinkMask(4, 0b110);  // Out2 leads Out2 and Out3
  unit().SetLinkMask(5, 0);
  window.RecountFirTapsInUse();
  ASSERT_EQ(window.State().FirTapsInUse, 100);

  window.CopyChannel(3, 4, 0);

  for (int member : {4, 5}) {
    EXPECT_EQ(unit().GetOutputFilters(member), unit().GetOutputFilters(3)) << member;
    EXPECT_EQ(unit().GetGain(member), 100) << member;
    EXPECT_EQ(window.State().FirTaps[std::size_t(member)], 100) << member;
    for (int k = 0; k < 100; ++k) {
      ASSERT_EQ(store().ChannelWord(member, k), store().ChannelWord(3, k)) << member << " " << k;
    }
  }
  EXPECT_EQ(unit().GetLinkMask(4), 0b110u);
  EXPECT_EQ(unit().GetLinkMask(5), 0u);
  EXPECT_EQ(window.State().FirTapsInUse, 100 + (100 - 0) * 2);
  EXPECT_EQ(window.State().FirTapsInUse, FirTapBudget::CountInUse(unit()));
}

TEST_F(ChannelLinks, CopyOfAnIirPlusFirOutput_chargesItsDesignedTapsAsTheRecountCounts) {
  SetOutputFir(3, OutputFir(2, 1, 3));
  window.RecountFirTapsInUse();
  ASSERT_EQ(window.State().FirTapsInUse, 352);
  window.CopyChannel(3, 4, 0);
  EXPECT_EQ(window.State().FirTapsInUse, 704);
  window.RefreshAllFromUnit();
  EXPECT_EQ(window.State().FirTapsInUse, 704);
}

TEST_F(ChannelLinks, CopyOverTheBudget_isRefusedWithTheMessageAndCopiesNothing) {
  TfmInformation information(window);
  QStringList messages;
  QTimer watch;
  watch.setInterval(5);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (information.isVisible() && information.ModalResult() == mrNone) {
      messages << information.lbMessage->Caption();
      information.btnOK->Click();
    }
  });
  watch.start();
  SetInputFir(0, 2048);
  SetInputFir(1, 1948);
  SetOutputFir(3, OutputFir(1, 4, 100));
  window.RecountFirTapsInUse();
  ASSERT_EQ(window.State().FirTapsInUse, 4096);
  const UnitImage before = unit().Image();
  window.CopyChannel(3, 4, 1);
  EXPECT_EQ(messages, QStringList{QStringLiteral("Run Out of FIR Resource!!")});
  EXPECT_EQ(unit().Image(), before);
  EXPECT_EQ(window.State().FirTapsInUse, 4096);
}

TEST_F(ChannelLinks, UpdateLinkCaption_namesMembersByLetterOrDigitAndLeadersByTheirOwnName) {
  struct Case {
    int leader;
    int channel;
    const char* button;
    const char* caption;
  };
  for (const Case& c : {Case{0, 1, "rzbMenuInB", "B=A"}, Case{3, 3, "rzbMenuOut1", "Out1"},
                        Case{3, 5, "rzbMenuOut3", "3=1"}, Case{0, 2, "rzbMenuInC", "C=A"},
                        Case{2, 2, "rzbMenuInC", "InC"}}) {
    window.UpdateLinkCaption(c.leader, c.channel);
    EXPECT_EQ(FindControl<TRzBmpButton>(window, QLatin1String(c.button)).Caption(), QLatin1String(c.caption));
  }
}

TEST_F(ChannelLinks, HidingInBsShowButtons_switchesThemOffAndRemovesItsCurvesFromTheOtherPlots) {
  struct Overlay {
    const char* button;
    const char* plot;
    int plotIndex;
    int curve;
  };
  const Overlay overlays[] = {{"vrbShowBInA", "fftDrawInA", 0, 40},
                              {"vrbShowBInC", "fftDrawInC", 2, 40},
                              {"vrbShowBGain", "fftDrawGainIn", 9, 1}};
  for (const Overlay& o : overlays) {
    FindControl<TVrPowerButton>(window, QLatin1String(o.button)).SetActive(true);
    window.ResponseCurve(o.plotIndex).DrawSection(o.curve, clRed);
    window.State().CurveOverlayMasks[std::size_t(o.plotIndex)] = 0x1FF;
    int points = 0;
    ASSERT_TRUE(FindControl<LMyFFTDrawHpLp6dB>(window, QLatin1String(o.plot)).GetPlotNumPoints(points, o.curve));
  }
  window.State().CurveOverlayMasks[1] = 0x1FF;

  window.UpdateLinkShowButtons(1, false);

  for (const Overlay& o : overlays) {
    auto& button = FindControl<TVrPowerButton>(window, QLatin1String(o.button));
    EXPECT_FALSE(button.Visible()) << o.button;
    EXPECT_FALSE(button.Active()) << o.button;
    EXPECT_EQ(window.State().CurveOverlayMasks[std::size_t(o.plotIndex)], 0x1FDu) << o.button;
    int points = 0;
    EXPECT_FALSE(FindControl<LMyFFTDrawHpLp6dB>(window, QLatin1String(o.plot)).GetPlotNumPoints(points, o.curve))
        << o.plot;
  }
  EXPECT_EQ(window.State().CurveOverlayMasks[1], 0x1FFu);
  EXPECT_TRUE(FindControl<TVrPowerButton>(window, QStringLiteral("vrbShowAInB")).Visible());

  window.UpdateLinkShowButtons(1, true);
  EXPECT_TRUE(FindControl<TVrPowerButton>(window, QStringLiteral("vrbShowBInA")).Visible());
  EXPECT_FALSE(FindControl<TVrPowerButton>(window, QStringLiteral("vrbShowBInA")).Active());
}

TEST_F(ChannelLinks, LinkGroupMask_isTheMaskOfTheGroupThatHoldsTheChannel) {
  unit().SetLinkMask(0, 0b101);
  unit().SetLinkMask(2, 0);
  EXPECT_EQ(window.LinkGroupMask(2), 0b101u);
  EXPECT_EQ(window.LinkGroupMask(0), 0b101u);
  EXPECT_EQ(window.LinkGroupMask(1), 0b010u);
}

}  // namespace
