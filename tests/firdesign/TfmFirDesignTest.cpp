#include "firdesign/TfmFirDesign.h"

#include <cmath>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "components/peq/TMyPEQFir.h"
#include "firdesign/FirDesignEngine.h"
#include "firdesign/FirDesignForm.h"
#include "firdesign/FirDesignView.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TRadioButton.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"
#include "tests/firdesign/RecordingFirDesignHost.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"
#include "widgets/vr/TVrDemoButton.h"
#include "widgets/vr/TVrPowerButton.h"

namespace {

/// The designer, counting the curves it draws.
class CountingDesigner : public TfmFirDesign {
public:
  using TfmFirDesign::TfmFirDesign;
  void ShowCurve(int channel, const double* x, const double* y, int count) override {
    ++curves;
    TfmFirDesign::ShowCurve(channel, x, y, count);
  }
  int curves = 0;
};

class TfmFirDesignTest : public ::testing::Test {
protected:
  TfmFirDesignTest() {
    host.texts[QStringLiteral("SID_FIR_OUT_TITLE")] = QStringLiteral("Output Setting");
  }

  /// Types text into the edit and presses Enter in it.
  static void TypeAndEnter(TEdit& edit, const QString& text) {
    edit.SetText(text);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(edit.findChild<QLineEdit*>(), &press);
  }

  static void Toggle(TRzBmpButton& button) {
    button.SetDown(!button.Down());
    button.Click();
  }

  FirDesignForm& c() { return designer.Form(); }
  TiPlotChannel& Channel(int index) { return *c().fftFirDraw->Channel(index); }
  bool Shown(int index) { return Channel(index).Visible(); }

