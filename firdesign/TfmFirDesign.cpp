#include "firdesign/TfmFirDesign.h"

#include <cmath>
#include <vector>

#include <QResizeEvent>

#include "components/SystemPlotInput.h"
#include "components/peq/PeqBandValues.h"
#include "components/peq/TMyPEQFir.h"
#include "firdesign/FirDesignBuilder.h"
#include "firdesign/FirDesignEngine.h"
#include "firdesign/FirDesignForm.h"
#include "firdesign/IFirDesignHost.h"
#include "platform/pictures/TBitmap.h"
#include "platform/widgets/FileChooser.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TRadioButton.h"
#include "plot/annotations/TiPlotAnnotation.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "firdesign/NestedPlotUpdate.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"
#include "widgets/vr/TVrDemoButton.h"
#include "widgets/vr/TVrPowerButton.h"

TfmFirDesign* fmFirDesign = nullptr;

namespace {

constexpr int kClientWidth = 1109;
constexpr int kClientHeight = 587;
/// The window frame around the client area at the designed size.
constexpr int kFrameWidth = TfmFirDesign::kDesignWidth - kClientWidth;
constexpr int kFrameHeight = TfmFirDesign::kDesignHeight - kClientHeight;
constexpr int kChannels = 12;
constexpr int kLastInput = 2;
constexpr int kInputTapLimit = 2048;
constexpr int kOutputTapLimit = 1024;
constexpr int kYMinimum = -27;
constexpr int kYLowest = -117;
constexpr int kZoomStep = 10;

/// The channels of the magnitude and phase curves each curve button shows;
/// -1 where the view has no such curve.
struct CurveChannels {
  int magnitude;
  int phase;
};

struct Trace {
  TColor color;
  bool dashed;
  int width;
  int layer;
};

}  // namespace

TfmFirDesign::TfmFirDesign(IFirDesignHost& host, QWidget* parent)
    : TForm(parent), m_host(host), m_form(std::make_unique<FirDesignForm>()) {
  SetCaption(QStringLiteral("FIR Design"));
  SetPosition(TPosition::poScreenCenter);
  FirDesignBuilder(*this, m_registry, *m_form).Build();
  m_engine = std::make_unique<FirDesignEngine>(*this, *this);
  SetUpPlot();
  BindHandlers();
  FormCreate();
  // After FormCreate: its annotation is closed to the user too.
  CloseSystemPlotInput(*m_form->fftFirDraw);
  resize(kClientWidth, kClientHeight);
  FormResize(kDesignWidth, kDesignHeight);
  fmFirDesign = this;
}

TfmFirDesign::~TfmFirDesign() {
  // The edits outlive the design they commit to; a focus change while the
  // form goes away must not reach it.
  const FirDesignForm& c = *m_form;
  for (TEdit* edit : {c.edFirImportGain, c.edFirImportDelay, c.edFirMagMinFreq, c.edFirMagMaxFreq,
                      c.edFirPhaseMinFreq, c.edFirPhaseMaxFreq, c.edFirOutSetTaps, c.edFirOutSetDelay, c.edFirName}) {
    edit->OnExit = nullptr;
  }
  if (fmFirDesign == this) {
    fmFirDesign = nullptr;
  }
}

