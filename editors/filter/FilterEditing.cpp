#include "editors/filter/FilterEditing.h"

#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/MainWindowState.h"
#include "components/peq/TMyPEQType10.h"
#include "platform/threads/TTimer.h"
#include "platform/widgets/TRadioButton.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"
#include "widgets/vr/TVrDemoButton.h"
#include "widgets/vr/TVrPowerButton.h"

namespace {

void SuppressWheel(TWinControl* control) {
  if (control != nullptr) {
    control->OnMouseWheel = [](TObject*, TShiftState, int, QPoint, bool& handled) {
      CrossoverEditor::rzcLowCutSlopInAMouseWheel(handled);
    };
  }
}

}  // namespace

FilterEditing::FilterEditing(IEditorWindow& window)
    : m_c(window), m_peq(window), m_crossover(window), m_mouse(window, m_peq, m_crossover), m_views(window, m_crossover) {}

void FilterEditing::Bind() {
  for (int channel = 0; channel < MainWindowState::kChannels; ++channel) {
    BindChannel(channel);
  }
  for (const char* name : {"fftDrawGainIn", "fftDrawGainOut"}) {
    BindPlotMouse(m_c.Find<LMyFFTDrawHpLp6dB>(QLatin1String(name)));
  }
  BindOverlayToggles();
  const auto timer = [this](const char* name, std::function<void()> handler) {
    if (auto* t = m_c.Find<TTimer>(QLatin1String(name))) {
      t->OnTimer = [handler = std::move(handler)](TObject*) { handler(); };
    }
  };
  timer("tmEqCurve", [this] { m_peq.tmEqCurveTimer(); });
  timer("tmHpLpCurve", [this] { m_crossover.tmHpLpCurveTimer(); });
  timer("tmMouseEqCurve", [this] { m_mouse.tmMouseEqCurveTimer(); });
}

void FilterEditing::BindChannel(int channel) {
  for (int band = 0; band < FilterControls::BandCount(channel); ++band) {
    auto* selector = m_c.BandSelector<TRzBmpButton>(band, channel);
    if (selector == nullptr) {
      return;
    }
    selector->OnClick = [this](TObject* sender) { m_peq.rzbEq1InAClick(sender); };
  }
  auto* panel = m_c.Panel(channel);
  auto* freqBar = m_c.Find<TAdvTrackBar>(QStringLiteral("isEqFreq"), channel);
  auto* qBar = m_c.Find<TAdvTrackBar>(QStringLiteral("isEqBw"), channel);
  auto* gainBar = m_c.Find<TAdvTrackBar>(QStringLiteral("isEqGain"), channel);
  auto* freqBox = m_c.Find<TCurvyEdit>(QStringLiteral("cvdEqFreq"), channel);
  auto* reset = m_c.Find<TVrDemoButton>(QStringLiteral("vrbEqReset"), channel);
  auto* bypass = m_c.Find<TVrDemoButton>(QStringLiteral("vrbEqBypass"), channel);
  auto* showAll = m_c.Find<TVrPowerButton>(QStringLiteral("vrbEqShowAll"), channel);
  auto* latency = m_c.Find<TVrPowerButton>(QStringLiteral("vrbFirRemove"), channel);
  if (panel == nullptr || freqBar == nullptr || qBar == nullptr || gainBar == nullptr || freqBox == nullptr ||
      reset == nullptr || bypass == nullptr || showAll == nullptr || latency == nullptr) {
    return;
  }
  panel->OnChange = [this](TObject* sender) { m_peq.peqPeqInAChange(sender); };
  panel->OnEditMouseDown = [this](TObject* sender, TMouseButton, TShiftState, int, int) {
    m_peq.peqPeqInAEditMouseDown(sender);
  };
  panel->OnPeqTypeMouseWheel = [](TObject*, TShiftState, int, QPoint, bool& handled) { handled = true; };
  freqBar->OnChange = [this](TObject* sender) { m_peq.isEqFreqInAChange(sender); };
  qBar->OnChange = [this](TObject* sender) { m_peq.isEqBwInAChange(sender); };
  gainBar->OnChange = [this](TObject* sender) { m_peq.isEqGainInAChange(sender); };
  freqBox->OnExit = [this](TObject* sender) { m_peq.cvdEqFreqInAExit(sender); };
  freqBox->OnKeyDown = [this](TObject* sender, WORD& key, TShiftState) { m_peq.cvdEqFreqInAKeyDown(sender, key); };
  reset->OnClick = [this](TObject* sender) { m_peq.vrbEqResetInAClick(sender); };
  bypass->OnClick = [this](TObject* sender) { m_peq.vrbEqBypassInAClick(sender); };
  showAll->OnClick = [this](TObject* sender) { m_mouse.vrbEqShowAllInAClick(sender); };
  latency->OnClick = [this](TObject* sender) { m_views.vrbFirRemoveInAClick(sender); };
  for (const char* stem : {"rbShowEqFir", "rbShowFir", "rbShowEq"}) {
    if (auto* view = m_c.Find<TRadioButton>(QLatin1String(stem), channel)) {
      view->OnClick = [this](TObject* sender) { m_views.rbShowEqFirInAClick(sender); };
    }
  }
  if (auto* magnitude = m_c.Find<TRadioButton>(QStringLiteral("rbShowGain"), channel)) {
    magnitude->OnClick = [this](TObject* sender) { m_views.rbShowGainInAClick(sender); };
  }
  if (auto* phase = m_c.Find<TRadioButton>(QStringLiteral("rbShowPhase"), channel)) {
    phase->OnClick = [this](TObject* sender) { m_views.rbShowPhaseInAClick(sender); };
  }
  BindPlotMouse(m_c.PlotControl(channel));
  BindCrossover(channel, true);
  BindCrossover(channel, false);
  if (!FilterControls::IsInput(channel)) {
    for (const char* stem : {"rzcMode", "rzcFirType", "rzcFirWin", "rzcFirTaps"}) {
      SuppressWheel(m_c.Find<TRzComboBox>(QLatin1String(stem), channel));
    }
  }
}

