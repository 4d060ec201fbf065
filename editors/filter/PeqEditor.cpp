#include "editors/filter/PeqEditor.h"

#include <algorithm>

#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/MainWindowState.h"
#include "components/TypedFrequency.h"
#include "components/peq/PeqBandValues.h"
#include "components/peq/TMyPEQType10.h"
#include "dsp/Plot.h"
#include "editors/filter/FilterTexts.h"
#include "link/LUnitSession.h"
#include "platform/threads/TTimer.h"
#include "platform/widgets/TLabel.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/LUnitControl.h"
#include "protocol/ParameterScales.h"
#include "protocol/commands/ProcessingCommands.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/smooth/TEmptyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

/// Types whose Q is free: Peak, Allpass 1, Allpass 2, Band Pass, Band Stop.
bool IsFreeQType(int type) { return type == 0 || type >= 7; }

constexpr int kShelfMaxQIndex = 35;  // Q 3.0
constexpr int kShelfStartQIndex = 10;  // Q 0.71

/// The panel's own Q of a QIndex, the value its getter answers.
double QAt(int index) { return PeqQOfIndex(index); }

bool HasCurrentBand(const TMyPEQType10& panel) {
  return panel.GetNowIndex() >= 0 && panel.GetNowIndex() < panel.GetChannelNumber();
}

}  // namespace

void PeqEditor::ChooseBand(int channel, int band) {
  TMyPEQType10* panel = m_c.Panel(channel);
  LMyFFTDrawHpLp6dB* plot = m_c.PlotControl(channel);
  if (panel == nullptr || plot == nullptr) {
    return;
  }
  const double frequency = panel->GetFreqValue(band);
  const double gain = panel->GetGainValue(band);
  const double q = panel->GetQValue(band);
  const int type = panel->GetTypeValue(band);
  panel->SetNowIndex(band);
  ShowPeqBandValues(channel, true, frequency, gain, q);
  Plot& curves = m_c.Window().ResponseCurve(channel);
  curves.DrawBandMarker(band, gain, 1);
  curves.DrawSectionFill(type, band, gain, q, true);
  curves.DrawTotal(channel);
  plot->UpdateCurvePage();
}

void PeqEditor::rzbEq1InAClick(TObject* Sender) {
  auto* selector = dynamic_cast<TRzBmpButton*>(Sender);
  if (selector == nullptr) {
    return;
  }
  const int channel = selector->GroupIndex() - 1;
  const int band = selector->Tag();
  auto* hint = m_c.Find<TLabel>(QStringLiteral("lbFftParam"), channel);
  if (m_c.Panel(channel) == nullptr || hint == nullptr) {
    return;
  }
  ChooseBand(channel, band);
  hint->SetVisible(true);
  FocusPeqParamEdit(channel);
}

void PeqEditor::peqPeqInAEditMouseDown(TObject* Sender) {
  auto* panel = dynamic_cast<TMyPEQType10*>(Sender);
  if (panel == nullptr) {
    return;
  }
  const int channel = panel->Tag();
  const int band = panel->GetNowIndex();
  auto* selector = m_c.BandSelector<TRzBmpButton>(band, channel);
  auto* hint = m_c.Find<TLabel>(QStringLiteral("lbFftParam"), channel);
  if (selector == nullptr || hint == nullptr) {
    return;
  }
  selector->SetDown(true);
  ChooseBand(channel, band);
  hint->SetVisible(true);
}

