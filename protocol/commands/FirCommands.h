#pragma once

#include <span>

#include <QByteArrayView>

#include "protocol/LCmd.h"

/// Coefficients a FIR block command carries: 12 while (block + 1) x 12 is
/// below the tap count, else what remains of the taps (never negative).
int FirBlockCoefficientCount(int block, int taps);

/// Code 78: channel, block, tap count (16 bits), then the block's
/// coefficients as big-endian 32-bit floats. `blockCoefficients` starts at
/// coefficient 12 x block; at most FirBlockCoefficientCount of them are sent.
class CM_MCS_EXT_FIR : public LCmd {
public:
  CM_MCS_EXT_FIR(int unitId, int channel, int block, int taps, std::span<const float> blockCoefficients);
};

/// Code 90: preset, channel, block, tap count (16 bits), then the block's
/// coefficients as for CM_MCS_EXT_FIR.
class CM_MCS_FIR_EXT_EEPROM : public LCmd {
public:
  CM_MCS_FIR_EXT_EEPROM(int unitId, int preset, int channel, int block, int taps,
                        std::span<const float> blockCoefficients);
};

/// Code 91: FIR name slot 0-8, the 8 characters of the name.
class CM_MCS_FIR_NAME : public LCmd {
public:
  CM_MCS_FIR_NAME(int unitId, int slot, QByteArrayView name);
};
