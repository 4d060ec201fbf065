#include "link/LUnitSession.h"

#include <algorithm>

#include <QByteArray>

#include "link/ILinkWindow.h"
#include "link/IPresetExchange.h"
#include "link/ProcessState.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/LCmd.h"
#include "protocol/LevelReport.h"
#include "protocol/LUnitControl.h"
#include "protocol/commands/UnitCommands.h"

namespace {

constexpr int kReadTimeoutMs = 5000;
constexpr int kLinkedTimeoutMs = 1000;
constexpr int kLinkRetries = 3;
constexpr int kUnitFileProgressMax = 28950;
constexpr std::size_t kLockStatusSize = 10;
constexpr int kSettingFileEndPosition = 10;

static_assert(LUnitSession::kSlotTableSize == LUnitControl::kSlotTableSize);

constexpr std::size_t kLoggedReplyBytes = 3;

/// The first payload bytes of a reply, in hex, for a traffic line.
QString LeadingHex(std::span<const std::uint8_t> payload) {
  const std::size_t count = std::min(payload.size(), kLoggedReplyBytes);
  return QString::fromLatin1(
      QByteArray(reinterpret_cast<const char*>(payload.data()), static_cast<qsizetype>(count)).toHex(' ').toUpper());
}

constexpr char kModel[] = "KRV-71";
constexpr char kModelVersion[] = "KRV-71 V010";

}  // namespace

void LUnitSession::AdvanceProgress() { m_window.SetProgressPosition(m_window.ProgressPosition() + 1); }

void LUnitSession::RefuseShortReply(int code, std::size_t size) {
  m_window.AddTrafficLine(QStringLiteral("Short reply %1 ignored: %2 payload bytes").arg(code).arg(size));
  RefuseReply(code);
}

void LUnitSession::RefuseReply(int replyCode) {
  m_awaitedReads.Refused(replyCode);
  SendDisplacedFrameAgain(m_replyOrigin);
}

void LUnitSession::SendDisplacedFrameAgain(ReplyOrigin origin) {
  // The link took the dropped or refused reply as the answer and moved on:
  // it will not write the frame again, and a keep-alive may take its place.
  // A chain waits for the answer to the last frame it sent; that frame goes
  // again (every read and step may be answered twice; their handlers take
  // the one they asked for).
  if (!origin.answersFrame || origin.answeredCode == 0 || !m_unitOnline || m_awaitingHello || !m_lastFrame ||
      m_lastFrame->code != origin.answeredCode) {
    return;
  }
  if (ILinkTransport* transport = OpenTransport()) {
    transport->QueueFrame(m_lastFrame->bytes, true);
  }
}

void LUnitSession::HandleReply(std::span<const std::uint8_t> frame, ReplyOrigin origin) {
  // The framer delivers only frames that start 10 02; one whose end marker
  // is missing is damaged, and parsing it would take its first byte (0x10,
  // CMD_HELLO) as the code.
  if (!HasFrameMarkers(frame)) {
    m_window.AddTrafficLine(QStringLiteral("Damaged reply ignored: %1 bytes without the end marker").arg(frame.size()));
    SendDisplacedFrameAgain(origin);
    return;
  }
  const LCmd reply(frame, true);
  const int unitId = reply.GetUnitId();
  if ((m_serial || m_net) && unitId != m_unitId) {
    m_comScanTimer.SetEnabled(true);
    SendDisplacedFrameAgain(origin);
    return;
  }
  if (m_usb) {
    SetUnitId(unitId);
  }
  m_replyOrigin = origin;
  const std::vector<std::uint8_t> payload = reply.GetPayload();
  if (!m_awaitedReads.Take(reply.GetCode(), payload)) {
    // A second answer to a resent request, one to a request given up, or
    // one for another block. Only the last displaced an answer still to
    // come: the answer to the frame in flight follows a repeat on its own,
    // and a resend for each repeat would double the traffic from then on.
    m_window.AddTrafficLine(
        QStringLiteral("Reply %1 not awaited, dropped: %2").arg(reply.GetCode()).arg(LeadingHex(payload)));
    if (!m_awaitedReads.Repeats(reply.GetCode(), payload)) {
      SendDisplacedFrameAgain(origin);
    }
    return;
  }
  switch (reply.GetCode()) {
    case CMD_ACK:
      HandleAck(origin);
      break;
    case CMD_HELLO:
      if (m_bulkMode == BULK_UNIT_FILE_FIR) {
        m_bulkMode = BULK_NONE;
        if (m_exchange) {
          m_exchange->StartDownloadEnd();
        }
      } else {
        HandleHelloReply();
      }
      break;
    case CMD_IDENTITY:
      m_window.ReportProbeResult(1);
      CheckUnitIdentity(payload);
      break;
    case CMD_CURRENT_PRESET:
      HandleCurrentPresetReply(payload);
      break;
    case CMD_READ_EEPROM:
      if (m_exchange) {
        // Never more than the slot table it is copied into.
        const std::size_t size = std::min(payload.size(), LUnitControl::kSlotTableSize);
        m_exchange->HandleEepromReply(std::span(payload).first(size));
      }
      break;
    case CMD_READ_PRESET_DIRECTORY:
      HandlePresetDirectoryReply(payload);
      break;
    case CMD_SELECT_PRESET:  // the image block reply carries this code
      HandleImageBlockReply(unitId, payload);
      break;
    case CMD_DOWNLOAD:
      AdvanceProgress();
      if (m_exchange) {
        m_exchange->HandleDownloadSegmentReply(unitId, payload);
      }
      break;
    case CMD_READ_PRESET_BLOCK:
      if (m_exchange) {
        m_exchange->HandlePresetBlockReply(unitId, payload);
      }
      break;
    case CMD_READ_PRESET_NAME:
      HandlePresetNameReply(payload);
      break;
    case CMD_LOCK_STATUS:
      HandleLockStatusReply(payload);
      break;
    case CMD_PASS_SUBMIT:
      HandlePassSubmitReply(payload);
      break;
    case CMD_LEVELS:
      HandleLevelsReply(payload);
      break;
    case CMD_READ_FIR_BLOCK:
      if (m_firReadPreset == 0) {
        HandleFirBlockReply(unitId, payload);
      } else {
        HandlePresetFirBlockReply(unitId, payload);
      }
      break;
    case CMD_TRANSFER_MODE:
      HandleTransferModeReply(payload);
      break;
    default:
      break;
  }
}

