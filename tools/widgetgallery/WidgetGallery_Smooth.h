#pragma once

#include <vector>

#include "tools/widgetgallery/WidgetGallery.h"

namespace WidgetGallery {

/// The smooth widget set: faders with their thumb states and focus frame,
/// rounded edit boxes, progress bars of a transfer and fill descriptions.
std::vector<Sheet> SmoothSheets();

}  // namespace WidgetGallery
