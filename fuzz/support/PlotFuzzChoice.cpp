#include "fuzz/support/PlotFuzzChoice.h"

namespace {

constexpr std::uint8_t kPlotFuzzKindBits = 0x0F;
constexpr std::uint8_t kPlotFuzzXYBit = 0x40;
constexpr std::uint8_t kPlotFuzzClearBit = 0x80;

}  // namespace

PlotFuzzChoice DecodePlotFuzzChoice(std::uint8_t first) {
  PlotFuzzChoice choice;
  choice.kind = static_cast<PlotFuzzFile>((first & kPlotFuzzKindBits) % static_cast<int>(PlotFuzzFile::Count));
  choice.xy = (first & kPlotFuzzXYBit) != 0;
  choice.clear = (first & kPlotFuzzClearBit) != 0;
  return choice;
}
