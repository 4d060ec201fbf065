#pragma once

#include <QString>

#include "platform/core/TRect.h"

class TFont;

/// Where a glyph (a picture or an LED) and a caption go beside each other
/// in a button, as the bitmap button and the LED button place them. Any
/// thread.

/// In the order of the buttons' own layout enumerations (glyph or image
/// left, right, top, bottom), so those convert by value.
enum class TGlyphSide : unsigned char { Left, Right, Top, Bottom };

/// How a length b is centred in a: HalfEach a div 2 - b div 2 (bitmap
/// button), RoundedUp (a - b + 1) div 2 (LED button).
enum class TCentring : unsigned char { HalfEach, RoundedUp };

struct TGlyphLayout {
  TPoint Glyph;  ///< top-left of the glyph within the area
  TPoint Text;   ///< top-left of the caption within the area
};

/// Margin -1 centres glyph and caption together; spacing -1 spreads them
/// (with margin -1 too: margin and spacing share the free length in three).
/// The spacing counts only when glyph and caption both have a width.
TGlyphLayout LayoutGlyphAndText(TSize area, TSize glyph, TSize text, TGlyphSide side, int margin, int spacing,
                                TCentring centring);

/// The size of a one-line caption in font; (0, 0) for an empty caption.
TSize MeasureCaption(const QString& caption, const TFont& font, int width);
