#include "editors/filter/PlotMouseEditor.h"

#include <algorithm>

#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/MainWindowState.h"
#include "components/peq/TMyPEQType10.h"
#include "editors/filter/CrossoverEditor.h"
#include "editors/filter/FilterTexts.h"
#include "editors/filter/PeqEditor.h"
#include "platform/threads/TTimer.h"
#include "platform/widgets/TLabel.h"
#include "protocol/LUnitControl.h"
#include "protocol/ParameterScales.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"
#include "widgets/vr/TVrPowerButton.h"

namespace {

/// The band index ClearPeqBandSelection leaves current: no band.
constexpr int kNoBand = 15;
constexpr double kHoverScaleAt96Dpi = 1.5;

}  // namespace

PlotPointer PlotMouseEditor::PointerOf(const LMyFFTDrawHpLp6dB& plot) const {
  PlotPointer pointer;
  pointer.width = std::max(1, plot.GetPlotWidth());
  pointer.height = std::max(1, plot.GetPlotHeight());
  pointer.xMin = plot.XMin();
  pointer.xMax = plot.XMax();
  pointer.yMin = plot.YMin();
  pointer.yMax = plot.YMax();
  return pointer;
}

double PlotMouseEditor::MarkerGain(int channel, int marker) const {
  TMyPEQType10* panel = m_c.Panel(channel);
  return marker < kLowCutMarker && panel != nullptr ? panel->GetGainValue(marker) : 0.0;
}

bool PlotMouseEditor::MarkerHit(const LMyFFTDrawHpLp6dB& plot, int channel, int marker, int x, int y,
                                double scale) const {
  const bool cut = marker == kLowCutMarker || marker == kHighCutMarker;
  if (!plot.IsBlockDrawn(marker) || (cut && !m_crossover.IsCutMarkerLive(channel, marker == kLowCutMarker))) {
    return false;
  }
  return PointerOf(plot).Hits(x, y, plot.GetBlockPos(marker), MarkerGain(channel, marker), scale);
}

void PlotMouseEditor::fftDrawInAMouseDown(TObject* Sender, TMouseButton Button, int X, int Y) {
  MainWindowState& state = m_c.Window().State();
  state.SelectedCurveMarker = -1;
  auto* plot = dynamic_cast<LMyFFTDrawHpLp6dB*>(Sender);
  if (plot == nullptr || m_c.Panel(plot->Tag()) == nullptr || Button != TMouseButton::mbLeft) {
    return;
  }
  const int channel = plot->Tag();
  for (int m = kHighestMarker; m >= 0; --m) {
    if (!MarkerHit(*plot, channel, m, X, Y, 1.0)) {
      continue;
    }
    state.SelectedCurveMarker = m;
    auto* selector = m_c.BandSelector<TRzBmpButton>(m, channel);
    if (selector == nullptr) {
      break;  // a cut marker ends the scan
    }
    selector->SetDown(true);
    selector->Click();
  }
}

void PlotMouseEditor::fftDrawInAMouseMove(TObject* Sender, int X, int Y) {
  MainWindowState& state = m_c.Window().State();
  const MainWindowState::MousePosition position{X, Y};
  if (position == state.LastPlotMousePosition) {
    return;
  }
  state.LastPlotMousePosition = position;
  const double scale = ScreenDpi && ScreenDpi() == 96 ? kHoverScaleAt96Dpi : 1.0;
  auto* plot = dynamic_cast<LMyFFTDrawHpLp6dB*>(Sender);
  if (plot == nullptr || m_c.Panel(plot->Tag()) == nullptr) {
    return;
  }
  const int channel = plot->Tag();
  const int s = state.SelectedCurveMarker;
  if (s == -1) {
    plot->SetCursor(crDefault);
    for (int m = kHighestMarker; m >= 0; --m) {
      if (MarkerHit(*plot, channel, m, X, Y, scale)) {
        plot->SetCursor(crCross);
        break;
      }
    }
    return;
  }
  const PlotPointer pointer = PointerOf(*plot);
  const double frequency = pointer.DragFrequency(X);
  if (s < kLowCutMarker) {
    DragBand(channel, s, frequency, pointer.DragGain(Y));
  } else {
    DragCut(channel, s == kLowCutMarker, frequency);
  }
}

