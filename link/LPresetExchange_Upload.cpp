#include "link/LPresetExchange.h"

#include "link/ILinkWindow.h"
#include "link/LUnitSession.h"
#include "link/ProcessState.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/FirSection.h"
#include "protocol/PresetFileFormat.h"
#include "protocol/UnitImage.h"
#include "protocol/commands/UnitCommands.h"

namespace {

constexpr int kProgressPerPreset = 966;
constexpr int kEndOfUpload = 31;
constexpr int kLastBlock = UnitImage::kBlockCount - 1;

}  // namespace

void LPresetExchange::UploadAllPresets() {
  if (!m_session.IsUnitOnline()) {
    ShowText(QStringLiteral("SID_INFO_CON_FIRST"));
    return;
  }
  int used = 0;
  int first = 0;
  for (int n = 0; n < LUnitControl::kPresetCount; ++n) {
    if (m_unit.IsPresetUsed(n)) {
      first = used++ == 0 ? n + 1 : first;
    } else {
      m_uploadFirSections[static_cast<std::size_t>(n)] = EncodeErasedFir();
    }
  }
  if (used == 0) {
    ShowText(QStringLiteral("SID_INFO_NO_SAVE_EXIST"));
    return;
  }
  m_session.SetUploadPreset(first);
  m_window.StopLiveDisplay();
  m_session.SetFirReadPreset(0);
  m_phase = Phase::SlotTable;
  m_session.SendCommand(CM_MCS_READ_EEPROM(m_session.GetUnitId(), 0, LUnitControl::kSlotTableSize), true);
  m_window.SetProgressMax(kProgressPerPreset * used);
  m_window.SetProgressPosition(0);
  m_window.SetProgressStatus(m_window.LookUpText(QStringLiteral("SID_UPLOAD_PRESET")));
  if (m_phase != Phase::Idle) {
    m_window.ShowProgressModal();
  }
}

void LPresetExchange::HandleEepromReply(std::span<const std::uint8_t> payload) {
  if (m_phase != Phase::SlotTable || payload.size() < LUnitControl::kSlotTableSize) {
    Ignore(QStringLiteral("Reply 25"), payload);
    return;
  }
  m_unit.SetEepromBytes(payload);
  SelectPresetForUpload(m_session.GetUploadPreset());
}

void LPresetExchange::SelectPresetForUpload(int preset) {
  m_phase = Phase::PresetBlocks;
  m_awaitedStep = 0;
  m_session.SetProcessState(PROCESS_PRESET_UPLOAD);
  m_session.SendCommand(CM_MCS_CMD(m_session.GetUnitId(), CMD_SELECT_PRESET, preset), true);
}

void LPresetExchange::HandlePresetBlockReply(int unitId, std::span<const std::uint8_t> payload) {
  if (m_phase != Phase::PresetBlocks || payload.empty() || payload[0] != m_awaitedStep) {
    Ignore(QStringLiteral("Reply 40"), payload);
    return;
  }
  if (!m_unit.StorePresetBlock(m_session.GetUploadPreset(), payload)) {
    // The awaited block, cut short: the answer to its resend takes the step.
    Ignore(QStringLiteral("Reply 40"), payload);
    m_session.RefuseReply(CMD_READ_PRESET_BLOCK);
    return;
  }
  AdvanceProgress(1);
  const int block = payload[0];
  if (block < kLastBlock) {
    m_awaitedStep = block + 1;
    m_session.SendCommand(CM_MCS_CMD(unitId, CMD_READ_PRESET_BLOCK, block + 1), true);
    return;
  }
  m_phase = Phase::PresetFir;
  m_session.SetFirReadPreset(m_session.GetUploadPreset());
  m_session.StartFirRead(unitId, m_session.GetUploadPreset());
}

void LPresetExchange::PresetFirReadFinished(int /*unitId*/) {
  if (m_phase != Phase::PresetFir) {
    return;
  }
  const int preset = m_session.GetUploadPreset();
  const auto& slot = m_unit.StoredPresetSlots()[static_cast<std::size_t>(preset - 1)];
  UnitImage image;
  std::copy(slot.begin() + 1, slot.end(), image.Bytes().begin());
  m_uploadFirSections[static_cast<std::size_t>(preset - 1)] = EncodePresetFir(m_session.PresetFirCoefficients(), image);
  UploadNextPreset();
}

void LPresetExchange::UploadNextPreset() {
  int preset = m_session.GetUploadPreset() + 1;
  while (preset <= LUnitControl::kPresetCount && !m_unit.IsPresetUsed(preset - 1)) {
    m_uploadFirSections[static_cast<std::size_t>(preset - 1)] = EncodeErasedFir();
    AdvanceProgress(kProgressPerPreset);
    ++preset;
  }
  m_session.SetUploadPreset(preset);
  if (preset <= LUnitControl::kPresetCount) {
    SelectPresetForUpload(preset);
    return;
  }
  m_session.SetFirReadPreset(0);
  m_window.SetProgressPosition(m_window.ProgressMax());
  m_window.CloseProgress();
  m_phase = Phase::UploadFile;
  m_uploadTimer.SetEnabled(true);
}

void LPresetExchange::UploadTimer() {
  if (!m_uploadTimer.Enabled()) {
    return;
  }
  m_uploadTimer.SetEnabled(false);
  SaveAllPresetsFile();
  m_window.RestoreWorkingFolder();
  if (m_session.IsUnitOnline()) {
    m_uploadEndTimer.SetEnabled(true);
  } else {
    // The link closed after the last preset: there is no unit to tell.
    m_phase = Phase::Idle;
  }
}

void LPresetExchange::UploadEndTimer() {
  m_uploadEndTimer.SetEnabled(false);
  m_phase = Phase::Idle;
  m_session.SendCommand(CM_MCS_CMD(m_session.GetUnitId(), CMD_SELECT_PRESET, kEndOfUpload), true);
  m_window.StartLevelPoll();
}

void LPresetExchange::SaveAllPresetsFile() {
  const std::optional<QString> chosen = m_presetWindow.ChoosePresetFile(PresetFileKind::Unit, true);
  if (!chosen || m_phase != Phase::UploadFile) {
    return;
  }
  WriteChosenFile(PresetFileFormat::WithExtension(*chosen, QStringLiteral("unt")),
                  EncodeUnitFile(m_unit.UnitSlotTable(), m_unit.PresetUsedFlags(), m_unit.StoredPresetSlots(),
                                 m_uploadFirSections));
}
