#pragma once

#include <array>
#include <memory>

#include <QString>

#include "app/TfmMainControls.h"
#include "components/MainWindowState.h"
#include "dialogs/IDialogHost.h"
#include "dsp/Plot.h"
#include "editors/IEditorWindow.h"
#include "link/ILinkWindow.h"
#include "link/IUsbStatusView.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TForm.h"
#include "protocol/IUnitHost.h"
#include "resources/LanguageTable.h"

class FilterEditing;
class FirEditing;
class HidSystem;
class ILinkTransportFactory;
class LUnitControl;
class LUnitSession;
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
                public IEditorWindow,
                public IDialogHost {
public:
  /// The factory must outlive the window; `hid` may be null (no USB link).
  TfmMain(ILinkTransportFactory& factory, std::shared_ptr<HidSystem> hid, QWidget* parent = nullptr);
  ~TfmMain() override;

  static constexpr int DesignWidth = MainWindowState::kDesignWidth;
  static constexpr int DesignHeight = MainWindowState::kDesignHeight;
  /// The unit's factory address: destination of UDP frames, the TCP
  /// client's address and SelectedUnitAddress at start.
  static constexpr std::uint32_t kDefaultUnitAddress = 0xC0A80164;  // 192.168.1.100

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

  // IUnitHost.
  bool IsRefreshingControls() const override { return m_state.RefreshingControls; }
  void SendCommand(const LCmd& command, bool forceAppend, int mode) override;
  /// Marks the channel's total as changed on every plot that copies it.
  void MarkCurveOverlayDirty(int channel) override;
  int GetUnitId() const override;

  void CloseMainWindow() override { Close(); }
  /// The close request: asks through the quit dialog first; once the exit
  /// is allowed the window closes and every transport is closed.
  void FormClose(TObject* Sender, TCloseAction& Action);

  // Start-up (TfmMain_Startup.cpp).
  /// The start-up sequence; the constructor runs it once.
  void FormCreate();

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

  // ILinkWindow (TfmMain_LinkWindow.cpp).
  void ShowProgressModal() override {}
  void CloseProgress() override {}
  void SetProgressStatus(const QString&) override {}
  int ProgressPosition() const override { return 0; }
  void SetProgressPosition(int) override {}
  int ProgressMax() const override { return 0; }
  void SetProgressMax(int) override {}
  void ShowInformation(const QString& text) override;
  void ReportProbeResult(int result) override { m_probeAnswered = result != 0; }
  void ReportLinkBroken() override { m_probeAnswered = false; }
  bool ProbeAnswered() const override { return m_probeAnswered; }
  bool IsSearchDialogVisible() const override { return false; }
  void HideSearchDialog() override {}
  void ShowSearchDialogAgain() override {}
  void SetRecallPresetRow(int, const QByteArray&) override {}
  void SetStorePresetRow(int, const QByteArray&) override {}
  void SetUnitIdLabel(const QString& text) override;
  void SetLinkLabel(const QString& text) override;
  void SetLinkButtonCaption(const QString& text) override;
  void SetConnectCaption(const QString& text) override;
  void SetLinkButtonDown(bool down) override;
  void SetLinkControlsEnabled(bool enabled) override;
  void SetAddressControlsEnabled(bool enabled) override;
  std::uint32_t SelectedUnitAddress() const override { return m_state.SelectedUnitAddress; }
  void ShowOfflineCaption() override;
  void RefreshAllFromUnit() override {}
  void StartLevelPoll() override;
  void StopLiveDisplay() override {}
  void ShowLevels(std::span<const std::uint8_t>) override {}
  void SetUserLockState(int) override {}
  void SetPanelLockPermissions(int, int, int) override {}
  void SetMenusLocked(bool) override {}
  void StartUnlockPrompt() override {}
  void SetPasswordVerdict(int) override {}
  void RescanHidDevices() override;
  void RestoreWorkingFolder() override;
  void AddTrafficLine(const QString&) override {}

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

  // Per-channel FIR (TfmMain_FirEditing.cpp): the budget and senders other
  // parts of the window call; the handlers live in editors/fir.
  FirEditing& Fir() { return *m_firEditing; }
  bool ReserveFirTaps(int n);
  void SendFirCoefficients(int channel, int taps);
  /// Sets `FirTapsInUse` to the taps the unit image charges.
  void RecountFirTapsInUse();

  /// The text tables, loaded from the program's resources at construction.
  LanguageTable moEnglish;
  LanguageTable moSimplified;

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  void BindHandlers();
  void SharePagePictures();
  /// Steps of the live display, the refresh and the curve overlays, called
  /// where start-up and the page switch need them; empty until those land.
  void ResetLiveDisplay() {}
  void ClearPeqBandSelection() {}
  /// The equaliser reset confirmation; empty until its dialog lands.
  void ShowPeqResetDialog(int) {}
  void BindFilterEditing();
  void CopyFirDesignSettings(int) {}
  void SendDiscovery() {}
  void MakeHostBroadcastAddress() {}
  void BuildHostBroadcastList() {}
  void BindOverviewHandlers();
  void BindMenuHandlers();
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
  std::array<std::unique_ptr<Plot>, IEditorWindow::kResponseCurveCount> m_responseCurves;
  std::unique_ptr<FilterEditing> m_filterEditing;
  // Per-channel FIR.
  void BindFirEditing();
  std::unique_ptr<FirEditing> m_firEditing;
  bool m_probeAnswered = false;
};

/// The main window while it exists, else null.
extern TfmMain* fmMain;