bool LUnitSession::AcknowledgesStep(ReplyOrigin origin) const {
  if (!origin.answersFrame) {
    return false;
  }
  const bool stepAwaitsOne = m_processState != PROCESS_IDLE && m_processState != PROCESS_UNLOCK_PROMPT;
  return !stepAwaitsOne || origin.answeredCode == 0 || m_stepState != m_processState ||
         origin.answeredCode == m_stepCode;
}

void LUnitSession::HandleAck(ReplyOrigin origin) {
  if (!AcknowledgesStep(origin)) {
    m_window.AddTrafficLine(QStringLiteral("Acknowledgement of %1 ignored in state %2")
                                .arg(origin.answersFrame ? origin.answeredCode : 0)
                                .arg(m_processState));
    return;
  }
  const int state = m_processState;
  m_processState = state == PROCESS_STORE_PRESET        ? PROCESS_STORE_PRESET_END
                   : state == PROCESS_UNIT_FILE_DOWNLOAD ? PROCESS_PRESET_DOWNLOAD
                                                         : PROCESS_IDLE;
  switch (state) {
    case PROCESS_RECALL_PRESET:
      if (m_exchange) {
        m_exchange->StopPresetLoadCount();
      }
      m_window.SetProgressPosition(m_window.ProgressMax());
      m_window.CloseProgress();
      SetLinkTimeout(kReadTimeoutMs);
      StartCurrentFirRead();
      break;
    case PROCESS_STORE_PRESET:
      SetLinkTimeout(LUnitSession::kStoreTimeoutMs);
      SendCommand(CM_MCS_CMD(m_unitId, CMD_STORE_PRESET, m_currentPreset & 0xFF), true);
      m_window.SetProgressPosition(1);
      break;
    case PROCESS_RELOAD_AFTER_FACTORY_RESET:
    case PROCESS_RELOAD_AFTER_LINK:
      SetLinkTimeout(kReadTimeoutMs);
      Send(m_unitId, CMD_READ_PRESET_DIRECTORY, true);
      break;
    case PROCESS_PRESET_UPLOAD:
      SetLinkTimeout(kReadTimeoutMs);
      SendCommand(CM_MCS_CMD(m_unitId, CMD_READ_PRESET_BLOCK, 0), true);
      break;
    case PROCESS_PRESET_DOWNLOAD:
      if (m_exchange) {
        m_exchange->DownloadNextPreset();
      }
      break;
    case PROCESS_STORE_PRESET_END:
      m_window.SetProgressPosition(m_window.ProgressMax());
      Send(m_unitId, CMD_KEEP_ALIVE, false);
      m_window.CloseProgress();
      m_window.StartLevelPoll();
      break;
    case PROCESS_UNIT_FILE_DOWNLOAD:
      if (m_exchange) {
        m_exchange->StopPresetLoadCount();
      }
      m_window.SetProgressMax(kUnitFileProgressMax);
      m_window.SetProgressPosition(0);
      m_window.SetProgressStatus(m_window.LookUpText(QStringLiteral("SID_DOWNLOAD_PRESET")));
      SendCommand(CM_MCS_WRITE_EEPROM(m_unitId, 1, LUnitControl::kPresetCount,
                                      std::span(m_unitFileEepromBytes).subspan(1)), true);
      break;
    default:
      if (m_bulkMode == BULK_SETTING_FILE || m_bulkMode == BULK_UNIT_FILE_FIR) {
        AdvanceProgress();
      }
      break;
  }
}

