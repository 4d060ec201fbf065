#pragma once

#include <cstdint>

#include "protocol/UnitImage.h"
#include "protocol/UnitRecords.h"

/// The FIR settings of an image that tests set up: an output's FIR type and
/// tap word, an input's tap count.
inline void SetOutputFir(UnitImage& image, int channel, int type, int taps) {
  const std::size_t at = UnitImage::ChannelRecord(channel) + UnitImage::kOutFilter;
  auto filter = image.ReadRecord<OutputFilterRecord>(at);
  filter.fir.firType = static_cast<std::uint8_t>(type);
  filter.fir.taps = static_cast<std::uint16_t>(taps);
  image.WriteRecord(at, filter);
}

inline void SetInputTaps(UnitImage& image, int input, int taps) {
  image.SetWord(UnitImage::ChannelRecord(input) + UnitImage::kInFirTaps, static_cast<unsigned>(taps));
}
