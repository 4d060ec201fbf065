#pragma once

#include "platform/drawing/TColor.h"

class TImageList;

/// Adds a size x size square of one colour to an image list (fuchsia marks
/// the transparent pixels, of which the square has none). GUI thread.
void AddSquarePicture(TImageList& list, int size, TColor color);
