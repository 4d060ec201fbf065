// The designer's ten-band equaliser: band choice, track bars, keys, the Q
// rules of a type change, bypass and reset.
#include "firdesign/TfmFirDesign.h"

#include <algorithm>

#include "components/peq/PeqBandValues.h"
#include "components/peq/TMyPEQFir.h"
#include "firdesign/FirDesignEngine.h"
#include "firdesign/FirDesignEntry.h"
#include "firdesign/FirDesignForm.h"
#include "firdesign/IFirDesignHost.h"
#include "platform/text/CFormat.h"
#include "plot/core/TiPlot.h"
#include "firdesign/NestedPlotUpdate.h"
#include "protocol/ParameterScales.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"
#include "widgets/vr/TVrDemoButton.h"

namespace {

constexpr int kPeak = 0;
constexpr int kBandGainZero = 120;
constexpr int kTypeChangeQIndex = 10;
constexpr double kShelfQLimit = 3.0;
constexpr TColor kBypassedColor = 0x000000FF;
/// The plus/equals and the minus key of the main keyboard.
constexpr WORD kPlusKey = 187;
constexpr WORD kMinusKey = 189;

QString EqGainText(int position) {
  const double gain = (position - kBandGainZero) * 0.1;
  return position < kBandGainZero ? FormatC("%4.1f", gain) + QStringLiteral("dB") : FormatC("+%3.1fdB", gain);
}

QString QText(int position) { return FormatC("%3.2f", double(QTable[std::size_t(std::clamp(position, 0, 100))])); }

}  // namespace

void TfmFirDesign::FocusEqParam() {
  if (isVisible()) {
    m_form->cvdFirEqParam->SetFocus();
  }
}

void TfmFirDesign::rzbFirEq1Click(TObject* Sender) {
  auto* button = dynamic_cast<TControl*>(Sender);
  if (button == nullptr) {
    return;
  }
  const int band = button->Tag();
  TMyPEQFir& peq = *m_form->peqFirEq;
  const double frequency = peq.GetFreqValue(band);
  const double gain = peq.GetGainValue(band);
  const double q = peq.GetQValue(band);
  peq.SetNowIndex(band);
  ShowEqBandParameters(true, q, gain, frequency);
  FocusEqParam();
}

void TfmFirDesign::ShowEqBandParameters(bool enable, double q, double gain, double frequency) {
  auto* freqBar = m_registry.Find<TAdvTrackBar>(QStringLiteral("isFirEqFreq"));
  auto* qBar = m_registry.Find<TAdvTrackBar>(QStringLiteral("isFirEqBw"));
  auto* gainBar = m_registry.Find<TAdvTrackBar>(QStringLiteral("isFirEqGain"));
  auto* freqBox = m_registry.Find<TCurvyEdit>(QStringLiteral("cvdFirEqFreq"));
  auto* qBox = m_registry.Find<TCurvyEdit>(QStringLiteral("cvdFirEqBw"));
  auto* gainBox = m_registry.Find<TCurvyEdit>(QStringLiteral("cvdFirEqGain"));
  if (freqBar == nullptr || qBar == nullptr || gainBar == nullptr || freqBox == nullptr || qBox == nullptr ||
      gainBox == nullptr) {
    return;
  }
  freqBar->SetPosition(FreqToIndex(frequency));
  freqBar->SetEnabled(enable);
  freqBox->SetText(FirDesignEntry::FrequencyText(frequency));
  gainBar->SetPosition(GainToIndex(gain));
  gainBar->SetEnabled(enable);
  gainBox->SetText(EqGainText(gainBar->Position()));
  qBar->SetPosition(QToIndex(q));
  qBar->SetEnabled(enable);
  qBox->SetText(QText(qBar->Position()));
}

void TfmFirDesign::isFirEqFreqChange(TObject*) {
  FirDesignForm& c = *m_form;
  const double frequency = static_cast<float>(IndexToFreq(c.isFirEqFreq->Position()));
  if (auto* box = m_registry.Find<TCurvyEdit>(QStringLiteral("cvdFirEqFreq"))) {
    box->SetText(FirDesignEntry::FrequencyText(frequency));
  }
  c.peqFirEq->SetFreqValue(c.peqFirEq->GetNowIndex(), frequency);
}

void TfmFirDesign::isFirEqBwChange(TObject*) {
  FirDesignForm& c = *m_form;
  const int position = c.isFirEqBw->Position();
  if (auto* box = m_registry.Find<TCurvyEdit>(QStringLiteral("cvdFirEqBw"))) {
    box->SetText(QText(position));
  }
  c.peqFirEq->SetQValue(c.peqFirEq->GetNowIndex(), position);
}