void LUnitSession::HandleHelloReply() {
  m_awaitingHello = false;
  m_unitOnline = true;
  m_window.SetAddressControlsEnabled(false);
  Send(m_unitId, CMD_IDENTITY, true);
  SetKeepAliveSuppressed(false);
  SetLinkRetries(kLinkRetries);
  SetLinkTimeout(kReadTimeoutMs);
}

void LUnitSession::CheckUnitIdentity(std::span<const std::uint8_t> payload) {
  const QByteArray text(reinterpret_cast<const char*>(payload.data()), static_cast<qsizetype>(payload.size()));
  const bool model = text.startsWith(kModel);
  if (!model || !text.startsWith(kModelVersion)) {
    Send(m_unitId, CMD_GOODBYE, true);
    SetKeepAliveSuppressed(true);
    m_window.HideSearchDialog();
    m_unitOnline = false;
    m_window.ShowInformation(
        m_window.LookUpText(model ? QStringLiteral("SID_INFO_ERROR_VERSION") : QStringLiteral("SID_INFO_ERROR_UNIT")));
    StartDisconnectTimer();
    return;
  }
  m_window.SetLinkButtonCaption(m_window.LookUpText(QStringLiteral("SID_ONLINE")));
  m_window.SetConnectCaption(m_window.LookUpText(QStringLiteral("SID_DISCONNECT")));
  if (m_serial) {
    m_window.SetLinkLabel(m_comPortName);
  } else if (m_usb) {
    m_window.SetLinkLabel(QStringLiteral("USB"));
  } else {
    const std::uint32_t address = m_window.SelectedUnitAddress();
    m_window.SetLinkLabel(QString::asprintf("IP : %d.%d.%d.%d", (address >> 24) & 0xFF, (address >> 16) & 0xFF,
                                            (address >> 8) & 0xFF, address & 0xFF));
  }
  m_window.SetLinkButtonDown(true);
  m_unitLinked = true;
  SetLinkTimeout(m_usb ? kReadTimeoutMs : kLinkedTimeoutMs);
  Send(m_unitId, CMD_LOCK_STATUS, true);
}

void LUnitSession::FailHandshake() {
  Send(m_unitId, CMD_GOODBYE, true);
  SetKeepAliveSuppressed(true);
  m_unitOnline = false;
  StartDisconnectTimer();
}

void LUnitSession::HandleLockStatusReply(std::span<const std::uint8_t> payload) {
  if (payload.size() < kLockStatusSize) {
    // Without the lock state the read-out cannot go on: the handshake has
    // failed, and the link is given up as after a wrong identity.
    RefuseShortReply(CMD_LOCK_STATUS, payload.size());
    FailHandshake();
    return;
  }
  m_accessLockState = payload[5];
  m_userLockState = payload[9];
  m_window.SetUserLockState(m_userLockState);
  if (m_userLockState & 2) {
    m_window.SetPanelLockPermissions(payload[6], payload[7], payload[8]);
  }
  if (m_accessLockState & 2) {
    m_window.SetMenusLocked(true);
  }
  if (m_accessLockState & 1) {
    m_processState = PROCESS_UNLOCK_PROMPT;
    m_window.StartUnlockPrompt();
  } else {
    Send(m_unitId, CMD_READ_PRESET_DIRECTORY, false);
  }
}

void LUnitSession::HandlePassSubmitReply(std::span<const std::uint8_t> payload) {
  if (payload.size() < 2) {
    RefuseShortReply(CMD_PASS_SUBMIT, payload.size());
    return;
  }
  if (payload[0] == 0) {
    m_window.SetPasswordVerdict(payload[1]);
  }
}

void LUnitSession::HandleLevelsReply(std::span<const std::uint8_t> payload) {
  if (payload.size() < LevelReport::kSize) {
    RefuseShortReply(CMD_LEVELS, payload.size());
  } else {
    m_window.ShowLevels(payload);
  }
  if (m_bulkMode == BULK_SETTING_FILE && m_window.ProgressPosition() > kSettingFileEndPosition) {
    m_bulkMode = BULK_NONE;
    Send(m_unitId, CMD_KEEP_ALIVE, false);
    m_window.CloseProgress();
  }
}

void LUnitSession::HandleTransferModeReply(std::span<const std::uint8_t> payload) {
  if (payload.empty()) {
    RefuseShortReply(CMD_TRANSFER_MODE, payload.size());
    return;
  }
  if (payload[0] == 1 && m_bulkMode != BULK_NONE) {
    Send(m_unitId, CMD_KEEP_ALIVE, false);
    m_window.SetProgressPosition(m_window.ProgressMax());
    m_bulkMode = BULK_NONE;
    m_window.CloseProgress();
  }
}
