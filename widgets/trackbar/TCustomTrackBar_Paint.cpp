// Painting of the track bar: background, groove, ticks, label, thumb,
// step buttons, rating cells and focus frame.
#include "platform/drawing/GdiConstants.h"
#include "platform/pictures/TBitmap.h"
#include "platform/drawing/TCanvas.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPGraphicsPath.h"
#include "widgets/panelset/PaintHelpers.h"
#include "widgets/trackbar/TCustomTrackBar.h"

using namespace AdvTrackBar;

namespace {
constexpr int kSliderRadius = 7;

void FillSolid(TCanvas& canvas, const TRect& r, TColor color) {
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(color);
  canvas.FillRect(r);
}

// Draws a picture unscaled at a point, or stretched over a rectangle.
void DrawPicture(TCanvas& canvas, TGDIPPicture& picture, const TRect& r, bool stretched) {
  picture.GetImageSizes();
  if (stretched) {
    canvas.StretchDraw(r, picture);
  } else {
    canvas.Draw(r.Left, r.Top, picture);
  }
}

// A part of the groove: gradient when both colours are set, else the first colour.
void FillPart(TCanvas& canvas, const TRect& r, TColor color, TColor colorTo, TGradientDirection direction) {
  if (r.Left < 0 || (color == clNone && colorTo == clNone)) {
    return;
  }
  if (color != clNone && colorTo != clNone) {
    DrawGradient(canvas, color, colorTo, direction, r, 20);
  } else {
    FillSolid(canvas, r, color);
  }
}
}  // namespace

void TCustomTrackBar::PaintBackground() {
  if (!m_transparent) {
    TCustomControl::PaintBackground();
  }
}

void TCustomTrackBar::Paint() {
  if (m_transparent) {
    Rz::PaintParentBackground(this, Canvas(), false);
  }
  DrawBackground();
  if (RatingMode()) {
    DrawRatingCells();
    return;
  }
  DrawTrackLabel();
  DrawSlider();
  DrawTicks();
  DrawThumb();
  DrawButtons();
  if (Focused() && m_showFocus) {
    DrawFocusFrame(Canvas(), Rect(0, 0, Width() - 1, Height() - 1), clBlack);
  }
}

void TCustomTrackBar::DrawBackground() {
  TCanvas& canvas = Canvas();
  const bool enabled = Enabled();
  TGDIPPicture& picture = enabled || m_backGroundDisabled.Empty() ? m_backGround : m_backGroundDisabled;
  const TColor frame = enabled ? m_borderColor : m_borderColorDisabled;
  const TColor color = enabled ? Color() : m_colorDisabled;
  const TColor colorTo = enabled ? m_colorTo : m_colorDisabledTo;
  const TRect client = ClientRect();
  if (!picture.Empty()) {
    DrawPicture(canvas, picture, client, m_backGroundStretched);
  } else if (!m_transparent && (color != clNone || colorTo != clNone)) {
    if (color != clNone && colorTo != clNone) {
      DrawGradient(canvas, color, colorTo, m_direction, client, 80);
    } else {
      FillSolid(canvas, client, color);
    }
  }
  if (frame != clNone && m_borderWidth >= 1) {
    canvas.Pen().SetColor(frame);
    canvas.Pen().SetWidth(m_borderWidth);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Rectangle(client);
    canvas.Pen().SetWidth(1);
  }
}

