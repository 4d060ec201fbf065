#pragma once

#include "tools/widgetgallery/WidgetGallery.h"

namespace WidgetGallery {

/// Panels made dock sites with docked controls: caption grabbers on top
/// (one client focused) and on the left (site aligned alTop), and the plain
/// grabber frames without client captions.
Sheet DockingSheet();

}  // namespace WidgetGallery
