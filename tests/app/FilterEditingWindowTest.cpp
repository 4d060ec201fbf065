#include <cmath>
#include <utility>
#include <vector>

#include <QTest>
#include <gtest/gtest.h>

#include "dsp/FrequencyGrid.h"
#include "editors/filter/FilterEditing.h"
#include "link/LinkTransportFactory.h"
#include "platform/threads/TTimer.h"
#include "platform/widgets/TRadioButton.h"
#include "tests/app/FilterEditingTestSupport.h"
#include "tests/support/ProcessEventsUntil.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"
#include "widgets/vr/TVrPowerButton.h"

namespace {

constexpr int kOut1 = 3;

/// One offline main window for the suite, its controls showing the unit
/// image; each test leaves Out1 and InA as it found them where it matters.
class FilterEditingWindow : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    factory = new LinkTransportFactory;
    window = new TfmMain(*factory, nullptr);
    window->show();
    ShowImageOnFilterControls(*window);
  }
  static void TearDownTestSuite() {
    delete window;
    window = nullptr;
    delete factory;
    factory = nullptr;
  }

  template <class T>
  static T& C(const QString& name) {
    return Named<T>(*window, name);
  }
  static TMyPEQType10& Panel(int channel) {
    return *window->Controls().Find<TMyPEQType10>(QStringLiteral("peqPeq"), channel);
  }
  static LMyFFTDrawHpLp6dB& PlotOf(int channel) {
    return *window->Controls().Find<LMyFFTDrawHpLp6dB>(QStringLiteral("fftDraw"), channel);
  }
  static void FireTimer(const char* name) {
    TTimer* timer = window->Controls().Find<TTimer>(QLatin1String(name));
    if (timer->Enabled()) {
      timer->OnTimer(timer);
    }
  }
  static void PickSlope(const QString& list, int item) {
    auto& box = C<TRzComboBox>(list);
    box.SetItemIndex(item);
    box.OnChange(&box);
  }
  /// Control pixel of a level on a channel plot, and of a marker's column.
  static int YOfLevel(int channel, double level) {
    const LMyFFTDrawHpLp6dB& plot = PlotOf(channel);
    return 7 + int(std::lround((plot.YMax() - level) / (plot.YMax() - plot.YMin()) * plot.GetPlotHeight()));
  }
  static int XOfMarker(int channel, int marker) { return PlotOf(channel).GetBlockPos(marker).X + 42; }
  static void SetBand(int channel, int band, double hz, double gain) {
    Panel(channel).SetNowIndex(band);
    Panel(channel).SetFreqValue(band, hz);
    Panel(channel).SetGainValue(band, gain);
  }

  static LinkTransportFactory* factory;
  static TfmMain* window;
};

LinkTransportFactory* FilterEditingWindow::factory = nullptr;
TfmMain* FilterEditingWindow::window = nullptr;

TEST_F(FilterEditingWindow, qRulesFollowTheBandType) {
  TMyPEQType10& panel = Panel(kOut1);
  C<TRzBmpButton>(QStringLiteral("rzbEq1Out1")).Click();
  panel.SetTypeValue(0, 1);  // Low Shelf
  EXPECT_EQ(window->UnitControl().GetPeqBand(kOut1, 0).q, 10);
  EXPECT_NEAR(panel.GetQValue(0), 0.71, 1e-12);
  panel.SetQValue(0, QToIndex(2.0));  // a shelf keeps Q 2.0
  EXPECT_EQ(window->UnitControl().GetPeqBand(kOut1, 0).q, QToIndex(2.0));
  auto& qBar = C<TAdvTrackBar>(QStringLiteral("isEqBwOut1"));
  qBar.SetPosition(60);
  EXPECT_EQ(qBar.Position(), 35);
  EXPECT_EQ(C<TCurvyEdit>(QStringLiteral("cvdEqBwOut1")).GetText(), "3.00");
  panel.SetTypeValue(0, 0);  // back to Peak: the default Q 3.0
  EXPECT_EQ(window->UnitControl().GetPeqBand(kOut1, 0).type, 0);
  EXPECT_EQ(window->UnitControl().GetPeqBand(kOut1, 0).q, 35);
  qBar.SetPosition(100);
  FireTimer("tmEqCurve");
  EXPECT_EQ(window->UnitControl().GetPeqBand(kOut1, 0).q, 100);
  panel.SetQValue(0, 35);
}

