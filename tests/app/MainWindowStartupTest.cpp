#include <QImage>

#include "components/LMyFFTDrawHpLp6dB.h"
#include "link/LUnitSession.h"
#include "platform/widgets/TLabel.h"
#include "plot/channels/TiXYPlotChannel.h"
#include "plot/core/TiXYPlot.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/link/support/FakeLinkTransport.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"

// The tests only read the window.
using MainWindowStartup = SharedMainWindow<FakeLinkTransportFactory>;

TEST_F(MainWindowStartup, showsTheGainPageInEnglishWithUnitIdOne) {
  EXPECT_EQ(fmMain, &window);
  EXPECT_EQ(window.State().CurrentPage, 11);
  auto& gain = Get<TRzBmpButton>(QStringLiteral("rzbMenuGain"));
  EXPECT_TRUE(gain.Down());
  EXPECT_EQ(gain.Font().Color(), RGB(0, 255, 0));
  EXPECT_EQ(Get<TRzBmpButton>(QStringLiteral("rzbMenuInA")).Font().Color(), clWhite);
  EXPECT_EQ(Get<TLabel>(QStringLiteral("lbShowIdNumber")).Caption(), QStringLiteral("ID : 1"));
  EXPECT_EQ(window.State().LanguageName, QStringLiteral("English"));
  EXPECT_TRUE(Get<TMenuItem>(QStringLiteral("English")).Checked);
  EXPECT_FALSE(Get<TMenuItem>(QStringLiteral("ChineseSimplified")).Checked);
  EXPECT_EQ(Get<TMenuItem>(QStringLiteral("Upload")).Caption, QStringLiteral("Upload"));
  EXPECT_EQ(Get<TRzBmpButton>(QStringLiteral("rzbMenuLink")).Caption(), QStringLiteral("OffLine"));
  EXPECT_TRUE(Get<TMenuItem>(QStringLiteral("NetworkSetup")).Visible);
  EXPECT_TRUE(Get<TRzGroupBox>(QStringLiteral("rzgFftGain")).Visible());
  EXPECT_TRUE(Get<TRzGroupBox>(QStringLiteral("rzgParamGain")).Visible());
  EXPECT_FALSE(Get<TRzGroupBox>(QStringLiteral("rzgParamInA")).Visible());
  EXPECT_FALSE(window.State().StartingUp);
  EXPECT_EQ(window.State().SelectedLimiterOutput, 3);
  EXPECT_EQ(window.State().SelectedUnitAddress, TfmMain::kDefaultUnitAddress);
  EXPECT_EQ(QSize(window.OuterWidth(), window.OuterHeight()), QSize(1125, 727));
}

TEST_F(MainWindowStartup, everyChannelHoldsAUnitImpulseWithItsTapCount) {
  for (int channel = 0; channel < 9; ++channel) {
    // The first full refresh counts the taps the default image names.
    EXPECT_EQ(window.State().FirTaps[channel], 512) << channel;
    EXPECT_EQ(window.Session().FirCoefficients().Coefficient(channel, 0), 1.0f) << channel;
    EXPECT_EQ(window.Session().FirCoefficients().Coefficient(channel, 1), 0.0f) << channel;
  }
}

TEST_F(MainWindowStartup, transferPlotsHoldTheirPlaceholderPoints) {
  struct Case {
    const char* plot;
    std::vector<std::pair<double, double>> line;
    std::pair<double, double> marker;
  };
  const Case cases[] = {
      {"ipComp", {{20, 20}, {-10, -10}, {-10, -10}, {-100, -100}}, {19.8, 20.4}},
      {"ipGate", {{20, 20}, {-90, -90}, {-90, -100}}, {-89.8, -90.4}},
      {"ipLimit", {{20, 20}, {-10, -10}, {-10, -10}, {-100, -100}}, {19.8, 20.4}},
  };
  for (const Case& c : cases) {
    auto& plot = Get<TiXYPlot>(QLatin1String(c.plot));
    ASSERT_EQ(plot.Channel(0)->Count(), int(c.line.size())) << c.plot;
    for (int i = 0; i < int(c.line.size()); ++i) {
      EXPECT_EQ(plot.Channel(0)->GetX(i), c.line[i].first) << c.plot;
      EXPECT_EQ(plot.Channel(0)->GetY(i), c.line[i].second) << c.plot;
    }
    ASSERT_EQ(plot.Channel(1)->Count(), 1) << c.plot;
    EXPECT_EQ(plot.Channel(1)->GetX(0), c.marker.first);
    EXPECT_EQ(plot.Channel(1)->GetY(0), c.marker.second);
  }
}

TEST_F(MainWindowStartup, onlyTheHostCheckRunsAndButtonsShareTheirTemplatesPictures) {
  for (const auto& timer : window.Form().Timers) {
    EXPECT_EQ(timer->Enabled(), timer.get() == window.Controls().Find<TTimer>(QStringLiteral("tmHostCheck")));
  }
  struct Share {
    const char* button;
    const char* source;
    bool disabled;
  };
  const Share shares[] = {{"rzbMenuLimit", "rzbMenuGain", true},
                          {"rzbMenuInC", "rzbMenuInA", true},
                          {"rzbPhaseInB", "rzbPhaseBackupInA", true},
                          {"rzbMuteBackupOut6", "rzbMuteBackupOut1", false},
                          {"rzbHighCutBypassOut4", "rzbHighCutBypassOut1", true},
                          {"rzbCMatrixOut6", "rzbAMatrixOut1", false}};
  for (const Share& share : shares) {
    const TRzButtonBitmaps& to = Get<TRzBmpButton>(QLatin1String(share.button)).Bitmaps();
    const TRzButtonBitmaps& from = Get<TRzBmpButton>(QLatin1String(share.source)).Bitmaps();
    EXPECT_EQ(to.Down().Image(), from.Down().Image()) << share.button;
    EXPECT_EQ(to.Hot().Image(), from.Hot().Image()) << share.button;
    EXPECT_EQ(to.StayDown().Image(), from.StayDown().Image()) << share.button;
    if (share.disabled) {
      EXPECT_EQ(to.Disabled().Image(), from.Disabled().Image()) << share.button;
    }
  }
}
