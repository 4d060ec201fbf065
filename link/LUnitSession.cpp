#include "link/LUnitSession.h"

#include <functional>
#include <utility>


#include "link/ILinkTransportFactory.h"
#include "link/ILinkWindow.h"
#include "link/OneShotTimer.h"
#include "link/IPresetExchange.h"
#include "link/ProcessState.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/LCmd.h"

namespace {

constexpr int kComScanMs = 1;
constexpr int kProcessShowMs = 100;
constexpr int kDisconnectMs = 300;
constexpr int kProbeRetries = 3;
constexpr int kLocalProbeTimeoutMs = 100;
constexpr int kNetworkProbeTimeoutMs = 4000;

}  // namespace

LUnitSession::LUnitSession(LUnitControl& unit, ILinkWindow& window, ILinkTransportFactory& factory)
    : m_unit(unit), m_window(window), m_factory(factory) {
  MakeOneShot(m_comScanTimer, kComScanMs, [this] { ComScanTimer(); });
  MakeOneShot(m_processShowTimer, kProcessShowMs, [this] { ProcessShowTimer(); });
  MakeOneShot(m_disconnectTimer, kDisconnectMs, [this] { DisconnectTimer(); });
}

LUnitSession::~LUnitSession() { CloseAllTransports(); }

LUnitSession::Slot& LUnitSession::SlotOf(LinkKind kind) {
  switch (kind) {
    case LinkKind::Serial:
      return m_serial;
    case LinkKind::Usb:
      return m_usb;
    case LinkKind::Network:
      break;
  }
  return m_net;
}

const LUnitSession::Slot& LUnitSession::SlotOf(LinkKind kind) const {
  return const_cast<LUnitSession*>(this)->SlotOf(kind);
}

LUnitSession::Slot* LUnitSession::OpenSlot() {
  for (Slot* slot : {&m_serial, &m_usb, &m_net}) {
    if (*slot) {
      return slot;
    }
  }
  return nullptr;
}

ILinkTransport* LUnitSession::OpenTransport() const {
  return m_serial ? m_serial.get() : m_usb ? m_usb.get() : m_net.get();
}

bool LUnitSession::HasTransport(LinkKind kind) const { return SlotOf(kind) != nullptr; }

bool LUnitSession::HasAnyTransport() const { return OpenTransport() != nullptr; }

std::optional<OpenLinkFrames> LUnitSession::OpenLinkFrameCount() const {
  const ILinkTransport* transport = OpenTransport();
  if (transport == nullptr) {
    return std::nullopt;
  }
  return OpenLinkFrames{transport->Generation(), transport->FrameCount()};
}

void LUnitSession::Discard(Slot& slot) {
  // The slot is emptied before Close, so nothing reached from Close finds
  // the transport any more.
  if (Slot transport = std::move(slot)) {
    transport->Close();
  }
}

void LUnitSession::SendCommand(const LCmd& command, bool forceAppend, int mode) {
  if (forceAppend && m_processState != PROCESS_IDLE && m_processState != PROCESS_UNLOCK_PROMPT) {
    m_stepState = m_processState;
    m_stepCode = command.GetCode();
  }
  m_awaitedReads.Sent(command);
  m_lastFrame = LastFrame{command.GetCode(), SerializeCommand(command, mode)};
  if (ILinkTransport* transport = OpenTransport()) {
    transport->QueueFrame(m_lastFrame->bytes, forceAppend);
  }
}

void LUnitSession::Send(int unitId, int code, bool forceAppend) {
  SendCommand(CM_MCS_CMD(unitId, code), forceAppend);
}

void LUnitSession::SetLinkTimeout(int milliseconds) {
  if (ILinkTransport* transport = OpenTransport()) {
    transport->SetTimeout(milliseconds);
  }
}

void LUnitSession::SetLinkRetries(int count) {
  if (ILinkTransport* transport = OpenTransport()) {
    transport->SetRetryCount(count);
  }
}

void LUnitSession::GrantSpareResend() {
  if (m_serial != nullptr) {
    m_serial->SetSpareResends(1);
  }
}

void LUnitSession::SetKeepAliveSuppressed(bool suppressed) {
  if (ILinkTransport* transport = OpenTransport()) {
    transport->SetKeepAliveSuppressed(suppressed);
  }
}

void LUnitSession::SetUnitId(int id) {
  if (id < 1 || id > 254) {
    return;
  }
  m_unitId = id;
  m_window.SetUnitIdLabel(QStringLiteral("ID : %1").arg(id));
  if (ILinkTransport* transport = OpenTransport()) {
    transport->SetKeepAliveUnitId(id);
  }
}