void TfmFirDesign::SetUpPlot() {
  TiPlot& plot = *m_form->fftFirDraw;
  NestedPlotUpdate block(plot, m_plotUpdateDepth);
  plot.SetTitleVisible(false);
  for (TiPlotKindManager* manager : {&plot.Master().ToolBarManager(), &plot.Master().LegendManager(),
                                     &plot.Master().DataCursorManager()}) {
    for (int i = 0; i < manager->Count(); ++i) {
      manager->Items(i)->SetVisible(false);
    }
  }
  plot.DisableAllTracking();
  while (plot.ChannelCount() < kChannels) {
    plot.AddChannel();
  }
  TiPlotXAxis& x = *plot.XAxis(0);
  x.SetMinSpan(11.0, 24000.0);
  x.SetScaleType(TiPlotScaleType::ipstLog10);
  SetMagnitudeAxis();

  constexpr TColor kDefault = clNone;
  const Trace traces[kChannels] = {
      {clBlue, true, 2, 0},     {clBlue, true, 2, 0},     {clYellow, true, 1, 200}, {clYellow, true, 2, 200},
      {kDefault, false, 2, 300}, {kDefault, false, 2, 300}, {clAqua, false, 1, 0},    {clAqua, false, 1, 0},
      {clFuchsia, false, 1, 0}, {clFuchsia, false, 1, 0}, {clLime, false, 1, 0},    {clLime, false, 1, 0}};
  for (int c = 0; c < kChannels; ++c) {
    TiPlotChannel& channel = *plot.Channel(c);
    if (traces[c].color != kDefault) {
      channel.SetColor(traces[c].color);
    }
    channel.SetTraceLineStyle(traces[c].dashed ? TiPlotLineStyle::iplsDash : TiPlotLineStyle::iplsSolid);
    channel.SetTraceLineWidth(traces[c].width);
    if (traces[c].layer != 0) {
      channel.SetLayer(traces[c].layer);
    }
  }
  plot.OnXAxisCustomizeLabel = [this](int index, double value, QString& label) {
    fftFirDrawXAxisCustomizeLabel(index, value, label);
  };
  plot.OnYAxisCustomizeLabel = [this](int index, double value, QString& label) {
    fftFirDrawYAxisCustomizeLabel(index, value, label);
  };
}

void TfmFirDesign::SetMagnitudeAxis() {
  TiPlotYAxis& y = *m_form->fftFirDraw->YAxis(0);
  y.SetMinSpan(m_yMinimum, m_ySpan);
  y.SetDesiredIncrement(9.0);
}

void TfmFirDesign::BindEdit(TEdit* edit, void (TfmFirDesign::*commit)(TObject*)) {
  edit->OnExit = [this, commit](TObject* sender) { (this->*commit)(sender); };
  // The key-down twin: Enter commits, every other key is the edit's.
  edit->OnKeyDown = [this, commit](TObject* sender, WORD& key, TShiftState) {
    if (key == VK_RETURN) {
      (this->*commit)(sender);
    }
  };
}

