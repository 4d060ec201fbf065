#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include <QObject>
#include <QString>

#include "link/AwaitedReads.h"
#include "link/ILinkTransport.h"
#include "link/ProcessState.h"
#include "platform/threads/TTimer.h"
#include "protocol/FirBlockReader.h"
#include "protocol/FirCoefficientStore.h"
#include "protocol/UnitImage.h"

class IPresetExchange;
class ILinkTransportFactory;
class ILinkWindow;
class LCmd;
class LUnitControl;

/// What the link knows of a reply: whether it answered the frame in flight
/// (a second answer to a resent frame, or a late one, does not), and that
/// frame's command code (0: not known).
struct ReplyOrigin {
  bool answersFrame = true;
  std::uint8_t answeredCode = 0;
};

/// The frame count of the open transport and which transport it is.
struct OpenLinkFrames {
  std::uint64_t generation = 0;
  LinkFrameCount count;
};

/// The editor's side of the link to the unit: the transport slots with the
/// send routine and its priority (serial, then USB, then network), opening
/// a link and the connect handshake, the reply dispatcher with the exchange
/// state (`ProcessState`, `BulkMode`), the read-out of the unit after
/// connecting, the FIR coefficient store with its block reader, link errors
/// and Disconnect. The main window owns it for the whole run, forwards its
/// send routine and the link menu to it and implements ILinkWindow; it is
/// the owner the transports send their reply and error events to. GUI
/// thread only.
class LUnitSession : public QObject {
public:
  /// How long a goodbye gets to be written before Disconnect closes.
  static constexpr std::chrono::milliseconds kGoodbyeGrace{250};
  static constexpr std::size_t kSlotTableSize = 31;

  /// The unit model, window and factory must outlive the session.
  LUnitSession(LUnitControl& unit, ILinkWindow& window, ILinkTransportFactory& factory);
  ~LUnitSession() override;
  LUnitSession(const LUnitSession&) = delete;
  LUnitSession& operator=(const LUnitSession&) = delete;

  /// Hands the owner of the preset and unit-file exchanges in (null: none).
  void SetPresetExchange(IPresetExchange* exchange) { m_exchange = exchange; }

  // Send routine and settings of the open transport.
  /// Frames the command (mode 1) and queues it on the open transport; dropped
  /// when none is open.
  void SendCommand(const LCmd& command, bool forceAppend, int mode = 1);
  void SetLinkTimeout(int milliseconds);
  /// The reply time-out while the unit stores a preset in its memory.
  static constexpr int kStoreTimeoutMs = 10000;
  void SetLinkRetries(int count);
  void SetKeepAliveSuppressed(bool suppressed);
  /// A page switch: the open serial transport may write its last frame once
  /// more at its next reply time-out, uncounted.
  void GrantSpareResend();
  /// Ids 1 to 254 only: UnitId, its label and the keep-alive's id.
  void SetUnitId(int id);
  int GetUnitId() const { return m_unitId; }
  bool IsUnitOnline() const { return m_unitOnline; }
  bool IsUnitLinked() const { return m_unitLinked; }
  bool IsAwaitingHello() const { return m_awaitingHello; }

  // Links.
  void SetComPortName(const QString& name) { m_comPortName = name; }
  const QString& ComPortName() const { return m_comPortName; }
  void OpenSerialLink();
  void OpenUsbLink();
  void OpenNetworkLink();
  bool HasTransport(LinkKind kind) const;
  bool HasAnyTransport() const;
  /// The open transport's frames handed in and answered; nothing when no
  /// transport is open.
  std::optional<OpenLinkFrames> OpenLinkFrameCount() const;
  /// Closes the open transport (by priority; a network one also ends its
  /// TCP connection) and, after a linked unit,
  /// sends it the goodbye first and puts the window offline.
  void Disconnect();
  /// Closes every transport, serial, USB, then network (shutdown); each
  /// first gets up to kGoodbyeGrace to write what is queued, and the
  /// network's TCP connection ends with it.
  void CloseAllTransports();
  /// Starts `tmDisconnect`: 300 ms later, if a transport is open,
  /// Disconnect and tell the search dialog the link broke.
  void StartDisconnectTimer() { m_disconnectTimer.SetEnabled(true); }

  // Replies and errors.
  /// One complete reply frame (`WM_LINK_REPLY`).
  void HandleReply(std::span<const std::uint8_t> frame, ReplyOrigin origin = {});
  /// A `WM_LINK_ERROR` of the open transports.
  void HandleLinkError(int code);
  /// The reply of `replyCode` being handled was refused (too short to use,
  /// or for another step): its request stays awaited, and when the link took
  /// the reply as the answer to the last frame sent, that frame goes again.
  void RefuseReply(int replyCode);

  // Exchange state.
  int GetProcessState() const { return m_processState; }
  void SetProcessState(int state) { m_processState = state; }
  int GetBulkMode() const { return m_bulkMode; }
  void SetBulkMode(int mode) { m_bulkMode = mode; }
  int GetCurrentPreset() const { return m_currentPreset; }
  void SetCurrentPreset(int preset) { m_currentPreset = preset; }
  int GetUploadPreset() const { return m_uploadPreset; }
  void SetUploadPreset(int preset) { m_uploadPreset = preset; }
  int GetFirReadPreset() const { return m_firReadPreset; }
  void SetFirReadPreset(int preset) { m_firReadPreset = preset; }
  int GetAccessLockState() const { return m_accessLockState; }
  void SetAccessLockState(int state) { m_accessLockState = state; }
  int GetUserLockState() const { return m_userLockState; }
  /// The unit-file's slot table, whose bytes 1-30 a download writes.
  std::array<std::uint8_t, kSlotTableSize>& UnitFileEepromBytes() { return m_unitFileEepromBytes; }

