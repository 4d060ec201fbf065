#pragma once

#include <array>
#include <cstdint>
#include <span>

#include <QByteArrayView>

#include "protocol/LCmd.h"

/// Commands for the unit as a whole: restart, EEPROM, preset transfer,
/// passwords and locks, test signal. Text arguments are 8-bit characters
/// sent as fixed counts, zero-padded when the text is shorter.

/// Code 4: restart the unit; no payload.
class CM_MCS_MCU_RESET : public LCmd {
public:
  explicit CM_MCS_MCU_RESET(int unitId);
};

/// Code 25: address (16 bits), count.
class CM_MCS_READ_EEPROM : public LCmd {
public:
  CM_MCS_READ_EEPROM(int unitId, int address, int count);
};

/// Code 26: address (16 bits), count, then data bytes while their index is
/// below count taken as a signed 8-bit number (and within `data`).
class CM_MCS_WRITE_EEPROM : public LCmd {
public:
  CM_MCS_WRITE_EEPROM(int unitId, int address, int count, std::span<const std::uint8_t> data);
};

/// Code 37: segment, preset (sent in this order), then count data bytes
/// (at most what `data` holds).
class CM_MCS_DOWNLOAD : public LCmd {
public:
  CM_MCS_DOWNLOAD(int unitId, int preset, int segment, int count, std::span<const std::uint8_t> data);
};

/// Code 38: the 14 characters of a preset name.
class CM_MCS_PRESETNAME : public LCmd {
public:
  CM_MCS_PRESETNAME(int unitId, QByteArrayView name);
};

/// Code 45: kind, the 4 characters of the password.
class CM_MCS_PASS_SUBMIT : public LCmd {
public:
  CM_MCS_PASS_SUBMIT(int unitId, int kind, QByteArrayView password);
};

/// Code 47: the 4 characters of the password, enable.
class CM_MCS_SET_LOCK : public LCmd {
public:
  CM_MCS_SET_LOCK(int unitId, QByteArrayView password, int enable);
};

/// Code 92: the 4 characters of the password, the 3 permission bytes
/// (inputs, outputs, presets), enable.
class CM_MCS_SET_USER_LOCK : public LCmd {
public:
  CM_MCS_SET_USER_LOCK(int unitId, QByteArrayView password, const std::array<std::uint8_t, 3>& permissions,
                       int enable);
};

/// Code 57: signal mode, sine frequency index, level.
class CM_MCS_WORK_MODE : public LCmd {
public:
  CM_MCS_WORK_MODE(int unitId, int mode, int sineIndex, int level);
};