void FilterEditing::BindCrossover(int channel, bool lowCut) {
  const CutNames names = CrossoverControlNames(lowCut);
  auto* bar = m_c.Find<TAdvTrackBar>(names.freqBar, channel);
  auto* list = m_c.Find<TRzComboBox>(names.slopeList, channel);
  auto* bypass = m_c.Find<TRzBmpButton>(names.bypassButton, channel);
  if (bar == nullptr || list == nullptr || bypass == nullptr) {
    return;
  }
  if (lowCut) {
    bar->OnChange = [this](TObject* sender) { m_crossover.isLowCutFreqInAChange(sender); };
    list->OnChange = [this](TObject* sender) { m_crossover.rzcLowCutSlopInAChange(sender); };
    bypass->OnClick = [this](TObject* sender) { m_crossover.rzbLowCutBypassInAClick(sender); };
  } else {
    bar->OnChange = [this](TObject* sender) { m_crossover.isHighCutFreqInAChange(sender); };
    list->OnChange = [this](TObject* sender) { m_crossover.rzcHighCutSlopInAChange(sender); };
    bypass->OnClick = [this](TObject* sender) { m_crossover.rzbHighCutBypassInAClick(sender); };
  }
  SuppressWheel(list);
}

void FilterEditing::BindPlotMouse(TControl* plot) {
  if (plot == nullptr) {
    return;
  }
  plot->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState, int x, int y) {
    m_mouse.fftDrawInAMouseDown(sender, button, x, y);
  };
  plot->OnMouseMove = [this](TObject* sender, TShiftState, int x, int y) { m_mouse.fftDrawInAMouseMove(sender, x, y); };
  plot->OnMouseUp = [this](TObject* sender, TMouseButton, TShiftState, int, int) { m_mouse.fftDrawInAMouseUp(sender); };
}

void FilterEditing::BindOverlayToggles() {
  const auto bind = [this](const QString& name, int plotIndex, int curveOffset) {
    if (auto* toggle = m_c.Find<TVrPowerButton>(name)) {
      toggle->OnClick = [this, plotIndex, curveOffset](TObject* sender) {
        m_views.OverlayToggleClick(sender, plotIndex, FilterControls::ChannelOf(sender) + curveOffset);
      };
    }
  };
  for (int channel = 0; channel < MainWindowState::kChannels; ++channel) {
    const bool input = FilterControls::IsInput(channel);
    const QString mark = input ? QString(QChar('A' + channel)) : QString::number(channel - 2);
    bind(QStringLiteral("vrbShow") + mark + QStringLiteral("Gain"),
         input ? CurveViews::kInputSummary : CurveViews::kOutputSummary, 0);
    // Channel plots: the inputs' toggles of A-D, the outputs' of 1-6.
    const int others = input ? 4 : 6;
    for (int k = 0; k < others; ++k) {
      const QString otherMark = input ? QString(QChar('A' + k)) : QString::number(k + 1);
      bind(QStringLiteral("vrbShow") + otherMark + ChannelSuffix(channel), channel,
           input ? CurveViews::kFirstCopySection : CurveViews::kFirstCopySection - 3);
    }
  }
}
