#pragma once

#include <array>
#include <optional>

#include "widgets/gdiplus/GdiPlusTypes.h"

namespace Gdip {

/// The 8 x 8 pattern of a hatch style, top row first; bit 7 of a row is its
/// left pixel, a set bit is painted in the foreground colour. None for a
/// value that names no style (HatchStyleTotal and beyond).
std::optional<std::array<unsigned char, 8>> HatchPatternRows(HatchStyle style);

}  // namespace Gdip
