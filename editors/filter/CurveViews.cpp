#include "editors/filter/CurveViews.h"

#include <vector>

#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/MainWindowState.h"
#include "components/peq/TMyPEQType10.h"
#include "dsp/CurveColours.h"
#include "dsp/Plot.h"
#include "editors/dynamics/SideChainCurve.h"
#include "editors/filter/CrossoverEditor.h"
#include "editors/filter/FilterTexts.h"
#include "editors/fir/FirKinds.h"
#include "link/LUnitSession.h"
#include "platform/widgets/TRadioButton.h"
#include "protocol/LUnitControl.h"
#include "protocol/ParameterScales.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/vr/TVrPowerButton.h"

namespace {

constexpr int kInputFirSection = 31;
constexpr int kIirMode = 0;
constexpr int kCoefficientFirType = 4;
constexpr TColor kChosenCaption = RGB(255, 255, 0);
constexpr TColor kOtherCaption = RGB(192, 192, 192);

const QString kViewStems[3] = {QStringLiteral("rbShowEqFir"), QStringLiteral("rbShowFir"), QStringLiteral("rbShowEq")};

/// The other channels of a channel's kind, the letter or digit naming each.
QString ChannelMark(int channel) {
  return channel < 3 ? QString(QChar('A' + channel)) : QString::number(channel - 2);
}

QString PlotName(int plotIndex) {
  switch (plotIndex) {
    case CurveViews::kInputSummary:
      return QStringLiteral("fftDrawGainIn");
    case CurveViews::kOutputSummary:
      return QStringLiteral("fftDrawGainOut");
    case CurveViews::kCompressorCurves:
      return QStringLiteral("fftDrawCompEq");
    default:
      return QStringLiteral("fftDraw") + ChannelSuffix(plotIndex);
  }
}

void SetFlat(PlotSection& section) { section.SetCrossoverSection(0.0, 32000.0, 0.05, kFlatSectionType, 0.0f, 0.0f); }

bool IsChecked(const TRadioButton* button) { return button != nullptr && button->Checked(); }

}  // namespace

TColor CurveViews::ChannelColour(int channel) { return PlotTotalColour(channel).value_or(clWhite); }

void CurveViews::RepaintPlot(int plotIndex) {
  if (auto* plot = m_c.Find<LMyFFTDrawHpLp6dB>(PlotName(plotIndex))) {
    plot->UpdateCurvePage();
  }
}

void CurveViews::RefreshGainSummaryCurves() {
  IEditorWindow& window = m_c.Window();
  for (int channel = 0; channel < MainWindowState::kChannels; ++channel) {
    const int summary = FilterControls::IsInput(channel) ? kInputSummary : kOutputSummary;
    window.ResponseCurve(summary).Section(channel).SetCurve(
        window.ResponseCurve(channel).Section(Plot::kTotalSection).GetCurve());
  }
  auto& masks = window.State().CurveOverlayMasks;
  for (int channel = 0; channel < MainWindowState::kChannels; ++channel) {
    const int summary = FilterControls::IsInput(channel) ? kInputSummary : kOutputSummary;
    auto* toggle = m_c.Find<TVrPowerButton>(QStringLiteral("vrbShow") + ChannelMark(channel) + QStringLiteral("Gain"));
    if (toggle == nullptr) {
      return;
    }
    const std::uint32_t bit = 1u << channel;
    if (toggle->Active() && (masks[std::size_t(summary)] & bit) != 0) {
      masks[std::size_t(summary)] &= ~bit;
      window.ResponseCurve(summary).DrawSection(channel, ChannelColour(channel));
    }
  }
  RepaintPlot(kInputSummary);
  RepaintPlot(kOutputSummary);
}

void CurveViews::RefreshChannelOverlayCurves(int channel) {
  if (channel < 0 || channel >= MainWindowState::kChannels) {
    return;
  }
  IEditorWindow& window = m_c.Window();
  const bool input = FilterControls::IsInput(channel);
  const int first = input ? 0 : 3;
  const int last = input ? 2 : 8;
  auto& mask = window.State().CurveOverlayMasks[std::size_t(channel)];
  for (int other = first; other <= last; ++other) {
    if (other == channel) {
      continue;
    }
    auto* toggle = m_c.Find<TVrPowerButton>(QStringLiteral("vrbShow") + ChannelMark(other) + ChannelSuffix(channel));
    if (toggle == nullptr) {
      return;
    }
    const std::uint32_t bit = 1u << other;
    if ((mask & bit) == 0) {
      continue;
    }
    mask &= ~bit;
    const int copy = kFirstCopySection + other - first;
    window.ResponseCurve(channel).Section(copy).SetCurve(
        window.ResponseCurve(other).Section(Plot::kTotalSection).GetCurve());
    if (toggle->Active()) {
      window.ResponseCurve(channel).DrawSection(copy, ChannelColour(other));
    }
  }
  RepaintPlot(channel);
}

