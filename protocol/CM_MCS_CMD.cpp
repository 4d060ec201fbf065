#include "protocol/CM_MCS_CMD.h"

CM_MCS_CMD::CM_MCS_CMD(int unitId, int code)
    : LCmd(static_cast<std::uint8_t>(unitId & 0xFF), static_cast<std::uint8_t>(code & 0xFF)) {}

CM_MCS_CMD::CM_MCS_CMD(int unitId, int code, int b0) : CM_MCS_CMD(unitId, code) { AppendByte(b0); }

CM_MCS_CMD::CM_MCS_CMD(int unitId, int code, int b0, int b1) : CM_MCS_CMD(unitId, code, b0) { AppendByte(b1); }

CM_MCS_CMD::CM_MCS_CMD(int unitId, int code, int b0, int b1, int b2) : CM_MCS_CMD(unitId, code, b0, b1) {
  AppendByte(b2);
}