  // FIR coefficients.
  FirCoefficientStore& FirCoefficients() { return m_fir; }
  const FirCoefficientStore& FirCoefficients() const { return m_fir; }
  /// Starts reading the FIR area of `preset` (0 = the current setting, into
  /// FirCoefficients; 1-30 a stored preset, into PresetFirCoefficients).
  void StartFirRead(int unitId, int preset);
  /// The coefficients of the stored preset read last: a store of their own,
  /// so a preset transfer never changes the current setting's.
  const FirCoefficientStore& PresetFirCoefficients() const { return m_presetFir; }

protected:
  /// Takes the transports' WM_LINK_REPLY and WM_LINK_ERROR events; those of
  /// a transport no longer in its slot are ignored.
  bool event(QEvent* event) override;

private:
  using Slot = std::unique_ptr<ILinkTransport>;

  Slot& SlotOf(LinkKind kind);
  const Slot& SlotOf(LinkKind kind) const;
  /// The open transport by priority, or null.
  ILinkTransport* OpenTransport() const;
  Slot* OpenSlot();
  static void Discard(Slot& slot);
  /// Whether a transport with this generation is in a slot.
  bool IsInSlot(std::uint64_t generation) const;
  void OpenLink(LinkKind kind);
  void Send(int unitId, int code, bool forceAppend);
  void AdvanceProgress();
  /// Logs a reply its handler refused as too short; its request stays
  /// awaited, so that the answer to its resend takes the step.
  void RefuseShortReply(int code, std::size_t size);
  /// A reply dropped or refused (damaged, of another unit, not awaited, too
  /// short) was taken by the link as the answer to the frame in flight: when
  /// that was the last frame sent, it goes again.
  void SendDisplacedFrameAgain(ReplyOrigin origin);
  /// Puts the model back as it was when the read of the unit's setting
  /// began, when the link ended before the read did.
  void RestoreInterruptedRead();

  // Handlers (LUnitSession_Replies.cpp).
  void HandleAck(ReplyOrigin origin);
  /// Whether an acknowledgement answers the frame the current exchange
  /// step awaits one for.
  bool AcknowledgesStep(ReplyOrigin origin) const;
  void HandleHelloReply();
  void CheckUnitIdentity(std::span<const std::uint8_t> payload);
  void HandleLockStatusReply(std::span<const std::uint8_t> payload);
  /// A handshake that cannot go on: goodbye, no keep-alive, and the link
  /// is closed 300 ms later (offline, the search dialog told).
  void FailHandshake();
  void HandleLevelsReply(std::span<const std::uint8_t> payload);
  void HandleTransferModeReply(std::span<const std::uint8_t> payload);
  void HandlePassSubmitReply(std::span<const std::uint8_t> payload);

  // Read-out (LUnitSession_ReadOut.cpp).
  void HandlePresetDirectoryReply(std::span<const std::uint8_t> payload);
  void HandleCurrentPresetReply(std::span<const std::uint8_t> payload);
  void HandlePresetNameReply(std::span<const std::uint8_t> payload);
  void HandleFirBlockReply(int unitId, std::span<const std::uint8_t> payload);
  void HandlePresetFirBlockReply(int unitId, std::span<const std::uint8_t> payload);
  void HandleImageBlockReply(int unitId, std::span<const std::uint8_t> payload);
  void StartCurrentFirRead();
  void ResetPresetNameLists();

  // Timers.
  void ComScanTimer();
  void ProcessShowTimer();
  void DisconnectTimer();

  LUnitControl& m_unit;
  ILinkWindow& m_window;
  ILinkTransportFactory& m_factory;
  IPresetExchange* m_exchange = nullptr;

  Slot m_serial;
  Slot m_usb;
  Slot m_net;
  QString m_comPortName;

  int m_unitId = 1;
  bool m_unitLinked = false;
  bool m_awaitingHello = false;
  bool m_unitOnline = false;
  int m_processState = 0;
  int m_bulkMode = 0;
  int m_currentPreset = 0;
  int m_uploadPreset = 0;
  int m_firReadPreset = 0;
  int m_accessLockState = 0;
  int m_userLockState = 0;
  std::array<std::uint8_t, kSlotTableSize> m_unitFileEepromBytes{};
  /// The last frame an exchange step sent with the append request, and the
  /// state it was sent in: the frame whose acknowledgement that step awaits.
  int m_stepState = PROCESS_IDLE;
  std::uint8_t m_stepCode = 0;
  AwaitedReads m_awaitedReads;
  /// The last frame handed to the link, with its command code.
  struct LastFrame {
    std::uint8_t code = 0;
    std::vector<std::uint8_t> bytes;
  };
  std::optional<LastFrame> m_lastFrame;
  /// What the link knows of the reply being handled.
  ReplyOrigin m_replyOrigin;

  FirCoefficientStore m_fir;
  FirBlockReader m_firReader{m_fir};
  /// The model when the read of the unit's FIR area and image began (the
  /// read-out, a recall's read-back), kept until the read ends: a read cut
  /// off by the link leaves the model as it was, not a mixture of both.
  struct ModelSnapshot {
    UnitImage image;
    FirCoefficientStore fir;
  };
  std::optional<ModelSnapshot> m_readBackup;
  FirCoefficientStore m_presetFir;
  FirBlockReader m_presetFirReader{m_presetFir};

  TTimer m_comScanTimer;      ///< `tmComScan`
  TTimer m_processShowTimer;  ///< `tmProcessShow`
  TTimer m_disconnectTimer;   ///< `tmDisconnect`
};
