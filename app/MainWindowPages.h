#pragma once

#include <QString>

#include "platform/widgets/ControlRegistry.h"

/// The window's pages by number: 0-8 the channels InA .. Out6, then the six
/// function pages, whose control names carry these stems.
inline constexpr const char* kFunctionPages[] = {"Comp", "Delay", "Gain", "Matrix", "Gate", "Limit"};
inline constexpr int kFirstFunctionPage = 9;

/// The name stem of a page's controls: "InA" .. "Out6", then "Comp" .. "Limit".
inline QString PageStem(int page) {
  return page < kFirstFunctionPage ? ChannelSuffix(page) : QString::fromLatin1(kFunctionPages[page - kFirstFunctionPage]);
}
