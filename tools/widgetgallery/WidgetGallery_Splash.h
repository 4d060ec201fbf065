#pragma once

#include <vector>

#include "tools/widgetgallery/WidgetGallery.h"

namespace WidgetGallery {

/// The splash screen: its progress bar in several states, and a layered
/// splash with every layer (fill, program information, list lines, a top
/// layer item, a free item, the bar) over a checkerboard that shows its
/// transparency.
std::vector<Sheet> SplashSheets();

}  // namespace WidgetGallery
