#pragma once

#include <cstdint>

#include "protocol/FirBlockMap.h"
#include "protocol/FirCoefficientStore.h"
#include "tools/unitsim/SimFirArea.h"

/// The coefficient store the editor's read of `area` gives: an erased first
/// word makes an identity, a later marker ends the channel with zeros. For
/// the tests and tools that hold the editor's model against the simulator
/// (header only: the simulator itself knows nothing of the editor).
inline FirCoefficientStore StoreOfFirArea(const SimFirArea& area) {
  FirCoefficientStore store;
  for (int channel = 0; channel < FirBlockMap::kChannelCount; ++channel) {
    const int start = FirBlockMap::ChannelStart(channel);
    if (area.Word(channel, 0) == SimFirArea::kMarker) {
      store.SetIdentity(channel);
      continue;
    }
    for (int k = 0; k < FirBlockMap::ChannelTaps(channel); ++k) {
      const std::uint32_t word = area.Word(channel, k);
      if (word == SimFirArea::kMarker) {
        break;
      }
      store.SetWord(start + k, word);
    }
  }
  return store;
}
