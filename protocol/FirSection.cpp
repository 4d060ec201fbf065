#include "protocol/FirSection.h"

#include <algorithm>

#include "protocol/FirBlockMap.h"
#include "protocol/FirCoefficientStore.h"
#include "protocol/UnitImage.h"
#include "protocol/UnitRecords.h"

namespace {

/// Output FIR types from this one on run external coefficients.
constexpr int kExternalFirType = 4;
/// What an output of another type keeps: enough to tell it from an identity.
constexpr int kDesignedFirCoefficients = 2;

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

int PresetFirCount(const UnitImage& presetImage, int channel, float firstCoefficient) {
  const std::size_t record = UnitImage::ChannelRecord(channel);
  int count = 0;
  if (UnitImage::IsInput(channel)) {
    count = presetImage.Word(record + UnitImage::kInFirTaps);
  } else {
    const auto filter = presetImage.ReadRecord<OutputFilterRecord>(record + UnitImage::kOutFilter);
    const bool external = filter.fir.firType >= kExternalFirType || firstCoefficient != 1.0f;
    count = external ? filter.fir.taps : kDesignedFirCoefficients;
  }
  return std::clamp(count, 0, FirBlockMap::ChannelTaps(channel));
}

std::vector<std::uint8_t> EncodePresetFir(const FirCoefficientStore& fir, const UnitImage& presetImage) {
  std::vector<std::uint8_t> out;
  out.reserve(FirBlockMap::kAreaBytes);
  for (int channel = 0; channel < UnitImage::kChannelCount; ++channel) {
    AppendFirSectionChannel(out, fir, channel, PresetFirCount(presetImage, channel, fir.Coefficient(channel, 0)));
  }
  return out;
}

std::vector<std::uint8_t> EncodeErasedFir() { return std::vector<std::uint8_t>(FirBlockMap::kAreaBytes, 0xFF); }
