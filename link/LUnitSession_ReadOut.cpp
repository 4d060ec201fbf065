#include "link/LUnitSession.h"

#include <QByteArray>

#include "link/ILinkWindow.h"
#include "link/IPresetExchange.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/DecodeUploadBlocks.h"
#include "protocol/FirBlockMap.h"
#include "protocol/LUnitControl.h"
#include "protocol/UnitImage.h"

namespace {

constexpr int kPresetCount = LUnitControl::kPresetCount;
constexpr std::size_t kNameSize = UnitImage::kPresetNameSize;
constexpr int kLastImageBlock = UnitImage::kBlockCount - 1;

void SendFirBlockRequest(LUnitSession& session, int unitId, int preset, int block) {
  session.SendCommand(CM_MCS_CMD(unitId, CMD_READ_FIR_BLOCK, preset, block & 0xFF, (block >> 8) & 0xFF), true);
}

}  // namespace

void LUnitSession::ResetPresetNameLists() {
  const QByteArray name("Default Preset");
  for (int row = 0; row < kPresetCount; ++row) {
    m_window.SetRecallPresetRow(row + 1, name);
    m_window.SetStorePresetRow(row, name);
  }
}

void LUnitSession::HandlePresetDirectoryReply(std::span<const std::uint8_t> payload) {
  if (payload.size() < static_cast<std::size_t>(kPresetCount)) {
    RefuseShortReply(CMD_READ_PRESET_DIRECTORY, payload.size());
    return;
  }
  Send(m_unitId, CMD_CURRENT_PRESET, true);
  m_unit.SetPresetUsedFlags(payload);
  ResetPresetNameLists();
}

void LUnitSession::HandleCurrentPresetReply(std::span<const std::uint8_t> payload) {
  if (payload.empty()) {
    RefuseShortReply(CMD_CURRENT_PRESET, payload.size());
    return;
  }
  m_currentPreset = payload[0];
  SendCommand(CM_MCS_CMD(m_unitId, CMD_READ_PRESET_NAME, 0), true);
}

void LUnitSession::HandlePresetNameReply(std::span<const std::uint8_t> payload) {
  if (payload.size() < 1 + kNameSize) {
    RefuseShortReply(CMD_READ_PRESET_NAME, payload.size());
    return;
  }
  // Only indices 0-29 name a row of the preset lists; any other ends the
  // chain here.
  if (payload[0] >= kPresetCount) {
    return;
  }
  const int index = payload[0];
  QByteArray name(reinterpret_cast<const char*>(payload.data() + 1), kNameSize);
  name.replace('\0', ' ');
  m_window.SetRecallPresetRow(index + 1, name);
  m_window.SetStorePresetRow(index, name);
  if (index + 1 < kPresetCount) {
    SendCommand(CM_MCS_CMD(m_unitId, CMD_READ_PRESET_NAME, index + 1), true);
  } else {
    StartCurrentFirRead();
  }
}

void LUnitSession::RestoreInterruptedRead() {
  if (m_readBackup) {
    m_unit.Image() = m_readBackup->image;
    m_fir = m_readBackup->fir;
    m_readBackup.reset();
  }
}

void LUnitSession::StartFirRead(int unitId, int preset) {
  (preset == 0 ? m_firReader : m_presetFirReader).Start();
  SendFirBlockRequest(*this, unitId, preset, 0);
}

void LUnitSession::StartCurrentFirRead() {
  m_readBackup = ModelSnapshot{m_unit.Image(), m_fir};
  StartFirRead(m_unitId, 0);
  m_window.SetProgressStatus(m_window.LookUpText(QStringLiteral("SID_UPLOAD_FIR_COEFFICIENT")));
  m_window.SetProgressMax(FirBlockMap::kBlockCount);
  m_window.SetProgressPosition(0);
}

void LUnitSession::HandleFirBlockReply(int unitId, std::span<const std::uint8_t> payload) {
  const std::optional<int> block = m_firReader.ReadBlock(payload);
  if (!block) {
    RefuseShortReply(CMD_READ_FIR_BLOCK, payload.size());
    return;
  }
  if (payload[1] == 0 && payload[2] == 0) {
    m_processShowTimer.SetEnabled(true);
  }
  if (*block < FirBlockMap::kLastBlock) {
    SendFirBlockRequest(*this, unitId, 0, *block + 1);
    m_window.SetProgressPosition(*block);
    return;
  }
  SendCommand(CM_MCS_CMD(unitId, CMD_READ_IMAGE_BLOCK, 0), true);
  m_window.SetProgressStatus(m_window.LookUpText(QStringLiteral("SID_UPLOAD_PARAMETER")));
  m_window.SetProgressMax(UnitImage::kBlockCount);
  m_window.SetProgressPosition(0);
}

void LUnitSession::HandlePresetFirBlockReply(int unitId, std::span<const std::uint8_t> payload) {
  const std::optional<int> block = m_presetFirReader.ReadBlock(payload);
  if (!block) {
    RefuseShortReply(CMD_READ_FIR_BLOCK, payload.size());
    return;
  }
  if (*block < FirBlockMap::kLastBlock) {
    SendFirBlockRequest(*this, unitId, m_uploadPreset, *block + 1);
    AdvanceProgress();
  } else if (m_exchange) {
    m_exchange->PresetFirReadFinished(unitId);
  }
}

void LUnitSession::HandleImageBlockReply(int unitId, std::span<const std::uint8_t> payload) {
  m_window.RestoreWorkingFolder();
  if (!DecodeUploadBlocks(m_unit, payload)) {
    RefuseShortReply(CMD_SELECT_PRESET, payload.size());
    return;
  }
  const int block = payload[0];
  if (block < kLastImageBlock) {
    SendCommand(CM_MCS_CMD(unitId, CMD_READ_IMAGE_BLOCK, block + 1), true);
    m_window.SetProgressPosition(block);
    return;
  }
  m_window.SetProgressPosition(UnitImage::kBlockCount);
  m_readBackup.reset();
  Send(m_unitId, CMD_KEEP_ALIVE, false);
  // The read has ended: a progress window shown from here on would stay open.
  m_processShowTimer.SetEnabled(false);
  m_window.CloseProgress();
  m_window.RefreshAllFromUnit();
  m_window.StartLevelPoll();
  m_window.SetLinkControlsEnabled(true);
  m_window.SetLinkButtonDown(false);
  m_window.SetLinkButtonDown(true);
}