  RecordingFirDesignHost host;
  CountingDesigner designer{host};
};

TEST_F(TfmFirDesignTest, startsWithTheFormDefaultsAndADelayedUnitImpulse) {
  FirDesignEngine& e = designer.Engine();
  EXPECT_EQ(designer.Caption(), QStringLiteral("FIR Design"));
  EXPECT_EQ(e.DesignTaps(), 512);
  EXPECT_EQ(e.DesignOutputDelay(), 256);
  EXPECT_NEAR(e.DesignCoefficients()[256], 0.5 * (1.0 + std::cos(M_PI / 511.0)), 1e-6);
  EXPECT_EQ(e.DesignCoefficients()[255], 0.0);
  EXPECT_EQ(c().edFirOutSetTaps->Text(), QStringLiteral("512"));
  EXPECT_EQ(c().edFirOutSetDelay->Text(), QStringLiteral("2.667ms"));
  EXPECT_EQ(c().edFirName->Text(), QStringLiteral("FirName"));
  EXPECT_EQ(c().isFirOutSetTaps->Position(), 512);
  EXPECT_EQ(c().isFirMagMaxFreq->Position(), 300);
  EXPECT_TRUE(c().rzbFirEq[0]->Down());
  for (TRzBmpButton* toggle : {c().sbAutoGain, c().sbAutoDelay, c().sbFirOutSetDelay, c().rzbFirMagRangeOnOff,
                               c().rzbFirPhaseRangeOnOff, c().rzblbTargetOnOff}) {
    EXPECT_FALSE(toggle->Down()) << toggle->Name().toStdString();
    EXPECT_TRUE(toggle->AllowAllUp());
  }
  const double bandHz[] = {20.1, 40.3, 84.4, 176.8, 370.3, 757.9, 1587.4, 3325.0, 6805.3, 14254.4};
  for (int b = 0; b < 10; ++b) {
    EXPECT_NEAR(c().peqFirEq->GetFreqValue(b), bandHz[b], 0.06) << b;
    EXPECT_EQ(c().peqFirEq->GetTypeValue(b), 0);
    EXPECT_NEAR(c().peqFirEq->GetQValue(b), 3.0, 1e-6);
  }
  for (int channel = 0; channel < 12; ++channel) {
    EXPECT_EQ(Shown(channel), channel == 0 || channel == 4 || channel == 10) << channel;
  }
  EXPECT_GT(Channel(10).Count(), 4000);  // the predicted result, up to 95.7 kHz before an import
}

// Curves on the FFT bin grid (0, 23.4, 46.9 Hz ...) start at the axis'
// left edge (11 Hz), not at the first bin: the 0 Hz bin cannot be drawn
// on the log axis, but the segment from it is cut at the edge.
TEST_F(TfmFirDesignTest, binGridCurvesStartAtTheAxisLeftEdge) {
  const double left = c().fftFirDraw->XAxis(0)->Min();
  ASSERT_EQ(left, 11.0);
  for (const int channel : {int(FirDesignView::FirMagnitude), int(FirDesignView::FirPhase)}) {
    EXPECT_EQ(Channel(channel).GetX(0), left) << channel;
  }
  const double bin = FirDesignEngine::kBinWidth;
  const double x[] = {0.0, bin, 2 * bin};
  const double y[] = {-6.0, 6.0, 0.0};
  designer.ShowCurve(FirDesignView::FirMagnitude, x, y, 3);
  TiPlotChannel& curve = Channel(FirDesignView::FirMagnitude);
  ASSERT_EQ(curve.Count(), 3);
  EXPECT_EQ(curve.GetX(0), left);
  EXPECT_DOUBLE_EQ(curve.GetY(0), -6.0 + 12.0 * left / bin);
  EXPECT_EQ(curve.GetX(1), bin);
  // A curve that already reaches below the edge is drawn as it is.
  const double low[] = {1.0, 10.0, 100.0};
  designer.ShowCurve(FirDesignView::FirMagnitude, low, y, 3);
  EXPECT_EQ(curve.Count(), 3);
  EXPECT_EQ(curve.GetX(0), 1.0);
}

TEST_F(TfmFirDesignTest, showTitlesTheOutputGroupAndLimitsAnOutputTo1024Taps) {
  designer.SetDesignChannel(1);
  designer.FormShow();
  EXPECT_EQ(c().lbFirOutSet->Caption(), QStringLiteral("In B Output Setting"));
  EXPECT_EQ(c().isFirOutSetTaps->Max(), 2048);
  TypeAndEnter(*c().edFirOutSetTaps, QStringLiteral("2048"));
  EXPECT_EQ(designer.Engine().DesignTaps(), 2048);
  EXPECT_EQ(c().edFirOutSetDelay->Text(), QStringLiteral("10.667ms"));

  designer.SetDesignChannel(5);
  designer.FormShow();
  EXPECT_EQ(c().lbFirOutSet->Caption(), QStringLiteral("Out 3 Output Setting"));
  EXPECT_EQ(c().isFirOutSetTaps->Max(), 1024);
  EXPECT_EQ(designer.Engine().DesignTaps(), 1024);
  EXPECT_EQ(designer.Engine().DesignOutputDelay(), 512);
  EXPECT_EQ(c().edFirOutSetTaps->Text(), QStringLiteral("1024"));
  EXPECT_EQ(c().edFirOutSetDelay->Text(), QStringLiteral("5.333ms"));

  designer.SetDesignChannel(0);
  designer.FormShow();
  EXPECT_EQ(designer.Engine().DesignTaps(), 1024);
  EXPECT_EQ(c().isFirOutSetTaps->Max(), 2048);
}

TEST_F(TfmFirDesignTest, tapCountAboveAnOutputsLimitDesignsTheCountShown) {
  designer.SetDesignChannel(5);
  designer.FormShow();
  TypeAndEnter(*c().edFirOutSetTaps, QStringLiteral("2000"));
  EXPECT_EQ(c().edFirOutSetTaps->Text(), QStringLiteral("1024"));
  EXPECT_EQ(designer.Engine().DesignTaps(), 1024);
  EXPECT_EQ(designer.Engine().DesignOutputDelay(), 512);
  designer.ApplyDesignedFir();
  ASSERT_EQ(host.receiver.calls.size(), 1u);
  EXPECT_TRUE(host.receiver.calls[0].output);
  EXPECT_EQ(host.receiver.calls[0].taps, 1024);

  TypeAndEnter(*c().edFirOutSetTaps, QStringLiteral("abc"));
  EXPECT_EQ(c().edFirOutSetTaps->Text(), QStringLiteral("32"));
  EXPECT_EQ(designer.Engine().DesignOutputDelay(), 16);
  TypeAndEnter(*c().edFirOutSetDelay, QStringLiteral("5ms"));
  EXPECT_EQ(c().edFirOutSetDelay->Text(), QStringLiteral("0.167ms"));  // held at taps / 2
}

TEST_F(TfmFirDesignTest, typedGainDelayAndRangesCommitOrShowTheValueInForce) {
  struct Case {
    TEdit* edit;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {c().edFirImportGain, "+5dB", "+5.0dB"},      {c().edFirImportGain, "15", "+12.0dB"},
      {c().edFirImportGain, "-3.25", "+12.0dB"},    {c().edFirImportGain, "1,5", "+1.0dB"},
      {c().edFirImportGain, "0.3", "+0.3dB"},       {c().edFirImportDelay, "1.25", "1.250ms"},
      {c().edFirImportDelay, "10.1", "10.000ms"},   {c().edFirImportDelay, "x", "10.000ms"},
      {c().edFirMagMinFreq, "1k", "1.00KHz"},       {c().edFirMagMaxFreq, "30k", "24.25KHz"},
      {c().edFirMagMinFreq, "0", "1.00KHz"},        {c().edFirPhaseMinFreq, "100", "99.2Hz"},
  };
  for (const Case& k : cases) {
    TypeAndEnter(*k.edit, QString::fromLatin1(k.typed));
    EXPECT_EQ(k.edit->Text(), QString::fromLatin1(k.shown)) << k.typed;
  }
  FirDesignEngine& e = designer.Engine();
  EXPECT_FLOAT_EQ(e.ImportGain(), 0.3f);
  EXPECT_EQ(e.ImportDelay(), 960.0f);
  EXPECT_EQ(e.MagnitudeRangeLow(), 170);
  EXPECT_EQ(e.MagnitudeRangeHigh(), 308);
  EXPECT_EQ(c().isFirImportDelay->Position(), 960);

  TypeAndEnter(*c().edFirName, QStringLiteral("LongNameOf12"));
  EXPECT_EQ(c().edFirName->Text(), QStringLiteral("LongName"));
  EXPECT_EQ(e.DesignFirName(), QByteArrayLiteral("LongName"));
}

TEST_F(TfmFirDesignTest, anUnchangedDelayRecomputesNothingAndAChangedOneRecomputesOnce) {
  TypeAndEnter(*c().edFirImportDelay, QStringLiteral("1.25"));
  designer.curves = 0;
  TypeAndEnter(*c().edFirImportDelay, QStringLiteral("1.25ms"));
  EXPECT_EQ(designer.curves, 0);
  EXPECT_EQ(c().edFirImportDelay->Text(), QStringLiteral("1.250ms"));
  TypeAndEnter(*c().edFirOutSetDelay, QStringLiteral("2.667"));
  EXPECT_EQ(designer.curves, 0);
  TypeAndEnter(*c().edFirOutSetDelay, QStringLiteral("1"));
  EXPECT_EQ(designer.Engine().DesignOutputDelay(), 96);
  EXPECT_EQ(designer.curves, 4);  // FIR magnitude and phase, predicted magnitude and phase
  // Leaving the edit commits as Enter does.
  c().edFirOutSetDelay->SetText(QStringLiteral("2"));
  QFocusEvent out(QEvent::FocusOut);
  QCoreApplication::sendEvent(c().edFirOutSetDelay->findChild<QLineEdit*>(), &out);
  EXPECT_EQ(designer.Engine().DesignOutputDelay(), 192);
}

TEST_F(TfmFirDesignTest, viewsShowTheActiveCurvesAndZoomOnlyInMagnitude) {
  c().vrbCurvePeq->SetActive(true);
  designer.vrbCurveLoadClick(c().vrbCurvePeq);
  EXPECT_TRUE(Shown(6));
  c().rbFirShowPhase->SetChecked(true);
  designer.rbFirShowGainClick(c().rbFirShowPhase);
  for (int channel = 0; channel < 12; ++channel) {
    EXPECT_EQ(Shown(channel), channel == 1 || channel == 5 || channel == 11) << channel;
  }
  EXPECT_FALSE(c().vrbFirZoomIn->Visible());
  EXPECT_EQ(c().fftFirDraw->YAxis(0)->Min(), -180.0);
  EXPECT_EQ(c().fftFirDraw->YAxis(0)->Span(), 360.0);
  designer.vrbFirZoomInClick(c().vrbFirZoomOut);
  EXPECT_EQ(designer.YMinimum(), -27);
  c().vrbCurveExpect->SetActive(true);
  designer.vrbCurveLoadClick(c().vrbCurveExpect);
  EXPECT_TRUE(Shown(3));
  EXPECT_FALSE(Shown(2));

  c().rbFirShowGain->SetChecked(true);
  designer.rbFirShowGainClick(c().rbFirShowGain);
  EXPECT_TRUE(c().vrbFirZoomIn->Visible());
  for (int channel = 0; channel < 12; ++channel) {
    EXPECT_EQ(Shown(channel), channel == 0 || channel == 2 || channel == 4 || channel == 6 || channel == 10)
        << channel;
  }
  for (int step = 0; step < 10; ++step) designer.vrbFirZoomInClick(c().vrbFirZoomOut);
  EXPECT_EQ(designer.YMinimum(), -117);
  EXPECT_EQ(designer.YSpan(), 144);
  designer.rbFirShowGainClick(c().rbFirShowPhase);
  designer.rbFirShowGainClick(c().rbFirShowGain);
  EXPECT_EQ(c().fftFirDraw->YAxis(0)->Min(), -117.0);
  EXPECT_EQ(c().fftFirDraw->YAxis(0)->Span(), 144.0);
  for (int step = 0; step < 10; ++step) designer.vrbFirZoomInClick(c().vrbFirZoomIn);
  EXPECT_EQ(designer.YMinimum(), -27);
  EXPECT_EQ(designer.YSpan(), 54);

  QString label = QStringLiteral("6");
  designer.fftFirDrawYAxisCustomizeLabel(0, 6.0, label);
  EXPECT_EQ(label, QStringLiteral("+6dB"));
  label = QStringLiteral("0");
  designer.fftFirDrawYAxisCustomizeLabel(0, 0.0, label);
  EXPECT_EQ(label, QStringLiteral("0dB"));
  label = QStringLiteral("1k");
  designer.fftFirDrawXAxisCustomizeLabel(0, 1000.0, label);
  EXPECT_EQ(label, QStringLiteral("1kHz"));
  designer.rbFirShowGainClick(c().rbFirShowPhase);
  label = QStringLiteral("-60");
  designer.fftFirDrawYAxisCustomizeLabel(0, -60.0, label);
  EXPECT_EQ(label, QString(QStringLiteral("-60") + QChar(0x00B0)));
}

TEST_F(TfmFirDesignTest, resizeFollowsTheOuterSize) {
  struct Case {
    int w;
    int h;
  };
  for (const Case& size : {Case{1125, 626}, Case{1300, 800}}) {
    designer.FormResize(size.w, size.h);
    EXPECT_EQ(c().rzgFirMain->Height(), size.h - 26);
    EXPECT_EQ(c().rzgFirMain->Width(), size.w - 10);
    EXPECT_EQ(c().rzgFirFft->Height(), size.h - 341);
    EXPECT_EQ(c().rzgFirFft->Width(), size.w - 45);
    EXPECT_EQ(c().rzgFirParam->Top(), size.h - 334);
    EXPECT_EQ(c().rzgFirParam->Left(), (size.w - 1125) / 2 + 16);
    EXPECT_EQ(c().fftFirDraw->Height(), (size.h - 371) / 2 * 2);
    EXPECT_EQ(c().fftFirDraw->Width(), size.w - 55);
    EXPECT_EQ(c().fftFirDraw->Left(), 15);
    EXPECT_EQ(c().fftFirDraw->Top(), 22);
    EXPECT_EQ(c().imLeftDownBase->Top(), size.h - 370);
    EXPECT_EQ(c().imRightUpBase->Left(), size.w - 48);
    EXPECT_EQ(c().rzgFirFftShowCh->Left(), (size.w - 1125) / 2 + 370);
    EXPECT_EQ(c().vrbFirEqBypass->Left(), size.w - 325);
    EXPECT_EQ(c().vrbFirEqReset->Left(), size.w - 225);
    EXPECT_EQ(c().vrbFirZoomIn->Top(), (size.h - 626) / 2 + 110);
    EXPECT_EQ(c().vrbFirZoomOut->Top(), (size.h - 626) / 2 + 150);
    EXPECT_TRUE(c().rzgFirParam->Visible());
    EXPECT_FALSE(designer.AutoScroll());
  }
  EXPECT_EQ(c().fftFirDraw->Height(), 428);  // 429 rounded down to even
  designer.FormResize(1000, 600);
  EXPECT_TRUE(designer.AutoScroll());
  EXPECT_EQ(c().rzgFirMain->Width(), 1290);  // left as it was
}

/// The designer shown, as the equaliser acts only then.
class TfmFirDesignEq : public TfmFirDesignTest {
protected:
  void SetUp() override {
    designer.show();
    designer.rzbFirEq1Click(c().rzbFirEq[2]);
  }
  void TearDown() override { designer.hide(); }