void PlotMouseEditor::DragBand(int channel, int band, double frequency, double gain) {
  TMyPEQType10* panel = m_c.Panel(channel);
  auto* selector = m_c.BandSelector<TRzBmpButton>(band, channel);
  if (selector == nullptr || m_c.Find<TLabel>(QStringLiteral("lbFftParam"), channel) == nullptr) {
    return;
  }
  const double q = panel->GetQValue(band);
  const int type = panel->GetTypeValue(band);
  panel->SetFreqValue(band, frequency);
  panel->SetGainValue(band, gain);
  selector->SetDown(true);
  const bool bypass = panel->GetBypassValue(band);
  m_c.Find<TTimer>(QStringLiteral("tmMouseEqCurve"))->SetEnabled(true);
  MainWindowState::CurveEdit& edit = m_c.Window().State().PendingCurveEdit;
  edit.channel = channel;
  edit.frequency = float(frequency);
  edit.gain = gain;
  edit.q = float(q);
  edit.type = type;
  edit.band = band;
  edit.bypass = bypass ? 1 : 0;
  PeqBandRecord record;
  record.freq = std::uint16_t(std::min(FreqToIndex(frequency), 300));
  record.gain = std::uint16_t(GainToIndex(gain));
  record.q = std::uint8_t(QToIndex(q));
  record.type = std::uint8_t(type);
  panel->SetNowIndex(band);
  m_c.Window().UnitControl().SetPeqBand(channel, band, record, bypass ? 1 : 0);
}

void PlotMouseEditor::DragCut(int channel, bool lowCut, double frequency) {
  const CutNames names = CrossoverControlNames(lowCut);
  auto* box = m_c.Find<TCurvyEdit>(names.freqBox, channel);
  auto* bar = m_c.Find<TAdvTrackBar>(names.freqBar, channel);
  const int slope = m_crossover.ShownSlope(channel, lowCut);
  if (box == nullptr || bar == nullptr || slope < 0) {
    return;
  }
  if (lowCut) {
    box->SetText(FilterFrequencyText(frequency));
  }
  bar->SetPosition(FreqToIndex(frequency));  // its handler sends and arms the curve
  m_c.Find<TTimer>(QStringLiteral("tmHpLpCurve"))->SetEnabled(true);
  MainWindowState::CurveEdit& edit = m_c.Window().State().PendingCurveEdit;
  edit.channel = channel;
  edit.frequency = float(frequency);
  edit.slope = slope;
  edit.kind = lowCut ? 1 : 0;
  m_crossover.StoreCut(channel, lowCut, bar->Position(), slope);
  // The cut now holds the editor's attention: no band stays chosen.
  TMyPEQType10* panel = m_c.Panel(channel);
  const int band = panel->GetNowIndex();
  if (band < 0 || band >= panel->GetChannelNumber()) {
    return;
  }
  if (auto* selector = m_c.BandSelector<TRzBmpButton>(band, channel)) {
    selector->SetDown(false);
  }
  panel->SetNowIndex(kNoBand);
  panel->SetNowIndex(-1);
  box->Font().SetColor(clGreen);
}

void PlotMouseEditor::tmMouseEqCurveTimer() {
  m_c.Find<TTimer>(QStringLiteral("tmMouseEqCurve"))->SetEnabled(false);
  const MainWindowState::CurveEdit edit = m_c.Window().State().PendingCurveEdit;
  m_peq.ShowPeqBandValues(edit.channel, true, edit.frequency, edit.gain, edit.q);
  m_peq.FocusPeqParamEdit(edit.channel);
  m_peq.DrawBandCurve(edit.channel, edit.band, edit.frequency, edit.gain, edit.q, edit.type, edit.bypass != 0);
  if (auto* hint = m_c.Find<TLabel>(QStringLiteral("lbFftParam"), edit.channel)) {
    hint->SetVisible(true);
  }
}

void PlotMouseEditor::fftDrawInAMouseUp(TObject* Sender) {
  const int channel = FilterControls::ChannelOf(Sender);
  for (bool lowCut : {true, false}) {
    if (auto* box = m_c.Find<TCurvyEdit>(CrossoverControlNames(lowCut).freqBox, channel)) {
      if (FilterControls::IsInput(channel) || box->Font().Color() == clGreen) {
        box->Font().SetColor(clBlack);
      }
    }
  }
  m_c.Window().State().SelectedCurveMarker = -1;
}

void PlotMouseEditor::vrbEqShowAllInAClick(TObject* Sender) {
  auto* button = dynamic_cast<TVrPowerButton*>(Sender);
  if (button == nullptr) {
    return;
  }
  const int channel = button->Tag();
  LMyFFTDrawHpLp6dB* plot = m_c.PlotControl(channel);
  auto* group = m_c.Find<TRzGroupBox>(QStringLiteral("rzgFft"), channel);
  if (plot == nullptr || group == nullptr) {
    return;
  }
  plot->SetParameterDisplay(button->Active());
  group->Repaint();
}
