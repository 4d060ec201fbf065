#include "link/LPresetExchange.h"

#include "link/ILinkWindow.h"
#include "link/LUnitSession.h"
#include "link/ProcessState.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/PresetFileFormat.h"
#include "protocol/SettingFile.h"

namespace {

constexpr int kLoadTimeoutMs = 50000;
constexpr int kLoadProgressMax = 945;

}  // namespace

void LPresetExchange::SaveSettingFile() {
  const std::vector<std::uint8_t> contents = EncodeSettingFile(m_unit.Image(), m_session.FirCoefficients());
  if (const std::optional<QString> chosen = m_presetWindow.ChoosePresetFile(PresetFileKind::Setting, true)) {
    WriteChosenFile(PresetFileFormat::WithExtension(*chosen, QStringLiteral("prs")), contents);
  }
  m_window.RestoreWorkingFolder();
}

void LPresetExchange::OpenSettingFile() {
  const std::optional<QString> chosen = m_presetWindow.ChoosePresetFile(PresetFileKind::Setting, false);
  if (!chosen) {
    return;
  }
  m_presetWindow.ClearPeqBandSelection();
  const QString refusal = QStringLiteral("SID_INFO_ERROR_FILE");
  const std::optional<QByteArray> bytes = ReadChosenFile(*chosen, SettingFile::kSize, refusal);
  if (!bytes) {
    return;
  }
  const std::optional<StagedSetting> staged = ParseSettingFile(
      std::span(reinterpret_cast<const std::uint8_t*>(bytes->constData()), static_cast<std::size_t>(bytes->size())));
  if (!staged) {
    ShowText(refusal);
    return;
  }
  const bool online = m_session.IsUnitOnline();
  m_session.SetLinkTimeout(kLoadTimeoutMs);
  if (online) {
    // Only a load the unit acknowledges ends the bulk transfer; set offline,
    // it would outlive the load into the next connection.
    m_session.SetBulkMode(BULK_SETTING_FILE);
    m_window.StopLiveDisplay();
  }
  const int unitId = m_session.GetUnitId();
  const std::vector<LCmd> commands = LoadUnitImage(m_unit.Image(), m_session.FirCoefficients(), *staged, unitId);
  if (online) {
    for (const LCmd& command : commands) {
      m_session.SendCommand(command, true);
    }
  }
  for (const FirChannelLoad load : staged->channels) {
    if (load == FirChannelLoad::OutOfRange) {
      ShowText(QStringLiteral("SID_INFO_ERROR_FIR_COEFF"));
    }
  }
  if (online) {
    m_session.SendCommand(CM_MCS_CMD(unitId, CMD_LEVELS), true);
    m_window.SetProgressStatus(m_window.LookUpText(QStringLiteral("SID_DOWNLOAD_PARAMETER")));
    m_window.SetProgressMax(kLoadProgressMax);
    m_window.SetProgressPosition(0);
    if (m_session.GetBulkMode() == BULK_SETTING_FILE) {
      m_window.ShowProgressModal();
    }
  }
  m_window.StartLevelPoll();
  m_window.RefreshAllFromUnit();
}