void TfmFirDesign::BindHandlers() {
  FirDesignForm& c = *m_form;
  for (TRadioButton* radio : {c.rbFirShowGain, c.rbFirShowPhase}) {
    radio->OnClick = [this](TObject* sender) { rbFirShowGainClick(sender); };
  }
  for (TVrPowerButton* curve :
       {c.vrbCurveLoad, c.vrbCurvePeq, c.vrbCurveTarget, c.vrbCurveExpect, c.vrbCurveFir, c.vrbCurveSmooth}) {
    curve->OnClick = [this](TObject* sender) { vrbCurveLoadClick(sender); };
  }
  for (TVrDemoButton* zoom : {c.vrbFirZoomIn, c.vrbFirZoomOut}) {
    zoom->OnClick = [this](TObject* sender) { vrbFirZoomInClick(sender); };
  }
  c.vrbFirEqBypass->OnClick = [this](TObject* sender) { vrbFirEqBypassClick(sender); };
  c.vrbFirEqReset->OnClick = [this](TObject* sender) { vrbFirEqResetClick(sender); };
  c.rzbFirOutSetSend->OnClick = [this](TObject* sender) { rzbFirOutSetSendClick(sender); };
  c.sbOpenFirFile->OnClick = [this](TObject* sender) { sbOpenFirFileClick(sender); };
  c.sbOpenTargetFile->OnClick = [this](TObject* sender) { sbOpenTargetFileClick(sender); };
  c.rzbClearImport->OnClick = [this](TObject* sender) { rzbClearImportClick(sender); };

  BindEdit(c.edFirImportGain, &TfmFirDesign::edFirImportGainExit);
  BindEdit(c.edFirImportDelay, &TfmFirDesign::edFirImportDelayExit);
  BindEdit(c.edFirOutSetTaps, &TfmFirDesign::edFirOutSetTapsExit);
  BindEdit(c.edFirOutSetDelay, &TfmFirDesign::edFirOutSetDelayExit);
  for (TEdit* range : {c.edFirMagMinFreq, c.edFirMagMaxFreq, c.edFirPhaseMinFreq, c.edFirPhaseMaxFreq}) {
    BindEdit(range, &TfmFirDesign::edFirMagMinFreqExit);
  }
  BindEdit(c.edFirName, &TfmFirDesign::edFirNameExit);

  c.sbAutoGain->OnClick = [this](TObject* sender) { sbAutoGainClick(sender); };
  c.sbAutoDelay->OnClick = [this](TObject* sender) { sbAutoDelayClick(sender); };
  c.sbFirOutSetDelay->OnClick = [this](TObject* sender) { sbFirOutSetDelayClick(sender); };
  for (TRzBmpButton* range : {c.rzbFirMagRangeOnOff, c.rzbFirPhaseRangeOnOff}) {
    range->OnClick = [this](TObject* sender) { rzbFirMagRangeOnOffClick(sender); };
  }
  c.rzblbTargetOnOff->OnClick = [this](TObject* sender) { rzblbTargetOnOffClick(sender); };
  c.rzcFirOutSetSmooth->OnChange = [this](TObject* sender) { rzcFirOutSetSmoothChange(sender); };

  for (TRzBmpButton* band : c.rzbFirEq) {
    band->OnClick = [this](TObject* sender) { rzbFirEq1Click(sender); };
  }
  c.isFirEqFreq->OnChange = [this](TObject* sender) { isFirEqFreqChange(sender); };
  c.isFirEqBw->OnChange = [this](TObject* sender) { isFirEqBwChange(sender); };
  c.isFirEqGain->OnChange = [this](TObject* sender) { isFirEqGainChange(sender); };
  c.cvdFirEqParam->OnKeyDown = [this](TObject* sender, WORD& key, TShiftState shift) {
    cvdFirEqParamKeyDown(sender, key, shift);
  };
  c.peqFirEq->OnChange = [this](TObject* sender) { peqFirEqChange(sender); };
}

void TfmFirDesign::FormCreate() {
  FirDesignForm& c = *m_form;
  TiPlot& plot = *c.fftFirDraw;
  NestedPlotUpdate block(plot, m_plotUpdateDepth);
  m_engine->SetDesignTaps(512);

  const int note = plot.AddAnnotation();
  TiPlotAnnotation& annotation = *plot.Annotation(note);
  annotation.SetX(50.0);
  annotation.SetY(50.0);
  annotation.Font().SetName(QStringLiteral("Times New Roman"));
  annotation.Font().SetColor(clBtnFace);
  annotation.Font().SetSize(60);
  annotation.SetText(QString());

  static const FirDesignEngine::Curve kZeros{};
  for (int channel = 0; channel <= FirDesignView::FirPhase; ++channel) {
    ShowCurve(channel, m_engine->BinFrequencyGrid().data(), kZeros.data(), FirDesignEngine::kPoints);
    plot.Channel(channel)->SetVisible(channel == FirDesignView::LoadMagnitude || channel == FirDesignView::FirMagnitude);
  }

  c.peqFirEq->SetNowIndex(0);
  for (int b = 0; b < kBandCount; ++b) {
    const double hertz = static_cast<float>(PeqIndexToFreq(kDefaultBandIndex[std::size_t(b)]));
    c.peqFirEq->SetEqParamValue(b, hertz, kDefaultQIndex, 0.0, 0, false);
  }
  m_rememberedBandType.fill(0);

  for (int channel = FirDesignView::PeqMagnitude; channel < kChannels; ++channel) {
    ShowCurve(channel, m_engine->LogFrequencyGrid().data(), kZeros.data(), FirDesignEngine::kPoints);
    plot.Channel(channel)->SetVisible(channel == FirDesignView::ResultMagnitude);
  }
  m_yMinimum = kYMinimum;
  m_ySpan = 54;
  m_eqChangeGuard = false;

  m_engine->BuildDesignTarget();
  m_engine->SynthesizeFir();
  m_engine->ShowPredictedResult();

  const TBitmap& up = c.rzbFirEq[0]->Bitmaps().Up();
  for (TRzBmpButton* band : c.rzbFirEq) {
    band->Bitmaps().Down().Assign(up);
    band->Bitmaps().Hot().Assign(up);
    band->Bitmaps().StayDown().Assign(up);
    band->Invalidate();
  }
}