void LUnitSession::OpenSerialLink() { OpenLink(LinkKind::Serial); }

void LUnitSession::OpenUsbLink() { OpenLink(LinkKind::Usb); }

void LUnitSession::OpenNetworkLink() { OpenLink(LinkKind::Network); }

void LUnitSession::OpenLink(LinkKind kind) {
  m_unitOnline = false;
  Slot& slot = SlotOf(kind);
  Discard(slot);
  slot = m_factory.Create(kind, m_comPortName, m_unitId, *this);
  if (!slot || !slot->Open()) {
    Discard(slot);
    if (kind == LinkKind::Serial) {
      m_window.ReportLinkBroken();
    } else {
      m_window.ReportProbeResult(0);
    }
    return;
  }
  SetLinkTimeout(kind == LinkKind::Network ? kNetworkProbeTimeoutMs : kLocalProbeTimeoutMs);
  SetLinkRetries(kProbeRetries);
  m_awaitingHello = true;
  Send(m_unitId, CMD_HELLO, true);
}

void LUnitSession::Disconnect() {
  const bool answered = m_window.ProbeAnswered();
  if (Slot* slot = OpenSlot()) {
    Slot transport = std::move(*slot);
    if (answered) {
      // The goodbye goes to the unit being left, before its link closes.
      transport->QueueFrame(SerializeCommand(CM_MCS_CMD(m_unitId, CMD_GOODBYE), SERIALIZE_FRAME), true);
      // Its replies are not handled any more: the transport has left its slot.
      transport->LetFramesOut(kGoodbyeGrace);
    }
    transport->Close();
    transport->DropConnection();
  }
  RestoreInterruptedRead();
  if (!answered) {
    return;
  }
  m_window.RestoreWorkingFolder();
  m_unitOnline = false;
  m_window.RescanHidDevices();

  m_window.SetConnectCaption(m_window.LookUpText(QStringLiteral("SID_CONNECT")));
  m_window.SetLinkButtonCaption(m_window.LookUpText(QStringLiteral("SID_OFFLINE")));
  m_window.SetAddressControlsEnabled(true);
  m_window.SetLinkLabel(QStringLiteral("Disconnected"));
  m_window.SetLinkControlsEnabled(true);
  m_window.SetLinkButtonDown(false);
  m_unitLinked = false;
  m_window.ShowOfflineCaption();

  m_window.StopLiveDisplay();
  m_processState = PROCESS_IDLE;
  m_stepState = PROCESS_IDLE;
  m_awaitedReads.Clear();
  m_lastFrame.reset();
  // An exchange cut off by the disconnect must not continue on the next
  // link, and its progress window must not stay open.
  m_bulkMode = BULK_NONE;
  m_firReadPreset = 0;
  m_processShowTimer.SetEnabled(false);
  m_window.CloseProgress();
  if (m_exchange) {
    m_exchange->EndExchange();
  }
}

void LUnitSession::CloseAllTransports() {
  for (Slot* slot : {&m_serial, &m_usb, &m_net}) {
    if (*slot != nullptr) {
      // What was queued last (the quit dialog's goodbye) goes out first; the
      // transport has left its slot, so its replies are not handled.
      Slot transport = std::move(*slot);
      transport->LetFramesOut(kGoodbyeGrace);
      transport->Close();
      transport->DropConnection();
    }
  }
}

void LUnitSession::HandleLinkError(int code) {
  if (code == 0 && m_awaitingHello) {
    if (Slot* slot = OpenSlot()) {
      Discard(*slot);
    }
    m_window.ReportProbeResult(0);
  }
  if (m_unitOnline) {
    Disconnect();
    m_window.ReportLinkBroken();
    m_window.ShowSearchDialogAgain();
  }
}

void LUnitSession::ComScanTimer() {
  m_comScanTimer.SetEnabled(false);
  if (!m_window.IsSearchDialogVisible()) {
    return;
  }
  for (Slot* slot : {&m_serial, &m_usb, &m_net}) {
    if (*slot) {
      Discard(*slot);
      m_window.ReportProbeResult(0);
    }
  }
}

void LUnitSession::ProcessShowTimer() {
  m_processShowTimer.SetEnabled(false);
  m_window.ShowProgressModal();
}

void LUnitSession::DisconnectTimer() {
  m_disconnectTimer.SetEnabled(false);
  if (HasAnyTransport()) {
    Disconnect();
    m_window.ReportLinkBroken();
  }
}
