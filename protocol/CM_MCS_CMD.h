#pragma once

#include <cstdint>

#include "protocol/LCmd.h"

/// A generic command with 0 to 3 payload bytes, in argument order; each
/// argument is cut to its low 8 bits. Built on the stack and sent once.
class CM_MCS_CMD : public LCmd {
public:
  CM_MCS_CMD(int unitId, int code);
  CM_MCS_CMD(int unitId, int code, int b0);
  CM_MCS_CMD(int unitId, int code, int b0, int b1);
  CM_MCS_CMD(int unitId, int code, int b0, int b1, int b2);
};
