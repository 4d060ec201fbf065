#pragma once

#include "platform/drawing/TColor.h"
#include "platform/core/TRect.h"

class TBitmap;
class TCanvas;

/// Bitmap copies that leave the pixels of one colour out, as the bitmap
/// button draws its glyphs: the picture is stretched into a colour copy of
/// the destination's size, a monochrome mask marks its transparent pixels,
/// and mask (AND) and copy (OR) go onto the canvas, so destination pixels
/// under the transparent colour stay as they were. Work bitmaps live only
/// within a call. GUI thread.
namespace Rz {

void DrawTransparentBitmapRect(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, const TRect& source,
                               TColor transparent);
/// The whole bitmap stretched to dest.
void DrawTransparentBitmap(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, TColor transparent);
/// Tiles from dest's top-left; the last column and row of tiles are cut,
/// not scaled.
void TileTransparentBitmap(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, TColor transparent);
/// The source rectangle stretched to dest through the mask with the
/// platform's transparent stretch blit.
void StretchTransparentBitmap(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, TColor transparent,
                              const TRect& source);

}  // namespace Rz
