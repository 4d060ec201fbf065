// Start-up of the main window: every default, in order, and the handlers the
// window binds to its own controls.
#include "app/ProductName.h"
#include "app/TfmMain.h"
#include "components/LMyFFTDrawHpLp6dB.h"
#include "dsp/CurveColours.h"
#include "link/LUnitSession.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TPaintBox.h"
#include "plot/channels/TiXYPlotChannel.h"
#include "plot/core/TiXYPlot.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/panels/TRzGroupBox.h"

namespace {

struct TransferPoints {
  std::vector<std::pair<double, double>> line;  ///< channel 0, the transfer line
  std::pair<double, double> threshold;          ///< channel 1, the threshold marker
};

void FillTransferPlot(TiXYPlot* plot, const TransferPoints& points) {
  while (plot->ChannelCount() < 2) {
    plot->AddChannel();
  }
  for (const auto& [x, y] : points.line) {
    plot->Channel(0)->AddXY(x, y);
  }
  plot->Channel(1)->AddXY(points.threshold.first, points.threshold.second);
}

}  // namespace

void TfmMain::FormCreate() {
  // The splash is up while the window is made; showing the window ends it.
  ShowSplash();
  // 1-3: caption, unit id, page and selection defaults.
  SetCaption(ProductCaption());
  SetHint(kProductName);
  setToolTip(kProductName);
  m_session->SetUnitId(1);
  m_state.SelectedCurveMarker = -1;
  m_state.PreviousCurveMarker = -1;
  m_state.CurrentPage = MainWindowState::kPageGain;
  m_state.SelectedGateInput = 0;
  m_state.SelectedCompressorInput = 0;
  m_state.SelectedLimiterOutput = 3;
  // 4-6: the first groups, the window size.
  Named<TRzGroupBox>(QStringLiteral("rzgFftInA"))->SetVisible(true);
  Named<TRzGroupBox>(QStringLiteral("rzgParamGain"))->SetVisible(true);
  m_state.StartingUp = true;
  SetOuterSize(DesignWidth, DesignHeight);
  m_controls.rzgPreset->SetTop(626);
  m_state.LayoutExtraHeight = 0;
  // 7-8: the response-curve objects, in magnitude view.
  for (int i = 0; i < IEditorWindow::kResponseCurveCount; ++i) {
    m_responseCurves[i] = std::make_unique<Plot>(*m_controls.ResponsePlots[i]);
    m_responseCurves[i]->SetPhaseMode(false);
  }
  m_state.SelectedCurveMarker = -1;
  // 9: English.
  m_state.LanguageName = QLatin1String(LanguageEnglish);
  m_controls.MainMenu.Find(QStringLiteral("ChineseSimplified"))->Checked = false;
  m_controls.MainMenu.Find(QStringLiteral("ChineseTraditional"))->Checked = false;
  m_controls.MainMenu.Find(QStringLiteral("English"))->Checked = true;
  ApplyLanguageTexts();
  // 10-11: every channel holds a unit impulse: 2048 taps on the inputs, 512
  // on the outputs.
  m_state.DspFlashHold = 0;
  for (int channel = 0; channel < MainWindowState::kChannels; ++channel) {
    m_session->FirCoefficients().SetIdentity(channel);
    m_state.FirTaps[channel] = channel < 3 ? 2048 : 512;
  }
  // 12: the placeholder points of the transfer plots.
  FillTransferPlot(m_controls.ipComp, {{{20, 20}, {-10, -10}, {-10, -10}, {-100, -100}}, {19.8, 20.4}});
  FillTransferPlot(m_controls.ipGate, {{{20, 20}, {-90, -90}, {-90, -100}}, {-89.8, -90.4}});
  FillTransferPlot(m_controls.ipLimit, {{{20, 20}, {-10, -10}, {-10, -10}, {-100, -100}}, {19.8, 20.4}});
  // 13-15: the unit model holds the default image; the first full refresh.
  ResetLiveDisplay();
  ClearPeqBandSelection();
  RefreshAllFromUnit();
  m_state.StartingUp = false;
  // 16-17: the Gain page in front with its summary curves.
  m_controls.UpperGroups[MainWindowState::kPageGain]->BringToFront();
  m_controls.LowerGroups[MainWindowState::kPageGain]->BringToFront();
  RefreshGainSummaryCurves();
  m_responseCurves[9]->DrawSection(0, PlotTotalColour(0).value());
  m_responseCurves[10]->DrawSection(3, PlotTotalColour(3).value());
  // 18-20: network defaults, the first discovery pass, the host check.
  m_state.SelectedUnitAddress = m_endpoints.defaultUnitAddress;
  Named<TRzComboBox>(QStringLiteral("rzcIpAddress"))->ClearItems();
  MakeHostBroadcastAddress();
  BuildHostBroadcastList();
  SendDiscovery();
  m_registry.Find<TTimer>(QStringLiteral("tmHostCheck"))->SetEnabled(true);
  m_controls.MainMenu.Find(QStringLiteral("NetworkSetup"))->Visible = true;
  m_controls.MainMenu.Refresh();
  // 21: buttons share their template's pressed and hot pictures.
  SharePagePictures();
  // The menu's texts may have changed the bar's height: the outer size stays.
  SetOuterSize(DesignWidth, DesignHeight);
}

