#include "protocol/LUnitControl.h"

#include <algorithm>

namespace {

bool IsBand(int channel, int band) {
  return (UnitImage::IsInput(channel) || UnitImage::IsOutput(channel)) && band >= 0 && band < UnitImage::BandCount(channel);
}

}  // namespace

int LUnitControl::GetGain(int channel) const {
  const auto field = Field(channel, UnitImage::kInGain, UnitImage::kOutGain);
  return field ? m_image.Word(*field) : 0;
}

int LUnitControl::GetDelay(int channel) const {
  const auto field = Field(channel, UnitImage::kInDelay, UnitImage::kOutDelay);
  return field ? m_image.Word(*field) : 0;
}

bool LUnitControl::GetPolarity(int channel) const {
  const auto field = Field(channel, UnitImage::kInPolarity, UnitImage::kOutPolarity);
  return field && m_image.Word(*field) != 0;
}

unsigned LUnitControl::GetLinkMask(int channel) const {
  const auto field = Field(channel, UnitImage::kInLinkMask, UnitImage::kOutLinkMask);
  return field ? m_image.Word(*field) : 0u;
}

bool LUnitControl::GetMute(int channel) const {
  return Field(channel, 0, 0) && (m_image.Word(UnitImage::MuteMask(channel)) >> UnitImage::KindBit(channel) & 1u);
}

PeqBandRecord LUnitControl::GetPeqBand(int channel, int band) const {
  return IsBand(channel, band) ? m_image.ReadRecord<PeqBandRecord>(UnitImage::BandRecord(channel, band)) : PeqBandRecord{};
}

PeqBandRecord LUnitControl::GetDefaultPeqBand(int channel, int band) const {
  return IsBand(channel, band) ? UnitImage::Default().ReadRecord<PeqBandRecord>(UnitImage::BandRecord(channel, band))
                               : PeqBandRecord{};
}

bool LUnitControl::IsPeqBandBypassed(int channel, int band) const {
  return IsBand(channel, band) && (m_image.Word(UnitImage::BandBypassMask(channel)) >> band & 1u);
}

CompressorRecord LUnitControl::GetCompressor(int input) const {
  const auto field = Field(input, UnitImage::kInCompressor, kNoField);
  return field ? m_image.ReadRecord<CompressorRecord>(*field) : CompressorRecord{};
}

GateRecord LUnitControl::GetGate(int input) const {
  const auto field = Field(input, UnitImage::kInGate, kNoField);
  return field ? m_image.ReadRecord<GateRecord>(*field) : GateRecord{};
}

LimiterRecord LUnitControl::GetLimiter(int output) const {
  const auto field = Field(output, kNoField, UnitImage::kOutLimiter);
  return field ? m_image.ReadRecord<LimiterRecord>(*field) : LimiterRecord{};
}

OutputFilterRecord LUnitControl::GetOutputFilters(int channel) const {
  const auto field = Field(channel, kNoField, UnitImage::kOutFilter);
  return field ? m_image.ReadRecord<OutputFilterRecord>(*field) : OutputFilterRecord{};
}

int LUnitControl::GetInputFirTaps(int input) const {
  const auto field = Field(input, UnitImage::kInFirTaps, kNoField);
  return field ? m_image.Word(*field) : 0;
}

bool LUnitControl::GetInputFirBypass(int input) const {
  const auto field = Field(input, UnitImage::kInFirBypass, kNoField);
  return field && m_image.Word(*field) != 0;
}

unsigned LUnitControl::GetRoutingMask(int output) const {
  const auto field = Field(output, kNoField, UnitImage::kOutRouting);
  return field ? m_image.Word(*field) : 0u;
}

int LUnitControl::GetMixLevel(int output, int input) const {
  const auto field = Field(output, kNoField, UnitImage::kOutMixLevels);
  return field && UnitImage::IsInput(input) ? m_image.Word(*field + 2 * static_cast<std::size_t>(input)) : 0;
}

std::span<const std::uint8_t> LUnitControl::GetChannelNameField(int channel) const {
  const auto field = Field(channel, UnitImage::kInName, UnitImage::kOutName);
  return field ? m_image.Bytes().subspan(*field, UnitImage::kNameSize) : std::span<const std::uint8_t>();
}

std::span<const std::uint8_t> LUnitControl::GetFirNameField(int slot) const {
  if (slot < 0 || slot >= UnitImage::kChannelCount) {
    return {};
  }
  return m_image.Bytes().subspan(UnitImage::kFirNames + UnitImage::kNameSize * static_cast<std::size_t>(slot),
                                 UnitImage::kNameSize);
}