TEST_F(FilterEditingWindow, gainAndFrequencyPositionsArriveAsTheirCodes) {
  // The whole ranges go through the panel in tests/editors; here the path
  // from the bars through the curve timer to the image, at the edges and
  // across the ranges.
  C<TRzBmpButton>(QStringLiteral("rzbEq2Out1")).Click();
  auto& gain = C<TAdvTrackBar>(QStringLiteral("isEqGainOut1"));
  for (int p : {0, 1, 37, 92, 119, 121, 150, 203, 239, 240, 120}) {
    gain.SetPosition(p);
    FireTimer("tmEqCurve");
    EXPECT_EQ(window->UnitControl().GetPeqBand(kOut1, 1).gain, p);
  }
  auto& freq = C<TAdvTrackBar>(QStringLiteral("isEqFreqOut1"));
  for (int p : {0, 1, 29, 90, 169, 170, 171, 233, 299, 300, 40}) {
    freq.SetPosition(p);
    FireTimer("tmEqCurve");
    EXPECT_EQ(window->UnitControl().GetPeqBand(kOut1, 1).freq, p);
  }
}

TEST_F(FilterEditingWindow, typedFrequencyMovesTheBarOrRestoresTheBox) {
  C<TRzBmpButton>(QStringLiteral("rzbEq4Out1")).Click();
  auto& box = C<TCurvyEdit>(QStringLiteral("cvdEqFreqOut1"));
  auto& bar = C<TAdvTrackBar>(QStringLiteral("isEqFreqOut1"));
  WORD enter = VK_RETURN;
  WORD other = 'A';
  box.SetText(QStringLiteral("1kHz"));
  box.OnKeyDown(&box, other, {});
  EXPECT_EQ(box.GetText(), "1kHz");
  box.OnKeyDown(&box, enter, {});
  EXPECT_EQ(bar.Position(), 170);
  EXPECT_EQ(box.GetText(), "1.00KHz");
  FireTimer("tmEqCurve");
  EXPECT_EQ(window->UnitControl().GetPeqBand(kOut1, 3).freq, 170);
  for (const char* refused : {"1000", "1.2.3", "-5", "12a"}) {
    box.SetText(QLatin1String(refused));
    box.OnExit(&box);
    EXPECT_EQ(box.GetText(), "1.00KHz") << refused;
    EXPECT_EQ(bar.Position(), 170);
  }
  // A number beyond double is above the grid, as in every frequency box.
  box.SetText(QString(309, QLatin1Char('9')));
  box.OnExit(&box);
  EXPECT_EQ(box.GetText(), "20.16KHz");
  EXPECT_EQ(bar.Position(), 300);
  box.SetText(QStringLiteral("1k"));
  box.OnExit(&box);
  box.SetText(QStringLiteral("30k"));
  box.OnExit(&box);
  EXPECT_EQ(box.GetText(), "20.16KHz");
}

