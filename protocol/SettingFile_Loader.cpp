#include "protocol/SettingFile.h"

#include <algorithm>

#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/FirSenders.h"
#include "protocol/UnitImage.h"
#include "protocol/UnitRecords.h"
#include "protocol/commands/ChannelCommands.h"
#include "protocol/commands/FirCommands.h"
#include "protocol/commands/ProcessingCommands.h"
#include "protocol/commands/UnitCommands.h"

namespace {

QByteArrayView Field(const UnitImage& image, std::size_t offset, std::size_t size) {
  return QByteArrayView(reinterpret_cast<const char*>(image.Data() + offset), static_cast<qsizetype>(size));
}

bool Bit(unsigned mask, int bit) { return (mask >> bit) & 1u; }

/// Step 3: one input's record, its FIR bypassed while the file loads.
void AppendInput(std::vector<LCmd>& out, const UnitImage& image, int unitId, int c) {
  const std::size_t r = UnitImage::ChannelRecord(c);
  out.push_back(CM_MCS_CHANNEL_NAME(unitId, c, Field(image, r + UnitImage::kInName, UnitImage::kNameSize)));
  out.push_back(CM_MCS_GATE(unitId, c, image.ReadRecord<GateRecord>(r + UnitImage::kInGate)));
  out.push_back(CM_MCS_COMP(unitId, c, image.ReadRecord<CompressorRecord>(r + UnitImage::kInCompressor)));
  out.push_back(CM_MCS_CMD(unitId, CMD_INPUT_FIR_BYPASS, c, 1));
  out.push_back(CM_MCS_GAIN(unitId, c, image.Word(r + UnitImage::kInGain)));
  out.push_back(CM_MCS_POLARITY(unitId, c, image.Word(r + UnitImage::kInPolarity)));
  out.push_back(CM_MCS_DELAY(unitId, c, image.Word(r + UnitImage::kInDelay)));
  out.push_back(CM_MCS_CMD(unitId, CMD_LINK_MASK, c, image.Word(r + UnitImage::kInLinkMask) & 0xFF));
}

/// Step 4: one output's record, in IIR mode while the file loads.
void AppendOutput(std::vector<LCmd>& out, const UnitImage& image, int unitId, int ch) {
  const std::size_t r = UnitImage::ChannelRecord(ch);
  out.push_back(CM_MCS_CHANNEL_NAME(unitId, ch, Field(image, r + UnitImage::kOutName, UnitImage::kNameSize)));
  out.push_back(CM_MCS_MATRIX(unitId, ch, image.Word(r + UnitImage::kOutRouting)));
  for (int i = 0; i < UnitImage::kInputCount; ++i) {
    out.push_back(CM_MCS_MIX(unitId, ch, i, image.Word(r + UnitImage::kOutMixLevels + 2 * static_cast<std::size_t>(i))));
  }
  const auto filter = image.ReadRecord<OutputFilterRecord>(r + UnitImage::kOutFilter);
  out.push_back(CM_MCS_HIGH_PASS(unitId, ch, filter.lowCutIndex, filter.lowCutSlope));
  out.push_back(CM_MCS_LOW_PASS(unitId, ch, filter.highCutIndex, filter.highCutSlope));
  out.push_back(CM_MCS_CMD(unitId, CMD_OUTPUT_MODE, ch, 0));
  out.push_back(CM_MCS_LIMIT(unitId, ch, image.ReadRecord<LimiterRecord>(r + UnitImage::kOutLimiter)));
  out.push_back(CM_MCS_GAIN(unitId, ch, image.Word(r + UnitImage::kOutGain)));
  out.push_back(CM_MCS_POLARITY(unitId, ch, image.Word(r + UnitImage::kOutPolarity)));
  out.push_back(CM_MCS_DELAY(unitId, ch, image.Word(r + UnitImage::kOutDelay)));
  out.push_back(CM_MCS_CMD(unitId, CMD_LINK_MASK, ch, image.Word(r + UnitImage::kOutLinkMask) & 0xFF));
}

/// Steps 6 and 7: every band with its bypass bit.
void AppendBands(std::vector<LCmd>& out, const UnitImage& image, int unitId, int ch) {
  const unsigned mask = image.Word(UnitImage::BandBypassMask(ch));
  for (int b = 0; b < UnitImage::BandCount(ch); ++b) {
    out.push_back(CM_MCS_PEQ(unitId, ch, b, image.ReadRecord<PeqBandRecord>(UnitImage::BandRecord(ch, b)), Bit(mask, b)));
  }
}

}  // namespace

