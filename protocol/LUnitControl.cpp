#include "protocol/LUnitControl.h"

#include <algorithm>
#include <bit>

#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/IUnitHost.h"
#include "protocol/commands/ChannelCommands.h"
#include "protocol/commands/FirCommands.h"
#include "protocol/commands/ProcessingCommands.h"

namespace {

constexpr unsigned kInputBits = (1u << UnitImage::kInputCount) - 1;
constexpr unsigned kOutputBits = (1u << UnitImage::kOutputCount) - 1;

bool IsChannel(int channel) { return channel >= 0 && channel < UnitImage::kChannelCount; }

int FirstOfKind(int channel) { return UnitImage::IsInput(channel) ? 0 : UnitImage::kInputCount; }

int CountOfKind(int channel) { return UnitImage::IsInput(channel) ? UnitImage::kInputCount : UnitImage::kOutputCount; }

}  // namespace

LUnitControl::LUnitControl(IUnitHost& host) : m_host(host), m_image(UnitImage::Default()) {}

std::optional<std::size_t> LUnitControl::Field(int channel, std::size_t inputField, std::size_t outputField) {
  const std::size_t field = UnitImage::IsInput(channel) ? inputField : outputField;
  if (!IsChannel(channel) || field == kNoField) {
    return std::nullopt;
  }
  return UnitImage::ChannelRecord(channel) + field;
}

unsigned LUnitControl::GetLinkGroup(int channel) const {
  if (!IsChannel(channel)) {
    return 0;
  }
  const int first = FirstOfKind(channel);
  const unsigned own = 1u << UnitImage::KindBit(channel);
  const unsigned mask = GetLinkMask(channel);
  if (mask & own) {
    return mask;
  }
  for (int lower = first; lower < channel; ++lower) {
    const unsigned lowerMask = GetLinkMask(lower);
    if (lowerMask & own) {
      return lowerMask;
    }
  }
  // A damaged mask: fall back to the channel below, and never leave out the
  // channel being edited.
  return (channel == first ? mask : GetLinkMask(channel - 1)) | own;
}

int LUnitControl::CountLinkGroup(int channel) const {
  const unsigned kindBits = UnitImage::IsInput(channel) ? kInputBits : kOutputBits;
  return std::popcount(GetLinkGroup(channel) & kindBits);
}

template <typename Store>
void LUnitControl::ForEachInGroup(int channel, Store store) {
  const unsigned group = GetLinkGroup(channel);
  const int first = FirstOfKind(channel);
  for (int bit = 0; bit < CountOfKind(channel); ++bit) {
    if (group & (1u << bit)) {
      store(first + bit);
    }
  }
}

void LUnitControl::Send(const LCmd& command, bool forceAppend) {
  if (!m_host.IsRefreshingControls()) {
    m_host.SendCommand(command, forceAppend, SERIALIZE_FRAME);
  }
}

void LUnitControl::SetCompressor(int input, const CompressorRecord& record) {
  if (!UnitImage::IsInput(input)) {
    return;
  }
  ForEachInGroup(input, [&](int ch) { m_image.WriteRecord(UnitImage::ChannelRecord(ch) + UnitImage::kInCompressor, record); });
  Send(CM_MCS_COMP(m_host.GetUnitId(), input, record), false);
}

void LUnitControl::SetGate(int input, const GateRecord& record) {
  if (!UnitImage::IsInput(input)) {
    return;
  }
  ForEachInGroup(input, [&](int ch) { m_image.WriteRecord(UnitImage::ChannelRecord(ch) + UnitImage::kInGate, record); });
  Send(CM_MCS_GATE(m_host.GetUnitId(), input, record), false);
}

void LUnitControl::SetLimiter(int output, const LimiterRecord& record) {
  if (!UnitImage::IsOutput(output)) {
    return;
  }
  ForEachInGroup(output, [&](int ch) { m_image.WriteRecord(UnitImage::ChannelRecord(ch) + UnitImage::kOutLimiter, record); });
  Send(CM_MCS_LIMIT(m_host.GetUnitId(), output, record), false);
}

