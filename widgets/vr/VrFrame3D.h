#pragma once

#include "platform/drawing/TColor.h"
#include "platform/core/TRect.h"

class TCanvas;

/// The bevel of the LED button set (the track bar has a routine of the
/// same name that draws differently). GUI thread.
namespace Vr {

/// Draws width one-pixel rings, left and top edges in top, right and
/// bottom edges in bottom, from the outside in; rect becomes the inside.
void DrawFrame3D(TCanvas& canvas, TRect& rect, TColor top, TColor bottom, int width);

}  // namespace Vr
