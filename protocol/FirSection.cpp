#include "protocol/FirSection.h"

#include <algorithm>

#include "protocol/FirBlockMap.h"
#include "protocol/FirCoefficientStore.h"
#include "protocol/UnitImage.h"
#include "protocol/UnitRecords.h"

namespace {

void AppendLeWord(std::vector<std::uint8_t>& out, std::uint32_t word) {
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<std::uint8_t>((word >> shift) & 0xFF));
  }
}

}  // namespace

void AppendFirSectionChannel(std::vector<std::uint8_t>& out, const FirCoefficientStore& fir, int channel, int count) {
  const int taps = FirBlockMap::ChannelTaps(channel);
  count = std::clamp(count, 0, taps);
  bool identity = fir.Coefficient(channel, 0) == 1.0f;
  for (int k = 1; identity && k < count; ++k) {
    identity = fir.Coefficient(channel, k) == 0.0f;
  }
  const int written = identity ? 0 : count;
  for (int k = 0; k < written; ++k) {
    AppendLeWord(out, fir.ChannelWord(channel, k));
  }
  for (int k = written; k < taps; ++k) {
    AppendLeWord(out, FirBlockMap::kEndMarker);
  }
}

std::vector<std::uint8_t> EncodePresetFir(const FirCoefficientStore& fir, const UnitImage& presetImage) {
  std::vector<std::uint8_t> out;
  out.reserve(FirBlockMap::kAreaBytes);
  for (int input = 0; input < UnitImage::kInputCount; ++input) {
    AppendFirSectionChannel(out, fir, input, presetImage.Word(UnitImage::ChannelRecord(input) + UnitImage::kInFirTaps));
  }
  for (int channel = UnitImage::kInputCount; channel < UnitImage::kChannelCount; ++channel) {
    const auto filter =
        presetImage.ReadRecord<OutputFilterRecord>(UnitImage::ChannelRecord(channel) + UnitImage::kOutFilter);
    const bool external = filter.fir.firType >= 4 || fir.Coefficient(channel, 0) != 1.0f;
    AppendFirSectionChannel(out, fir, channel, external ? filter.fir.taps : 2);
  }
  return out;
}

std::vector<std::uint8_t> EncodeErasedFir() { return std::vector<std::uint8_t>(FirBlockMap::kAreaBytes, 0xFF); }