void TfmFirDesign::isFirEqGainChange(TObject*) {
  FirDesignForm& c = *m_form;
  const int position = c.isFirEqGain->Position();
  if (auto* box = m_registry.Find<TCurvyEdit>(QStringLiteral("cvdFirEqGain"))) {
    box->SetText(EqGainText(position));
  }
  c.peqFirEq->SetGainValue(c.peqFirEq->GetNowIndex(), IndexToGain(position));
}

void TfmFirDesign::cvdFirEqParamKeyDown(TObject*, WORD& Key, TShiftState) {
  FirDesignForm& c = *m_form;
  const auto move = [](TAdvTrackBar* bar, int by) { bar->SetPosition(bar->Position() + by); };
  switch (Key) {
    case VK_LEFT: move(c.isFirEqFreq, -1); break;
    case VK_RIGHT: move(c.isFirEqFreq, 1); break;
    case VK_ADD:
    case kPlusKey: move(c.isFirEqBw, 1); break;
    case VK_SUBTRACT:
    case kMinusKey: move(c.isFirEqBw, -1); break;
    case VK_UP: move(c.isFirEqGain, 1); break;
    case VK_DOWN: move(c.isFirEqGain, -1); break;
    default: break;
  }
}

void TfmFirDesign::peqFirEqChange(TObject*) {
  if (m_eqChangeGuard || !isVisible()) {
    return;
  }
  m_eqChangeGuard = true;
  FirDesignForm& c = *m_form;
  TMyPEQFir& peq = *c.peqFirEq;
  const int band = peq.GetNowIndex();
  if (band < 0 || band >= kBandCount) {
    m_eqChangeGuard = false;
    return;
  }
  c.rzbFirEq[std::size_t(band)]->SetDown(true);
  const int type = peq.GetTypeValue(band);
  int& remembered = m_rememberedBandType[std::size_t(band)];
  if (type != kPeak && type == remembered) {
    if (peq.GetQValue(band) > kShelfQLimit) {
      peq.SetQValue(band, QToIndex(kShelfQLimit));
    }
  } else if (type != kPeak) {
    if (peq.GetQValue(band) != PeqQOfIndex(kTypeChangeQIndex)) {
      peq.SetQValue(band, kTypeChangeQIndex);
    }
    remembered = type;
  } else if (remembered != kPeak) {
    if (peq.GetQValue(band) != PeqQOfIndex(kDefaultQIndex)) {
      peq.SetQValue(band, kDefaultQIndex);
    }
    remembered = kPeak;
  }
  {
    NestedPlotUpdate block(*c.fftFirDraw, m_plotUpdateDepth);
    m_engine->ComputeEqCurve();
    RunDesignChain();
  }
  ShowEqBandParameters(true, peq.GetQValue(band), peq.GetGainValue(band), peq.GetFreqValue(band));
  FocusEqParam();
  m_eqChangeGuard = false;
}

void TfmFirDesign::vrbFirEqBypassClick(TObject*) {
  FirDesignEngine& e = *m_engine;
  e.SetEqBypassed(!e.EqBypassed());
  TVrDemoButton& button = *m_form->vrbFirEqBypass;
  const TColor face = e.EqBypassed() ? kBypassedColor : clBlack;
  const TColor font = e.EqBypassed() ? clBlack : clActiveBorder;
  button.SetColor(face);
  button.FontEnter().SetColor(font);
  button.FontLeave().SetColor(font);
  button.Invalidate();
  NestedPlotUpdate block(*m_form->fftFirDraw, m_plotUpdateDepth);
  e.ComputeEqCurve();
  RunDesignChain();
}

void TfmFirDesign::vrbFirEqResetClick(TObject*) { m_host.ConfirmEqReset(kBandCount - 1); }

void TfmFirDesign::ResetDesignEq() {
  TMyPEQFir& peq = *m_form->peqFirEq;
  peq.SetNowIndex(0);
  for (int band = kBandCount - 1; band >= 0; --band) {
    peq.SetEqParamValue(band, IndexToFreq(kDefaultBandIndex[std::size_t(band)]), kDefaultQIndex,
                        IndexToGain(kBandGainZero), kPeak, false);
  }
  {
    NestedPlotUpdate block(*m_form->fftFirDraw, m_plotUpdateDepth);
    m_engine->ComputeEqCurve();
    RunDesignChain();
  }
  ShowEqBandParameters(true, 3.0, 0.0, IndexToFreq(kDefaultBandIndex[0]));
  FocusEqParam();
}