TEST_F(FilterEditingWindow, cutSlopesBuildTheirCurvesFromStandardSections) {
  Plot& curves = window->ResponseCurve(kOut1);
  const auto curve31 = [&] { return curves.Section(31).GetCurve(); };
  const QString list = QStringLiteral("rzcLowCutSlopOut1");
  // The default image leaves the low cut bypassed; the slopes need it on.
  auto& bypass = C<TRzBmpButton>(QStringLiteral("rzbLowCutBypassOut1"));
  bypass.SetDown(false);
  C<TAdvTrackBar>(QStringLiteral("isLowCutFreqOut1")).SetPosition(100);
  FireTimer("tmHpLpCurve");
  PickSlope(list, 0);  // BW -6
  const ResponseCurve bw6 = curve31();
  PickSlope(list, 1);  // BL -6
  const ResponseCurve bl6 = curve31();
  PickSlope(list, 2);  // BW -12
  const ResponseCurve bw12 = curve31();
  PickSlope(list, 9);  // LR -24
  const ResponseCurve lr24 = curve31();
  for (std::size_t k = 0; k < bw6.size(); k += 7) {
    ASSERT_NEAR(bw6[k], bl6[k], 1e-9) << k;
    ASSERT_NEAR(lr24[k], 2.0 * bw12[k], 1e-6) << k;
  }
  EXPECT_EQ(window->UnitControl().GetOutputFilters(kOut1).lowCutSlope, 10);
  // Bypass: flat, marker at the cut-off and 0 dB, slope 0 stored.
  bypass.SetDown(true);
  bypass.OnClick(&bypass);
  EXPECT_EQ(window->UnitControl().GetOutputFilters(kOut1).lowCutSlope, 0);
  EXPECT_EQ(curves.Section(31).GetType(), 10);
  EXPECT_DOUBLE_EQ(PlotOf(kOut1).Overlay().BlockX[31], FrequencyGrid::BinPosition(IndexToFreq(100)));
  EXPECT_DOUBLE_EQ(PlotOf(kOut1).Overlay().BlockY[31], 0.0);
  for (double value : curve31()) {
    ASSERT_DOUBLE_EQ(value, 0.0);
  }
  bypass.SetDown(false);
  bypass.OnClick(&bypass);
  EXPECT_EQ(window->UnitControl().GetOutputFilters(kOut1).lowCutSlope, 10);
  // The high-cut box starts with a blank below 1 kHz.
  C<TAdvTrackBar>(QStringLiteral("isHighCutFreqOut1")).SetPosition(100);
  EXPECT_EQ(C<TCurvyEdit>(QStringLiteral("cvdHighCutFreqOut1")).GetText(), " 198.4Hz");
  C<TAdvTrackBar>(QStringLiteral("isHighCutFreqOut1")).SetPosition(300);
  FireTimer("tmHpLpCurve");
}

TEST_F(FilterEditingWindow, firOnlyModeAndFirViewFlattenTheCuts) {
  auto* plot = &PlotOf(kOut1);
  Plot& curves = window->ResponseCurve(kOut1);
  PickSlope(QStringLiteral("rzcLowCutSlopOut1"), 9);  // LR -24: second-order sections
  OutputFilterRecord record = window->UnitControl().GetOutputFilters(kOut1);
  const OutputFilterRecord saved = record;
  record.mode = 1;
  window->UnitControl().SetOutputFirRecord(kOut1, record);
  C<TRzComboBox>(QStringLiteral("rzcModeOut1")).SetItemIndex(1);
  window->UpdateFirCurve(plot);
  window->UpdateLowCutCurve(plot);
  window->UpdateHighCutCurve(plot);
  for (int section : {31, 32}) {
    EXPECT_EQ(curves.Section(section).GetType(), 10) << section;
    EXPECT_DOUBLE_EQ(curves.Section(section).GetFrequency(), 32000.0) << section;
    EXPECT_GT(plot->Overlay().BlockX[std::size_t(section)], plot->XMax()) << section;
  }
  // A cut-off move stores and sends but starts no curve.
  C<TAdvTrackBar>(QStringLiteral("isLowCutFreqOut1")).SetPosition(120);
  EXPECT_FALSE(window->Controls().Find<TTimer>(QStringLiteral("tmHpLpCurve"))->Enabled());
  EXPECT_EQ(window->UnitControl().GetOutputFilters(kOut1).lowCutIndex, 120);
  C<TAdvTrackBar>(QStringLiteral("isLowCutFreqOut1")).SetPosition(100);

  window->UnitControl().SetOutputFirRecord(kOut1, saved);
  C<TRzComboBox>(QStringLiteral("rzcModeOut1")).SetItemIndex(0);
  C<TRadioButton>(QStringLiteral("rbShowFirOut1")).SetChecked(true);
  window->UpdateFirCurve(plot);
  window->UpdateLowCutCurve(plot);
  window->UpdateHighCutCurve(plot);
  // Both cuts flat: the low cut's section flattened by the high cut's
  // rebuild, the high cut's left as the FIR rebuild set it.
  EXPECT_EQ(curves.Section(31).GetType(), 10);
  EXPECT_EQ(curves.Section(32).GetType(), 10);
  C<TRadioButton>(QStringLiteral("rbShowEqFirOut1")).SetChecked(true);
  window->UpdateFirCurve(plot);
  window->UpdateLowCutCurve(plot);
  window->UpdateHighCutCurve(plot);
  EXPECT_EQ(curves.Section(31).GetType(), 15);
}