void TfmFirDesign::DoShow() {
  FormShow();
  TForm::DoShow();
}

void TfmFirDesign::FormShow() {
  const auto text = [this](const char* key) { return m_host.LookUpText(QString::fromLatin1(key)); };
  const auto caption = [this](const char* name, const QString& value) {
    if (auto* control = m_registry.Find<TControl>(QString::fromLatin1(name))) {
      control->SetCaption(value);
    }
  };
  static const std::pair<const char*, const char*> kTexts[] = {
      {"lbFirEq", "SID_EQ_PARAM_TITLE"},
      {"lbFirFftParam", "SID_PARAM_KEY"},
      {"vrbFirEqBypass", "SID_BYPASS_EQ"},
      {"vrbFirEqReset", "SID_RESET_EQ"},
      {"lbFirImport", "SID_FIR_LOAD_TITLE"},
      {"lbImportName", "SID_FIR_LOAD"},
      {"lbFirImportGain", "SID_FIR_LOAD_GAIN"},
      {"lbFirImportDelay", "SID_FIR_LOAD_DELAY"},
      {"lbTarget", "SID_FIR_TARGET_TITLE"},
      {"lbTargetName", "SID_FIR_LOAD"},
      {"rzbClearImport", "SID_FIR_CLEAR"},
      {"lbFirMagRange", "SID_FIR_MAG_TITLE"},
      {"lbFirPhaseRange", "SID_FIR_PHASE_TITLE"},
      {"lbFirMagMinFreq", "SID_FIR_RANGE_MIN"},
      {"lbFirPhaseMinFreq", "SID_FIR_RANGE_MIN"},
      {"lbFirMagMaxFreq", "SID_FIR_RANGE_MAX"},
      {"lbFirPhaseMaxFreq", "SID_FIR_RANGE_MAX"},
      {"lbFirOutSetSmooth", "SID_FIR_SMOOTH"},
      {"lbFirOutSetTaps", "SID_FIR_TAPS"},
      {"lbFirOutSetDelay", "SID_FIR_LOAD_DELAY"},
      {"lbFirName", "SID_FIR_NAME"},
      {"rzbFirOutSetSend", "SID_FIR_DOWNLOAD"},
  };
  for (const auto& [name, key] : kTexts) {
    caption(name, text(key));
  }
  TMyPEQFir& peq = *m_form->peqFirEq;
  for (int type = 0; type < peq.TypeCount(); ++type) {
    peq.SetEqTypeString(m_host.LookUpText(QStringLiteral("SID_EQ_TYPE%1").arg(type)), type);
  }
  peq.SetBypassString(text("SID_EQ_BYPASS"));
  peq.ChangeLanguage();

  const int channel = m_engine->DesignChannel();
  const QString title = text("SID_FIR_OUT_TITLE");
  m_form->lbFirOutSet->SetCaption(channel <= kLastInput
                                      ? QStringLiteral("In %1 %2").arg(QChar(u'A' + channel)).arg(title)
                                      : QStringLiteral("Out %1 %2").arg(channel - kLastInput).arg(title));

  TAdvTrackBar& taps = *m_form->isFirOutSetTaps;
  if (channel <= kLastInput) {
    taps.SetMax(kInputTapLimit);
    return;
  }
  taps.SetMax(kOutputTapLimit);
  if (m_engine->DesignTaps() > kOutputTapLimit) {
    m_engine->SetDesignTaps(kOutputTapLimit);
    m_form->edFirOutSetTaps->SetText(QString::number(kOutputTapLimit));
    ResetOutputDelay();
    Resynthesize();
  }
}