std::vector<LCmd> LoadUnitImage(UnitImage& image, FirCoefficientStore& fir, const StagedSetting& staged, int unitId) {
  std::copy(staged.imageBytes.begin(), staged.imageBytes.end(), image.Bytes().begin() + 2);
  fir = staged.fir;

  std::vector<LCmd> out;
  for (int ch = 0; ch < UnitImage::kChannelCount; ++ch) {
    out.push_back(CM_MCS_MUTE(unitId, ch, 1));
  }
  out.push_back(CM_MCS_PRESETNAME(unitId, Field(image, UnitImage::kPresetName, UnitImage::kPresetNameSize)));
  for (int c = 0; c < UnitImage::kInputCount; ++c) {
    AppendInput(out, image, unitId, c);
  }
  for (int ch = UnitImage::kInputCount; ch < UnitImage::kChannelCount; ++ch) {
    AppendOutput(out, image, unitId, ch);
  }
  const unsigned pairs = image.Word(UnitImage::kSourcePairMask);
  for (int ch = 0; ch < UnitImage::kChannelCount; ++ch) {
    out.push_back(CM_MCS_CMD(unitId, CMD_SOURCE_PAIR, ch, Bit(pairs, ch) ? 1 : 0));
  }
  for (int ch = 0; ch < UnitImage::kChannelCount; ++ch) {
    AppendBands(out, image, unitId, ch);
  }
  for (int n = 0; n < UnitImage::kChannelCount; ++n) {
    const std::size_t at = UnitImage::kFirNames + UnitImage::kNameSize * static_cast<std::size_t>(n);
    out.push_back(CM_MCS_FIR_NAME(unitId, n, Field(image, at, UnitImage::kNameSize)));
  }
  for (int ch = 0; ch < UnitImage::kChannelCount; ++ch) {
    if (staged.channels[static_cast<std::size_t>(ch)] == FirChannelLoad::Coefficients) {
      AppendFirBlocks(out, fir, unitId, ch, ImageFirTaps(image, ch));
    } else {
      AppendSectorErase(out, unitId, 0, ch);
    }
  }
  for (int c = 0; c < UnitImage::kInputCount; ++c) {
    const std::size_t r = UnitImage::ChannelRecord(c);
    out.push_back(CM_MCS_CMD(unitId, CMD_INPUT_FIR_BYPASS, c, image.Word(r + UnitImage::kInFirBypass) & 0xFF));
  }
  for (int ch = UnitImage::kInputCount; ch < UnitImage::kChannelCount; ++ch) {
    const auto filter = image.ReadRecord<OutputFilterRecord>(UnitImage::ChannelRecord(ch) + UnitImage::kOutFilter);
    out.push_back(CM_MCS_FIR(unitId, ch, filter.fir));
    out.push_back(CM_MCS_CMD(unitId, CMD_OUTPUT_MODE, ch, filter.mode & 0xFF));
  }
  const unsigned inputMutes = image.Word(UnitImage::kInputMuteMask);
  const unsigned outputMutes = image.Word(UnitImage::kOutputMuteMask);
  for (int ch = 0; ch < UnitImage::kChannelCount; ++ch) {
    const bool muted = ch < UnitImage::kInputCount ? Bit(inputMutes, ch) : Bit(outputMutes, ch - UnitImage::kInputCount);
    out.push_back(CM_MCS_MUTE(unitId, ch, muted ? 1 : 0));
  }
  return out;
}
