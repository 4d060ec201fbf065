#include "plot/core/iChannelColors.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<TColor, 30> kPalette = {
    RGB(255, 0, 0),     RGB(255, 255, 0),   RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255),
    RGB(0, 255, 0),     RGB(255, 255, 255), RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128),   RGB(0, 128, 128),   RGB(128, 128, 128), RGB(192, 0, 0),
    RGB(0, 192, 0),     RGB(192, 192, 0),   RGB(0, 0, 192),     RGB(192, 0, 192),   RGB(0, 192, 192),
    RGB(192, 192, 192), RGB(255, 128, 0),   RGB(255, 0, 128),   RGB(255, 128, 128), RGB(128, 0, 255),
    RGB(0, 128, 255),   RGB(128, 128, 255), RGB(128, 255, 0),   RGB(0, 255, 128),   RGB(128, 255, 128),
};

}  // namespace

TColor NextChannelColor(const std::vector<TColor>& channelColors) {
  if (channelColors.size() <= 1) {
    return clRed;
  }
  std::array<int, kPalette.size()> counts{};
  for (const TColor color : channelColors) {
    const auto it = std::find(kPalette.begin(), kPalette.end(), color);
    if (it != kPalette.end()) {
      ++counts[it - kPalette.begin()];
    }
  }
  const auto least = std::min_element(counts.begin(), counts.end());
  return kPalette[least - counts.begin()];
}