void TfmFirDesign::resizeEvent(QResizeEvent* event) {
  TForm::resizeEvent(event);
  if (m_engine != nullptr) {
    FormResize(event->size().width() + kFrameWidth, event->size().height() + kFrameHeight);
  }
}

void TfmFirDesign::FormResize(int outerWidth, int outerHeight) {
  FirDesignForm& c = *m_form;
  const int w = outerWidth;
  const int h = outerHeight;
  c.rzgFirFft->SetVisible(false);
  c.rzgFirParam->SetVisible(false);
  SetAutoScroll(w < kDesignWidth || h < kDesignHeight);
  TiPlot* plots[] = {c.fftFirDraw, c.fftFirDrawPhase};
  if (h >= kDesignHeight) {
    c.rzgFirMain->SetHeight(h - 26);
    c.rzgFirFft->SetHeight(h - 341);
    c.rzgFirParam->SetTop(h - 334);
    for (TiPlot* plot : plots) {
      plot->SetHeight((h - 371) / 2 * 2);
    }
    c.imLeftUpBase->SetHeight(h - 370);
    c.imRightUpBase->SetHeight(h - 370);
    c.imLeftDownBase->SetTop(h - 370);
    c.imRightDownBase->SetTop(h - 370);
    c.vrbFirZoomIn->SetTop((h - kDesignHeight) / 2 + 110);
    c.vrbFirZoomOut->SetTop((h - kDesignHeight) / 2 + 150);
  }
  if (w >= kDesignWidth) {
    c.rzgFirMain->SetWidth(w - 10);
    c.rzgFirFft->SetWidth(w - 45);
    c.rzgFirParam->SetLeft((w - kDesignWidth) / 2 + 16);
    for (TiPlot* plot : plots) {
      plot->SetWidth(w - 55);
    }
    c.imRightUpBase->SetLeft(w - 48);
    c.imRightDownBase->SetLeft(w - 48);
    c.imLeftUpBase->SetWidth(w - 43);
    c.imLeftDownBase->SetWidth(w - 43);
    c.rzgFirFftShowCh->SetLeft((w - kDesignWidth) / 2 + 370);
    c.vrbFirEqBypass->SetLeft(w - 325);
    c.vrbFirEqReset->SetLeft(w - 225);
  }
  for (TiPlot* plot : plots) {
    plot->SetLeft(15);
    plot->SetTop(22);
  }
  c.vrbFirZoomIn->SetLeft(10);
  c.vrbFirZoomOut->SetLeft(10);
  c.rzgFirFft->SetVisible(true);
  c.rzgFirParam->SetVisible(true);
  UpdateScrollBars();
}

void TfmFirDesign::ShowView(bool magnitude) {
  FirDesignForm& c = *m_form;
  TiPlot& plot = *c.fftFirDraw;
  NestedPlotUpdate block(plot, m_plotUpdateDepth);
  m_magnitudeView = magnitude;
  if (magnitude) {
    SetMagnitudeAxis();
  } else {
    plot.YAxis(0)->SetMinSpan(-180.0, 360.0);
    plot.YAxis(0)->SetDesiredIncrement(60.0);
  }
  const std::pair<TVrPowerButton*, CurveChannels> curves[] = {
      {c.vrbCurveLoad, {LoadMagnitude, LoadPhase}},        {c.vrbCurveExpect, {ExceptMagnitude, ExceptPhase}},
      {c.vrbCurveFir, {FirMagnitude, FirPhase}},           {c.vrbCurvePeq, {PeqMagnitude, -1}},
      {c.vrbCurveTarget, {TargetMagnitude, TargetPhase}},  {c.vrbCurveSmooth, {ResultMagnitude, ResultPhase}}};
  for (const auto& [button, channels] : curves) {
    plot.Channel(channels.magnitude)->SetVisible(magnitude && button->Active());
    if (channels.phase >= 0) {
      plot.Channel(channels.phase)->SetVisible(!magnitude && button->Active());
    }
  }
  c.vrbFirZoomIn->SetVisible(magnitude);
  c.vrbFirZoomOut->SetVisible(magnitude);
}

