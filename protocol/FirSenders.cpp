#include "protocol/FirSenders.h"

#include <algorithm>
#include <array>

#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/FirBlockMap.h"
#include "protocol/FirCoefficientStore.h"
#include "protocol/UnitImage.h"
#include "protocol/UnitRecords.h"
#include "protocol/commands/FirCommands.h"

namespace {

constexpr int kPerBlock = 12;

/// Calls `emit` (block, coefficients from 12 x block) for every block.
template <typename Emit>
void ForEachBlock(const FirCoefficientStore& fir, int channel, int taps, Emit emit) {
  for (int block = 0; kPerBlock * block < taps; ++block) {
    std::array<float, kPerBlock> part{};
    for (int k = 0; k < kPerBlock; ++k) {
      part[static_cast<std::size_t>(k)] = fir.Coefficient(channel, kPerBlock * block + k);
    }
    emit(block, std::span<const float>(part));
  }
}

}  // namespace

int ClampFirTaps(int channel, int taps) { return std::clamp(taps, 0, FirBlockMap::ChannelTaps(channel)); }

void AppendFirBlocks(std::vector<LCmd>& out, const FirCoefficientStore& fir, int unitId, int channel, int taps) {
  taps = ClampFirTaps(channel, taps);
  ForEachBlock(fir, channel, taps, [&](int block, std::span<const float> part) {
    out.push_back(CM_MCS_EXT_FIR(unitId, channel, block, taps, part));
  });
}

void AppendPresetFirBlocks(std::vector<LCmd>& out, const FirCoefficientStore& fir, int unitId, int preset,
                           int channel, int taps) {
  taps = ClampFirTaps(channel, taps);
  ForEachBlock(fir, channel, taps, [&](int block, std::span<const float> part) {
    out.push_back(CM_MCS_FIR_EXT_EEPROM(unitId, preset, channel, block, taps, part));
  });
}

void AppendSectorErase(std::vector<LCmd>& out, int unitId, int preset, int channel) {
  for (const int sector : FirBlockMap::ChannelSectors(preset, channel)) {
    out.push_back(CM_MCS_CMD(unitId, CMD_ERASE_FIR_SECTOR, sector & 0xFF, (sector >> 8) & 0xFF));
  }
}

int ImageFirTaps(const UnitImage& image, int channel) {
  const std::size_t record = UnitImage::ChannelRecord(channel);
  return UnitImage::IsInput(channel)
             ? image.Word(record + UnitImage::kInFirTaps)
             : image.ReadRecord<OutputFilterRecord>(record + UnitImage::kOutFilter).fir.taps;
}
