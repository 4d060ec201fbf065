#include "protocol/FirBlockMap.h"

std::vector<int> FirBlockMap::ChannelSectors(int preset, int channel) {
  const int first = FirSector(preset, 4 * ChannelStart(channel));
  if (channel < kInputCount) {
    return {first, first + 1};
  }
  return {first};
}