class FilterEditingMouse : public FilterEditingWindow {
protected:
  void SetUp() override {
    window->Filters().Mouse().ScreenDpi = [] { return 96; };
    C<TRzBmpButton>(QStringLiteral("rzbMenuOut1")).Click();
    window->State().SelectedCurveMarker = -1;
  }
  void TearDown() override {
    QTest::mouseRelease(&PlotOf(kOut1), Qt::LeftButton, {}, QPoint(1, 1));
    window->ResetChannelPeq(kOut1);
  }
  static void Press(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(&PlotOf(kOut1), button, {}, QPoint(x, y));
  }
  static void Move(int x, int y) { QTest::mouseMove(&PlotOf(kOut1), QPoint(x, y)); }
};

TEST_F(FilterEditingMouse, grabWindowsButtonsAndOverlaps) {
  SetBand(kOut1, 4, 700.0, 3.0);
  SetBand(kOut1, 5, 5500.0, -3.0);
  const int x4 = XOfMarker(kOut1, 4);
  const int x5 = XOfMarker(kOut1, 5);
  struct Case {
    int x, y;
    Qt::MouseButton button;
    int grabbed;
  };
  const Case cases[] = {
      {x4, YOfLevel(kOut1, 3.9), Qt::LeftButton, 4},   {x4 + 4, YOfLevel(kOut1, 1.2), Qt::LeftButton, 4},
      {x4 + 6, YOfLevel(kOut1, 3.0), Qt::LeftButton, -1}, {x4, YOfLevel(kOut1, 0.9), Qt::LeftButton, -1},
      {x4, YOfLevel(kOut1, 3.0), Qt::RightButton, -1}, {x5, YOfLevel(kOut1, -1.0), Qt::LeftButton, 5},
      {x5, YOfLevel(kOut1, -3.8), Qt::LeftButton, 5},  {x5, YOfLevel(kOut1, -0.8), Qt::LeftButton, -1},
  };
  for (const Case& c : cases) {
    Press(c.x, c.y, c.button);
    EXPECT_EQ(window->State().SelectedCurveMarker, c.grabbed) << c.x << "," << c.y;
    QTest::mouseRelease(&PlotOf(kOut1), c.button, {}, QPoint(c.x, c.y));
    EXPECT_EQ(window->State().SelectedCurveMarker, -1);
  }
  // Two bands under the pointer: the lower-numbered one is grabbed.
  SetBand(kOut1, 2, 700.0, 3.0);
  Press(x4, YOfLevel(kOut1, 3.0));
  EXPECT_EQ(window->State().SelectedCurveMarker, 2);
  EXPECT_EQ(Panel(kOut1).GetNowIndex(), 2);
  QTest::mouseRelease(&PlotOf(kOut1), Qt::LeftButton, {}, QPoint(x4, YOfLevel(kOut1, 3.0)));
  // A summary plot draws no marker and never starts a drag.
  auto& summary = C<LMyFFTDrawHpLp6dB>(QStringLiteral("fftDrawGainIn"));
  QTest::mousePress(&summary, Qt::LeftButton, {}, QPoint(42, YOfLevel(kOut1, 0.0)));
  EXPECT_EQ(window->State().SelectedCurveMarker, -1);
  QTest::mouseRelease(&summary, Qt::LeftButton, {}, QPoint(42, YOfLevel(kOut1, 0.0)));
}