void LUnitControl::SetPolarity(int channel, int flag) {
  if (!IsChannel(channel)) {
    return;
  }
  const unsigned word = static_cast<std::uint8_t>(flag);
  ForEachInGroup(channel, [&](int ch) { m_image.SetWord(*Field(ch, UnitImage::kInPolarity, UnitImage::kOutPolarity), word); });
  Send(CM_MCS_POLARITY(m_host.GetUnitId(), channel, flag), false);
}

void LUnitControl::SetPeqBand(int channel, int band, const PeqBandRecord& record, int bypass) {
  if (!IsChannel(channel) || band < 0 || band >= UnitImage::BandCount(channel)) {
    return;
  }
  ForEachInGroup(channel, [&](int ch) {
    m_image.WriteRecord(UnitImage::BandRecord(ch, band), record);
    m_image.SetWordBit(UnitImage::BandBypassMask(ch), band, bypass != 0);
  });
  Send(CM_MCS_PEQ(m_host.GetUnitId(), channel, band, record, bypass), false);
  m_host.MarkCurveOverlayDirty(channel);
}

void LUnitControl::StoreCrossover(int output, std::size_t indexField, std::size_t slopeField, unsigned index,
                                  unsigned slope) {
  if (UnitImage::IsOutput(output)) {
    ForEachInGroup(output, [&](int ch) {
      const std::size_t filter = UnitImage::ChannelRecord(ch) + UnitImage::kOutFilter;
      m_image.SetWord(filter + indexField, index);
      m_image.SetByte(filter + slopeField, slope);
    });
  }
}

void LUnitControl::SetHighPass(int output, const OutputFilterRecord& record) {
  StoreCrossover(output, 2, 6, record.lowCutIndex, record.lowCutSlope);
  Send(CM_MCS_HIGH_PASS(m_host.GetUnitId(), output, record.lowCutIndex, record.lowCutSlope), false);
  m_host.MarkCurveOverlayDirty(output);
}

void LUnitControl::SetLowPass(int output, const OutputFilterRecord& record) {
  StoreCrossover(output, 4, 7, record.highCutIndex, record.highCutSlope);
  Send(CM_MCS_LOW_PASS(m_host.GetUnitId(), output, record.highCutIndex, record.highCutSlope), false);
  m_host.MarkCurveOverlayDirty(output);
}

void LUnitControl::SetOutputFir(int output, const FirDesignRecord& record) {
  if (UnitImage::IsOutput(output)) {
    ForEachInGroup(output, [&](int ch) {
      m_image.WriteRecord(UnitImage::ChannelRecord(ch) + UnitImage::kOutFilter + 8, record);
    });
  }
  Send(CM_MCS_FIR(m_host.GetUnitId(), output, record), true);
  m_host.MarkCurveOverlayDirty(output);
}

void LUnitControl::SetOutputFirRecord(int output, const OutputFilterRecord& record) {
  if (UnitImage::IsOutput(output)) {
    ForEachInGroup(output, [&](int ch) { m_image.WriteRecord(UnitImage::ChannelRecord(ch) + UnitImage::kOutFilter, record); });
  }
}

void LUnitControl::SetInputFirTaps(int input, int taps) {
  if (UnitImage::IsInput(input)) {
    ForEachInGroup(input, [&](int ch) {
      m_image.SetWord(UnitImage::ChannelRecord(ch) + UnitImage::kInFirTaps, static_cast<unsigned>(taps));
    });
  }
}

void LUnitControl::SetInputFirBypass(int input, int flag) {
  if (UnitImage::IsInput(input)) {
    ForEachInGroup(input, [&](int ch) {
      m_image.SetWord(UnitImage::ChannelRecord(ch) + UnitImage::kInFirBypass, static_cast<unsigned>(flag));
    });
  }
  Send(CM_MCS_CMD(m_host.GetUnitId(), CMD_INPUT_FIR_BYPASS, input, flag), true);
}

void LUnitControl::SetGain(int channel, int gainCode) {
  if (!IsChannel(channel)) {
    return;
  }
  ForEachInGroup(channel, [&](int ch) {
    m_image.SetWord(*Field(ch, UnitImage::kInGain, UnitImage::kOutGain), static_cast<unsigned>(gainCode));
  });
  Send(CM_MCS_GAIN(m_host.GetUnitId(), channel, gainCode), false);
}

