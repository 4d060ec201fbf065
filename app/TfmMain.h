#pragma once

#include <array>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <utility>

#include <QByteArrayView>
#include <QString>

#include "app/FirDesignerGlue.h"
#include "app/TfmMainControls.h"
#include "components/MainWindowState.h"
#include "dialogs/IDialogHost.h"
#include "dsp/Plot.h"
#include "editors/IEditorWindow.h"
#include "editors/dynamics/CompressorEditor.h"
#include "editors/dynamics/DynamicsPanels.h"
#include "editors/dynamics/GateEditor.h"
#include "editors/dynamics/LimiterEditor.h"
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
class TfmFirDesign;
class TfmFirDownload;
class TfmPeqRst;
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
  /// The client area (below the menu bar) at the design size: the design
  /// size is the outer size, frame, caption and menu bar included.
  static constexpr int DesignClientWidth = 1117;
  static constexpr int DesignClientHeight = 677;
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
  /// The close request: asks through the quit dialog first; once the exit
  /// is allowed the window closes, every transport and socket is closed and
  /// the program's message loop ends.
  void FormClose(TObject* Sender, TCloseAction& Action);
  /// From now on an allowed close also ends the program's message loop
  /// (the program entry's window; a window of a test leaves the loop alone).
  void EndProgramOnClose() { m_endsProgram = true; }

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
  /// Sizes the window to an outer size of width x height (the size the
  /// layout works with).
  void SetOuterSize(int width, int height);
  int OuterWidth() const;
  int OuterHeight() const;
  void PaintRoutingOverview();
  unsigned LinkMaskOf(int channel) const override;
  QByteArray GetChannelName(int channel) const override;
  void SetChannelName(int channel, const QByteArray& name) override;
  /// An overview name label's click: the channel name dialog for the
  /// label's channel (its Tag), starting from the label's caption.
  void lbMatrixChNameInAClick(TObject* Sender);

  // Menu entries and labels that open dialogs other issues build; empty
  // until those dialogs land.
  // Test signal, channel names, source and type selection and the remote
  // code reference (TfmMain_UnitDialogs.cpp).
  /// The menu entries: their dialogs shown modally; Rs232Code shows the
  /// English reference when LanguageName is "English", else the Chinese one.
  void InOutSelectClick(TObject* Sender);
  void SourceSelectClick(TObject* Sender);
  void TestToneClick(TObject* Sender);
  void ChNameListClick(TObject* Sender);
  void Rs232CodeClick(TObject* Sender);
  /// TfmChannelName::SetChannel(channel), TfmChannelName::SetNameText(name),
  /// then fmChannelName shown modally.
  void ShowChannelNameDialog(int channel, const QByteArray& name);
  /// The channel's pairing bit of the unit model.
  bool GetSourcePair(int channel) const override;
  /// Sets or clears the channel's pairing bit and sends CMD_SOURCE_PAIR.
  void SetSourcePair(int channel, int flag) override;

  // Preset lists, program box and channel copy (TfmMain_Dialogs.cpp).
  /// The preset group's store and recall buttons: the list shown modally.
  void bStoreClick(TObject* Sender);
  void bRecallClick(TObject* Sender);
  /// The main menu's About and Copy entries: their dialogs shown modally.
  void AboutClick(TObject* Sender);
  void CopyClick(TObject* Sender);
  void ExitClick(TObject* Sender);

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
  void ReportProbeResult(int result) override;
  void ReportLinkBroken() override;
  bool ProbeAnswered() const override;
  bool IsSearchDialogVisible() const override;
  void HideSearchDialog() override;
  void ShowSearchDialogAgain() override;
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
  void SetSearchStatus(const QString& text) override;
  void ShowAddress(std::uint32_t address) override;
  void AddTrafficLogLine(const QString& line) override;
  // Device search, network setup and the link commands
  // (TfmMain_LinkCommands.cpp); the search dialog's calls of ILinkWindow
  // are in TfmMain_LinkWindow.cpp.
  /// The link button: goodbye and offline 300 ms later while linked, else
  /// a discovery pass and a new search in the search dialog.
  void rzbMenuLinkClick(TObject* Sender);
  void ConnectedClick(TObject* Sender);
  void NetworkSetupClick(TObject* Sender);
  /// Online: the factory-default confirmation; offline: "connect first".
  void FactoryDefaultClick(TObject* Sender);
  void ConnectHelpClick(TObject*) {}
  void SettingIDClick(TObject*) {}
  void BlockDiagramClick(TObject*) {}
  void StartFactoryReset() override;
  bool HasUsbDevice() const override;
  bool HasUnitAddress() const override;
  void SetComPortName(const QString& name) override;
  void OpenSerialLink() override;
  void OpenUsbLink() override;
  void OpenNetworkLink() override;
  void Disconnect() override;
  void ActivateClientSocket() override;
  void SendDiscovery() override;
  void EnableLinkControls() override;
  void ClickNetworkSetup() override;
  void SetUnitId(int id) override;
  void SetClientAddress(std::uint32_t address) override;
  void SetManualUnitAddress(std::uint32_t address) override;

  // Level, matrix and delay editing, and the typed value entry
  // (TfmMain_LevelEditing.cpp).
  /// Lays out a channel's delay time label and dashes from its picture.
  void UpdateDelayLine(int channel) { m_delayEditor.UpdateDelayLine(channel); }
  /// The delay unit buttons' handler: re-formats the nine delays.
  void rzbUnit0Click(TObject* Sender) { m_delayEditor.rzbUnit0Click(Sender); }
  LevelEditor& Levels() { return m_levelEditor; }
  MatrixEditor& Matrix() { return m_matrixEditor; }
  DelayEditor& Delays() { return m_delayEditor; }

  // Dynamics editing (TfmMain_DynamicsEditing.cpp): the panels the refresh
  // redraws; the handlers live in editors/dynamics.
  void RefreshCompressorPanel(int channel) { m_dynamicsPanels.RefreshCompressorPanel(channel); }
  void RefreshGatePanel(int channel) { m_dynamicsPanels.RefreshGatePanel(channel); }
  void RefreshLimiterPanel(int channel) { m_dynamicsPanels.RefreshLimiterPanel(channel); }
  CompressorEditor& Compressors() { return m_compressorEditor; }
  GateEditor& Gates() { return m_gateEditor; }
  LimiterEditor& Limiters() { return m_limiterEditor; }

  // Per-channel FIR (TfmMain_FirEditing.cpp): the budget and senders other
  // parts of the window call; the handlers live in editors/fir.
  FirEditing& Fir() { return *m_firEditing; }
  bool ReserveFirTaps(int n);
  void SendFirCoefficients(int channel, int taps);
  /// One step of the progress window, then the channel's stored
  /// coefficients sent as the FIR of stored preset `preset` (1-30).
  void StoreFirCoefficientsInEeprom(int preset, int channel, int count);
  /// The FIR design dialog's result for an input or an output.
  void ApplyInputFir(int channel, int taps, QByteArrayView name, std::span<const double> values);
  void ApplyOutputFir(int channel, int taps, QByteArrayView name, std::span<const double> values);
  /// Sets `FirTapsInUse` to the taps the unit image charges.
  void RecountFirTapsInUse();
  /// The nine Design buttons: the FIR design dialog for the button's channel.
  void rzbFirDesignInAClick(TObject* Sender);
  /// The menu item: the FIR design dialog for the channel it had last.
  void FirDesignClick(TObject* Sender);

  // FIR designer and the equaliser reset and FIR download confirmations
  // (TfmMain_FirDesigner.cpp).
  /// SetDesignChannel(channel), then fmFirDesign shown modally.
  void ShowFirDesigner(int channel);
  /// What the designer asks of the window.
  FirDesignerGlue& FirDesigner() { return m_firDesigner; }
  /// The OK actions of the confirmations: the download hands the designer's
  /// FIR to this window; the reset resets a channel, or above 8 the
  /// designer's equaliser.
  void BindFirDesignDialogs(TfmFirDesign& designer, TfmPeqRst& reset, TfmFirDownload& download);

  // Channel link and copy (TfmMain_ChannelLinks.cpp).
  /// The Link menu entry: the link dialog shown modally.
  void LinkClick(TObject* Sender);
  /// Stores the channel's link mask in the unit model, which sends it.
  void SendChannelLink(int channel, int mask) override;
  /// Copies source onto every channel of destination's link group (same
  /// kind) within the FIR tap budget: online the unit copies (finish: its
  /// acknowledgement has it read back), offline the unit model and the FIR
  /// store (finish: the window is refreshed).
  void CopyChannel(int source, int destination, int finish) override;
  bool ChargeLinkChanges(std::span<const LinkOperation> operations) override;
  void CopyChargedChannel(int source, int destination, int finish) override;
  void ReloadAfterLinkChange() override;
  /// Hiding also switches the buttons off and removes the channel's curves.
  void UpdateLinkShowButtons(int channel, bool visible) override;
  /// "InA"/"Out1" for a leader, "B=A"/"3=1" for a member.
  void UpdateLinkCaption(int leader, int channel) override;
  /// An input's taps unless bypassed; an output's in FIR or IIR + FIR mode
  /// with its FIR on: a coefficient set's tap count, a designed FIR's
  /// n x 32 + 256.
  int ChannelFirTaps(int channel) const override;
  unsigned LinkGroupMask(int channel) const;
  void ShowGainPage() override;

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
  int GetAccessLockState() const override;
  void SetAccessLockState(int value) override;
  void HideLockModeEntry() override;

  /// The text tables, loaded from the program's resources at construction.
  LanguageTable moEnglish;
  LanguageTable moSimplified;

protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

private:
  /// A main-menu entry's name and the handler its click runs.
  using MenuEntryHandler = std::pair<const char*, void (TfmMain::*)(TObject*)>;
  void BindHandlers();
  /// Hands each named main-menu entry's click to its handler; a name the
  /// menu lacks is skipped.
  void BindMenuEntries(std::initializer_list<MenuEntryHandler> entries);
  void SharePagePictures();
  /// The equaliser reset confirmation for the channel, shown modally.
  void ShowPeqResetDialog(int channel);
  void BindFilterEditing();
  /// The shown output page's own designer settings into the pending record.
  void CopyFirDesignSettings(int channel);
  // Network discovery (TfmMain_Network.cpp).
  void MakeHostBroadcastAddress();
  void BuildHostBroadcastList();
  void BindNetworkHandlers();
  void BindLinkCommandHandlers();
  void BindOverviewHandlers();
  void BindMenuHandlers();
  // Refresh and live display: the bound controls, the channel steps and the
  // steps other areas fill (curves, output mode view, delay
  // unit and delay lines, dialog mirrors), empty until those land.
  void BindLiveDisplay();
  void RefreshInput(int channel);
  void RefreshOutput(int channel);
  void RefreshChannelTail(int channel);
  void RefreshOutputModeControls(int channel);
  void ShowChannelLinks(int channel, unsigned mask);
  void UpdateMainChannelButtons();
  void UpdateMainLinkCaptions();
  // The dialogs' side of the refresh (TfmMain_UnitDialogs.cpp).
  /// The type dialog's input and output type lists, from the unit image.
  void ShowSourceTypeLists();
  /// The type dialog's DanteAvailable and its Dante output lists.
  void SetDanteAvailable(int flag);
  void ShowSourceTypeLabel(int group, int pair, int value);
  /// The test dialog: the radio button of the mode, SignalMode, the sine
  /// frequency and the level, from the unit image.
  void SetSignalMode(int mode);
  void BindUnitDialogHandlers();
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
  bool m_endsProgram = false;
  std::array<std::unique_ptr<Plot>, IEditorWindow::kResponseCurveCount> m_responseCurves;
  std::unique_ptr<FilterEditing> m_filterEditing;
  // Per-channel FIR.
  void BindFirEditing();
  std::unique_ptr<FirEditing> m_firEditing;
  int m_firDesignChannel = 0;  ///< the channel the FIR design dialog had last
  bool m_probeAnswered = false;  ///< the last probe's result while fmNetwork does not exist
  std::unique_ptr<LiveControls> m_live;
  // Level, matrix and delay editing, and the typed value entry.
  LevelEditor m_levelEditor{*this};
  MatrixEditor m_matrixEditor{*this};
  DelayEditor m_delayEditor{*this};
  EqValueEntry m_eqValueEntry{*this};
  // Dynamics editing.
  void BindDynamicsEditing();
  DynamicsPanels m_dynamicsPanels{*this};
  CompressorEditor m_compressorEditor{*this, m_dynamicsPanels};
  GateEditor m_gateEditor{*this, m_dynamicsPanels};
  LimiterEditor m_limiterEditor{*this, m_dynamicsPanels};
  // Start-up splash.
  std::unique_ptr<TAdvSmoothSplashScreen> m_asScreen;
  // FIR designer.
  FirDesignerGlue m_firDesigner{*this};
  /// The first show re-sizes the window: the shown menu bar may be higher
  /// than it measured before.
  bool m_shownOnce = false;
};

/// The main window while it exists, else null.
extern TfmMain* fmMain;
