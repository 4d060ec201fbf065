#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QFile>

#include "dsp/Plot.h"
#include "editors/dynamics/TransferCurve.h"
#include "platform/pictures/TBitmap.h"
#include "platform/threads/TTimer.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TUpDown.h"
#include "plot/channels/TiXYPlotChannel.h"
#include "plot/core/TiXYPlot.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"
#include "plot/streaming/TiPlotFormStream.h"
#include "protocol/LUnitControl.h"
#include "tests/app/LiveWindowFixture.h"
#include "tests/support/FixturePath.h"
#include "tests/support/ProcessEventsUntil.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"

using namespace std::chrono_literals;

namespace {

std::vector<TransferPoint> PointsOf(const TiXYPlotChannel& channel) {
  std::vector<TransferPoint> points;
  for (int i = 0; i < channel.Count(); ++i) {
    points.push_back({channel.GetX(i), channel.GetY(i)});
  }
  return points;
}

class DynamicsPanelDisplay : public LiveWindowFixture {
 protected:
  /// Moves controls as a refresh does: no handler stores or sends.
  static void Quietly(const std::function<void()>& moves) {
    window->State().RefreshingControls = true;
    moves();
    window->State().RefreshingControls = false;
  }

  static TiXYPlot& PlotOf(const char* name) { return Get<TiXYPlot>(QLatin1String(name)); }

