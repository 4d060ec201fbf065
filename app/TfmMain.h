#pragma once

#include <array>
#include <memory>
#include <optional>

#include <QString>

#include "app/TfmMainControls.h"
#include "components/MainWindowState.h"
#include "dialogs/IDialogHost.h"
#include "dsp/Plot.h"
#include "editors/IEditorWindow.h"
#include "editors/level/DelayEditor.h"
#include "editors/level/EqValueEntry.h"
#include "editors/level/LevelEditor.h"
#include "editors/level/MatrixEditor.h"
#include "link/ILinkWindow.h"
#include "link/IPresetWindow.h"
#include "link/INetworkView.h"
#include "link/IUsbStatusView.h"
#include "link/NetworkEndpoints.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TForm.h"
#include "protocol/IUnitHost.h"
#include "resources/LanguageTable.h"

class FilterEditing;
class FirEditing;
class HidSystem;
class ILinkTransportFactory;
class LPresetExchange;
class TAdvSmoothSplashScreen;
class LUnitControl;
struct LiveControls;
class LUnitSession;
class NetworkGlue;
class UsbHidGlue;

/// The editor's main window: the hub through which editors, dialogs and the
/// link layer reach the unit. Its controls are built in code and found by
/// their names in Controls(); it owns the unit model, the link session, the
/// HID glue and the twelve response-curve objects. One instance, `fmMain`,
/// lives for the whole run. GUI thread only.
class TfmMain : public TForm,
                public IUnitHost,
                public ILinkWindow,
                public IUsbStatusView,
                public INetworkView,
                public IEditorWindow,
                public IDialogHost,
                public IPresetWindow {
public:
  /// The factory must outlive the window; `hid` may be null (no USB link);
  /// without `network` the window neither finds nor links units on the
  /// network (and sends nothing there).
  TfmMain(ILinkTransportFactory& factory, std::shared_ptr<HidSystem> hid,
          std::optional<NetworkEndpoints> network = std::nullopt, QWidget* parent = nullptr);
  ~TfmMain() override;

  static constexpr int DesignWidth = MainWindowState::kDesignWidth;
  static constexpr int DesignHeight = MainWindowState::kDesignHeight;
  /// The unit's factory address: destination of UDP frames, the TCP
  /// client's address and SelectedUnitAddress at start.
  static constexpr std::uint32_t kDefaultUnitAddress = NetworkEndpoints::kFactoryUnitAddress;

  /// The values of LanguageName.
  static constexpr char LanguageEnglish[] = "English";
  static constexpr char LanguageChineseGB[] = "ChineseGB";

  /// The text of a key ("SID_...") in the current language: the table is
  /// moSimplified when LanguageName is "ChineseGB", else moEnglish. A missing
  /// key yields the table's first line.
  QString LookUpText(const QString& key) const override;

  // IEditorWindow and IDialogHost.
  ControlRegistry& Controls() override { return m_registry; }
  const ControlRegistry& Controls() const { return m_registry; }
  MainWindowState& State() override { return m_state; }
  LUnitControl& UnitControl() override { return *m_unitControl; }
  LUnitSession& Session() override { return *m_session; }
  Plot& ResponseCurve(int index) override { return *m_responseCurves.at(index); }
  TfmMainControls& Form() { return m_controls; }
  UsbHidGlue* Glue() { return m_glue.get(); }
  /// The network glue, or null without network endpoints.
  NetworkGlue* Network() { return m_network.get(); }

  // IUnitHost.
  bool IsRefreshingControls() const override { return m_state.RefreshingControls; }
  void SendCommand(const LCmd& command, bool forceAppend, int mode) override;
  /// Marks the channel's total as changed on every plot that copies it.
  void MarkCurveOverlayDirty(int channel) override;
  int GetUnitId() const override;

  void CloseMainWindow() override { Close(); }
  bool IsUnitOnline() const override;
  /// Copies one channel's setting onto another; empty until the channel
  /// copy lands.
  void CopyChannel(int, int, int) override {}
  /// The close request: asks through the quit dialog first; once the exit
  /// is allowed the window closes and every transport is closed.
  void FormClose(TObject* Sender, TCloseAction& Action);

  // Start-up (TfmMain_Startup.cpp).
  /// The start-up sequence; the constructor runs it once.
  void FormCreate();

  // Start-up splash (TfmMain_Splash.cpp).
  /// Makes asScreen with the window's splash settings and shows it; showing
  /// the window takes it away.
  void ShowSplash();
  TAdvSmoothSplashScreen* asScreen() const { return m_asScreen.get(); }

  // Language (TfmMain_Language.cpp).
  /// Sets every text of the window's menu, buttons, labels and band panels
  /// from the current table; a missing control ends the pass.
  void ApplyLanguageTexts();
  /// The language menu entries' handler: Tag 0 Chinese, 2 English.
  void LanguageClick(TObject* Sender);

  // Pages, layout and overview (TfmMain_Pages.cpp).
  /// Page button handler: shows the page of the button's Tag.
  void rzbMenuInAClick(TObject* Sender);
  /// The layout for a window dw wider and dh higher than the design size
  /// (negative: leave that direction); Layout(0, 0) is the built geometry.
  void Layout(int dw, int dh);
  /// The window's resize event.
  void FormResize();
  void PaintRoutingOverview();
  unsigned LinkMaskOf(int channel) const;
  QByteArray GetChannelName(int channel) const;
  void SetChannelName(int channel, const QByteArray& name);
  /// An overview name label's click: the channel name dialog for the
  /// label's channel (its Tag), starting from the label's caption.
  void lbMatrixChNameInAClick(TObject* Sender);

  // Menu entries and labels that open dialogs other issues build; empty
  // until those dialogs land.
  /// Shows fmInOutSelect modally.
  void InOutSelectClick(TObject*) {}
  /// Shows fmSourceSelect modally.
  void SourceSelectClick(TObject*) {}
  /// Shows the channel link dialog fmLinkSel modally.
  void LinkClick(TObject*) {}
  /// TfmChannelName::SetChannel(channel), TfmChannelName::SetNameText(name),
  /// then fmChannelName shown modally.
  void ShowChannelNameDialog(int /*channel*/, const QByteArray& /*name*/) {}

  // Preset lists, program box and channel copy (TfmMain_Dialogs.cpp).
  /// The preset group's store and recall buttons: the list shown modally.
  void bStoreClick(TObject* Sender);
  void bRecallClick(TObject* Sender);
  /// The main menu's About and Copy entries: their dialogs shown modally.
  void AboutClick(TObject* Sender);
  void CopyClick(TObject* Sender);

  // ILinkWindow (TfmMain_LinkWindow.cpp).
  // The progress window and the preset lists (TfmMain_Dialogs.cpp).
  void ShowProgressModal() override;
  void CloseProgress() override;
  void SetProgressStatus(const QString& text) override;
  int ProgressPosition() const override;
  void SetProgressPosition(int position) override;
  int ProgressMax() const override;
  void SetProgressMax(int max) override;
  void ShowInformation(const QString& text) override;
  void ReportProbeResult(int result) override { m_probeAnswered = result != 0; }
  void ReportLinkBroken() override { m_probeAnswered = false; }
  bool ProbeAnswered() const override { return m_probeAnswered; }
  bool IsSearchDialogVisible() const override { return false; }
  void HideSearchDialog() override {}
  void ShowSearchDialogAgain() override {}
  void SetRecallPresetRow(int row, const QByteArray& name) override;
  void SetStorePresetRow(int row, const QByteArray& name) override;
  void SetUnitIdLabel(const QString& text) override;
  void SetLinkLabel(const QString& text) override;
  void SetLinkButtonCaption(const QString& text) override;
  void SetConnectCaption(const QString& text) override;
  void SetLinkButtonDown(bool down) override;
  void SetLinkControlsEnabled(bool enabled) override;
  void SetAddressControlsEnabled(bool enabled) override;
  std::uint32_t SelectedUnitAddress() const override { return m_state.SelectedUnitAddress; }
  void ShowOfflineCaption() override;
  void RefreshAllFromUnit() override;
  void StartLevelPoll() override;
  void StopLiveDisplay() override;
  void ShowLevels(std::span<const std::uint8_t> payload) override;
  void SetUserLockState(int userLockState) override;
  void SetPanelLockPermissions(int inputs, int outputs, int presets) override;
  void SetMenusLocked(bool locked) override;
  void StartUnlockPrompt() override;
  void SetPasswordVerdict(int verdict) override;
  void RescanHidDevices() override;
  void RestoreWorkingFolder() override;
  void AddTrafficLine(const QString& line) override;

  // Presets and files (TfmMain_Presets.cpp).
  LPresetExchange& PresetExchange() { return *m_presetExchange; }
  /// Called by the preset name dialog: store-list row 0-29, 14 characters.
  void StorePreset(int row, const QByteArray& name) override;
  /// Called by the preset name dialog: recall-list row 0-30.
  void RecallPreset(int row) override;
  void UploadAllPresets();
  void DownloadUnitFile();
  void SaveSettingFile();
  void OpenSettingFile();
  /// The file menu's Open, Save, Upload and Download entries.
  void OpenClick(TObject* Sender);
  void SaveClick(TObject* Sender);
  void UploadClick(TObject* Sender);
  void DownloadClick(TObject* Sender);
  void SetRefreshingControls(bool refreshing) { m_state.RefreshingControls = refreshing; }
  // IPresetWindow.
  std::optional<QString> ChoosePresetFile(PresetFileKind kind, bool save) override;
  void ShowProgressModeless() override;
  void SetMainWindowEnabled(bool enabled) override;
  void ShowPresetLabels(const QString& number, const QByteArray& name) override;

  // IUsbStatusView.
  QString StatusText() const override;
  void SetStatusText(const QString& text) override;
  bool IsMainWindowVisible() const override { return isVisible(); }
  void ShowReadError(const QString& text) override;

  // Filter editing (TfmMain_FilterEditing.cpp): the routines other parts of
  // the window call; the handlers live in editors/filter.
  FilterEditing& Filters() { return *m_filterEditing; }
  void ShowPeqBandValues(int channel, bool enabled, double frequency, double gain, double q);
  void ResetChannelPeq(int channel);
  void LoadPeqCurve(TControl* plot);
  void UpdateFirCurve(TControl* plot);
  void UpdateLowCutCurve(TControl* plot);
  void UpdateHighCutCurve(TControl* plot);
  void UpdateCompressorEqCurve();
  void RefreshGainSummaryCurves();
  void RefreshChannelOverlayCurves(int channel);
  // Refresh, live display and lock (TfmMain_Refresh.cpp, TfmMain_PeqSelection.cpp,
  // TfmMain_Meters.cpp, TfmMain_Lock.cpp).
  /// Every meter and lamp to 0, the DSP load to 0.0 % in white; offline after
  /// start-up also the panel lock cleared and the menus unlocked.
  void ResetLiveDisplay();
  /// No equaliser band selected on any channel.
  void ClearPeqBandSelection() override;
  /// Band 1 selected on every channel, its values on the band controls.
  void SelectFirstPeqBand();
  /// Enables or disables pages and controls by the panel-lock permission
  /// bytes, only while the access lock restricts the editor.
  void ApplyPanelLock();
  void tmInLevelDetTimer(TObject* Sender);
  void tmMipsFlashTimer(TObject* Sender);
  void tmPresetLoadCountTimer(TObject* Sender);
  void UnlockPromptTimer(TObject* Sender);
  /// Shows the unlock password dialog modally.
  virtual void ShowUnlockDialog();
  // Network link and discovery (TfmMain_Network.cpp): INetworkView.
  int AddressCount() const override;
  QString AddressAt(int index) const override;
  void InsertAddress(int index, const QString& text) override;
  void ClearAddresses() override;
  int SelectedAddressIndex() const override;
  void SelectAddress(int index) override;
  void ShowAddressList() override;
  std::uint32_t GetSelectedUnitAddress() const override { return m_state.SelectedUnitAddress; }
  void SetSelectedUnitAddress(std::uint32_t address) override { m_state.SelectedUnitAddress = address; }
  void SetHostCheckEnabled(bool enabled) override;
  /// The search dialog's status label and the setup dialog's address: empty
  /// until those dialogs exist.
  void SetSearchStatus(const QString&) override {}
  void ShowAddress(std::uint32_t) override {}
  void AddTrafficLogLine(const QString& line) override;
  // Level, matrix and delay editing, and the typed value entry
  // (TfmMain_LevelEditing.cpp).
  /// Lays out a channel's delay time label and dashes from its picture.
  void UpdateDelayLine(int channel) { m_delayEditor.UpdateDelayLine(channel); }
  /// The delay unit buttons' handler: re-formats the nine delays.
  void rzbUnit0Click(TObject* Sender) { m_delayEditor.rzbUnit0Click(Sender); }
  LevelEditor& Levels() { return m_levelEditor; }
  MatrixEditor& Matrix() { return m_matrixEditor; }
  DelayEditor& Delays() { return m_delayEditor; }

  // Per-channel FIR (TfmMain_FirEditing.cpp): the budget and senders other
  // parts of the window call; the handlers live in editors/fir.
  FirEditing& Fir() { return *m_firEditing; }
  bool ReserveFirTaps(int n);
  void SendFirCoefficients(int channel, int taps);
  /// Sets `FirTapsInUse` to the taps the unit image charges.
  void RecountFirTapsInUse();

  // Lock dialogs and the dialogs behind hidden menu entries
  // (TfmMain_LockDialogs.cpp).
  /// The Lock entry and the Help menu's LockSetup entry: the lock setting, modal.
  void LockClick(TObject* Sender);
  void LockSetupClick(TObject* Sender);
  /// The LockMode entry: the lock-mode choice, modal.
  void LockModeClick(TObject* Sender);
  /// The Help menu's MemoShow and HidData entries: their windows, not modal.
  void MemoShowClick(TObject* Sender);
  void HidDataClick(TObject* Sender);
  void StartDisconnectTimer() override;
  void SetAccessLockState(int value) override;
  void ShowGainPage() override;
  void HideLockModeEntry() override;
  void StartFactoryReset() override {}

  /// The text tables, loaded from the program's resources at construction.
  LanguageTable moEnglish;
  LanguageTable moSimplified;

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  void BindHandlers();
  void SharePagePictures();
  /// The equaliser reset confirmation; empty until its dialog lands.
  void ShowPeqResetDialog(int) {}
  void BindFilterEditing();
  void CopyFirDesignSettings(int) {}
  // Network discovery (TfmMain_Network.cpp).
  void SendDiscovery();
  void MakeHostBroadcastAddress();
  void BuildHostBroadcastList();
  void BindNetworkHandlers();
  void BindOverviewHandlers();
  void BindMenuHandlers();
  // Refresh and live display: the bound controls, the channel steps and the
  // steps other areas fill (curves, output mode view, dynamics pages, delay
  // unit and delay lines, dialog mirrors), empty until those land.
  void BindLiveDisplay();
  void RefreshInput(int channel);
  void RefreshOutput(int channel);
  void RefreshChannelTail(int channel);
  void RefreshOutputModeControls(int channel);
  void RefreshGatePanel(int) {}
  void RefreshCompressorPanel(int) {}
  void RefreshLimiterPanel(int) {}
  void ShowChannelLinks(int, unsigned) {}
  void UpdateMainChannelButtons() {}
  void UpdateMainLinkCaptions() {}
  void SetDanteAvailable(int) {}
  void ShowSourceTypeLabel(int, int, int) {}
  void SetSignalMode(int) {}
  void BindPresetHandlers();
  void BindDialogHandlers();
  void BindLevelEditing();
  void BindLockDialogHandlers();
  template <class T>
  T* Named(const QString& name) const {
    return m_registry.Find<T>(name);
  }

  MainWindowState m_state;
  ControlRegistry m_registry;
  TfmMainControls m_controls;
  std::unique_ptr<LUnitControl> m_unitControl;
  std::unique_ptr<LUnitSession> m_session;
  std::unique_ptr<UsbHidGlue> m_glue;
  std::unique_ptr<LPresetExchange> m_presetExchange;  ///< presets and files
  // Network link and discovery.
  NetworkEndpoints m_endpoints;
  std::unique_ptr<NetworkGlue> m_network;
  std::array<std::unique_ptr<Plot>, IEditorWindow::kResponseCurveCount> m_responseCurves;
  std::unique_ptr<FilterEditing> m_filterEditing;
  // Per-channel FIR.
  void BindFirEditing();
  std::unique_ptr<FirEditing> m_firEditing;
  bool m_probeAnswered = false;
  std::unique_ptr<LiveControls> m_live;
  // Level, matrix and delay editing, and the typed value entry.
  LevelEditor m_levelEditor{*this};
  MatrixEditor m_matrixEditor{*this};
  DelayEditor m_delayEditor{*this};
  EqValueEntry m_eqValueEntry{*this};
  // Start-up splash.
  std::unique_ptr<TAdvSmoothSplashScreen> m_asScreen;
};

/// The main window while it exists, else null.
extern TfmMain* fmMain;
