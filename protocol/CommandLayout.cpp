#include "protocol/CommandLayout.h"

#include "protocol/CommandCodes.h"

std::optional<std::size_t> ParameterAddressBytes(std::uint8_t code) {
  switch (code) {
    case CMD_DELAY_UNIT:
    case CMD_WORK_MODE:
      return 0;
    case CMD_COMP:
    case CMD_LOW_PASS:
    case CMD_HIGH_PASS:
    case CMD_GAIN:
    case CMD_MUTE:
    case CMD_POLARITY:
    case CMD_DELAY:
    case CMD_MATRIX:
    case CMD_LINK_MASK:
    case CMD_EQ_BYPASS:
    case CMD_CHANNEL_NAME:
    case CMD_GATE:
    case CMD_LIMIT:
    case CMD_FIR:
    case CMD_OUTPUT_MODE:
    case CMD_INPUT_FIR_BYPASS:
    case CMD_FIR_NAME:
    case CMD_SOURCE_PAIR:
      return 1;
    case CMD_PEQ:      // channel, band
    case CMD_MIX:      // output, input
    case CMD_EXT_FIR:  // channel, block
    case CMD_SOURCE_TYPE:  // input or output pair, pair number
      return 2;
    case CMD_FIR_EXT_EEPROM:  // preset, channel, block
      return 3;
    default:
      return std::nullopt;
  }
}