TEST_F(FilterEditingMouse, aMarkerNeverDrawnIsNeitherGrabbedNorHoveredWhereverItStands) {
  // An output's plot never draws ids 9-30 and 33-35. Stood at the plot's
  // left edge at 0 dB, where a drawn marker is grabbed, they take nothing.
  LMyFFTDrawHpLp6dB& plot = PlotOf(kOut1);
  Move(1, 1);  // the paint still pending places every marker anew
  const QPoint edge(42, YOfLevel(kOut1, 0.0));
  const auto standAtTheEdge = [&](int marker) {
    const TPoint place = plot.GetBlockPos(marker);
    plot.SetBlockPosition(0.0, double(edge.y() - 7), marker);
    return place;
  };
  std::vector<std::pair<int, TPoint>> moved;
  for (int marker = 9; marker <= 35; ++marker) {
    if (marker == 31 || marker == 32) continue;
    ASSERT_FALSE(plot.IsBlockDrawn(marker)) << marker;
    moved.emplace_back(marker, standAtTheEdge(marker));
  }
  Move(edge.x(), edge.y());
  EXPECT_EQ(plot.Cursor(), crDefault);
  Press(edge.x(), edge.y());
  EXPECT_EQ(window->State().SelectedCurveMarker, -1);
  QTest::mouseRelease(&plot, Qt::LeftButton, {}, edge);

  SetBand(kOut1, 4, 700.0, 0.0);
  ASSERT_TRUE(plot.IsBlockDrawn(4));
  const TPoint band = standAtTheEdge(4);
  Move(edge.x() + 1, edge.y());
  EXPECT_EQ(plot.Cursor(), crCross);
  Press(edge.x(), edge.y());
  EXPECT_EQ(window->State().SelectedCurveMarker, 4);
  QTest::mouseRelease(&plot, Qt::LeftButton, {}, edge);
  moved.emplace_back(4, band);
  for (const auto& [marker, place] : moved) plot.SetBlockPosition(place.X, place.Y, marker);
}

TEST_F(FilterEditingMouse, draggingABandFollowsThePointerAndReleasingOutsideEndsIt) {
  SetBand(kOut1, 6, 350.0, -3.0);
  const int x = XOfMarker(kOut1, 6);
  Press(x, YOfLevel(kOut1, -3.0));
  ASSERT_EQ(window->State().SelectedCurveMarker, 6);
  Move(x, YOfLevel(kOut1, -5.0));
  // On the pointer (to a pixel), not 1 dB under it.
  EXPECT_NEAR(Panel(kOut1).GetGainValue(6), -5.0, 0.2);
  EXPECT_NEAR(window->UnitControl().GetPeqBand(kOut1, 6).gain, 70, 2);
  Move(x, -200);
  EXPECT_DOUBLE_EQ(Panel(kOut1).GetGainValue(6), 12.0);
  Move(-300, 2000);
  EXPECT_DOUBLE_EQ(Panel(kOut1).GetGainValue(6), -12.0);
  EXPECT_EQ(window->UnitControl().GetPeqBand(kOut1, 6).freq, 0);
  FireTimer("tmMouseEqCurve");
  EXPECT_EQ(C<TCurvyEdit>(QStringLiteral("cvdEqGainOut1")).GetText(), "-12.0dB");
  EXPECT_DOUBLE_EQ(PlotOf(kOut1).Overlay().BlockY[6], -12.0);
  QTest::mouseRelease(&PlotOf(kOut1), Qt::LeftButton, {}, QPoint(-300, 2000));
  EXPECT_EQ(window->State().SelectedCurveMarker, -1);
}