void TfmFirDesign::rbFirShowGainClick(TObject* Sender) {
  auto* radio = dynamic_cast<TControl*>(Sender);
  if (radio != nullptr) {
    ShowView(radio->Tag() == 0);
  }
}

void TfmFirDesign::vrbCurveLoadClick(TObject* Sender) {
  FirDesignForm& c = *m_form;
  const std::pair<TVrPowerButton*, CurveChannels> curves[] = {
      {c.vrbCurveLoad, {LoadMagnitude, LoadPhase}},       {c.vrbCurveExpect, {ExceptMagnitude, ExceptPhase}},
      {c.vrbCurveFir, {FirMagnitude, FirPhase}},          {c.vrbCurvePeq, {PeqMagnitude, -1}},
      {c.vrbCurveTarget, {TargetMagnitude, TargetPhase}}, {c.vrbCurveSmooth, {ResultMagnitude, ResultPhase}}};
  for (const auto& [button, channels] : curves) {
    if (button != Sender) {
      continue;
    }
    const int channel = m_magnitudeView ? channels.magnitude : channels.phase;
    if (channel >= 0) {
      c.fftFirDraw->Channel(channel)->SetVisible(button->Active());
    }
  }
}

void TfmFirDesign::fftFirDrawXAxisCustomizeLabel(int, double, QString& ALabel) { ALabel += QStringLiteral("Hz"); }

void TfmFirDesign::fftFirDrawYAxisCustomizeLabel(int, double Value, QString& ALabel) {
  if (Value > 0.0) {
    ALabel.prepend(QLatin1Char('+'));
  }
  ALabel += m_magnitudeView ? QStringLiteral("dB") : QString(QChar(0x00B0));
}

void TfmFirDesign::vrbFirZoomInClick(TObject* Sender) {
  auto* button = dynamic_cast<TControl*>(Sender);
  if (!m_magnitudeView || button == nullptr) {
    return;
  }
  if (button->Tag() == 1) {
    if (m_yMinimum > kYLowest) {
      m_yMinimum -= kZoomStep;
      m_ySpan += kZoomStep;
    }
  } else if (m_yMinimum < kYMinimum) {
    m_yMinimum += kZoomStep;
    m_ySpan -= kZoomStep;
  }
  SetMagnitudeAxis();
}

void TfmFirDesign::rzbFirOutSetSendClick(TObject*) { m_host.ConfirmFirDownload(); }

void TfmFirDesign::ApplyDesignedFir() { m_engine->ApplyDesignedFir(m_host.FirReceiver()); }

void TfmFirDesign::SetDesignChannel(int channel) { m_engine->SetDesignChannel(channel); }

int TfmFirDesign::DesignChannel() const { return m_engine->DesignChannel(); }

void TfmFirDesign::sbOpenFirFileClick(TObject*) {
  FileChoice choice;
  choice.filter = QStringLiteral("Smaart(*.txt)|*.Txt");
  choice.initialPath = QStringLiteral("*.txt");
  const std::optional<QString> path = FileChooser::Choose(this, choice);
  if (path) {
    NestedPlotUpdate block(*m_form->fftFirDraw, m_plotUpdateDepth);
    m_engine->ImportMeasurement(*path);
  }
}

void TfmFirDesign::sbOpenTargetFileClick(TObject*) {
  FileChoice choice;
  choice.filter = QStringLiteral("(*.txt)|*.Txt");
  choice.initialPath = QStringLiteral("*.txt");
  const std::optional<QString> path = FileChooser::Choose(this, choice);
  if (path) {
    NestedPlotUpdate block(*m_form->fftFirDraw, m_plotUpdateDepth);
    m_engine->ImportTarget(*path);
  }
}

void TfmFirDesign::rzbClearImportClick(TObject*) {
  NestedPlotUpdate block(*m_form->fftFirDraw, m_plotUpdateDepth);
  m_engine->ClearMeasurement();
}