void CurveViews::OverlayToggleClick(TObject* Sender, int plotIndex, int curveId) {
  auto* toggle = dynamic_cast<TVrPowerButton*>(Sender);
  if (toggle == nullptr) {
    return;
  }
  IEditorWindow& window = m_c.Window();
  window.State().CurveOverlayMasks[std::size_t(plotIndex)] &= ~(1u << toggle->Tag());
  if (toggle->Active()) {
    window.ResponseCurve(plotIndex).DrawSection(curveId, ChannelColour(toggle->Tag()));
  } else {
    window.ResponseCurve(plotIndex).RemoveCurve(curveId);
  }
  RepaintPlot(plotIndex);
}

void CurveViews::LoadPeqCurve(TControl* plot) {
  if (plot == nullptr) {
    return;
  }
  const int channel = plot->Tag();
  TMyPEQType10* panel = m_c.Panel(channel);
  auto* firView = m_c.Find<TRadioButton>(QStringLiteral("rbShowFir"), channel);
  if (panel == nullptr || firView == nullptr) {
    return;
  }
  Plot& curves = m_c.Window().ResponseCurve(channel);
  if (firView->Checked()) {
    for (int band = 0; band < FilterControls::BandCount(channel); ++band) {
      SetFlat(curves.Section(band));
      curves.DrawBandMarker(band, 0.0, 1);
    }
  } else {
    for (int band = 0; band < panel->GetChannelNumber(); ++band) {
      const double frequency = panel->GetFreqValue(band);
      const double gain = panel->GetGainValue(band);
      const double q = panel->GetQValue(band);
      const int type = panel->GetTypeValue(band);
      if (panel->GetBypassValue(band) || type < 0 || type >= int(PeqSectionTypes.size())) {
        curves.Section(band).SetFilter(0.0, frequency, q, kFlatSectionType);
      } else {
        curves.Section(band).SetFilter(gain, frequency, q, PeqSectionTypes[std::size_t(type)]);
      }
      curves.DrawBandMarker(band, gain, 1);
    }
  }
  curves.DrawTotal(channel);
}

void CurveViews::UpdateFirCurve(TControl* plot) {
  if (plot == nullptr) {
    return;
  }
  IEditorWindow& window = m_c.Window();
  const int channel = plot->Tag();
  Plot& curves = window.ResponseCurve(channel);
  const int taps = window.State().FirTaps[std::size_t(channel)];
  const auto coefficients = [&] {
    std::vector<float> values(std::size_t(std::max(taps, 0)));
    for (int k = 0; k < taps; ++k) {
      values[std::size_t(k)] = window.Session().FirCoefficients().Coefficient(channel, k);
    }
    return values;
  };
  if (FilterControls::IsInput(channel)) {
    auto* eqView = m_c.Find<TRadioButton>(QStringLiteral("rbShowEq"), channel);
    if (eqView == nullptr) {
      return;
    }
    std::vector<float> values;
    if (window.UnitControl().GetInputFirBypass(channel) || eqView->Checked()) {
      values.assign(std::size_t(std::max(taps, 1)), 0.0f);
      values[0] = 1.0f;  // the unit impulse
    } else {
      values = coefficients();
    }
    curves.Section(kInputFirSection).SetFirTaps(values.data(), taps);
  } else {
    auto* eqView = m_c.Find<TRadioButton>(QStringLiteral("rbShowEq"), channel);
    auto* mode = m_c.Find<TRzComboBox>(QStringLiteral("rzcMode"), channel);
    if (eqView == nullptr || mode == nullptr) {
      return;
    }
    SetFlat(curves.Section(CrossoverEditor::kLowCutSection));
    curves.DrawBandMarker(CrossoverEditor::kLowCutSection, 0.0, 2);
    SetFlat(curves.Section(CrossoverEditor::kHighCutSection));
    curves.DrawBandMarker(CrossoverEditor::kHighCutSection, 0.0, 3);
    PendingOutputFirDesign = window.UnitControl().GetOutputFilters(channel).fir;
    const FirDesignRecord& design = PendingOutputFirDesign;
    PlotSection& fir = curves.Section(FirKinds::kOutputFirSection);
    if (mode->ItemIndex() != kIirMode && design.firType != 0 && !eqView->Checked()) {
      if (design.firType == kCoefficientFirType) {
        const std::vector<float> values = coefficients();
        fir.SetFirTaps(values.data(), taps);
      } else {
        fir.SetFirDesign(design.firType, design.window, IndexToFreq(design.lowIndex), IndexToFreq(design.highIndex),
                         FirTapsFromCode(design.taps));
      }
    } else {
      SetFlat(fir);
    }
  }
  curves.DrawTotal(channel);
  RepaintPlot(channel);
}