void PeqEditor::peqPeqInAChange(TObject* Sender) {
  MainWindowState& state = m_c.Window().State();
  auto* panel = dynamic_cast<TMyPEQType10*>(Sender);
  if (state.SelectedCurveMarker != -1 || panel == nullptr) {
    return;
  }
  const int channel = panel->Tag();
  const int band = panel->GetNowIndex();
  auto* selector = m_c.BandSelector<TRzBmpButton>(band, channel);
  if (m_c.PlotControl(channel) == nullptr || selector == nullptr ||
      m_c.Find<TLabel>(QStringLiteral("lbFftParam"), channel) == nullptr) {
    return;
  }
  const double frequency = panel->GetFreqValue(band);
  const double gain = panel->GetGainValue(band);
  double q = panel->GetQValue(band);
  const int type = panel->GetTypeValue(band);
  const bool bypass = panel->GetBypassValue(band);

  // Q rules: a type just chosen starts from its usual Q; shelves and cuts
  // never go above 3.0. The Q setter raises this handler again.
  LUnitControl& unit = m_c.Window().UnitControl();
  const bool typeChanged = unit.GetPeqBand(channel, band).type != type;
  if (IsFreeQType(type)) {
    if (typeChanged) {
      const int index = unit.GetDefaultPeqBand(channel, band).q;
      if (q != QAt(index)) {
        q = QAt(index);
        panel->SetQValue(band, index);
      }
    }
  } else if (!typeChanged && q > QAt(kShelfMaxQIndex)) {
    q = QAt(kShelfMaxQIndex);
    panel->SetQValue(band, kShelfMaxQIndex);
  } else if (typeChanged && q != QAt(kShelfStartQIndex)) {
    q = QAt(kShelfStartQIndex);
    panel->SetQValue(band, kShelfStartQIndex);
  }

  PeqBandRecord record;
  record.freq = std::uint16_t(FreqToIndex(frequency));
  record.gain = std::uint16_t(GainToIndex(gain));
  record.q = std::uint8_t(QToIndex(q));
  record.type = std::uint8_t(type);
  if (state.RefreshingControls) {
    return;
  }
  selector->SetDown(true);
  panel->SetNowIndex(band);
  DrawBandCurve(channel, band, frequency, gain, q, type, bypass);
  unit.SetPeqBand(channel, band, record, bypass ? 1 : 0);
  ShowPeqBandValues(channel, true, frequency, gain, q);
}

void PeqEditor::DrawBandCurve(int channel, int band, double frequency, double gain, double q, int type,
                              bool bypass) {
  Plot& curves = m_c.Window().ResponseCurve(channel);
  PlotSection& section = curves.Section(band);
  if (bypass) {
    section.SetFilter(0.0, frequency, q, kFlatSectionType);
  } else {
    section.SetFilter(gain, frequency, q, PeqSectionTypes.at(std::size_t(type)));
  }
  curves.DrawBandMarker(band, gain, 1);
  curves.DrawSectionFill(type, band, gain, q, true);
  curves.DrawTotal(channel);
  if (LMyFFTDrawHpLp6dB* plot = m_c.PlotControl(channel)) {
    plot->UpdateCurvePage();
  }
}

PeqEditor::BandBar PeqEditor::BandBarOf(TObject* Sender, const QString& boxStem) const {
  auto* bar = dynamic_cast<TAdvTrackBar*>(Sender);
  if (m_c.Window().State().RefreshingControls || bar == nullptr) {
    return {};
  }
  auto* box = m_c.Find<TCurvyEdit>(boxStem, bar->Tag());
  TMyPEQType10* panel = m_c.Panel(bar->Tag());
  if (box == nullptr || panel == nullptr) {
    return {};
  }
  return {bar, box, panel};
}

MainWindowState::CurveEdit& PeqEditor::ArmCurveTimer(int kind, int channel) {
  MainWindowState::CurveEdit& edit = m_c.Window().State().PendingCurveEdit;
  edit.kind = kind;
  edit.channel = channel;
  m_c.Find<TTimer>(QStringLiteral("tmEqCurve"))->SetEnabled(true);
  return edit;
}

void PeqEditor::isEqFreqInAChange(TObject* Sender) {
  const BandBar b = BandBarOf(Sender, QStringLiteral("cvdEqFreq"));
  if (b.bar == nullptr) {
    return;
  }
  const float f = float(IndexToFreq(b.bar->Position()));
  b.box->SetText(FilterFrequencyText(f));
  ArmCurveTimer(0, b.bar->Tag()).frequency = f;
}