void LUnitControl::SetDelay(int channel, int samples) {
  if (!IsChannel(channel)) {
    return;
  }
  ForEachInGroup(channel, [&](int ch) {
    m_image.SetWord(*Field(ch, UnitImage::kInDelay, UnitImage::kOutDelay), static_cast<unsigned>(samples));
  });
  Send(CM_MCS_DELAY(m_host.GetUnitId(), channel, samples), false);
}

void LUnitControl::SetMute(int channel, int flag) {
  if (!IsChannel(channel)) {
    return;
  }
  ForEachInGroup(channel, [&](int ch) { m_image.SetWordBit(UnitImage::MuteMask(ch), UnitImage::KindBit(ch), flag != 0); });
  Send(CM_MCS_MUTE(m_host.GetUnitId(), channel, flag), false);
}

void LUnitControl::SetDelayUnit(int unit) {
  m_image.SetByte(UnitImage::kDelayUnit, static_cast<unsigned>(unit));
  Send(CM_MCS_DELAYUNIT(m_host.GetUnitId(), unit), false);
}

void LUnitControl::SetRouting(int output, int input, int flag) {
  if (!UnitImage::IsOutput(output) || !UnitImage::IsInput(input)) {
    return;
  }
  const std::size_t routing = UnitImage::ChannelRecord(output) + UnitImage::kOutRouting;
  m_image.SetWordBit(routing, input, flag != 0);
  Send(CM_MCS_MATRIX(m_host.GetUnitId(), output, m_image.Word(routing)), false);
}

void LUnitControl::SetMixLevel(int output, int input, int levelCode) {
  if (!UnitImage::IsOutput(output) || !UnitImage::IsInput(input)) {
    return;
  }
  m_image.SetWord(UnitImage::ChannelRecord(output) + UnitImage::kOutMixLevels + 2 * static_cast<std::size_t>(input),
                  static_cast<unsigned>(levelCode));
  Send(CM_MCS_MIX(m_host.GetUnitId(), output, input, levelCode), false);
}

void LUnitControl::SetLinkMask(int channel, int mask) {
  if (!IsChannel(channel)) {
    return;
  }
  m_image.SetWord(*Field(channel, UnitImage::kInLinkMask, UnitImage::kOutLinkMask), static_cast<unsigned>(mask));
  Send(CM_MCS_CMD(m_host.GetUnitId(), CMD_LINK_MASK, channel, mask), true);
}

void LUnitControl::SetSourcePair(int source, int flag) {
  if (!IsChannel(source)) {
    return;
  }
  m_image.SetWordBit(UnitImage::kSourcePairMask, source, flag != 0);
  Send(CM_MCS_CMD(m_host.GetUnitId(), CMD_SOURCE_PAIR, source, flag), true);
}

void LUnitControl::SetChannelName(int channel, QByteArrayView name) {
  if (!IsChannel(channel)) {
    return;
  }
  const std::size_t field = UnitImage::ChannelRecord(channel);
  m_image.SetText(field, name, UnitImage::kNameSize);
  Send(CM_MCS_CHANNEL_NAME(m_host.GetUnitId(), channel, QByteArrayView(m_image.Data() + field, UnitImage::kNameSize)),
       true);
}

void LUnitControl::SetFirName(int slot, QByteArrayView name) {
  if (slot < 0 || slot >= UnitImage::kChannelCount) {
    return;
  }
  const std::size_t field = UnitImage::kFirNames + UnitImage::kNameSize * static_cast<std::size_t>(slot);
  m_image.SetText(field, name, UnitImage::kNameSize);
  Send(CM_MCS_FIR_NAME(m_host.GetUnitId(), slot, QByteArrayView(m_image.Data() + field, UnitImage::kNameSize)), true);
}

void LUnitControl::SetEqBypassMask(int channel, int mask) {
  m_image.SetWord(UnitImage::EqBypassMask(channel), static_cast<unsigned>(mask));
}