void TCustomTrackBar::DrawSlider() {
  TTrackBarSlider& s = *m_slider;
  if (RatingMode() || s.Size() <= 0 || !s.Visible()) {
    return;
  }
  TCanvas& canvas = Canvas();
  const bool enabled = Enabled();
  TGDIPPicture& picture = enabled || s.PictureDisabled().Empty() ? s.Picture() : s.PictureDisabled();
  TGDIPPicture& completedPicture = enabled ? s.PictureCompleted() : s.PictureCompletedDisabled();
  const TColor border = enabled ? s.BorderColor() : s.BorderColorDisabled();
  const TColor color = enabled ? s.Color() : s.ColorDisabled();
  const TColor colorTo = enabled ? s.ColorTo() : s.ColorDisabledTo();
  const TColor completed = enabled ? s.ColorCompleted() : s.ColorCompletedDisabled();
  const TColor completedTo = enabled ? s.ColorCompletedTo() : s.ColorCompletedDisabledTo();
  const TRect S = SliderRect();
  const TRect none{-1, -1, -1, -1};
  TRect C = none;
  TRect R = S;
  if (completed != clNone || !completedPicture.Empty()) {
    const TRect T = GetThumbRect();
    const int m = m_thumb->Width() / 2;
    if (m_position == m_min) {
      C = none;
    } else if (m_position == m_max) {
      C = S;
      R = none;
    } else if (Vertical()) {
      C = Rect(S.Left, T.Top + m, S.Right, S.Bottom);
      R = Rect(S.Left, S.Top, S.Right, T.Top + m + 1);
    } else {
      C = Rect(S.Left, S.Top, T.Left + m, S.Bottom);
      R = Rect(C.Right - 1, S.Top, S.Right, S.Bottom);
    }
  }
  const int saved = canvas.SaveDC();
  if (s.Rounded() && picture.Empty()) {
    const TRegion round = TRegion::CreateRoundRectRgn(S.Left, S.Top, S.Right, S.Bottom, kSliderRadius, kSliderRadius);
    canvas.SelectClipRgn(&round);
  }
  if (picture.Empty()) {
    FillPart(canvas, C, completed, completedTo, s.Direction());
    FillPart(canvas, R, color, colorTo, s.Direction());
  } else {
    auto place = [&](TGDIPPicture& p, const TRect& part) {
      if (part.Left < 0 || p.Empty()) {
        return;
      }
      if (s.PictureStretched()) {
        DrawPicture(canvas, p, part, true);
      } else if (part.Left > 0 && part.Right > 0) {
        const int inner = canvas.SaveDC();
        canvas.IntersectClipRect(part.Left, part.Top, part.Right, part.Bottom);
        DrawPicture(canvas, p, S, false);
        canvas.RestoreDC(inner);
      }
    };
    place(completedPicture, C);
    place(picture, R);
  }
  canvas.RestoreDC(saved);
  if (border == clNone) {
    return;
  }
  canvas.Pen().SetColor(border);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  if (s.Rounded()) {
    canvas.RoundRect(S.Left, S.Top, S.Right, S.Bottom, kSliderRadius, kSliderRadius);
    if (s.Border3D()) {
      canvas.Pen().SetColor(clWhite);
      canvas.RoundRect(S.Left + 1, S.Top + 1, S.Right - 1, S.Bottom - 1, kSliderRadius, kSliderRadius);
    }
  } else if (s.Border3D()) {
    DrawFrame3D(canvas, S, true, border, BlendColor(border, clWhite, 10));
  } else {
    canvas.Rectangle(S);
  }
}

