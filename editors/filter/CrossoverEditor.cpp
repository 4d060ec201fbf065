#include "editors/filter/CrossoverEditor.h"

#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/MainWindowState.h"
#include "dsp/Plot.h"
#include "editors/filter/CrossoverPlan.h"
#include "editors/filter/FilterTexts.h"
#include "platform/threads/TTimer.h"
#include "platform/widgets/TRadioButton.h"
#include "protocol/LUnitControl.h"
#include "protocol/ParameterScales.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

constexpr int kFirOnlyMode = 1;
constexpr int kFirstWorkSection = 34;
constexpr double kCrossoverQ = 0.71;
/// Fill types the plot shows for a cut: HPF -6dB's for the low cut, LPF -6dB's for the high cut.
constexpr int kLowCutFillType = 5;
constexpr int kHighCutFillType = 3;
constexpr int kHpfMarker = 3;
constexpr int kLpfMarker = 2;

void SetSection(PlotSection& section, const CrossoverSection& plan, bool lowCut, double frequency) {
  section.SetCrossoverSection(0.0, frequency, kCrossoverQ, CrossoverSectionType(plan.stage, lowCut), plan.c0,
                              plan.c1);
}

}  // namespace

CutNames CrossoverControlNames(bool lowCut) {
  const QString stem = lowCut ? QStringLiteral("LowCut") : QStringLiteral("HighCut");
  return {QStringLiteral("is") + stem + QStringLiteral("Freq"), QStringLiteral("cvd") + stem + QStringLiteral("Freq"),
          QStringLiteral("rzc") + stem + QStringLiteral("Slop"), QStringLiteral("rzb") + stem + QStringLiteral("Bypass")};
}

int CrossoverEditor::ShownSlope(int channel, bool lowCut) const {
  const CutNames names = CrossoverControlNames(lowCut);
  auto* list = m_c.Find<TRzComboBox>(names.slopeList, channel);
  auto* bypass = m_c.Find<TRzBmpButton>(names.bypassButton, channel);
  if (list == nullptr || bypass == nullptr) {
    return -1;
  }
  return bypass->Down() ? 0 : list->ItemIndex() + 1;
}

void CrossoverEditor::CutBarChange(TObject* Sender, bool lowCut) {
  MainWindowState& state = m_c.Window().State();
  auto* bar = dynamic_cast<TAdvTrackBar*>(Sender);
  if (state.RefreshingControls || bar == nullptr) {
    return;
  }
  const int channel = bar->Tag();
  auto* box = m_c.Find<TCurvyEdit>(CrossoverControlNames(lowCut).freqBox, channel);
  const int slope = ShownSlope(channel, lowCut);
  if (box == nullptr || slope < 0) {
    return;
  }
  const float f = float(IndexToFreq(bar->Position()));
  box->SetText(FilterFrequencyText(f, !lowCut));
  if (m_c.Window().UnitControl().GetOutputFilters(channel).mode != kFirOnlyMode) {
    m_c.Find<TTimer>(QStringLiteral("tmHpLpCurve"))->SetEnabled(true);
  }
  state.PendingCurveEdit.channel = channel;
  state.PendingCurveEdit.frequency = f;
  state.PendingCurveEdit.slope = slope;
  state.PendingCurveEdit.kind = lowCut ? 1 : 0;
  StoreCut(channel, lowCut, bar->Position(), slope);
}

void CrossoverEditor::StoreCut(int channel, bool lowCut, int index, int slope) {
  LUnitControl& unit = m_c.Window().UnitControl();
  OutputFilterRecord record = unit.GetOutputFilters(channel);
  if (lowCut) {
    record.lowCutIndex = std::uint16_t(index);
    record.lowCutSlope = std::uint8_t(slope);
    unit.SetHighPass(channel, record);
  } else {
    record.highCutIndex = std::uint16_t(index);
    record.highCutSlope = std::uint8_t(slope);
    unit.SetLowPass(channel, record);
  }
}

void CrossoverEditor::tmHpLpCurveTimer() {
  m_c.Find<TTimer>(QStringLiteral("tmHpLpCurve"))->SetEnabled(false);
  const MainWindowState::CurveEdit edit = m_c.Window().State().PendingCurveEdit;
  if (edit.channel < 0 || edit.channel >= IEditorWindow::kResponseCurveCount) {
    return;
  }
  BuildFromControls(edit.kind == 1, edit.slope, edit.frequency, edit.channel);
  ShowCut(edit.channel, edit.kind == 1);
}

void CrossoverEditor::ShowCut(int channel, bool lowCut) {
  Plot& curves = m_c.Window().ResponseCurve(channel);
  curves.DrawSectionFill(lowCut ? kLowCutFillType : kHighCutFillType, lowCut ? kLowCutSection : kHighCutSection, 0.0,
                         0.0, true);
  curves.DrawTotal(channel);
  if (LMyFFTDrawHpLp6dB* plot = m_c.PlotControl(channel)) {
    plot->UpdateCurvePage();
  }
}

