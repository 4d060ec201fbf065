#include "plot/base/iDrawing.h"

#include <algorithm>
#include <cmath>

#include <QGuiApplication>

#include "platform/drawing/GdiConstants.h"
#include "platform/drawing/TCanvas.h"
#include "plot/base/iRounding.h"

unsigned TextFlagsToDT(TextFlags flags) {
  struct Map {
    TextFlags bit;
    unsigned dt;
  };
  static constexpr Map kMap[] = {
      {iTextFlag::Center, DT_CENTER},         {iTextFlag::Right, DT_RIGHT},
      {iTextFlag::VCenter, DT_VCENTER},       {iTextFlag::Bottom, DT_BOTTOM},
      {iTextFlag::WordBreak, DT_WORDBREAK},   {iTextFlag::SingleLine, DT_SINGLELINE},
      {iTextFlag::ExpandTabs, DT_EXPANDTABS}, {iTextFlag::NoClip, DT_NOCLIP},
      {iTextFlag::CalcRect, DT_CALCRECT},     {iTextFlag::EndEllipsis, DT_END_ELLIPSIS},
      {iTextFlag::PathEllipsis, DT_PATH_ELLIPSIS}, {iTextFlag::WordEllipsis, DT_WORD_ELLIPSIS},
      {iTextFlag::EditControl, DT_EDITCONTROL},
  };
  unsigned result = (flags & iTextFlag::ShowPrefix) ? 0 : DT_NOPREFIX;
  for (const Map& m : kMap) {
    if (flags & m.bit) {
      result |= m.dt;
    }
  }
  return result;
}

int iDrawText(TCanvas& canvas, const QString& text, TRect& rect, TColor color, bool enabled, TextFlags flags) {
  const unsigned dt = TextFlagsToDT(flags);
  if (enabled || (flags & iTextFlag::CalcRect) || ColorToRGB(color) == 0) {
    return canvas.DrawText(text, rect, dt);
  }
  const TColor saved = canvas.Font().Color();
  TRect shifted = OffsetRect(rect, 1, 1);
  canvas.Font().SetColor(ChangeColorBrightness(clBtnFace, 64, true));
  canvas.DrawText(text, shifted, dt);
  canvas.Font().SetColor(ChangeColorBrightness(clBtnFace, 32, false));
  const int result = canvas.DrawText(text, rect, dt);
  canvas.Font().SetColor(saved);
  return result;
}

void iDrawRotatedText(TCanvas& canvas, const QString& text, const TRect& rect, TRect& boundsRect, TColor color,
                      bool enabled, TiAlignmentHorizontal alignment, TiRotationAngle rotation) {
  const int cx = (rect.Left + rect.Right) / 2;
  const int cy = (rect.Top + rect.Bottom) / 2;
  const int tw = canvas.TextWidth(text);
  const int th = canvas.TextHeight(text);
  const TRect flat{cx - tw / 2, cy - th / 2, cx + tw / 2, cy + th / 2};
  const TRect upright{cx - th / 2, cy - tw / 2, cx + th / 2, cy + tw / 2};
  if (rotation == TiRotationAngle::ira000) {
    TextFlags flags = alignment == TiAlignmentHorizontal::iahLeft    ? 529
                      : alignment == TiAlignmentHorizontal::iahRight ? 532
                                                                     : 530;
    if (!text.contains(QLatin1Char('\r'))) {
      flags |= iTextFlag::SingleLine;
    }
    TRect r = rect;
    iDrawText(canvas, text, r, color, enabled, flags);
    boundsRect = flat;
    return;
  }
  TPoint at;
  int escapement = 0;
  switch (rotation) {
    case TiRotationAngle::ira090:
      escapement = 900;
      at = {cx - th / 2, cy + tw / 2};
      boundsRect = upright;
      break;
    case TiRotationAngle::ira180:
      escapement = 1800;
      at = {cx + tw / 2, cy + th / 2};
      boundsRect = flat;
      break;
    default:
      escapement = 2700;
      at = {cx + th - th / 2, cy - tw / 2};
      boundsRect = upright;
      break;
  }
  // Rotated output is a single line from the reference point (left, top,
  // no clipping); the escapement lives on a copy of the font.
  const TFont saved = canvas.Font();
  canvas.Font().SetOrientation(escapement);
  const unsigned align = canvas.SetTextAlign(TA_LEFT | TA_TOP);
  const int mode = canvas.SetBkMode(TRANSPARENT);
  QString line = text;
  line.remove(QLatin1Char('\r'));
  line.remove(QLatin1Char('\n'));
  canvas.TextOut(at.X, at.Y, line);
  canvas.SetBkMode(mode);
  canvas.SetTextAlign(align);
  canvas.Font().Assign(saved);
}

