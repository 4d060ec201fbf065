#include "widgets/common/GlyphLayout.h"

#include <gtest/gtest.h>

TEST(GlyphLayout, placesGlyphAndCaptionByMarginSpacingAndCentring) {
  struct Case {
    TSize area, glyph, text;
    TGlyphSide side;
    int margin, spacing;
    TCentring centring;
    TPoint glyphAt, textAt;
  };
  const Case cases[] = {
      // A caption alone is centred; a margin puts its edge that far in.
      {{80, 30}, {0, 0}, {31, 13}, TGlyphSide::Left, -1, 4, TCentring::HalfEach, {25, 15}, {25, 9}},
      {{80, 30}, {0, 0}, {31, 13}, TGlyphSide::Left, 14, 4, TCentring::HalfEach, {14, 15}, {14, 9}},
      {{80, 30}, {0, 0}, {31, 13}, TGlyphSide::Top, 6, 4, TCentring::HalfEach, {40, 6}, {25, 6}},
      // The LED of a 47 x 16 power button without a caption.
      {{47, 16}, {12, 12}, {0, 0}, TGlyphSide::Left, -1, 5, TCentring::RoundedUp, {18, 2}, {30, 8}},
      // LED and caption: spacing, then both spread over the free length.
      {{118, 16}, {12, 12}, {60, 13}, TGlyphSide::Left, -1, 5, TCentring::RoundedUp, {21, 2}, {38, 2}},
      {{118, 16}, {12, 12}, {60, 13}, TGlyphSide::Left, -1, -1, TCentring::RoundedUp, {15, 2}, {42, 2}},
      {{118, 16}, {12, 12}, {60, 13}, TGlyphSide::Right, 4, -1, TCentring::RoundedUp, {102, 2}, {21, 2}},
  };
  for (const Case& c : cases) {
    const TGlyphLayout layout =
        LayoutGlyphAndText(c.area, c.glyph, c.text, c.side, c.margin, c.spacing, c.centring);
    EXPECT_EQ(layout.Glyph, c.glyphAt) << c.area.cx << " m" << c.margin << " s" << c.spacing;
    EXPECT_EQ(layout.Text, c.textAt) << c.area.cx << " m" << c.margin << " s" << c.spacing;
  }
}