  static std::string Caption(const char* label) { return Get<TLabel>(QLatin1String(label)).Caption().toStdString(); }
};

TEST_F(DynamicsPanelDisplay, transferPlots_areSetUpAsTheirDescription) {
  QFile file(QString::fromStdString(FixturePath("plot/fixtures/transferPlot.plot")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString fixture = QString::fromUtf8(file.readAll());
  for (const char* name : {"ipComp", "ipGate", "ipLimit"}) {
    EXPECT_EQ(WritePlotDescription(PlotOf(name)), fixture) << name;
  }
}

TEST_F(DynamicsPanelDisplay, refresh_drawsTheChannelsControlsAndSetsCaptionsAndChannel) {
  Quietly([] {
    Get<TAdvTrackBar>("isCompThresholdInB").SetPosition(-40);
    Get<TUpDown>("udCompKneeInB").SetPosition(6);
    Get<TUpDown>("udCompRatioInB").SetPosition(5);
    Get<TAdvTrackBar>("isGateThresholdInC").SetPosition(-80);
    Get<TAdvTrackBar>("isGateRatioInC").SetPosition(5);
    Get<TAdvTrackBar>("isLimitThresholdOut2").SetPosition(-61);
    Get<TUpDown>("udLimitKneeOut2").SetPosition(12);
    Get<TUpDown>("udLimitRatioOut2").SetPosition(9);
  });
  window->RefreshCompressorPanel(1);
  window->RefreshGatePanel(2);
  window->RefreshLimiterPanel(4);
  const struct {
    const char* plot;
    TransferCurve expected;
    const char* name;
    const char* head;
    const char* nameLabel;
    const char* headLabel;
  } panels[] = {
      {"ipComp", TransferCurve::Compressor(-40, 6, 5, false), "In B  RMS Compressor", "In B", "lbCompName",
       "lbHeadCompIn"},
      {"ipGate", TransferCurve::Gate(-80, 5, false), "In C  Gate", "In C", "lbGateName", "lbHeadGateIn"},
      {"ipLimit", TransferCurve::Compressor(-61, 12, 9, false), "Out 2  Peak Limit", "Out 2", "lbLimitName",
       "lbHeadLimitOut"},
  };
  for (const auto& panel : panels) {
    const TiXYPlot& plot = PlotOf(panel.plot);
    EXPECT_EQ(PointsOf(*plot.Channel(0)), panel.expected.points) << panel.plot;
    EXPECT_EQ(PointsOf(*plot.Channel(1)), std::vector<TransferPoint>{panel.expected.marker}) << panel.plot;
    EXPECT_EQ(Caption(panel.nameLabel), panel.name);
    EXPECT_EQ(Caption(panel.headLabel), panel.head);
  }
  EXPECT_EQ(PointsOf(*PlotOf("ipComp").Channel(0))[1], (TransferPoint{-14, -17}));
  EXPECT_EQ(window->State().SelectedCompressorInput, 1);
  EXPECT_EQ(window->State().SelectedGateInput, 2);
  EXPECT_EQ(window->State().SelectedLimiterOutput, 4);

  // A channel whose controls do not exist draws nothing and keeps the panel's channel.
  window->RefreshCompressorPanel(3);
  window->RefreshGatePanel(-1);
  window->RefreshLimiterPanel(2);
  for (const auto& panel : panels) {
    EXPECT_EQ(PointsOf(*PlotOf(panel.plot).Channel(0)), panel.expected.points) << panel.plot;
    EXPECT_EQ(Caption(panel.nameLabel), panel.name);
  }
  EXPECT_EQ(window->State().SelectedCompressorInput, 1);
  EXPECT_EQ(window->State().SelectedGateInput, 2);
  EXPECT_EQ(window->State().SelectedLimiterOutput, 4);
}

TEST_F(DynamicsPanelDisplay, changesBeforeATick_redrawOnceTheLastChannel) {
  const struct {
    const char* timer;
    const char* first;
    const char* last;
    const char* plot;
    const char* label;
    const char* caption;
    int count;
  } cases[] = {
      {"tmCompDisp", "isCompThresholdInA", "isCompThresholdInC", "ipComp", "lbCompName", "In C  RMS Compressor", 4},
      {"tmLimitDisp", "isLimitAttackOut5", "isLimitThresholdOut2", "ipLimit", "lbLimitName", "Out 2  Peak Limit", 4},
  };
  for (const auto& c : cases) {
    TTimer& timer = Get<TTimer>(QLatin1String(c.timer));
    const TNotifyEvent redraw = timer.OnTimer;
    int ticks = 0;
    timer.OnTimer = [&](TObject* sender) {
      ++ticks;
      redraw(sender);
    };
    TAdvTrackBar& first = Get<TAdvTrackBar>(QLatin1String(c.first));
    TAdvTrackBar& last = Get<TAdvTrackBar>(QLatin1String(c.last));
    first.SetPosition(first.Position() - 3);
    last.SetPosition(-30);
    last.SetPosition(-20);
    EXPECT_TRUE(timer.Enabled()) << c.timer;
    EXPECT_TRUE(ProcessEventsUntil([&] { return !timer.Enabled(); }, 5s)) << c.timer;
    timer.OnTimer = redraw;
    EXPECT_EQ(ticks, 1) << c.timer;
    EXPECT_EQ(Caption(c.label), c.caption);
    const TiXYPlot& plot = PlotOf(c.plot);
    EXPECT_EQ(plot.Channel(0)->Count(), c.count) << c.plot;
    EXPECT_EQ(plot.Channel(1)->Count(), 1) << c.plot;
    EXPECT_EQ(plot.Channel(1)->GetX(0), double(-10.0f + 0.2f)) << c.plot;
  }
}

TEST_F(DynamicsPanelDisplay, mouseDown_showsTheChannelAndChangesNothingElse) {
  const UnitImage image = window->UnitControl().Image();
  const int threshold = Get<TAdvTrackBar>("isCompThresholdInC").Position();
  TCurvyEdit& box = Get<TCurvyEdit>("cvdCompKneeInC");
  const QString text = box.GetText();
  box.OnMouseDown(&box, TMouseButton::mbLeft, {}, 1, 1);
  EXPECT_EQ(window->State().SelectedCompressorInput, 2);
  EXPECT_EQ(Caption("lbHeadCompIn"), "In C");
  TLabel& caption = Get<TLabel>("lbCompInA");
  caption.OnMouseDown(&caption, TMouseButton::mbLeft, {}, 1, 1);
  EXPECT_EQ(Caption("lbCompName"), "In A  RMS Compressor");

  TAdvTrackBar& ratio = Get<TAdvTrackBar>("isGateRatioInB");
  ratio.OnMouseDown(&ratio, TMouseButton::mbLeft, {}, 1, 1);
  EXPECT_EQ(window->State().SelectedGateInput, 1);
  EXPECT_EQ(Caption("lbHeadGateIn"), "In B");
  TLabel& output = Get<TLabel>("lbLimitOut6");
  output.OnMouseDown(&output, TMouseButton::mbLeft, {}, 1, 1);
  EXPECT_EQ(window->State().SelectedLimiterOutput, 8);
  EXPECT_EQ(Caption("lbHeadLimitOut"), "Out 6");

  EXPECT_EQ(window->UnitControl().Image(), image);
  EXPECT_EQ(Get<TAdvTrackBar>("isCompThresholdInC").Position(), threshold);
  EXPECT_EQ(box.GetText(), text);
}

TEST_F(DynamicsPanelDisplay, typedBoxes_driveTheirOwnControls) {
  const struct {
    const char* box;
    const char* text;
    const char* control;
    int position;
    const char* shown;
  } cases[] = {
      {"cvdCompRatioInB", "4", "udCompRatioInB", 9, "1:4.0"},
      {"cvdCompEqTypeInA", "LC -6", "isCompEqTypeInA", 1, " LC-6 "},
      {"cvdCompEqFreqInC", "2.5k", "isCompEqFreqInC", 210, "2.52KHz"},
      {"cvdCompKneeInA", "3.7", "udCompKneeInA", 3, "3dB"},
      {"cvdCompThresholdInC", "-3.7", "isCompThresholdInC", -7, "-3.5dB"},
      {"cvdGateRatioInA", "2.2", "isGateRatioInA", 6, "1:2.5"},
      {"cvdGateReleaseInC", "5000", "isGateReleaseInC", 2999, "3000ms"},
      {"cvdLimitAttackOut3", "50", "isLimitAttackOut3", 49, "50ms"},
      {"cvdLimitRatioOut4", "25", "udLimitRatioOut4", 15, "Limit"},
      {"cvdLimitKneeOut6", "20", "udLimitKneeOut6", 12, "12dB"},
  };
  for (const auto& c : cases) {
    TCurvyEdit& box = Get<TCurvyEdit>(QLatin1String(c.box));
    box.SetText(QLatin1String(c.text));
    box.OnExit(&box);
    TObject* control = window->Controls().FindObject(QLatin1String(c.control));
    const int position = dynamic_cast<TUpDown*>(control) != nullptr ? dynamic_cast<TUpDown*>(control)->Position()
                                                                    : dynamic_cast<TAdvTrackBar*>(control)->Position();
    EXPECT_EQ(position, c.position) << c.box;
    EXPECT_EQ(box.GetText().toStdString(), c.shown) << c.box;
  }
}

TEST_F(DynamicsPanelDisplay, gateChange_namesTheEditedInputOnTheMeterHeadToo) {
  Get<TLabel>("lbGateInA").OnMouseDown(&Get<TLabel>("lbGateInA"), TMouseButton::mbLeft, {}, 1, 1);
  ASSERT_EQ(Caption("lbHeadGateIn"), "In A");
  TAdvTrackBar& release = Get<TAdvTrackBar>("isGateReleaseInB");
  release.SetPosition(release.Position() + 10);
  EXPECT_EQ(window->State().SelectedGateInput, 1);
  EXPECT_EQ(Caption("lbGateName"), "In B  Gate");
  EXPECT_EQ(Caption("lbHeadGateIn"), "In B");
}

TEST_F(DynamicsPanelDisplay, panelImages_showTheCurveAndTheMarker) {
  Quietly([] {
    Get<TAdvTrackBar>("isCompThresholdInA").SetPosition(-90);
    Get<TUpDown>("udCompKneeInA").SetPosition(0);
    Get<TUpDown>("udCompRatioInA").SetPosition(5);
    Get<TAdvTrackBar>("isCompEqTypeInA").SetPosition(0);
  });
  window->RefreshCompressorPanel(0);
  TiXYPlot& plot = PlotOf("ipComp");
  TBitmap bitmap(plot.Width(), plot.Height());
  plot.iPaintTo(bitmap.Canvas());
  const auto pixel = [&](double x, double y) {
    return bitmap.Canvas().Pixel(plot.XAxis(0)->PositionToPixels(x), plot.YAxis(0)->PositionToPixels(y));
  };
  // Segment middles off the grid lines.
  const std::vector<TransferPoint> points = PointsOf(*plot.Channel(0));
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const TransferPoint& a = points[i];
    const TransferPoint& b = points[i + 1];
    if (a == b) {
      continue;
    }
    EXPECT_EQ(pixel((a.x + b.x) / 2, (a.y + b.y) / 2), clWhite) << "segment " << i;
  }
  const TransferPoint marker = PointsOf(*plot.Channel(1)).at(0);
  EXPECT_EQ(
      bitmap.Canvas().Pixel(plot.XAxis(0)->PositionToPixels(marker.x) + 5, plot.YAxis(0)->PositionToPixels(marker.y)),
      TColor(8421631));

  // The side-chain curve: Bypass is flat at 0 dB, a 12 dB low cut at 1 kHz
  // lies below it at low frequencies.
  const ResponseCurve& bypass = window->ResponseCurve(11).Section(0).GetCurve();
  EXPECT_NEAR(bypass.front(), 0.0, 1e-9);
  EXPECT_NEAR(bypass[bypass.size() / 2], 0.0, 1e-9);
  Get<TAdvTrackBar>("isCompEqTypeInA").SetPosition(2);
  Get<TAdvTrackBar>("isCompEqFreqInA").SetPosition(170);
  window->RefreshCompressorPanel(0);
  const ResponseCurve& lowCut = window->ResponseCurve(11).Section(0).GetCurve();
  EXPECT_LT(lowCut.front(), -20.0);
  EXPECT_NEAR(lowCut.back(), 0.0, 0.5);
}

}  // namespace