void PeqEditor::isEqBwInAChange(TObject* Sender) {
  const BandBar b = BandBarOf(Sender, QStringLiteral("cvdEqBw"));
  if (b.bar == nullptr) {
    return;
  }
  if (HasCurrentBand(*b.panel) && !IsFreeQType(b.panel->GetTypeValue(b.panel->GetNowIndex())) &&
      b.bar->Position() > kShelfMaxQIndex) {
    b.bar->SetPosition(kShelfMaxQIndex);  // runs this handler again
    return;
  }
  b.box->SetText(PeqQIndexText(b.bar->Position()));
  ArmCurveTimer(1, b.bar->Tag()).q = float(b.bar->Position());
}

void PeqEditor::isEqGainInAChange(TObject* Sender) {
  const BandBar b = BandBarOf(Sender, QStringLiteral("cvdEqGain"));
  if (b.bar == nullptr) {
    return;
  }
  b.box->SetText(PeqGainCodeText(b.bar->Position()));
  ArmCurveTimer(2, b.bar->Tag()).gain = IndexToGain(b.bar->Position());
}

void PeqEditor::tmEqCurveTimer() {
  m_c.Find<TTimer>(QStringLiteral("tmEqCurve"))->SetEnabled(false);
  const MainWindowState::CurveEdit edit = m_c.Window().State().PendingCurveEdit;
  TMyPEQType10* panel = m_c.Panel(edit.channel);
  if (panel == nullptr || !HasCurrentBand(*panel)) {
    return;
  }
  const int band = panel->GetNowIndex();
  switch (edit.kind) {
    case 0:
      panel->SetFreqValue(band, edit.frequency);
      break;
    case 1:
      panel->SetQValue(band, edit.q);
      break;
    case 2:
      panel->SetGainValue(band, edit.gain);
      break;
    default:
      break;
  }
}

void PeqEditor::ApplyTypedFrequency(TObject* Sender) {
  auto* box = dynamic_cast<TCurvyEdit*>(Sender);
  if (box == nullptr) {
    return;
  }
  auto* bar = m_c.Find<TAdvTrackBar>(QStringLiteral("isEqFreq"), box->Tag());
  if (bar == nullptr) {
    return;
  }
  const std::optional<double> hertz = TypedFrequencyHertz(box->GetText().toUtf8(), false);
  const int index = hertz ? std::clamp(FreqToIndex(*hertz), 0, kPeqFreqIndexMax) : bar->Position();
  box->SetText(QString());
  if (index != bar->Position()) {
    bar->SetPosition(index);
    box->SetText(FilterFrequencyText(IndexToFreq(bar->Position())));
    return;
  }
  box->SetText(FilterFrequencyText(IndexToFreq(bar->Position())));
  box->InnerEdit()->PerformKey(VK_END, true);
  box->InnerEdit()->PerformKey(VK_END, false);
}

void PeqEditor::cvdEqFreqInAExit(TObject* Sender) { ApplyTypedFrequency(Sender); }

void PeqEditor::cvdEqFreqInAKeyDown(TObject* Sender, WORD& Key) {
  if (Key == VK_RETURN) {
    ApplyTypedFrequency(Sender);
  }
}

