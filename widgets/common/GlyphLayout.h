#pragma once

#include "platform/TRect.h"

/// Where a glyph (a picture or an LED) and a caption go beside each other
/// in a button, as the bitmap button and the LED button place them. Any
/// thread.

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
