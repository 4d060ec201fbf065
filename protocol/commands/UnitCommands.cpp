#include "protocol/commands/UnitCommands.h"

#include <algorithm>
#include <vector>

#include "protocol/CommandCodes.h"

namespace {

/// Exactly `count` data bytes (none for a negative count): the bytes handed
/// in, cut or padded with zeros, so the payload is always as long as the
/// command says it is.
std::vector<std::uint8_t> Exactly(std::span<const std::uint8_t> data, int count) {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::max(count, 0)), 0);
  std::copy_n(data.begin(), std::min(bytes.size(), data.size()), bytes.begin());
  return bytes;
}

}  // namespace

CM_MCS_MCU_RESET::CM_MCS_MCU_RESET(int unitId) : LCmd(static_cast<std::uint8_t>(unitId), CMD_MCU_RESET) {}

CM_MCS_READ_EEPROM::CM_MCS_READ_EEPROM(int unitId, int address, int count)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_READ_EEPROM) {
  AppendWord(address);
  AppendByte(count);
}

CM_MCS_WRITE_EEPROM::CM_MCS_WRITE_EEPROM(int unitId, int address, int count, std::span<const std::uint8_t> data)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_WRITE_EEPROM) {
  AppendWord(address);
  AppendByte(count);
  AppendBytes(Exactly(data, static_cast<std::int8_t>(count & 0xFF)));
}

CM_MCS_DOWNLOAD::CM_MCS_DOWNLOAD(int unitId, int preset, int segment, int count, std::span<const std::uint8_t> data)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_DOWNLOAD) {
  AppendByte(segment);
  AppendByte(preset);
  AppendBytes(Exactly(data, count));
}

CM_MCS_PRESETNAME::CM_MCS_PRESETNAME(int unitId, QByteArrayView name)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_PRESET_NAME) {
  AppendText(name, 14);
}

CM_MCS_PASS_SUBMIT::CM_MCS_PASS_SUBMIT(int unitId, int kind, QByteArrayView password)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_PASS_SUBMIT) {
  AppendByte(kind);
  AppendText(password, 4);
}

CM_MCS_SET_LOCK::CM_MCS_SET_LOCK(int unitId, QByteArrayView password, int enable)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_SET_LOCK) {
  AppendText(password, 4);
  AppendByte(enable);
}

CM_MCS_SET_USER_LOCK::CM_MCS_SET_USER_LOCK(int unitId, QByteArrayView password,
                                           const std::array<std::uint8_t, 3>& permissions, int enable)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_SET_USER_LOCK) {
  AppendText(password, 4);
  AppendBytes(permissions);
  AppendByte(enable);
}

CM_MCS_WORK_MODE::CM_MCS_WORK_MODE(int unitId, int mode, int sineIndex, int level)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_WORK_MODE) {
  AppendByte(mode);
  AppendByte(sineIndex);
  AppendByte(level);
}