bool NextTextLine(const QString& text, int& pos, QString& line) {
  if (pos >= text.size()) {
    return false;
  }
  int end = pos;
  while (end < text.size() && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n')) {
    ++end;
  }
  line = text.mid(pos, end - pos);
  if (end < text.size() && text[end] == QLatin1Char('\r')) {
    ++end;
  }
  if (end < text.size() && text[end] == QLatin1Char('\n')) {
    ++end;
  }
  pos = end;
  return true;
}

int MultiLineTextWidth(const TCanvas& canvas, const QString& text) {
  int widest = 0;
  int pos = 0;
  QString line;
  while (NextTextLine(text, pos, line)) {
    widest = std::max(widest, canvas.TextWidth(line));
  }
  return widest;
}

int TextExtentHeight(TCanvas& canvas, const QString& text) {
  TRect r;
  return iDrawText(canvas, text, r, clBlack, true, 2560);
}

int WrappedTextHeight(TCanvas& canvas, const QString& text, int width) {
  TRect r{0, 0, width, 0};
  return iDrawText(canvas, text, r, clBlack, true, 73 | iTextFlag::CalcRect);
}

int PrecisionToDecimals(int precision, int style, double a, double b) {
  if (style == 1) {
    return precision;
  }
  if (style != 0 || precision <= 0) {
    return 0;
  }
  const double d = std::fabs(b - a);
  int result = d != 0 ? precision - (TruncSafe(std::log10(d)) + 1) : 0;
  if (d < 1) {
    ++result;
  }
  return std::max(result, 0);
}

namespace {

/// One ring of a 3D edge: top and left in one colour, bottom and right in
/// another.
void EdgeRing(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight) {
  canvas.Brush().SetColor(topLeft);
  canvas.FillRect({r.Left, r.Top, r.Right - 1, r.Top + 1});
  canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom - 1});
  canvas.Brush().SetColor(bottomRight);
  canvas.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
  canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
}

}  // namespace

void DrawFrame3D(TCanvas& canvas, const TRect& rect, int kind) {
  if (kind == 0 || kind == 1) {
    const TBrush saved = canvas.Brush();
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    if (kind == 0) {
      EdgeRing(canvas, rect, clBtnShadow, clBtnHighlight);
      EdgeRing(canvas, InflateRect(rect, -1, -1), cl3DDkShadow, cl3DLight);
    } else {
      EdgeRing(canvas, rect, cl3DLight, cl3DDkShadow);
      EdgeRing(canvas, InflateRect(rect, -1, -1), clBtnHighlight, clBtnShadow);
    }
    canvas.Brush().Assign(saved);
  } else if (kind == 2) {
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetColor(clBtnShadow);
    canvas.Polygon({{rect.Left, rect.Top},
                    {rect.Right - 1, rect.Top},
                    {rect.Right - 1, rect.Bottom - 1},
                    {rect.Left, rect.Bottom - 1}});
  }
}

void DrawFocusRectangle(TCanvas& canvas, const TRect& rect) { canvas.DrawFocusRect(rect); }

TColor ChangeColorBrightness(TColor color, int amount, bool lighter) {
  const TColor rgb = ColorToRGB(color);
  const int delta = lighter ? amount : -amount;
  const auto channel = [&](int shift) { return std::clamp(int((rgb >> shift) & 0xFF) + delta, 0, 255); };
  return RGB(channel(0), channel(8), channel(16));
}

TPoint OrientedPoint(bool swap, int a, int b) { return swap ? TPoint{b, a} : TPoint{a, b}; }

TRect OrderedRect(int x1, int y1, int x2, int y2) {
  return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

TRect OrientedRect(bool swap, int x1, int y1, int x2, int y2) {
  return swap ? OrderedRect(y1, x1, y2, x2) : OrderedRect(x1, y1, x2, y2);
}

void SwapIntegers(int& a, int& b) { std::swap(a, b); }

bool ShiftKeyDown() { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier); }

bool ControlKeyDown() { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier); }