void TCustomTrackBar::DrawTicks() {
  if (RatingMode() || m_tickMark.Size() <= 0 || m_tickMark.Style() != TTickStyle::tsAuto) {
    return;
  }
  TCanvas& canvas = Canvas();
  TRect topLeft = GetTopLeftTickRect();
  TRect bottomRight = GetBottomRightTickRect();
  const TRect track = TrackRect();
  const bool useBottomRight =
      m_tickMark.Position() == TTickMark::tmBottomRight || m_tickMark.Position() == TTickMark::tmBoth;
  const TRect& lead = useBottomRight ? bottomRight : topLeft;
  const int cap = (std::max(Width(), Height()) - 2 * (Vertical() ? lead.Top : lead.Left)) / 2;
  const int last = (OnDrawTick || m_tickMark.ShowText() || m_max < cap) ? m_max : cap;
  const bool hasTopLeft = topLeft.Left != -1 || topLeft.Right != -1;
  const bool hasBottomRight = bottomRight.Left != -1 || bottomRight.Right != -1;
  if (m_tickMark.ShowText()) {
    if (Vertical()) {
      topLeft.Left += m_textHeight;
      bottomRight.Right -= m_textHeight;
    } else {
      topLeft.Top += m_textHeight;
      bottomRight.Bottom -= m_textHeight;
    }
  }
  const int length = (Vertical() ? track.Height() : track.Width()) - m_thumb->Width();
  const double perValue = last == m_min ? 0.0 : double(length) / (last - m_min);
  const TColor tickColor = Enabled() ? m_tickMark.Color() : m_colorDisabled;
  int previous = -100;
  for (int v = m_min; v <= last; ++v) {
    const int p = int((v - m_min) * perValue);
    if (!OnDrawTick && p <= previous + 1) {
      continue;
    }
    previous = p;
    for (int row = 0; row < 2; ++row) {
      const bool isTopLeft = row == 0;
      if ((isTopLeft && !hasTopLeft) || (!isTopLeft && !hasBottomRight)) {
        continue;
      }
      const TRect& r = isTopLeft ? topLeft : bottomRight;
      bool defaultDraw = true;
      int len = m_tickMark.Size();
      TColor color = tickColor;
      TColor textColor = m_tickMark.Font().Color();
      QString text;
      if (m_tickMark.ShowText()) {
        text = QString::number(v);
        if (OnGetTickMarkText) {
          OnGetTickMarkText(this, v, text);
        }
      }
      const int y = r.Bottom - p;
      const int x = r.Left + p;
      if (OnDrawTick) {
        const TPoint location = Vertical() ? (isTopLeft ? Point(r.Left, y) : Point(r.Right - len, y))
                                           : (isTopLeft ? Point(x, r.Top) : Point(x, r.Top));
        OnDrawTick(this, canvas, location, v, isTopLeft ? TTickMark::tmTopLeft : TTickMark::tmBottomRight, len,
                   color, textColor, text, defaultDraw);
      }
      canvas.Pen().SetColor(color);
      if ((m_tickMark.ShowImageAtThumbOnly() && v != m_position) ||
          (m_tickMark.ShowImageAtSteps() > 1 && v % m_tickMark.ShowImageAtSteps() != 0)) {
        defaultDraw = false;
      }
      if (defaultDraw && m_tickImages != nullptr && m_tickImages->Count() > 0) {
        const int image = v < m_tickImages->Count() ? v : 0;
        if (Vertical()) {
          m_tickImages->Draw(canvas, isTopLeft ? r.Left : r.Right - len, y - m_tickImages->Height() / 2, image,
                             Enabled());
        } else {
          m_tickImages->Draw(canvas, x - m_tickImages->Width() / 2, r.Top, image, Enabled());
        }
      } else if (defaultDraw) {
        auto line = [&](int x1, int y1, int x2, int y2) {
          canvas.MoveTo(x1, y1);
          canvas.LineTo(x2, y2);
          if (m_tickMark.Line3D()) {
            canvas.Pen().SetColor(BlendColor(color, clWhite, 10));
            const int dx = Vertical() ? 0 : 1;
            const int dy = Vertical() ? -1 : 0;
            canvas.MoveTo(x1 + dx, y1 + dy);
            canvas.LineTo(x2 + dx, y2 + dy);
            canvas.Pen().SetColor(color);
          }
        };
        if (Vertical()) {
          isTopLeft ? line(r.Left, y, r.Left + len, y) : line(r.Right - len, y, r.Right, y);
        } else {
          isTopLeft ? line(x, r.Top, x, r.Top + len) : line(x, r.Bottom - len, x, r.Bottom);
        }
      }
      if (m_tickMark.ShowText() && !text.isEmpty()) {
        canvas.Font().Assign(m_tickMark.Font());
        canvas.Font().SetColor(textColor);
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        const TSize size = canvas.TextExtent(text);
        if (!Vertical()) {
          const int ty = isTopLeft ? r.Top + m_tickTextOffset - m_textHeight : r.Bottom + m_tickTextOffset;
          canvas.TextOut(x - size.cx / 2, ty, text);
        } else if (m_tickMark.RotateFontVert()) {
          canvas.Font().SetOrientation(isTopLeft ? -2700 : -900);
          const int tx = isTopLeft ? r.Left + m_tickTextOffset - m_textHeight : r.Right + m_textHeight;
          canvas.TextOut(tx, y - size.cx / 2, text);
        } else if (isTopLeft) {
          canvas.TextOut(r.Left - m_tickTextOffset - size.cx, y - m_textHeight / 2, text);
        } else {
          canvas.TextOut(r.Left + m_tickMark.Size() + m_tickTextOffset, y - m_textHeight / 2, text);
        }
      }
    }
  }
}

void TCustomTrackBar::DrawTrackLabel() {
  if (!m_trackLabel.Visible()) {
    return;
  }
  TCanvas& canvas = Canvas();
  const QString text = GetTrackLabelText();
  canvas.Font().Assign(m_trackLabel.Font());
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  if (!Vertical()) {
    TRect r = LabelRect(false);
    const TLabelPosition p = m_trackLabel.Position();
    unsigned flags = DT_SINGLELINE;
    flags |= (p == TLabelPosition::lpTopCenter || p == TLabelPosition::lpBottomCenter) ? DT_CENTER
             : (p == TLabelPosition::lpTopLeft || p == TLabelPosition::lpBottomLeft) ? DT_LEFT
                                                                                     : DT_RIGHT;
    flags |= m_trackLabel.AtTop() ? DT_VCENTER : DT_BOTTOM;
    canvas.DrawText(text, r, flags);
    return;
  }
  canvas.Font().SetOrientation(-2700);
  const TRect r = LabelRect(true);
  canvas.TextOut(r.Left + 3, r.Top, text);
}