void PeqEditor::ShowPeqBandValues(int channel, bool enabled, double frequency, double gain, double q) {
  MainWindowState& state = m_c.Window().State();
  if (state.RefreshingControls) {
    return;
  }
  auto* freqBar = m_c.Find<TAdvTrackBar>(QStringLiteral("isEqFreq"), channel);
  auto* gainBar = m_c.Find<TAdvTrackBar>(QStringLiteral("isEqGain"), channel);
  auto* qBar = m_c.Find<TAdvTrackBar>(QStringLiteral("isEqBw"), channel);
  auto* freqBox = m_c.Find<TCurvyEdit>(QStringLiteral("cvdEqFreq"), channel);
  auto* gainBox = m_c.Find<TCurvyEdit>(QStringLiteral("cvdEqGain"), channel);
  auto* qBox = m_c.Find<TCurvyEdit>(QStringLiteral("cvdEqBw"), channel);
  if (freqBar == nullptr || gainBar == nullptr || qBar == nullptr || freqBox == nullptr || gainBox == nullptr ||
      qBox == nullptr) {
    return;
  }
  state.RefreshingControls = true;
  freqBar->SetPosition(FreqToIndex(frequency));
  freqBar->SetEnabled(enabled);
  freqBox->SetText(FilterFrequencyText(frequency));
  gainBar->SetPosition(GainToIndex(gain));
  gainBar->SetEnabled(enabled);
  gainBox->SetText(PeqGainCodeText(gainBar->Position()));
  qBar->SetPosition(QToIndex(q));
  qBar->SetEnabled(enabled);
  qBox->SetText(PeqQIndexText(qBar->Position()));
  state.RefreshingControls = false;
}

void PeqEditor::FocusPeqParamEdit(int channel) {
  if (auto* box = m_c.Find<TCurvyEdit>(QStringLiteral("cvdEqParam"), channel)) {
    box->SetFocus();
  }
}

void PeqEditor::ResetChannelPeq(int channel) {
  TMyPEQType10* panel = m_c.Panel(channel);
  if (panel == nullptr) {
    return;
  }
  IEditorWindow& window = m_c.Window();
  panel->SetNowIndex(0);
  for (int band = FilterControls::BandCount(channel) - 1; band >= 0; --band) {
    const PeqBandRecord record = window.UnitControl().GetDefaultPeqBand(channel, band);
    window.UnitControl().SetPeqBand(channel, band, record, 0);
    window.Session().SendCommand(CM_MCS_PEQ(window.Session().GetUnitId(), channel, band, record, 0), true);
    const double frequency = IndexToFreq(record.freq);
    const double gain = IndexToGain(record.gain);
    panel->SetEqParamValue(band, frequency, record.q, gain, record.type, false);
    Plot& curves = window.ResponseCurve(channel);
    curves.Section(band).SetFilter(gain, frequency, QAt(record.q), PeqSectionTypes.at(record.type));
    curves.DrawBandMarker(band, gain, 1);
  }
}

void PeqEditor::vrbEqResetInAClick(TObject* Sender) {
  if (ShowResetDialog) {
    ShowResetDialog(FilterControls::ChannelOf(Sender));
  }
}

void PeqEditor::vrbEqBypassInAClick(TObject* Sender) {
  const int channel = FilterControls::ChannelOf(Sender);
  LMyFFTDrawHpLp6dB* plot = m_c.PlotControl(channel);
  if (plot == nullptr) {
    return;
  }
  IEditorWindow& window = m_c.Window();
  const bool input = FilterControls::IsInput(channel);
  const int bit = input ? channel : channel - 3;
  const unsigned width = input ? 0x07u : 0x3Fu;
  unsigned mask = window.UnitControl().GetEqBypassMask(channel);
  const unsigned group = window.UnitControl().GetLinkGroup(channel) & width;
  const bool bypassedNow = (mask >> bit) & 1u;
  plot->DrawTextA(plot->width() / 3, plot->height() / 4, 60, clBtnFace, QStringLiteral("Times New Roman"),
                  bypassedNow ? QString() : QStringLiteral("BYPASS"));
  mask = bypassedNow ? mask & ~group : mask | group;
  window.UnitControl().SetEqBypassMask(channel, int(mask));
  plot->UpdateCurvePage();
  window.Session().SendCommand(CM_MCS_CMD(window.Session().GetUnitId(), CMD_EQ_BYPASS, channel, bypassedNow ? 0 : 1),
                               false);
}
