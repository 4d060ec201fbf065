#include <QScrollBar>

#include "platform/widgets/TControl.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/link/support/FakeLinkTransport.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

/// Every registered control's bounds.
std::map<QString, TRect> Geometry(ControlRegistry& controls) {
  std::map<QString, TRect> geometry;
  for (const QString& name : controls.Names()) {
    if (auto* control = controls.Find<TControl>(name)) {
      geometry[name] = control->BoundsRect();
    }
  }
  return geometry;
}

}  // namespace

/// The tests share one window: the geometry it was built with is kept, and
/// each test starts from the design-size layout with every delay at 0.
class MainWindowLayout : public SharedMainWindow<FakeLinkTransportFactory> {
public:
  static void SetUpTestSuite() {
    SharedMainWindow::SetUpTestSuite();
    s_built = Geometry(s_window->Controls());
  }

protected:
  void SetUp() override {
    window.State().RefreshingControls = true;
    for (int channel = 0; channel < 9; ++channel) {
      Get<TAdvTrackBar>(QStringLiteral("isDelay") + ChannelSuffix(channel)).SetPosition(0);
    }
    window.State().RefreshingControls = false;
    window.Layout(0, 0);
  }

  static inline std::map<QString, TRect> s_built;
};

TEST_F(MainWindowLayout, designSizeLayoutIsTheBuiltGeometry) {
  window.Layout(0, 0);
  const auto laidOut = Geometry(window.Controls());
  for (const auto& [name, rect] : s_built) {
    const TRect& now = laidOut.at(name);
    EXPECT_TRUE(now.Left == rect.Left && now.Top == rect.Top && now.Right == rect.Right && now.Bottom == rect.Bottom)
        << name.toStdString();
  }
}

TEST_F(MainWindowLayout, extraHeightStretchesPlotsMetersAndPanels) {
  window.Layout(-1, 73);
  EXPECT_EQ(window.State().LayoutExtraHeight, 73);
  EXPECT_EQ(Get<TControl>(QStringLiteral("rzgMain")).Height(), 702);
  for (const char* plot : {"fftDrawInA", "fftDrawOut6", "fftDrawGainIn", "fftDrawGainOut"}) {
    EXPECT_EQ(Get<TControl>(QLatin1String(plot)).Height(), 329) << plot;  // always odd
  }
  window.Layout(-1, 72);
  EXPECT_EQ(Get<TControl>(QStringLiteral("fftDrawInB")).Height(), 327);
  window.Layout(-1, 73);
  EXPECT_EQ(Get<TControl>(QStringLiteral("lb0CompIn")).Top(), 155);
  EXPECT_EQ(Get<TControl>(QStringLiteral("pbLevelGateInB")).Height(), 208 + 73);
  EXPECT_EQ(Get<TControl>(QStringLiteral("pbLevelGateIn")).Height(), 208 + 73 * 8 / 9);
  EXPECT_EQ(Get<TControl>(QStringLiteral("rzgParamOut3")).Top(), 292 + 73);
  EXPECT_EQ(Get<TControl>(QStringLiteral("plMatrixOut2")).Top(), 73 / 7 * 2 + 40 + 30);
  EXPECT_EQ(Get<TControl>(QStringLiteral("plAesOut1")).Top(), int(73 * 1.7 / 8 + 55));
  EXPECT_EQ(Get<TControl>(QStringLiteral("plAesOut2")).Top(), int(73 * 3.7 / 8 + 135));
}

TEST_F(MainWindowLayout, extraWidthWidensUpperGroupsAndCentresLowerOnes) {
  window.Layout(1, -1);
  for (const char* group : {"rzgMain", "rzgFftGain", "rzgFftInA", "rzgFftOut6", "rzgFftComp"}) {
    EXPECT_EQ(Get<TControl>(QLatin1String(group)).Width(), 1113) << group;
  }
  EXPECT_EQ(Get<TControl>(QStringLiteral("rzgParamMatrix")).Left(), 20);
  window.Layout(300, -1);
  EXPECT_EQ(Get<TControl>(QStringLiteral("rzgParamOut2")).Left(), 170);
  EXPECT_EQ(Get<TControl>(QStringLiteral("lbCompName")).Width(), 800);
  EXPECT_EQ(Get<TControl>(QStringLiteral("pbMatrix")).Width(), 210);
  EXPECT_EQ(Get<TControl>(QStringLiteral("plLevelLimitOut6")).Left(), 606 + 53 * 8 + 300);
}

TEST_F(MainWindowLayout, delayPictureFollowsItsTrackBar) {
  Get<TAdvTrackBar>(QStringLiteral("isDelayOut2")).SetPosition(65280 / 2);
  window.Layout(0, 0);
  auto& picture = Get<TControl>(QStringLiteral("imDelayOut2"));
  EXPECT_EQ(picture.Left(), (65280 / 2) * (475 - 90) / 65280 + 40);
  EXPECT_EQ(Get<TControl>(QStringLiteral("lbFftDelayTimeOut2")).Left(), picture.Left() + 30);
}

TEST_F(MainWindowLayout, smallerWindowScrollsAndMovesNothing) {
  window.show();
  window.SetOuterSize(1200, 800);
  ASSERT_EQ(window.State().LayoutExtraHeight, 73);
  const auto large = Geometry(window.Controls());
  window.SetOuterSize(900, 600);
  EXPECT_TRUE(window.AutoScroll());
  EXPECT_TRUE(window.VertScrollBar()->isVisible());
  EXPECT_EQ(Geometry(window.Controls()), large);
  window.SetOuterSize(1125, 727);
  EXPECT_FALSE(window.AutoScroll());
  EXPECT_EQ(Get<TControl>(QStringLiteral("rzgMain")).Height(), 629);
}