void TCustomTrackBar::DrawThumb() {
  if (RatingMode() || m_thumb->Size() < 1 ||
      (!m_thumb->ShowAtMinMax() && (m_position == m_min || m_position == m_max))) {
    return;
  }
  TTrackBarThumb& t = *m_thumb;
  TGDIPPicture* picture = &t.Picture();
  if (m_thumbDown) {
    if (!t.PictureDown().Empty()) {
      picture = &t.PictureDown();
    }
  } else if (m_thumbHot && !t.PictureHot().Empty()) {
    picture = &t.PictureHot();
  }
  if (!Enabled() && !t.PictureDisabled().Empty()) {
    picture = &t.PictureDisabled();
  }
  const TRect r = GetThumbRect();
  if (!picture->Empty()) {
    DrawPicture(Canvas(), *picture, r, false);
    return;
  }
  DrawThumbShape(r, m_thumbDown, m_thumbHot);
}

void TCustomTrackBar::DrawButtons() {
  if (RatingMode() || !m_buttons.Visible()) {
    return;
  }
  DrawButton(false);
  DrawButton(true);
}

void TCustomTrackBar::DrawButton(bool maxButton) {
  TTrackBarButtons& b = m_buttons;
  TCanvas& canvas = Canvas();
  const bool down = maxButton ? m_maxButtonDown : m_minButtonDown;
  const bool hot = maxButton ? m_maxButtonHot : m_minButtonHot;
  const TRect r = maxButton ? MaxButtonRect() : MinButtonRect();
  TGDIPPicture& picture = down  ? (maxButton ? b.MaxPictureDown() : b.MinPictureDown())
                          : hot ? (maxButton ? b.MaxPictureHot() : b.MinPictureHot())
                                : (maxButton ? b.MaxPicture() : b.MinPicture());
  if (!picture.Empty()) {
    picture.GetImageSizes();
    const int saved = canvas.SaveDC();
    if (!Vertical()) {
      canvas.IntersectClipRect(r.Left, r.Top, r.Right, r.Bottom);
    }
    const int top = (maxButton && Vertical() && picture.Height() > b.Size()) ? r.Bottom - picture.Height() : r.Top;
    canvas.Draw(r.Left, top, picture);
    canvas.RestoreDC(saved);
    return;
  }
  const TColor border = down ? b.BorderColorDown() : hot ? b.BorderColorHot() : b.BorderColor();
  const TColor color = down ? b.ColorDown() : hot ? b.ColorHot() : b.Color();
  const TColor colorTo = down ? b.ColorDownTo() : hot ? b.ColorHotTo() : b.ColorTo();
  const TColor mirror = down ? b.ColorMirrorDown() : hot ? b.ColorMirrorHot() : b.ColorMirror();
  const TColor mirrorTo = down ? b.ColorMirrorDownTo() : hot ? b.ColorMirrorHotTo() : b.ColorMirrorTo();
  TRect face = r;
  const bool round = b.Shape() == TTrackButtonShape::bsRound;
  TGPGraphics graphics(canvas);
  if (round) {
    const int size = b.Size();
    face = Vertical() ? Bounds(r.Left + (r.Width() - size) / 2, r.Top, size, size)
                      : Bounds(r.Left, r.Top + (r.Height() - size) / 2, size, size);
    const auto clip = MakeRoundRectPath(face.Left, face.Top, face.Width(), face.Height(), size / 2);
    graphics.SetClip(*clip);
  }
  DrawMirrorFill(&graphics, canvas, face, Vertical(), b.GradientMirror(), b.Gradient(), mirrorTo, mirror, colorTo,
                 color, border, BlendColor(border, clWhite, 30), round ? 0 : 1);
  graphics.ResetClip();
  // The glyph: a minus or a plus of 4-pixel arms outlined in the face colour.
  int half = b.Size() / 2 - 4;
  if (half % 2 != 0) {
    half += half > 0 ? 1 : -1;
  }
  const int arm = half + 4;
  const int cx = face.Left + face.Width() / 2;
  const int cy = face.Top + face.Height() / 2;
  auto bar = [&](bool horizontalBar) {
    const TRect g = horizontalBar ? Rect(cx - arm / 2, cy - 2, cx + arm / 2, cy + 2)
                                  : Rect(cx - 2, cy - arm / 2, cx + 2, cy + arm / 2);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Pen().SetColor(color);
    canvas.Rectangle(g);
    canvas.Pen().SetColor(border);
    canvas.Rectangle(InflateRect(g, -1, -1));
  };
  const bool verticalMinus = !maxButton && Vertical() && b.RotateText();
  bar(!verticalMinus);
  if (maxButton) {
    bar(false);
  }
}

void TCustomTrackBar::DrawRatingCells() {
  const int last = LastShownRatingValue();
  for (long long v = m_min + 1LL; v <= last; ++v) {
    const TRect cell = RatingCellRect(int(v));
    if (cell.Left <= 0 || cell.Bottom <= 0) {
      continue;
    }
    DrawPicture(Canvas(), v > m_position ? m_rateInActive : m_rateActive, cell, false);
  }
}