std::span<const std::uint8_t> LUnitControl::GetPresetNameField() const {
  return m_image.Bytes().subspan(UnitImage::kPresetName, UnitImage::kPresetNameSize);
}

unsigned LUnitControl::GetEqBypassMask(int channel) const { return m_image.Word(UnitImage::EqBypassMask(channel)); }

bool LUnitControl::IsSourcePaired(int source) const {
  return source >= 0 && source < UnitImage::kChannelCount && (m_image.Word(UnitImage::kSourcePairMask) >> source & 1u);
}

int LUnitControl::GetDelayUnit() const { return m_image.Byte(UnitImage::kDelayUnit); }

int LUnitControl::GetDanteAvailable() const { return m_image.Byte(UnitImage::kDanteAvailable); }

int LUnitControl::GetTestSignalMode() const { return m_image.Word(UnitImage::kTestSignalMode); }

int LUnitControl::GetTestSineFrequency() const { return m_image.Byte(UnitImage::kTestSineFrequency); }

int LUnitControl::GetTestLevel() const { return m_image.Byte(UnitImage::kTestLevel); }

int LUnitControl::GetInputPairSource(int pair) const {
  return pair == 0 || pair == 1 ? m_image.Byte(UnitImage::kInputPairSource + static_cast<std::size_t>(pair)) : 0;
}

int LUnitControl::GetOutputPairSource(int pair) const {
  return pair >= 0 && pair < 8 ? m_image.Byte(UnitImage::kOutputPairSource) >> pair & 1 : 0;
}

int LUnitControl::GetDanteOutputSource(int pair) const {
  return pair >= 0 && pair < 8 ? m_image.Byte(UnitImage::kDanteOutputSource) >> pair & 1 : 0;
}

void LUnitControl::SetPresetUsedFlags(std::span<const std::uint8_t> payload) {
  for (std::size_t n = 0; n < m_presetUsed.size(); ++n) {
    m_presetUsed[n] = n < payload.size() && payload[n] == 0xFF ? 1 : 0;
  }
}

void LUnitControl::SetPresetName(std::span<const std::uint8_t> payload) {
  const auto count = std::min(payload.size(), UnitImage::kPresetNameSize);
  m_image.SetText(UnitImage::kPresetName,
                  QByteArrayView(payload.data(), static_cast<qsizetype>(count)), UnitImage::kPresetNameSize);
}

bool LUnitControl::IsPresetUsed(int n) const { return n >= 0 && n < kPresetCount && m_presetUsed[static_cast<std::size_t>(n)] != 0; }

void LUnitControl::MarkPresetUsed(int n) {
  if (n >= 0 && n < kPresetCount) {
    m_presetUsed[static_cast<std::size_t>(n)] = 1;
  }
}

void LUnitControl::CopyChannelRecord(int source, int destination) {
  const bool inputs = UnitImage::IsInput(source) && UnitImage::IsInput(destination);
  const bool outputs = UnitImage::IsOutput(source) && UnitImage::IsOutput(destination);
  if (!inputs && !outputs) {
    return;
  }
  // Inputs: gate to link mask exclusive; outputs: filter record to link mask exclusive.
  const std::size_t first = inputs ? UnitImage::kInGate : UnitImage::kOutFilter;
  const std::size_t last = inputs ? UnitImage::kInLinkMask : UnitImage::kOutLinkMask;
  const auto bytes = m_image.Bytes();
  const auto from = bytes.begin() + static_cast<std::ptrdiff_t>(UnitImage::ChannelRecord(source) + first);
  std::copy(from, from + static_cast<std::ptrdiff_t>(last - first),
            bytes.begin() + static_cast<std::ptrdiff_t>(UnitImage::ChannelRecord(destination) + first));
  m_image.SetWord(UnitImage::BandBypassMask(destination), m_image.Word(UnitImage::BandBypassMask(source)));
  m_image.SetWordBit(UnitImage::MuteMask(destination), UnitImage::KindBit(destination), GetMute(source));
  const bool sourceEqBypassed = m_image.Word(UnitImage::EqBypassMask(source)) >> UnitImage::KindBit(source) & 1u;
  m_image.SetWordBit(UnitImage::EqBypassMask(destination), UnitImage::KindBit(destination), sourceEqBypassed);
}
