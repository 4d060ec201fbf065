#include "protocol/commands/ProcessingCommands.h"

#include "protocol/CommandCodes.h"

CM_MCS_PEQ::CM_MCS_PEQ(int unitId, int channel, int band, const PeqBandRecord& record, int bypass)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_PEQ) {
  AppendByte(channel);
  AppendByte(band);
  AppendRecord(GetPayload(), record);
  AppendByte(bypass);
}

CM_MCS_LOW_PASS::CM_MCS_LOW_PASS(int unitId, int channel, int freqIndex, int slope)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_LOW_PASS) {
  AppendByte(channel);
  AppendWord(freqIndex);
  AppendByte(slope);
}

CM_MCS_HIGH_PASS::CM_MCS_HIGH_PASS(int unitId, int channel, int freqIndex, int slope)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_HIGH_PASS) {
  AppendByte(channel);
  AppendWord(freqIndex);
  AppendByte(slope);
}

CM_MCS_COMP::CM_MCS_COMP(int unitId, int channel, const CompressorRecord& record)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_COMP) {
  AppendByte(channel);
  AppendRecord(GetPayload(), record);
}

CM_MCS_GATE::CM_MCS_GATE(int unitId, int channel, const GateRecord& record)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_GATE) {
  AppendByte(channel);
  AppendRecord(GetPayload(), record);
}

CM_MCS_LIMIT::CM_MCS_LIMIT(int unitId, int channel, const LimiterRecord& record)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_LIMIT) {
  AppendByte(channel);
  AppendRecord(GetPayload(), record);
}

CM_MCS_FIR::CM_MCS_FIR(int unitId, int channel, const FirDesignRecord& record)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_FIR) {
  AppendByte(channel);
  AppendRecord(GetPayload(), record);
}
