#include "widgets/buttons/TRzBmpButton.h"

#include "platform/drawing/Blit.h"
#include "platform/drawing/GdiConstants.h"
#include "platform/drawing/TCanvas.h"
#include "widgets/common/GlyphLayout.h"
#include "widgets/panelset/FrameStyles.h"
#include "widgets/panelset/PaintHelpers.h"
#include "widgets/panelset/TransparentBitmaps.h"

// Painting of the bitmap button: the whole face is composed off screen
// (background, border, stay-down fill, face bitmap, caption) and copied to
// the control in one block.

namespace {
const TBitmap* NonEmpty(const TBitmap& bitmap) { return bitmap.Empty() ? nullptr : &bitmap; }

// The 8 x 8 stay-down pattern, shared by every bitmap button: clBtnFace
// with white where x and y have equal parity. Made on first use and freed
// with the last button.
std::unique_ptr<TBitmap> g_downPattern;
int g_instances = 0;

const TBitmap& DownPattern() {
  if (!g_downPattern) {
    g_downPattern = std::make_unique<TBitmap>(8, 8);
    TCanvas& canvas = g_downPattern->Canvas();
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) {
        canvas.SetPixel(x, y, (x % 2) == (y % 2) ? clWhite : clBtnFace);
      }
    }
  }
  return *g_downPattern;
}

// Fills r with the pattern, aligned to the canvas origin as a pattern brush is.
void FillWithPattern(TCanvas& canvas, const TRect& r, const TBitmap& pattern) {
  const int level = canvas.SaveDC();
  canvas.IntersectClipRect(r.Left, r.Top, r.Right, r.Bottom);
  for (int y = r.Top - r.Top % 8; y < r.Bottom; y += 8) {
    for (int x = r.Left - r.Left % 8; x < r.Right; x += 8) {
      BitBlt(canvas, x, y, 8, 8, &pattern.Canvas(), 0, 0, SRCCOPY);
    }
  }
  canvas.RestoreDC(level);
}
}  // namespace

void TRzBmpButton::CountInstance(int delta) {
  g_instances += delta;
  if (g_instances == 0) {
    g_downPattern.reset();
  }
}

TRzBmpButton::TButtonLayoutResult TRzBmpButton::CalcButtonLayout(const TRect& inner, const TBitmap* face) const {
  const int w = inner.Width();
  const int h = inner.Height();
  int gw = 0;
  int gh = 0;
  if (m_buttonSize == TBtnSize::bszNeither && face != nullptr && !face->Empty()) {
    gw = face->Width();
    gh = face->Height();
  }
  const TSize caption = MeasureCaption(Caption(), Font(), w);
  const int tw = caption.cx;
  const int th = caption.cy;
  const TGlyphLayout place = LayoutGlyphAndText({w, h}, {gw, gh}, caption, static_cast<TGlyphSide>(m_layout), m_margin,
                                                m_spacing, TCentring::HalfEach);
  const TPoint glyph = place.Glyph;
  const TPoint text = place.Text;
  TButtonLayoutResult result;
  result.Caption = Bounds(inner.Left + text.X, inner.Top + text.Y, tw, th);
  if (gw != 0 && gh != 0) {
    result.Glyph = Bounds(inner.Left + glyph.X, inner.Top + glyph.Y, gw, gh);
  }
  return result;
}

void TRzBmpButton::MakeDisabledFace(const TBitmap& up, TBitmap& result) {
  const int w = up.Width();
  const int h = up.Height();
  TBitmap copy;
  copy.Assign(up);
  if (copy.Monochrome()) {
    copy.SetPixelFormat(TPixelFormat::pf24bit);
  }
  // One bit per pixel against a black background colour: the black parts
  // of the picture become the set bits of the mask.
  copy.Canvas().Brush().SetColor(clBlack);
  TBitmap mask(w, h);
  mask.SetMonochrome(true);
  BitBlt(mask.Canvas(), 0, 0, w, h, &copy.Canvas(), 0, 0, SRCCOPY);
  result.SetSize(w, h);
  TCanvas& canvas = result.Canvas();
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(Rect(0, 0, w, h));
  canvas.Brush().SetColor(clBlack);
  canvas.Font().SetColor(clWhite);
  BitBlt(canvas, 1, 1, w, h, &mask.Canvas(), 0, 0, MERGEPAINT);
  BitBlt(canvas, 0, 0, w, h, &mask.Canvas(), 0, 0, SRCAND);
  canvas.Brush().SetColor(clBtnShadow);
  canvas.Font().SetColor(clBlack);
  BitBlt(canvas, 0, 0, w, h, &mask.Canvas(), 0, 0, SRCPAINT);
}

