#include "app/TfmMain.h"

#include <stdexcept>

#include <QDir>
#include <QMessageBox>
#include <QCoreApplication>

#include "app/ChannelControls.h"
#include "app/builders/ControlFactory.h"
#include "app/builders/MainWindowBuilder.h"
#include "components/LMyFFTDrawHpLp6dB.h"
#include "dialogs/TfmExit.h"
#include "editors/filter/FilterEditing.h"
#include "link/LPresetExchange.h"
#include "editors/fir/FirEditing.h"
#include "link/LUnitSession.h"
#include "link/NetworkGlue.h"
#include "link/NetworkPort.h"
#include "link/UsbHidGlue.h"
#include "platform/widgets/TLabel.h"
#include "protocol/LUnitControl.h"
#include "widgets/smooth/splash/TAdvSmoothSplashScreen.h"

TfmMain* fmMain = nullptr;

TfmMain::TfmMain(ILinkTransportFactory& factory, std::shared_ptr<HidSystem> hid,
                 std::optional<NetworkEndpoints> network, QWidget* parent)
    : TForm(parent) {
  // Without its texts the window would show blank captions: refuse to start.
  QString error;
  if (!LanguageTable::LoadBuiltIn(moEnglish, moSimplified, &error)) {
    throw std::runtime_error("krv71-editor: " + error.toStdString());
  }
  ControlFactory controls(m_registry, m_controls.Timers);
  MainWindowBuilder(*this, controls, m_controls).Build();
  SetMenu(&m_controls.MainMenu);
  m_unitControl = std::make_unique<LUnitControl>(*this);
  m_session = std::make_unique<LUnitSession>(*m_unitControl, *this, factory);
  if (hid != nullptr) {
    m_glue = std::make_unique<UsbHidGlue>(std::move(hid), *m_session, *this, *this);
  }
  m_presetExchange = std::make_unique<LPresetExchange>(*m_session, *m_unitControl, *this, *this);
  m_session->SetPresetExchange(m_presetExchange.get());
  if (network) {
    m_endpoints = *network;
    m_network = std::make_unique<NetworkGlue>(m_endpoints, *this);
    BindNetworkHandlers();
  }
  fmMain = this;
  BindHandlers();
  FormCreate();
}

TfmMain::~TfmMain() {
  if (fmMain == this) {
    fmMain = nullptr;
  }
}

QString TfmMain::LookUpText(const QString& key) const {
  return (m_state.LanguageName == QLatin1String(LanguageChineseGB) ? moSimplified : moEnglish).LookUpText(key);
}

void TfmMain::SendCommand(const LCmd& command, bool forceAppend, int mode) {
  m_session->SendCommand(command, forceAppend, mode);
}

int TfmMain::GetUnitId() const { return m_session->GetUnitId(); }

void TfmMain::MarkCurveOverlayDirty(int channel) {
  if (channel < 0 || channel > 8) {
    return;
  }
  const std::uint32_t bit = 1u << channel;
  if (channel < 3) {
    for (int entry : {0, 1, 2, 9}) {
      m_state.CurveOverlayMasks[entry] |= bit;
    }
  } else {
    for (int entry : {3, 4, 5, 6, 7, 8, 10}) {
      m_state.CurveOverlayMasks[entry] |= bit;
    }
  }
}

void TfmMain::FormClose(TObject*, TCloseAction& Action) {
  if (!m_state.ExitAllowed) {
    // Ask first; the dialog's OK allows the exit and closes the window again.
    if (fmExit != nullptr) {
      fmExit->ShowOver(this);
    }
    Action = TCloseAction::caNone;
    return;
  }
  Action = TCloseAction::caHide;
  m_session->CloseAllTransports();
  if (m_network != nullptr) {
    // No reply may reach the window once it has gone.
    m_network->Port()->Shutdown();
  }
  // Closing the main window ends the program.
  if (m_endsProgram) {
    QCoreApplication::exit(0);
  }
}

void TfmMain::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  if (!m_shownOnce) {
    m_shownOnce = true;
    SetOuterSize(DesignWidth, DesignHeight);
  }
}

void TfmMain::resizeEvent(QResizeEvent* event) {
  TForm::resizeEvent(event);
  FormResize();
}

void TfmMain::RestoreWorkingFolder() { QDir::setCurrent(QCoreApplication::applicationDirPath()); }

void TfmMain::RescanHidDevices() {
  if (m_glue != nullptr) {
    m_glue->HidCtlDeviceChange();
  }
}

QString TfmMain::StatusText() const {
  auto* label = Named<TLabel>(QStringLiteral("lbStatus"));
  return label != nullptr ? label->Caption() : QString();
}

void TfmMain::SetStatusText(const QString& text) {
  if (auto* label = Named<TLabel>(QStringLiteral("lbStatus"))) {
    label->SetCaption(text);
  }
}

void TfmMain::ShowReadError(const QString& text) {
  QMessageBox::information(this, LookUpText(QStringLiteral("SID_INFO_TITLE")), text);
}
