#include "link/LPresetExchange.h"

#include "link/ILinkWindow.h"
#include "link/LUnitSession.h"
#include "link/ProcessState.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/commands/UnitCommands.h"

namespace {

constexpr int kDownloadTimeoutMs = 10000;
constexpr int kResetProgressMax = 400;
constexpr int kLastSegment = UnitFile::kSegmentCount - 1;

}  // namespace

void LPresetExchange::DownloadUnitFile() {
  if (!m_session.IsUnitOnline()) {
    ShowText(QStringLiteral("SID_INFO_CON_FIRST"));
    return;
  }
  const std::optional<QString> chosen = m_presetWindow.ChoosePresetFile(PresetFileKind::Unit, false);
  if (!chosen) {
    return;
  }
  const QString refusal = QStringLiteral("SID_INFO_ERROR_DOWNLAOD");
  const std::optional<QByteArray> bytes = ReadChosenFile(*chosen, UnitFile::kSize, refusal);
  if (!bytes) {
    return;
  }
  std::optional<StagedUnitFile> staged =
      ParseUnitFile(std::span(reinterpret_cast<const std::uint8_t*>(bytes->constData()),
                              static_cast<std::size_t>(bytes->size())));
  if (!staged) {
    ShowText(refusal);
    return;
  }
  // The link may have gone while the dialog was open.
  if (!m_session.IsUnitOnline()) {
    ShowText(QStringLiteral("SID_INFO_CON_FIRST"));
    return;
  }
  m_unitFile = std::move(staged);
  m_session.UnitFileEepromBytes() = m_unitFile->eepromBytes;
  m_downloadPreset = 1;
  m_window.StopLiveDisplay();
  m_session.SetLinkTimeout(kDownloadTimeoutMs);
  m_phase = Phase::FactoryReset;
  const int unitId = m_session.GetUnitId();
  m_session.SendCommand(CM_MCS_CMD(unitId, CMD_TRANSFER_MODE, 1), true);
  m_session.SetProcessState(PROCESS_UNIT_FILE_DOWNLOAD);
  m_session.SendCommand(CM_MCS_CMD(unitId, CMD_FACTORY_RESET), true);
  m_presetWindow.SetMainWindowEnabled(false);
  m_presetWindow.ShowProgressModeless();
  m_window.SetProgressStatus(m_window.LookUpText(QStringLiteral("SID_READ_UNIT_FILE")));
  m_window.SetProgressMax(kResetProgressMax);
  m_window.SetProgressPosition(0);
  m_presetLoadCountTimer.SetEnabled(true);
}

void LPresetExchange::DownloadNextPreset() {
  if (m_phase != Phase::FactoryReset && m_phase != Phase::Segments) {
    return;
  }
  m_phase = Phase::Segments;
  while (m_downloadPreset <= UnitFile::kRecordCount) {
    if (m_unitFile->IsUsed(m_downloadPreset - 1)) {
      SendDownloadSegment(0);
      AdvanceProgress(1);
      return;
    }
    AdvanceProgress(UnitFile::kSkippedRecordProgress);
    ++m_downloadPreset;
  }
  StartFirPhase();
}

void LPresetExchange::SendDownloadSegment(int segment) {
  m_awaitedStep = segment;
  m_session.SendCommand(DownloadSegment(*m_unitFile, m_session.GetUnitId(), m_downloadPreset - 1, segment), true);
}

void LPresetExchange::HandleDownloadSegmentReply(int /*unitId*/, std::span<const std::uint8_t> payload) {
  if (m_phase != Phase::Segments || payload.empty() || payload[0] != m_awaitedStep) {
    Ignore(QStringLiteral("Reply 37"), payload);
    if (m_phase == Phase::Segments) {
      m_session.RefuseReply(CMD_DOWNLOAD);
    }
    return;
  }
  const int segment = payload[0];
  if (segment < kLastSegment) {
    SendDownloadSegment(segment + 1);
    return;
  }
  ++m_downloadPreset;
  DownloadNextPreset();
}

void LPresetExchange::StartFirPhase() {
  m_phase = Phase::FirPhase;
  m_session.SetBulkMode(BULK_UNIT_FILE_FIR);
  const int unitId = m_session.GetUnitId();
  UnitFileFirPhase phase = BuildUnitFileFirPhase(*m_unitFile, unitId);
  m_unitFile.reset();
  AdvanceProgress(phase.progress);
  for (const LCmd& command : phase.commands) {
    m_session.SendCommand(command, true);
  }
  m_session.SendCommand(CM_MCS_CMD(unitId, CMD_HELLO), true);
}

void LPresetExchange::StartDownloadEnd() {
  if (m_phase != Phase::FirPhase) {
    return;
  }
  m_phase = Phase::DownloadEnd;
  m_downloadEndTimer.SetEnabled(true);
}

void LPresetExchange::DownloadEndTimer() {
  m_downloadEndTimer.SetEnabled(false);
  m_phase = Phase::Idle;
  m_window.CloseProgress();
  m_window.SetProgressStatus(QString());
  m_presetWindow.SetMainWindowEnabled(true);
  m_session.SendCommand(CM_MCS_MCU_RESET(m_session.GetUnitId()), true);
  m_session.StartDisconnectTimer();
}