TEST_F(FilterEditingMouse, aCutMarkerWinsOverABandAndItsDragClearsTheBand) {
  auto& lowCut = C<TAdvTrackBar>(QStringLiteral("isLowCutFreqOut1"));
  lowCut.SetPosition(170);
  FireTimer("tmHpLpCurve");
  SetBand(kOut1, 1, 1000.0, 0.0);
  const int x = XOfMarker(kOut1, 31);
  Press(x, YOfLevel(kOut1, 0.0));
  EXPECT_EQ(window->State().SelectedCurveMarker, 31);
  Move(x + 40, YOfLevel(kOut1, 0.0));
  EXPECT_GT(lowCut.Position(), 170);
  EXPECT_EQ(window->UnitControl().GetOutputFilters(kOut1).lowCutIndex, lowCut.Position());
  EXPECT_EQ(Panel(kOut1).GetNowIndex(), 15);
  auto& box = C<TCurvyEdit>(QStringLiteral("cvdLowCutFreqOut1"));
  EXPECT_EQ(box.Font().Color(), clGreen);
  QTest::mouseRelease(&PlotOf(kOut1), Qt::LeftButton, {}, QPoint(x + 40, 0));
  EXPECT_EQ(box.Font().Color(), clBlack);
  lowCut.SetPosition(0);
}

TEST_F(FilterEditingMouse, hoverAt96DpiShowsTheCrossOnlyCloseToAMarker) {
  SetBand(kOut1, 3, 2800.0, 0.0);
  const int x = XOfMarker(kOut1, 3);
  Move(x + 2, YOfLevel(kOut1, 0.0));
  EXPECT_EQ(PlotOf(kOut1).Cursor(), crCross);
  Move(x + 4, YOfLevel(kOut1, 0.0));
  EXPECT_EQ(PlotOf(kOut1).Cursor(), crDefault);
  window->Filters().Mouse().ScreenDpi = [] { return 120; };
  Move(x + 4, YOfLevel(kOut1, 0.5));
  EXPECT_EQ(PlotOf(kOut1).Cursor(), crCross);
}

TEST_F(FilterEditingWindow, overlayCopiesFollowTheMasks) {
  const int kOut2 = 4;
  auto& masks = window->State().CurveOverlayMasks;
  masks = {};
  Panel(kOut2).SetNowIndex(0);
  Panel(kOut2).SetGainValue(0, 6.0);
  for (int entry : {3, 4, 5, 6, 7, 8, 10}) {
    EXPECT_EQ(masks[std::size_t(entry)], 1u << kOut2) << entry;
  }
  int count = 0;
  window->RefreshChannelOverlayCurves(kOut1);
  EXPECT_EQ(masks[kOut1], 0u);
  EXPECT_EQ(window->ResponseCurve(kOut1).Section(40).GetCurve(),
            window->ResponseCurve(kOut2).Section(Plot::kTotalSection).GetCurve());
  EXPECT_FALSE(PlotOf(kOut1).GetPlotNumPoints(count, 40));  // its toggle is off
  // A later change, then the toggle: it draws the copy it holds.
  const ResponseCurve older = window->ResponseCurve(kOut1).Section(40).GetCurve();
  Panel(kOut2).SetGainValue(0, -6.0);
  auto& toggle = C<TVrPowerButton>(QStringLiteral("vrbShow2Out1"));
  toggle.SetActive(true);
  toggle.OnClick(&toggle);
  EXPECT_EQ(masks[kOut1], 0u);
  EXPECT_EQ(window->ResponseCurve(kOut1).Section(40).GetCurve(), older);
  EXPECT_TRUE(PlotOf(kOut1).GetPlotNumPoints(count, 40));
  toggle.SetActive(false);
  toggle.OnClick(&toggle);
  EXPECT_FALSE(PlotOf(kOut1).GetPlotNumPoints(count, 40));
  // The summary copies every total but an inactive toggle keeps its bit.
  window->RefreshGainSummaryCurves();
  EXPECT_EQ(window->ResponseCurve(10).Section(kOut2).GetCurve(),
            window->ResponseCurve(kOut2).Section(Plot::kTotalSection).GetCurve());
  EXPECT_EQ(masks[10], 1u << kOut2);
  Panel(kOut2).SetGainValue(0, 0.0);
}

