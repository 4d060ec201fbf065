#pragma once

#include "protocol/LCmd.h"
#include "protocol/UnitRecords.h"

/// Commands for the processing blocks of a channel. Records are sent byte
/// for byte in image order after the channel (and band).

/// Code 51: channel, band, band record (gain, FreqIndex, QIndex, type), bypass.
class CM_MCS_PEQ : public LCmd {
public:
  CM_MCS_PEQ(int unitId, int channel, int band, const PeqBandRecord& record, int bypass);
};

/// Code 49: the high cut of an output: channel, FreqIndex (16 bits), slope.
class CM_MCS_LOW_PASS : public LCmd {
public:
  CM_MCS_LOW_PASS(int unitId, int channel, int freqIndex, int slope);
};

/// Code 50: the low cut of an output: channel, FreqIndex (16 bits), slope.
class CM_MCS_HIGH_PASS : public LCmd {
public:
  CM_MCS_HIGH_PASS(int unitId, int channel, int freqIndex, int slope);
};

/// Code 48: channel, compressor record (14 bytes).
class CM_MCS_COMP : public LCmd {
public:
  CM_MCS_COMP(int unitId, int channel, const CompressorRecord& record);
};

/// Code 62: channel, gate record (8 bytes).
class CM_MCS_GATE : public LCmd {
public:
  CM_MCS_GATE(int unitId, int channel, const GateRecord& record);
};

/// Code 63: channel, limiter record (10 bytes).
class CM_MCS_LIMIT : public LCmd {
public:
  CM_MCS_LIMIT(int unitId, int channel, const LimiterRecord& record);
};

/// Code 75: channel, designed-FIR record (8 bytes).
class CM_MCS_FIR : public LCmd {
public:
  CM_MCS_FIR(int unitId, int channel, const FirDesignRecord& record);
};