void CurveViews::UpdateCompressorEqCurve() {
  IEditorWindow& window = m_c.Window();
  const CompressorRecord record = window.UnitControl().GetCompressor(window.State().SelectedCompressorInput);
  DrawSideChainCurve(window, record.sideChainType, record.sideChainFreq);
}

void CurveViews::rbShowEqFirInAClick(TObject* Sender) {
  auto* clicked = dynamic_cast<TRadioButton*>(Sender);
  if (clicked == nullptr) {
    return;
  }
  const int channel = clicked->Tag();
  const int view = std::clamp(clicked->HelpContext(), 0, 2);
  for (int i = 0; i < 3; ++i) {
    if (auto* button = m_c.Find<TRadioButton>(kViewStems[i], channel)) {
      button->Font().SetColor(i == view ? kChosenCaption : kOtherCaption);
    }
  }
  ShowMagnitudeOrPhase(Sender, !IsChecked(m_c.Find<TRadioButton>(QStringLiteral("rbShowGain"), channel)));
}

void CurveViews::RebuildChannelCurves(int channel, TControl* plot) {
  UpdateFirCurve(plot);
  if (!FilterControls::IsInput(channel)) {
    m_crossover.UpdateLowCutCurve(plot);
    m_crossover.UpdateHighCutCurve(plot);
  }
  LoadPeqCurve(plot);
}

void CurveViews::ShowMagnitudeOrPhase(TObject* Sender, bool phase) {
  const int channel = FilterControls::ChannelOf(Sender);
  if (channel < 0 || channel >= MainWindowState::kChannels) {
    return;
  }
  IEditorWindow& window = m_c.Window();
  Plot& curves = window.ResponseCurve(channel);
  curves.SetPhaseMode(phase);
  LMyFFTDrawHpLp6dB* plot = m_c.PlotControl(channel);
  TMyPEQType10* panel = m_c.Panel(channel);
  auto* group = m_c.Find<TRzGroupBox>(QStringLiteral("rzgFft"), channel);
  auto* chosen = m_c.Find<TRadioButton>(phase ? QStringLiteral("rbShowPhase") : QStringLiteral("rbShowGain"), channel);
  auto* other = m_c.Find<TRadioButton>(phase ? QStringLiteral("rbShowGain") : QStringLiteral("rbShowPhase"), channel);
  auto* latency = m_c.Find<TVrPowerButton>(QStringLiteral("vrbFirRemove"), channel);
  if (plot == nullptr || panel == nullptr || group == nullptr || chosen == nullptr || other == nullptr ||
      latency == nullptr) {
    return;
  }
  RebuildChannelCurves(channel, plot);
  latency->SetVisible(phase);
  chosen->Font().SetColor(kChosenCaption);
  other->Font().SetColor(kOtherCaption);
  plot->SetNumHorzGrid(phase ? 7 : 11);
  plot->SetYLabel(phase ? QString() : QStringLiteral("dB"));
  plot->SetYLabelScale(phase ? 10.0 : 1.0);
  plot->SetYMax(18.0);
  plot->SetYMin(-18.0);
  const int band = panel->GetNowIndex();
  if (band >= 0 && band < panel->GetChannelNumber()) {
    curves.DrawSectionFill(panel->GetTypeValue(band), band, panel->GetGainValue(band), panel->GetQValue(band), true);
  }
  plot->UpdateCurvePage();
  group->Repaint();
  window.MarkCurveOverlayDirty(channel);
  RefreshChannelOverlayCurves(channel);
}

void CurveViews::vrbFirRemoveInAClick(TObject* Sender) {
  auto* button = dynamic_cast<TVrPowerButton*>(Sender);
  if (button == nullptr) {
    return;
  }
  const int channel = button->Tag();
  Plot& curves = m_c.Window().ResponseCurve(channel);
  curves.SetRemoveFirLatency(button->Active());
  if (!curves.GetPhaseMode()) {
    return;
  }
  auto* eqView = m_c.Find<TRadioButton>(QStringLiteral("rbShowEq"), channel);
  LMyFFTDrawHpLp6dB* plot = m_c.PlotControl(channel);
  if (eqView == nullptr || plot == nullptr || m_c.Find<TRzGroupBox>(QStringLiteral("rzgFft"), channel) == nullptr) {
    return;
  }
  if (!eqView->Checked()) {
    RebuildChannelCurves(channel, plot);
  }
  m_c.Window().MarkCurveOverlayDirty(channel);
  RefreshChannelOverlayCurves(channel);
}
