#pragma once

#include "tools/widgetgallery/WidgetGallery.h"

namespace WidgetGallery {

/// Every GDI+ hatch style as a swatch (navy on white, drawn at twice the
/// size so the 8 x 8 pattern can be read) under its name.
Sheet HatchesSheet();

/// Path gradients with one surround colour per point of the path: a
/// triangle, a rectangle, a five-pointed star and an ellipse.
Sheet PathGradientsSheet();

}  // namespace WidgetGallery
