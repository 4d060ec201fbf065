#include "editors/dynamics/DynamicsPanels.h"

#include <QString>

#include "components/MainWindowState.h"
#include "editors/IEditorWindow.h"
#include "editors/dynamics/SideChainCurve.h"
#include "editors/dynamics/TransferCurve.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TUpDown.h"
#include "plot/core/TiXYPlot.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

/// The two labels of a panel.
struct PanelLabels {
  TLabel* name = nullptr;
  TLabel* head = nullptr;
  bool Exist() const { return name != nullptr && head != nullptr; }
};

PanelLabels Labels(const ControlRegistry& controls, const char* name, const char* head) {
  return {controls.Find<TLabel>(QLatin1String(name)), controls.Find<TLabel>(QLatin1String(head))};
}

}  // namespace

QString DynamicsPanels::ChannelHeading(int channel) {
  return channel < 3 ? QStringLiteral("In ") + QChar(u'A' + channel)
                     : QStringLiteral("Out ") + QChar(u'1' + channel - 3);
}

QString DynamicsPanels::Caption(int channel, const char* key) const {
  return ChannelHeading(channel) + QStringLiteral("  ") + m_window.LookUpText(QLatin1String(key));
}

void DynamicsPanels::RefreshCompressorPanel(int channel) {
  const ControlRegistry& controls = m_window.Controls();
  auto* threshold = controls.Find<TAdvTrackBar>(QStringLiteral("isCompThreshold"), channel);
  auto* knee = controls.Find<TUpDown>(QStringLiteral("udCompKnee"), channel);
  auto* ratio = controls.Find<TUpDown>(QStringLiteral("udCompRatio"), channel);
  auto* frequency = controls.Find<TAdvTrackBar>(QStringLiteral("isCompEqFreq"), channel);
  auto* type = controls.Find<TAdvTrackBar>(QStringLiteral("isCompEqType"), channel);
  auto* plot = controls.Find<TiXYPlot>(QStringLiteral("ipComp"));
  const PanelLabels labels = Labels(controls, "lbCompName", "lbHeadCompIn");
  if (channel < 0 || channel > 2 || threshold == nullptr || knee == nullptr || ratio == nullptr ||
      frequency == nullptr || type == nullptr || plot == nullptr || !labels.Exist()) {
    return;
  }
  DrawSideChainCurve(m_window, type->Position(), frequency->Position());
  TransferCurve::Compressor(threshold->Position(), knee->Position(), ratio->Position(),
                            ratio->Position() == ratio->Max())
      .ShowOn(*plot);
  labels.name->SetCaption(Caption(channel, "SID_COMP"));
  labels.head->SetCaption(ChannelHeading(channel));
  m_window.State().SelectedCompressorInput = channel;
}

void DynamicsPanels::RefreshGatePanel(int channel) {
  const ControlRegistry& controls = m_window.Controls();
  auto* threshold = controls.Find<TAdvTrackBar>(QStringLiteral("isGateThreshold"), channel);
  auto* ratio = controls.Find<TAdvTrackBar>(QStringLiteral("isGateRatio"), channel);
  auto* plot = controls.Find<TiXYPlot>(QStringLiteral("ipGate"));
  const PanelLabels labels = Labels(controls, "lbGateName", "lbHeadGateIn");
  if (channel < 0 || channel > 2 || threshold == nullptr || ratio == nullptr || plot == nullptr || !labels.Exist()) {
    return;
  }
  TransferCurve::Gate(threshold->Position(), ratio->Position(), ratio->Position() == ratio->Max()).ShowOn(*plot);
  labels.name->SetCaption(Caption(channel, "SID_GATE"));
  labels.head->SetCaption(ChannelHeading(channel));
  m_window.State().SelectedGateInput = channel;
}

void DynamicsPanels::RefreshLimiterPanel(int channel) {
  const ControlRegistry& controls = m_window.Controls();
  auto* threshold = controls.Find<TAdvTrackBar>(QStringLiteral("isLimitThreshold"), channel);
  auto* knee = controls.Find<TUpDown>(QStringLiteral("udLimitKnee"), channel);
  auto* ratio = controls.Find<TUpDown>(QStringLiteral("udLimitRatio"), channel);
  auto* plot = controls.Find<TiXYPlot>(QStringLiteral("ipLimit"));
  const PanelLabels labels = Labels(controls, "lbLimitName", "lbHeadLimitOut");
  if (channel < 3 || channel > 8 || threshold == nullptr || knee == nullptr || ratio == nullptr || plot == nullptr ||
      !labels.Exist()) {
    return;
  }
  TransferCurve::Compressor(threshold->Position(), knee->Position(), ratio->Position(),
                            ratio->Position() == ratio->Max())
      .ShowOn(*plot);
  labels.name->SetCaption(Caption(channel, "SID_LIMIT"));
  labels.head->SetCaption(ChannelHeading(channel));
  m_window.State().SelectedLimiterOutput = channel;
}