void TfmFirDesign::RunDesignChain() {
  NestedPlotUpdate block(*m_form->fftFirDraw, m_plotUpdateDepth);
  m_engine->BuildDesignTarget();
  m_engine->SmoothDesignTarget();
  m_engine->SynthesizeFir();
  m_engine->ShowPredictedResult();
}

void TfmFirDesign::Resynthesize() {
  NestedPlotUpdate block(*m_form->fftFirDraw, m_plotUpdateDepth);
  m_engine->SynthesizeFir();
  m_engine->ShowPredictedResult();
}

// FirDesignView.

void TfmFirDesign::ShowCurve(int channel, const double* x, const double* y, int count) {
  // The axis is logarithmic: points at 0 Hz and values that are no number
  // (a bin of no level) cannot be drawn and are left out. Leaving out the
  // 0 Hz bin would lose the whole first segment, and a curve on the bin
  // grid would start at the first bin (23.4 Hz): that segment is cut at the
  // axis' left edge instead, where its value lies on the straight line
  // between the two bins.
  const double left = m_form->fftFirDraw->XAxis(0)->Min();
  std::vector<double> xs;
  std::vector<double> ys;
  xs.reserve(std::size_t(count) + 1);
  ys.reserve(std::size_t(count) + 1);
  for (int i = 0; i < count; ++i) {
    if (!(x[i] > 0.0) || !std::isfinite(y[i])) {
      continue;
    }
    if (xs.empty() && i > 0 && x[i - 1] < left && left < x[i] && std::isfinite(y[i - 1])) {
      xs.push_back(left);
      ys.push_back(y[i - 1] + (y[i] - y[i - 1]) * (left - x[i - 1]) / (x[i] - x[i - 1]));
    }
    xs.push_back(x[i]);
    ys.push_back(y[i]);
  }
  TiPlotChannel& target = *m_form->fftFirDraw->Channel(channel);
  NestedPlotUpdate block(*m_form->fftFirDraw, m_plotUpdateDepth);
  target.Clear();
  target.AddXYArrays(xs, ys);
}

void TfmFirDesign::ShowImportGain(int position, const QString& text) {
  m_form->isFirImportGain->SetPosition(position);
  m_form->edFirImportGain->SetText(text);
}

void TfmFirDesign::ShowImportDelay(int position, const QString& text) {
  m_form->isFirImportDelay->SetPosition(position);
  m_form->edFirImportDelay->SetText(text);
}

void TfmFirDesign::ShowMeasurementName(const QString& name) { m_form->lbNowImportName->SetCaption(name); }

void TfmFirDesign::ShowTargetName(const QString& name) { m_form->lbNowTargetName->SetCaption(name); }

void TfmFirDesign::ShowFirName(const QString& name) { m_form->edFirName->SetText(name); }

void TfmFirDesign::ShowInformation(const char* textKey) {
  m_host.ShowInformation(m_host.LookUpText(QString::fromLatin1(textKey)));
}

// FirDesignControls.

bool TfmFirDesign::IsDown(FirDesignSwitch which) const {
  const FirDesignForm& c = *m_form;
  switch (which) {
    case FirDesignSwitch::AutoGain: return c.sbAutoGain->Down();
    case FirDesignSwitch::AutoDelay: return c.sbAutoDelay->Down();
    case FirDesignSwitch::MagnitudeRange: return c.rzbFirMagRangeOnOff->Down();
    case FirDesignSwitch::PhaseRange: return c.rzbFirPhaseRangeOnOff->Down();
    case FirDesignSwitch::Target: return c.rzblbTargetOnOff->Down();
  }
  return false;
}

FirDesignBand TfmFirDesign::Band(int band) const {
  const TMyPEQFir& peq = *m_form->peqFirEq;
  return FirDesignBand{peq.GetFreqValue(band), peq.GetGainValue(band), peq.GetQValue(band), peq.GetTypeValue(band),
                       peq.GetBypassValue(band)};
}