TEST_F(FilterEditingWindow, phaseViewAxesAndLatencySwitch) {
  LMyFFTDrawHpLp6dB& plot = PlotOf(kOut1);
  auto& phase = C<TRadioButton>(QStringLiteral("rbShowPhaseOut1"));
  auto& magnitude = C<TRadioButton>(QStringLiteral("rbShowGainOut1"));
  auto& latency = C<TVrPowerButton>(QStringLiteral("vrbFirRemoveOut1"));
  latency.SetActive(true);
  latency.OnClick(&latency);  // magnitude view: only the flag
  EXPECT_TRUE(window->ResponseCurve(kOut1).GetRemoveFirLatency());
  latency.SetActive(false);
  latency.OnClick(&latency);
  phase.SetChecked(true);
  phase.OnClick(&phase);
  EXPECT_TRUE(window->ResponseCurve(kOut1).GetPhaseMode());
  EXPECT_EQ(plot.NumHorzGrid(), 7);
  EXPECT_TRUE(plot.YLabel().isEmpty());
  EXPECT_DOUBLE_EQ(plot.YLabelScale(), 10.0);
  EXPECT_DOUBLE_EQ(plot.YMax(), 18.0);
  EXPECT_DOUBLE_EQ(plot.YMin(), -18.0);
  EXPECT_TRUE(latency.isVisibleTo(latency.parentWidget()));
  EXPECT_EQ(phase.Font().Color(), RGB(255, 255, 0));
  EXPECT_EQ(magnitude.Font().Color(), RGB(192, 192, 192));
  magnitude.SetChecked(true);
  magnitude.OnClick(&magnitude);
  EXPECT_EQ(plot.NumHorzGrid(), 11);
  EXPECT_EQ(plot.YLabel(), "dB");
  EXPECT_FALSE(latency.isVisibleTo(latency.parentWidget()));
}

TEST_F(FilterEditingWindow, firViewKeepsTheBandMarkersAtZeroAndEqViewShowsAnInputsImpulse) {
  SetBand(kOut1, 0, 1000.0, 6.0);
  auto& firView = C<TRadioButton>(QStringLiteral("rbShowFirOut1"));
  firView.SetChecked(true);
  firView.OnClick(&firView);
  EXPECT_DOUBLE_EQ(PlotOf(kOut1).Overlay().BlockY[0], 0.0);
  EXPECT_EQ(window->ResponseCurve(kOut1).Section(0).GetType(), 10);
  EXPECT_EQ(firView.Font().Color(), RGB(255, 255, 0));
  auto& both = C<TRadioButton>(QStringLiteral("rbShowEqFirOut1"));
  both.SetChecked(true);
  both.OnClick(&both);
  EXPECT_DOUBLE_EQ(PlotOf(kOut1).Overlay().BlockY[0], 6.0);
  Panel(kOut1).SetGainValue(0, 0.0);

  auto& eqView = C<TRadioButton>(QStringLiteral("rbShowEqInA"));
  eqView.SetChecked(true);
  eqView.OnClick(&eqView);
  for (double value : window->ResponseCurve(0).Section(31).GetCurve()) {
    ASSERT_NEAR(value, 0.0, 1e-9);
  }
  auto& bothIn = C<TRadioButton>(QStringLiteral("rbShowEqFirInA"));
  bothIn.SetChecked(true);
  bothIn.OnClick(&bothIn);
}

}  // namespace

namespace {

TEST_F(FilterEditingMouse, anInputsCutMarkerIsGrabbedOnlyOnceItsControlsDrewIt) {
  auto& plot = PlotOf(0);
  ASSERT_TRUE(plot.IsBlockDrawn(31));  // by the rebuild, from the image's zeros
  const auto pressAtLowCut = [&] {
    const QPoint at(XOfMarker(0, 31), YOfLevel(0, 0.0));
    QTest::mousePress(&plot, Qt::LeftButton, {}, at);
    const int grabbed = window->State().SelectedCurveMarker;
    QTest::mouseRelease(&plot, Qt::LeftButton, {}, at);
    return grabbed;
  };
  EXPECT_EQ(pressAtLowCut(), -1);
  C<TAdvTrackBar>(QStringLiteral("isLowCutFreqInA")).SetPosition(60);
  FireTimer("tmHpLpCurve");
  EXPECT_EQ(pressAtLowCut(), 31);
  C<TAdvTrackBar>(QStringLiteral("isLowCutFreqInA")).SetPosition(0);
  FireTimer("tmHpLpCurve");
}

}  // namespace
