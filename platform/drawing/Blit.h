#pragma once

#include <cstdint>

class TCanvas;

/// Block transfers between canvases, in each canvas's logical coordinates,
/// with any ternary raster operation (GdiConstants.h) applied per pixel from
/// its truth table over pattern (the destination's brush), source and
/// destination. Colour conversion as the platform does it: from a monochrome
/// source to a colour destination black becomes the destination's text
/// colour and white its background colour; from a colour source to a
/// monochrome destination a pixel of the source's background colour becomes
/// white and every other black. Destination pixels whose source pixel lies
/// outside the source image are left alone. Thread of the canvases.

/// Copies w x h pixels.
bool BitBlt(TCanvas& dest, int x, int y, int w, int h, const TCanvas* source, int sx, int sy, std::uint32_t rop);

/// Stretches the source rectangle onto the destination rectangle, nearest
/// pixel. A negative extent runs from its origin pixel (included) toward
/// smaller coordinates; when the signs of a destination and its source
/// extent differ the copy is mirrored on that axis.
bool StretchBlt(TCanvas& dest, int x, int y, int w, int h, const TCanvas* source, int sx, int sy, int sw, int sh,
                std::uint32_t rop);

/// Fills with the destination's brush through a raster operation (PATCOPY,
/// PATINVERT, DSTINVERT, BLACKNESS, WHITENESS ...).
bool PatBlt(TCanvas& dest, int x, int y, int w, int h, std::uint32_t rop);

/// Stretches the source onto the destination where the monochrome mask (at
/// mx, my, same size as the source rectangle) is black; where it is white
/// the destination stays.
bool TransparentStretchBlt(TCanvas& dest, int x, int y, int w, int h, const TCanvas& source, int sx, int sy, int sw,
                           int sh, const TCanvas& mask, int mx, int my);
