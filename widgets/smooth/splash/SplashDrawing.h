#pragma once

#include <QString>

#include "platform/core/TRect.h"
#include "widgets/gdiplus/GdiPlusTypes.h"
#include "widgets/smooth/splash/TAdvSplashTopLayerItem.h"

class TAdvGDIPPicture;
class TFont;
class TGPGraphics;
class TSplashHeadingText;

/// The splash screen's drawing helpers. GUI thread only.

/// Measures a text (laid out from (x, y) in a 1500 x 500 box) and, unless
/// measureOnly, draws it with a solid, gradient, hatch or picture brush.
/// Returns the rounded size; 0 x 0 for an empty text.
TSize DrawSplashText(TGPGraphics& g, const QString& text, int x, int y, TextRenderingHint hint, int angle,
                     bool measureOnly, TColor endColor, TColor startColor, int endOpacity, int startOpacity,
                     HatchStyle hatch, const TAdvGDIPPicture& picture, TAdvGradientType type, const TFont& font);
/// A heading with its own font, colours, opacities, brush and angle.
TSize DrawSplashText(TGPGraphics& g, const TSplashHeadingText& heading, int x, int y, TextRenderingHint hint,
                     bool measureOnly);
/// A text in one opaque colour, the font's.
TSize DrawSplashText(TGPGraphics& g, const QString& text, int x, int y, TextRenderingHint hint, const TFont& font);

/// Draws the picture at its own size with its top-left at (x, y): a PNG with
/// its transparency, another format with its bottom-left pixel's colour
/// left out.
void DrawSplashPicture(TGPGraphics& g, int x, int y, const TAdvGDIPPicture& picture);

/// Where a block tw x th sits inside r at the location (offsets halved
/// towards zero, r's origin rounded).
TPoint PlaceInRect(const TGPRectF& r, TAdvSmoothSplashScreenLocation location, int th, int tw);
