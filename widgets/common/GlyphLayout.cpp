#include "widgets/common/GlyphLayout.h"

#include "platform/drawing/GdiConstants.h"
#include "platform/drawing/TCanvas.h"

TGlyphLayout LayoutGlyphAndText(TSize area, TSize glyph, TSize text, TGlyphSide side, int margin, int spacing,
                                TCentring centring) {
  const auto centre = [centring](int a, int b) { return centring == TCentring::HalfEach ? a / 2 - b / 2 : (a - b + 1) / 2; };
  const bool horizontal = side == TGlyphSide::Left || side == TGlyphSide::Right;
  TGlyphLayout layout;
  if (horizontal) {
    layout.Glyph.Y = centre(area.cy, glyph.cy);
    layout.Text.Y = centre(area.cy, text.cy);
  } else {
    layout.Glyph.X = centre(area.cx, glyph.cx);
    layout.Text.X = centre(area.cx, text.cx);
  }
  if (text.cx == 0 || glyph.cx == 0) {
    spacing = 0;
  }
  const int length = horizontal ? area.cx : area.cy;
  const int g = horizontal ? glyph.cx : glyph.cy;
  const int t = horizontal ? text.cx : text.cy;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (length - (g + t)) / 3;
      spacing = margin;
    } else {
      margin = centre(length, g + spacing + t);
    }
  } else if (spacing == -1) {
    const int rest = length - margin - g;
    spacing = centring == TCentring::HalfEach ? rest / 2 - t / 2 : (rest - t) / 2;
  }
  switch (side) {
    case TGlyphSide::Left:
      layout.Glyph.X = margin;
      layout.Text.X = margin + glyph.cx + spacing;
      break;
    case TGlyphSide::Right:
      layout.Glyph.X = area.cx - margin - glyph.cx;
      layout.Text.X = layout.Glyph.X - spacing - text.cx;
      break;
    case TGlyphSide::Top:
      layout.Glyph.Y = margin;
      layout.Text.Y = margin + glyph.cy + spacing;
      break;
    case TGlyphSide::Bottom:
      layout.Glyph.Y = area.cy - margin - glyph.cy;
      layout.Text.Y = layout.Glyph.Y - spacing - text.cy;
      break;
  }
  return layout;
}

TSize MeasureCaption(const QString& caption, const TFont& font, int width) {
  if (caption.isEmpty()) {
    return {};
  }
  TCanvas measure;
  measure.Font().Assign(font);
  TRect r = Rect(0, 0, width, 0);
  measure.DrawText(caption, r, DT_CALCRECT | DT_SINGLELINE);
  return {r.Width(), r.Height()};
}