void TfmMain::SharePagePictures() {
  struct Share {
    QString button;
    QString templateName;
    bool disabled;
  };
  std::vector<Share> shares;
  for (const char* page : {"Comp", "Delay", "Matrix", "Gate", "Limit"}) {
    shares.push_back({QStringLiteral("rzbMenu") + QLatin1String(page), QStringLiteral("rzbMenuGain"), true});
  }
  for (int c = 0; c < 9; ++c) {
    const QString s = ChannelSuffix(c);
    const QString first = c < 3 ? QStringLiteral("InA") : QStringLiteral("Out1");
    shares.push_back({QStringLiteral("rzbMenu") + s, QStringLiteral("rzbMenu") + first, true});
    shares.push_back({QStringLiteral("rzbPhase") + s, QStringLiteral("rzbPhaseBackup") + first, true});
    shares.push_back({QStringLiteral("rzbPhaseBackup") + s, QStringLiteral("rzbPhaseBackup") + first, true});
    shares.push_back({QStringLiteral("rzbMute") + s, QStringLiteral("rzbMuteBackup") + first, false});
    shares.push_back({QStringLiteral("rzbMuteBackup") + s, QStringLiteral("rzbMuteBackup") + first, false});
    if (c >= 3) {
      for (const char* stem : {"rzbFirBypass", "rzbLowCutBypass", "rzbHighCutBypass"}) {
        shares.push_back({QLatin1String(stem) + s, QLatin1String(stem) + first, true});
      }
      const QString digit = QString::number(c - 2);
      for (const char* input : {"A", "B", "C"}) {
        shares.push_back({QStringLiteral("rzb") + QLatin1String(input) + QStringLiteral("MatrixOut") + digit,
                          QStringLiteral("rzbAMatrixOut1"), false});
      }
    }
  }
  for (const Share& share : shares) {
    auto* button = Named<TRzBmpButton>(share.button);
    auto* source = Named<TRzBmpButton>(share.templateName);
    if (button == nullptr || source == nullptr) {
      return;  // start-up ends at a missing button
    }
    if (button == source) {
      continue;
    }
    TRzButtonBitmaps& to = button->Bitmaps();
    const TRzButtonBitmaps& from = source->Bitmaps();
    to.SetDown(from.Down());
    to.SetHot(from.Hot());
    to.SetStayDown(from.StayDown());
    if (share.disabled) {
      to.SetDisabled(from.Disabled());
    }
  }
}

void TfmMain::BindHandlers() {
  for (TRzBmpButton* button : m_controls.PageButtons) {
    button->OnClick = [this](TObject* sender) { rzbMenuInAClick(sender); };
  }
  for (const char* name : {"ChineseSimplified", "English"}) {
    m_controls.MainMenu.Find(QLatin1String(name))->OnClick = [this](TObject* sender) { LanguageClick(sender); };
  }
  m_controls.pbMatrix->OnPaint = [this](TObject*) { PaintRoutingOverview(); };
  OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
  BindOverviewHandlers();
  BindMenuHandlers();
  BindFilterEditing();
  BindLiveDisplay();
  BindPresetHandlers();
  BindDialogHandlers();
  BindUnitDialogHandlers();
  BindLockDialogHandlers();
  BindLevelEditing();
  BindDynamicsEditing();
  BindFirEditing();
  BindLinkCommandHandlers();
}

void TfmMain::BindMenuEntries(std::initializer_list<MenuEntryHandler> entries) {
  for (const auto& [entry, handler] : entries) {
    if (TMenuItem* item = m_controls.MainMenu.Find(QLatin1String(entry))) {
      item->OnClick = [this, handler = handler](TObject* sender) { (this->*handler)(sender); };
    }
  }
}