const TBitmap* TRzBmpButton::FaceOf(TBitmap& disabledScratch) const {
  const TRzButtonBitmaps& b = *m_bitmaps;
  switch (m_state) {
    case TButtonState::bsUp:
      if (m_mouseOverButton && !b.Hot().Empty()) {
        return &b.Hot();
      }
      if (m_isFocused && m_showFocus && !b.UpAndFocused().Empty()) {
        return &b.UpAndFocused();
      }
      return NonEmpty(b.Up());
    case TButtonState::bsDisabled:
      if (!b.Disabled().Empty()) {
        return &b.Disabled();
      }
      if (b.Up().Empty()) {
        return nullptr;
      }
      MakeDisabledFace(b.Up(), disabledScratch);
      return &disabledScratch;
    case TButtonState::bsDown:
      return !b.Down().Empty() ? &b.Down() : NonEmpty(b.Up());
    case TButtonState::bsExclusive:
      if (!b.StayDown().Empty()) {
        return &b.StayDown();
      }
      return !b.Down().Empty() ? &b.Down() : NonEmpty(b.Up());
  }
  return nullptr;
}

TRect TRzBmpButton::PaintBorder(TCanvas& canvas) {
  const TRect client = Rect(0, 0, Width(), Height());
  const bool pressed = m_state == TButtonState::bsDown || m_state == TButtonState::bsExclusive;
  switch (m_buttonBorder) {
    case TButtonBorder::bbNone:
      Rz::PaintParentBackground(this, canvas, false);
      return client;
    case TButtonBorder::bbSingle:
      canvas.FillRect(client);
      return Rz::StrokeBox(canvas, client, clBlack);
    case TButtonBorder::bbButton: {
      canvas.FillRect(client);
      TRect r = client;
      if (!NewStyle()) {
        r = Rz::StrokeBox(canvas, r, clBlack);
      }
      const int bevel = NewStyle() ? 1 : 2;
      for (int i = 0; i < bevel; ++i) {
        r = Rz::StrokeSides(canvas, r, pressed ? clBtnShadow : clBtnHighlight, pressed ? clBtnShadow : cl3DDkShadow,
                            Rz::AllSides);
      }
      if (m_isFocused && m_showFocus) {
        r = Rz::StrokeBox(canvas, r, clBtnFace);
      }
      return InflateRect(r, -1, -1);
    }
  }
  return client;
}

void TRzBmpButton::Paint() {
  if (!Enabled()) {
    m_state = TButtonState::bsDisabled;
    m_dragging = false;
  } else if (m_state == TButtonState::bsDisabled) {
    m_state = m_down ? TButtonState::bsExclusive : TButtonState::bsUp;
  }
  TBitmap work(Width(), Height());
  TCanvas& canvas = work.Canvas();
  canvas.Brush().SetColor(Color());
  canvas.Font().Assign(Font());
  const TRect inner = PaintBorder(canvas);

  if (m_state == TButtonState::bsExclusive && m_buttonBorder != TButtonBorder::bbNone) {
    const int d = NewStyle() ? 1 : 2;
    const int k = NewStyle() ? 2 : 1;
    const TRect fill = Rect(inner.Left - d, inner.Top - d, inner.Right + d - k, inner.Bottom + d - k);
    if (m_showDownPattern) {
      FillWithPattern(canvas, fill, DownPattern());
    } else {
      canvas.Brush().SetColor(Color());
      canvas.FillRect(fill);
    }
  }

  TBitmap disabledFace;
  const TBitmap* face = FaceOf(disabledFace);
  const TButtonLayoutResult layout = CalcButtonLayout(inner, face);
  if (face != nullptr) {
    const TColor key = m_bitmaps->TransparentColor();
    const TRect whole = Rect(0, 0, face->Width(), face->Height());
    switch (m_buttonSize) {
      case TBtnSize::bszNeither:
        if (!layout.Glyph.IsEmpty()) {
          Rz::DrawTransparentBitmapRect(canvas, *face, layout.Glyph, whole, key);
        }
        break;
      case TBtnSize::bszButtonToBitmap:
        Rz::StretchTransparentBitmap(canvas, *face, inner, key, whole);
        break;
      case TBtnSize::bszStretchToButton:
        Rz::DrawTransparentBitmap(canvas, *face, inner, key);
        break;
      case TBtnSize::bszTileToButton:
        Rz::TileTransparentBitmap(canvas, *face, inner, key);
        break;
    }
  }

  if (!Caption().isEmpty()) {
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Font().Assign(Font());
    const TRect r = layout.Caption;
    if (m_state == TButtonState::bsDisabled) {
      canvas.Font().SetColor(clWhite);
      Rz::DrawTextCentered(canvas, Caption(), OffsetRect(r, 1, 1));
      canvas.Font().SetColor(0x808080);
      Rz::DrawTextCentered(canvas, Caption(), r);
    } else if (m_state == TButtonState::bsDown || m_state == TButtonState::bsExclusive) {
      Rz::DrawTextCentered(canvas, Caption(), OffsetRect(r, m_captionDownOffset, m_captionDownOffset));
    } else {
      Rz::DrawTextCentered(canvas, Caption(), r);
    }
    if (m_isFocused && m_showFocus) {
      canvas.Brush().SetStyle(TBrushStyle::bsSolid);
      canvas.Brush().SetColor(clBtnFace);
      canvas.DrawFocusRect(InflateRect(r, 2, 2));
    }
  }
  BitBlt(Canvas(), 0, 0, Width(), Height(), &canvas, 0, 0, SRCCOPY);
}
