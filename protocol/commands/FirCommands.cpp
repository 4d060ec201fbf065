#include "protocol/commands/FirCommands.h"

#include <algorithm>
#include <vector>

#include "protocol/CommandCodes.h"

namespace {

constexpr int kCoefficientsPerBlock = 12;

/// The block's coefficients: as many as the tap count gives it, missing
/// ones sent as zero, so the block is as long as its tap count says.
std::vector<float> BlockPart(int block, int taps, std::span<const float> blockCoefficients) {
  std::vector<float> part(static_cast<std::size_t>(FirBlockCoefficientCount(block, taps)), 0.0f);
  std::copy_n(blockCoefficients.begin(), std::min(part.size(), blockCoefficients.size()), part.begin());
  return part;
}

}  // namespace

int FirBlockCoefficientCount(int block, int taps) {
  if ((block + 1) * kCoefficientsPerBlock < taps) {
    return kCoefficientsPerBlock;
  }
  return std::max(0, taps - kCoefficientsPerBlock * block);
}

CM_MCS_EXT_FIR::CM_MCS_EXT_FIR(int unitId, int channel, int block, int taps, std::span<const float> blockCoefficients)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_EXT_FIR) {
  AppendByte(channel);
  AppendByte(block);
  AppendWord(taps);
  AppendBeFloats(BlockPart(block, taps, blockCoefficients));
}

CM_MCS_FIR_EXT_EEPROM::CM_MCS_FIR_EXT_EEPROM(int unitId, int preset, int channel, int block, int taps,
                                             std::span<const float> blockCoefficients)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_FIR_EXT_EEPROM) {
  AppendByte(preset);
  AppendByte(channel);
  AppendByte(block);
  AppendWord(taps);
  AppendBeFloats(BlockPart(block, taps, blockCoefficients));
}

CM_MCS_FIR_NAME::CM_MCS_FIR_NAME(int unitId, int slot, QByteArrayView name)
    : LCmd(static_cast<std::uint8_t>(unitId), CMD_FIR_NAME) {
  AppendByte(slot);
  AppendText(name, 8);
}