void CrossoverEditor::SlopeChange(TObject* Sender, bool lowCut) {
  const int channel = FilterControls::ChannelOf(Sender);
  auto* bar = m_c.Find<TAdvTrackBar>(CrossoverControlNames(lowCut).freqBar, channel);
  const int slope = ShownSlope(channel, lowCut);
  if (bar == nullptr || slope < 0) {
    return;
  }
  if (m_c.Window().UnitControl().GetOutputFilters(channel).mode != kFirOnlyMode) {
    BuildFromControls(lowCut, slope, IndexToFreq(bar->Position()), channel);
    ShowCut(channel, lowCut);
  }
  if (!m_c.Window().State().RefreshingControls) {
    StoreCut(channel, lowCut, bar->Position(), slope);
  }
}

void CrossoverEditor::BuildFromControls(bool lowCut, int slope, double frequency, int channel) {
  BuildCrossoverCurve(lowCut, slope, frequency, kLowCutSection, channel);
  if (FilterControls::IsInput(channel)) {
    m_inputCutShown[std::size_t(channel)][lowCut ? 0 : 1] = true;
  }
}

bool CrossoverEditor::IsCutMarkerLive(int channel, bool lowCut) const {
  return !FilterControls::IsInput(channel) || m_inputCutShown.at(std::size_t(channel))[lowCut ? 0 : 1];
}

void CrossoverEditor::BuildCrossoverCurve(bool lowCut, int slope, double frequency, int base, int channel) {
  Plot& curves = m_c.Window().ResponseCurve(channel);
  const int first = base + (kFirstWorkSection - kLowCutSection);
  for (int s = first; s < first + 5; ++s) {
    curves.Section(s).SetCrossoverSection(0.0, 1000.0, kCrossoverQ, kFlatSectionType, 0.0f, 0.0f);
  }
  const int target = lowCut ? base : base + 1;
  const CrossoverRecipe recipe = CrossoverRecipeFor(slope);
  PlotSection& section = curves.Section(target);
  SetSection(section, recipe.target, lowCut, frequency);
  if (!recipe.direct) {
    ResponseCurve sum{};
    for (int i = 0; i < 5; ++i) {
      PlotSection& work = curves.Section(first + i);
      if (recipe.work[std::size_t(i)].stage != CrossoverStage::Flat) {
        SetSection(work, recipe.work[std::size_t(i)], lowCut, frequency);
      }
      const ResponseCurve& curve = work.GetCurve();
      for (int k = 0; k < kFrequencyBinCount; ++k) {
        sum[std::size_t(k)] += curve[std::size_t(k)];
      }
    }
    section.SetCurve(sum);
  }
  curves.DrawBandMarker(target, 0.0, lowCut ? kHpfMarker : kLpfMarker);
}

void CrossoverEditor::FlattenBeyondPlot(int channel, int section, int markerKind) {
  Plot& curves = m_c.Window().ResponseCurve(channel);
  curves.Section(section).SetCrossoverSection(0.0, 32000.0, 0.05, kFlatSectionType, 0.0f, 0.0f);
  curves.DrawBandMarker(section, 0.0, markerKind);
}

void CrossoverEditor::UpdateLowCutCurve(TControl* plot) {
  if (plot == nullptr) {
    return;
  }
  const int channel = plot->Tag();
  const OutputFilterRecord record = m_c.Window().UnitControl().GetOutputFilters(channel);
  if (record.mode != kFirOnlyMode) {
    BuildCrossoverCurve(true, record.lowCutSlope, IndexToFreq(record.lowCutIndex), kLowCutSection, channel);
  } else {
    // FIR only: the high-cut section is the one flattened here; the high
    // cut's rebuild then flattens the low cut's.
    FlattenBeyondPlot(channel, kHighCutSection, kHpfMarker);
  }
  m_c.Window().ResponseCurve(channel).DrawTotal(channel);
}

void CrossoverEditor::UpdateHighCutCurve(TControl* plot) {
  if (plot == nullptr) {
    return;
  }
  const int channel = plot->Tag();
  auto* firView = m_c.Find<TRadioButton>(QStringLiteral("rbShowFir"), channel);
  if (firView == nullptr || FilterControls::IsInput(channel)) {
    return;
  }
  const OutputFilterRecord record = m_c.Window().UnitControl().GetOutputFilters(channel);
  if (record.mode == kFirOnlyMode || firView->Checked()) {
    FlattenBeyondPlot(channel, kLowCutSection, kLpfMarker);
  } else {
    BuildCrossoverCurve(false, record.highCutSlope, IndexToFreq(record.highCutIndex), kLowCutSection, channel);
  }
  m_c.Window().ResponseCurve(channel).DrawTotal(channel);
}
