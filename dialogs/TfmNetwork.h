#pragma once

#include "platform/threads/TTimer.h"
#include "platform/widgets/TForm.h"

class IDialogHost;
class TAdvProgressBar;
class TImage;
class TRzBmpButton;
class TRzComboBox;
class TRzGroupBox;
class TRzLabel;

/// The device search: tries the USB unit when its HID device is held, else
/// the network unit when a unit address is known, then every serial port
/// in port order, each through the main window's open routines, and stops
/// at the first whose unit answers the connect request. It also offers the
/// demo mode and the network setup. Made at start-up and kept; a fixed
/// dialog without border icons, on top, centred. The probes run in the
/// transports; the dialog only steps on its timers. GUI thread only.
class TfmNetwork : public TForm {
public:
  explicit TfmNetwork(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmNetwork() override;

  TImage* imBase = nullptr;
  TRzGroupBox* GroupBox1 = nullptr;
  TRzComboBox* cbCOM = nullptr;  ///< hidden: the serial ports of a search
  TRzLabel* lblScan = nullptr;
  TAdvProgressBar* pbScan = nullptr;
  TRzLabel* lblDeviceID = nullptr;
  TRzBmpButton* btnOK = nullptr;
  TRzBmpButton* btnExit = nullptr;
  TRzBmpButton* btnId = nullptr;

  TTimer tmConnect;        ///< the next step, 100 ms after a result
  TTimer tmLinkBroken;     ///< "Link Broken" 100 ms after a serial open failed
  TTimer tmRunUsbConnect;  ///< the probes start 100 ms after their labels
  TTimer tmRunNetConnect;
  TTimer tmRunComConnect;
  TTimer tmWatchDog;       ///< ends a probe that brings no result

  /// A new search: buttons disabled, candidates built, the first probed.
  void StartSearch();
  /// Lists the serial ports and starts the first candidate.
  void BuildCandidates();
  /// 1: the probed unit answered; 0: not. The next step follows 100 ms later.
  void ReportProbeResult(int value);
  /// A serial port could not be opened or a working link broke.
  void ReportLinkBroken();
  /// Whether the last probe was answered (Disconnect asks).
  bool ProbeAnswered() const { return m_probeResult != 0; }
  int CandidateIndex() const { return m_candidateIndex; }
  int ExtraCandidates() const { return m_extraCandidates; }
  /// Closes a modal showing, hides a modeless one.
  void HideDialog();

  void FormShow(TObject* Sender);
  void btnOKClick(TObject* Sender);
  void btnExitClick(TObject* Sender);
  void btnIdClick(TObject* Sender);
  void tmRunUsbConnectTimer(TObject* Sender);
  void tmRunNetConnectTimer(TObject* Sender);
  void tmRunComConnectTimer(TObject* Sender);
  void tmWatchDogTimer(TObject* Sender);
  void tmConnectTimer(TObject* Sender);
  void tmLinkBrokenTimer(TObject* Sender);

private:
  int Total() const;
  void SetButtonsEnabled(bool enabled);
  void ShowCounter();
  /// Labels and progress of candidate CandidateIndex, the watchdog started.
  void StartCandidate(const QString& status, int watchdogMs);
  /// The serial port of candidate CandidateIndex: its labels, ComPortName
  /// and the probe.
  void StartSerialCandidate();
  void ShowNoDevice();

  IDialogHost& m_host;
  int m_probeResult = 0;
  int m_candidateIndex = 0;
  int m_extraCandidates = 0;
};

/// The device search dialog while it exists, else null.
extern TfmNetwork* fmNetwork;
