#pragma once

#include "protocol/FirBlockMap.h"
#include "protocol/FirCoefficientStore.h"
#include "tools/unitsim/SimFirArea.h"

/// The coefficient store a read of `area` must give: an erased first word
/// makes an identity, a later marker ends the channel with zeros.
inline FirCoefficientStore ExpectedStore(const SimFirArea& area) {
  FirCoefficientStore store;
  for (int channel = 0; channel < 9; ++channel) {
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
