#include "tools/unitsim/SimEngine.h"

#include <algorithm>

#include "tools/unitsim/SimCodes.h"
#include "tools/unitsim/SimUnitState.h"

using namespace SimImageLayout;

namespace {

bool IsChannel(int c) { return c >= 0 && c < kChannels; }
bool IsInput(int c) { return c >= 0 && c < kInputCount; }
bool IsOutput(int c) { return c >= kInputCount && c < kChannels; }

}  // namespace

void SimEngine::WriteGroup(int channel, std::size_t fieldOffset, const std::uint8_t* bytes, std::size_t count) {
  ForEachGroupMember(channel, [&](int member) {
    std::copy_n(bytes, count, m_state.image.begin() + ChannelRecord(member) + fieldOffset);
  });
}

void SimEngine::SetMaskBit(std::size_t offset, int bit, bool on) {
  std::uint16_t mask = ReadWord(m_state.image, offset);
  mask = static_cast<std::uint16_t>(on ? mask | (1u << bit) : mask & ~(1u << bit));
  WriteWord(m_state.image, offset, mask);
}

void SimEngine::SetGroupBits(int channel, std::size_t inputMask, std::size_t outputMask, bool on) {
  const bool input = IsInput(channel);
  ForEachGroupMember(channel, [&](int member) {
    SetMaskBit(input ? inputMask : outputMask, input ? member : member - kInputCount, on);
  });
}

bool SimEngine::ApplyParameter(const SimFrame& command) {
  const std::vector<std::uint8_t>& p = command.payload;
  const std::size_t n = p.size();
  const int ch = n > 0 ? p[0] : -1;
  const std::uint8_t* args = n > 1 ? p.data() + 1 : nullptr;
  SimImage& image = m_state.image;
  switch (command.code) {
    case SimCode::kDelayUnit:
      if (n >= 1) image[kDelayUnit] = p[0];
      return true;
    case SimCode::kPresetName:
      if (n >= kPresetNameSize) std::copy_n(p.begin(), kPresetNameSize, image.begin() + kPresetName);
      return true;
    case SimCode::kCompressor:
      if (n >= 1 + kCompressorSize && IsInput(ch)) WriteGroup(ch, kInCompressor, args, kCompressorSize);
      return true;
    case SimCode::kGate:
      if (n >= 1 + kGateSize && IsInput(ch)) WriteGroup(ch, kInGate, args, kGateSize);
      return true;
    case SimCode::kLimiter:
      if (n >= 1 + kLimiterSize && IsOutput(ch)) WriteGroup(ch, kOutLimiter, args, kLimiterSize);
      return true;
    case SimCode::kHighPass:
      if (n >= 4 && IsOutput(ch)) {
        WriteGroup(ch, kOutFilter + kFilterLowCut, args, 2);
        WriteGroup(ch, kOutFilter + kFilterLowCutSlope, args + 2, 1);
      }
      return true;
    case SimCode::kLowPass:
      if (n >= 4 && IsOutput(ch)) {
        WriteGroup(ch, kOutFilter + kFilterHighCut, args, 2);
        WriteGroup(ch, kOutFilter + kFilterHighCutSlope, args + 2, 1);
      }
      return true;
    case SimCode::kFir:
      if (n >= 1 + kFirRecordSize && IsOutput(ch)) WriteGroup(ch, kOutFilter + kFilterFirRecord, args, kFirRecordSize);
      return true;
    case SimCode::kOutputMode:
      if (n >= 2 && IsOutput(ch)) {
        const std::uint8_t word[] = {p[1], 0};
        WriteGroup(ch, kOutFilter + kFilterMode, word, 2);
      }
      return true;
    case SimCode::kInputFirBypass:
      if (n >= 2 && IsInput(ch)) {
        const std::uint8_t word[] = {p[1], 0};
        WriteGroup(ch, kInFirBypass, word, 2);
      }
      return true;
    case SimCode::kPeq:
      if (n >= 9 && IsChannel(ch)) {
        const int band = p[1];
        if (band < (IsInput(ch) ? 8 : 9)) {
          WriteGroup(ch, (IsInput(ch) ? kInBands : kOutBands) + kBandSize * band, p.data() + 2, kBandSize);
          ForEachGroupMember(ch, [&](int member) {
            SetMaskBit(kBandBypassMasks + 2 * static_cast<std::size_t>(member), band, p[8] != 0);
          });
        }
      }
      return true;
    case SimCode::kGain:
      if (n >= 3 && IsChannel(ch)) WriteGroup(ch, IsInput(ch) ? kInGain : kOutGain, args, 2);
      return true;
    case SimCode::kDelay:
      if (n >= 3 && IsChannel(ch)) WriteGroup(ch, IsInput(ch) ? kInDelay : kOutDelay, args, 2);
      return true;
    case SimCode::kPolarity:
      if (n >= 2 && IsChannel(ch)) {
        const std::uint8_t word[] = {p[1], 0};
        WriteGroup(ch, IsInput(ch) ? kInPolarity : kOutPolarity, word, 2);
      }
      return true;
    case SimCode::kMute:
      if (n >= 2 && IsChannel(ch)) SetGroupBits(ch, kInputMuteMask, kOutputMuteMask, p[1] != 0);
      return true;
    case SimCode::kEqBypass:
      if (n >= 2 && IsChannel(ch)) SetGroupBits(ch, kInputEqBypassMask, kOutputEqBypassMask, p[1] != 0);
      return true;
    case SimCode::kMatrix:
      if (n >= 2 && IsOutput(ch)) WriteWord(image, ChannelRecord(ch) + kOutRouting, p[1]);
      return true;
    case SimCode::kMix:
      if (n >= 4 && IsOutput(ch) && p[1] < 3) {
        WriteWord(image, ChannelRecord(ch) + kOutMix + 2 * p[1], static_cast<std::uint16_t>(p[2] | p[3] << 8));
      }
      return true;
    case SimCode::kLinkMask:
      if (n >= 2 && IsChannel(ch)) {
        WriteWord(image, ChannelRecord(ch) + (IsInput(ch) ? kInLinkMask : kOutLinkMask), p[1]);
      }
      return true;
    case SimCode::kChannelName:
      if (n >= 1 + kNameSize && IsChannel(ch)) std::copy_n(args, kNameSize, image.begin() + ChannelRecord(ch));
      return true;
    case SimCode::kFirName:
      if (n >= 1 + kNameSize && IsChannel(ch)) std::copy_n(args, kNameSize, image.begin() + kFirNames + kNameSize * ch);
      return true;
    case SimCode::kSourcePair:
      if (n >= 2 && ch < 16) SetMaskBit(kSourcePairMask, ch, p[1] != 0);
      return true;
    case SimCode::kSourceType:
      if (n >= 3) {
        if (p[0] == 0 && p[1] < 2) {
          image[kInputPairSource + p[1]] = p[2];
        } else if ((p[0] == 1 || p[0] == 2) && p[1] < 8) {
          std::uint8_t& bits = image[p[0] == 1 ? kOutputPairSource : kDanteOutputSource];
          bits = static_cast<std::uint8_t>(p[2] ? bits | (1u << p[1]) : bits & ~(1u << p[1]));
        }
      }
      return true;
    case SimCode::kWorkMode:
      if (n >= 3) {
        WriteWord(image, kTestSignalMode, p[0]);
        image[kTestSineFrequency] = p[1];
        image[kTestLevel] = p[2];
      }
      return true;
    default:
      return false;
  }
}