  void Key(WORD key) { designer.cvdFirEqParamKeyDown(c().cvdFirEqParam, key, {}); }
  TMyPEQFir& peq() { return *c().peqFirEq; }
};

TEST_F(TfmFirDesignEq, everyKeyMovesItsValueOneStepAcrossItsWholeRange) {
  struct Bar {
    TAdvTrackBar* bar;
    WORD up;
    WORD down;
  };
  const Bar bars[] = {{c().isFirEqFreq, VK_RIGHT, VK_LEFT}, {c().isFirEqBw, VK_ADD, VK_SUBTRACT},
                      {c().isFirEqBw, 187, 189},              {c().isFirEqGain, VK_UP, VK_DOWN}};
  for (const Bar& b : bars) {
    while (b.bar->Position() > b.bar->Min()) {
      const int before = b.bar->Position();
      Key(b.down);
      ASSERT_EQ(b.bar->Position(), before - 1);
    }
    Key(b.down);
    EXPECT_EQ(b.bar->Position(), b.bar->Min());
    while (b.bar->Position() < b.bar->Max()) {
      const int before = b.bar->Position();
      Key(b.up);
      ASSERT_EQ(b.bar->Position(), before + 1);
    }
    Key(b.up);
    EXPECT_EQ(b.bar->Position(), b.bar->Max());
  }
  EXPECT_EQ(peq().GetNowIndex(), 2);
  EXPECT_NEAR(peq().GetGainValue(2), 12.0, 1e-9);
  EXPECT_NEAR(peq().GetFreqValue(2), 20158.7, 1.0);
  EXPECT_EQ(peq().GetTypeValue(2), 0);
  const int frequency = c().isFirEqFreq->Position();
  const int q = c().isFirEqBw->Position();
  for (WORD other : {WORD(VK_SHIFT), WORD('A'), WORD(VK_RETURN)}) Key(other);
  EXPECT_EQ(c().isFirEqGain->Position(), 240);
  EXPECT_EQ(c().isFirEqFreq->Position(), frequency);
  EXPECT_EQ(c().isFirEqBw->Position(), q);
}

TEST_F(TfmFirDesignEq, typeChangesFollowTheQRulesAndAResetKeepsTheRememberedType) {
  peq().SetTypeValue(2, 1);  // Low Shelf chosen
  EXPECT_NEAR(peq().GetQValue(2), 0.71, 0.01);
  EXPECT_EQ(c().isFirEqBw->Position(), 10);
  for (int step = 0; step < 40; ++step) Key(VK_ADD);  // a shelf stops at Q 3.0
  EXPECT_NEAR(peq().GetQValue(2), 3.0, 0.01);
  peq().SetTypeValue(2, 0);  // back to Peak
  EXPECT_NEAR(peq().GetQValue(2), 3.0, 0.01);
  for (int step = 0; step < 20; ++step) Key(VK_ADD);
  EXPECT_GT(peq().GetQValue(2), 3.0);  // a Peak may go beyond
  peq().SetTypeValue(2, 2);  // High Shelf
  EXPECT_NEAR(peq().GetQValue(2), 0.71, 0.01);

  host.onConfirm = [&] { designer.ResetDesignEq(); };
  designer.vrbFirEqResetClick(c().vrbFirEqReset);
  EXPECT_EQ(host.resets, std::vector<int>{9});
  for (int b = 0; b < 10; ++b) {
    EXPECT_EQ(peq().GetTypeValue(b), 0) << b;
    EXPECT_NEAR(peq().GetGainValue(b), 0.0, 1e-9) << b;
    EXPECT_NEAR(peq().GetQValue(b), 3.0, 0.01) << b;
  }
  EXPECT_EQ(peq().GetNowIndex(), 0);
  // High Shelf is still the band's remembered type: choosing it again, after
  // a click into the band's row, keeps Q.
  peq().SetNowIndex(2);
  peq().SetTypeValue(2, 2);
  EXPECT_NEAR(peq().GetQValue(2), 3.0, 0.01);
}

TEST_F(TfmFirDesignEq, bypassTakesTheEqualiserOutOfTheDesign) {
  for (int step = 0; step < 30; ++step) Key(VK_UP);
  EXPECT_EQ(designer.Form().isFirEqGain->Position(), 150);
  EXPECT_TRUE(c().rzbFirEq[2]->Down());
  Toggle(*c().rzbFirMagRangeOnOff);
  const FirDesignEngine::Curve withEq = designer.Engine().DesignMagnitude();
  designer.vrbFirEqBypassClick(c().vrbFirEqBypass);
  EXPECT_TRUE(designer.Engine().EqBypassed());
  EXPECT_EQ(c().vrbFirEqBypass->Color(), TColor(0x000000FF));
  EXPECT_NE(designer.Engine().DesignMagnitude(), withEq);
  designer.vrbFirEqBypassClick(c().vrbFirEqBypass);
  EXPECT_EQ(designer.Engine().DesignMagnitude(), withEq);
  EXPECT_EQ(c().vrbFirEqBypass->Color(), clBlack);
}

}  // namespace
