#pragma once

#include <QByteArrayView>

#include "protocol/LCmd.h"

/// Commands for one channel's level, routing and naming. Each takes the unit
/// id first; byte arguments are cut to 8 bits, words sent low byte first.

/// Code 52: channel, gain code (16 bits).
class CM_MCS_GAIN : public LCmd {
public:
  CM_MCS_GAIN(int unitId, int channel, int gainCode);
};

/// Code 53: channel, the mute flag unchanged.
class CM_MCS_MUTE : public LCmd {
public:
  CM_MCS_MUTE(int unitId, int channel, int flag);
};

/// Code 54: channel, 1 when the flag is non-zero, else 0.
class CM_MCS_POLARITY : public LCmd {
public:
  CM_MCS_POLARITY(int unitId, int channel, int flag);
};

/// Code 56: channel, delay in samples (16 bits).
class CM_MCS_DELAY : public LCmd {
public:
  CM_MCS_DELAY(int unitId, int channel, int samples);
};

/// Code 21: the delay display unit (0 ms, 1 metres, 2 feet).
class CM_MCS_DELAYUNIT : public LCmd {
public:
  CM_MCS_DELAYUNIT(int unitId, int unit);
};

/// Code 58: output channel, low 8 bits of its routing mask.
class CM_MCS_MATRIX : public LCmd {
public:
  CM_MCS_MATRIX(int unitId, int channel, int routingMask);
};

/// Code 65: output channel, input number, mix level code (16 bits).
class CM_MCS_MIX : public LCmd {
public:
  CM_MCS_MIX(int unitId, int channel, int input, int levelCode);
};

/// Code 61: channel, the 8 characters of its name.
class CM_MCS_CHANNEL_NAME : public LCmd {
public:
  CM_MCS_CHANNEL_NAME(int unitId, int channel, QByteArrayView name);
};
