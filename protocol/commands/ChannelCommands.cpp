#include "protocol/commands/ChannelCommands.h"

#include "protocol/CommandCodes.h"

CM_MCS_GAIN::CM_MCS_GAIN(int unitId, int channel, int gainCode) : LCmd(static_cast<std::uint8_t>(unitId), CMD_GAIN) {
  AppendByte(channel);
  AppendWord(gainCode);
}

CM_MCS_MUTE::CM_MCS_MUTE(int unitId, int channel, int flag) : LCmd(static_cast<std::uint8_t>(unitId), CMD_MUTE) {
  AppendByte(channel);
  AppendByte(flag);
}

CM_MCS_POLARITY::CM_MCS_POLARITY(int unitId, int channel, int flag) : LCmd(static_cast<std::uint8_t>(unitId), CMD_POLARITY) {
  AppendByte(channel);
  AppendByte(flag != 0 ? 1 : 0);
}

CM_MCS_DELAY::CM_MCS_DELAY(int unitId, int channel, int samples) : LCmd(static_cast<std::uint8_t>(unitId), CMD_DELAY) {
  AppendByte(channel);
  AppendWord(samples);
}

CM_MCS_DELAYUNIT::CM_MCS_DELAYUNIT(int unitId, int unit) : LCmd(static_cast<std::uint8_t>(unitId), CMD_DELAY_UNIT) { AppendByte(unit); }

CM_MCS_MATRIX::CM_MCS_MATRIX(int unitId, int channel, int routingMask) : LCmd(static_cast<std::uint8_t>(unitId), CMD_MATRIX) {
  AppendByte(channel);
  AppendByte(routingMask);
}

CM_MCS_MIX::CM_MCS_MIX(int unitId, int channel, int input, int levelCode) : LCmd(static_cast<std::uint8_t>(unitId), CMD_MIX) {
  AppendByte(channel);
  AppendByte(input);
  AppendWord(levelCode);
}

CM_MCS_CHANNEL_NAME::CM_MCS_CHANNEL_NAME(int unitId, int channel, QByteArrayView name)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_CHANNEL_NAME) {
  AppendByte(channel);
  AppendText(name, 8);
}
