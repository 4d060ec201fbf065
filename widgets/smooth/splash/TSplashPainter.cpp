#include "widgets/smooth/splash/TSplashPainter.h"

#include <algorithm>

#include <QFontMetrics>

#include "platform/core/Rounding.h"
#include "platform/pictures/TImageList.h"
#include "widgets/gdiplus/TGDIPFill.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/smooth/html/HtmlImages.h"
#include "widgets/smooth/html/RenderHTMLText.h"
#include "widgets/smooth/splash/SplashDrawing.h"
#include "widgets/smooth/splash/TAdvSmoothSplashScreen.h"
#include "widgets/smooth/splash/TBasicProgramInfo.h"
#include "widgets/smooth/splash/TSplashListItemsSettings.h"

namespace {

THTMLRenderOptions SplashOptions(const TAdvSmoothSplashScreen& splash, TColor shadow, TColor url, int offset,
                                 bool measureOnly) {
  THTMLRenderOptions o;
  o.Images = splash.Images();
  o.PictureContainer = splash.PictureContainer();
  o.WordWrap = true;
  o.ShadowColor = shadow;
  o.URLColor = url;
  o.ShadowOffset = offset;
  o.LineSpacing = 2;
  o.MeasureOnly = measureOnly;
  return o;
}

bool IsTop(TItemLocation l) {
  return l == TItemLocation::ilTopLeft || l == TItemLocation::ilTopCenter || l == TItemLocation::ilTopRight;
}

}  // namespace

struct TSplashPainter::Blocks {
  TPoint name;
  TPoint version;
  TPoint notice;
};

TSplashPainter::TSplashPainter(TAdvSmoothSplashScreen& splash, int width, int height)
    : m_splash(splash), m_width(width), m_height(height) {}

TRect TSplashPainter::FillRect() const {
  TRect a{0, 0, m_width - 1, m_height - 1};
  const TGDIPFill& fill = m_splash.Fill();
  if (fill.BorderColor() != clNone) {
    const int inset = fill.BorderInset();
    a = TRect{a.Left + inset, a.Top + inset, a.Right - inset, a.Bottom - inset};
  }
  return a;
}

TRect TSplashPainter::TextArea() const {
  const TRect a = FillRect();
  const TGDIPFill& fill = m_splash.Fill();
  const int s = fill.ShadowColor() != clNone ? fill.ShadowOffset() : 0;
  const int r = fill.Rounding() / 2;
  TRect t{a.Left, a.Top, a.Right - a.Left - s, a.Bottom - a.Top - s};
  t = TRect{t.Left + r, t.Top + r, t.Right - r, t.Bottom - r};
  t.Right -= 5;
  return t;
}

TSplashPainter::Blocks TSplashPainter::Place(TGPGraphics& g) const {
  using L = TItemLocation;
  const TBasicProgramInfo& info = m_splash.BasicProgramInfo();
  const TextRenderingHint hint = m_splash.RenderingHint();
  const TSize n = DrawSplashText(g, info.ProgramName(), 0, 0, hint, true);
  const TSize v = DrawSplashText(g, info.ProgramVersion(), 0, 0, hint, true);
  TSize c;
  if (!info.CopyRight().isEmpty()) {
    const QFontMetrics metrics(info.CopyRightFont().ToQFont());
    c = TSize{metrics.horizontalAdvance(info.CopyRight()), metrics.height()};
  }
  const TRect t = TextArea();
  const L nameAt = info.ProgramName().Location();
  const L versionAt = info.ProgramVersion().Location();
  const L noticeAt = info.CopyRightLocation();
  Blocks b;
  switch (nameAt) {
  case L::ilTopLeft: b.name = {t.Left, t.Top}; break;
  case L::ilTopCenter: b.name = {t.Left + (t.Right - t.Left - n.cx) / 2, t.Top}; break;
  case L::ilTopRight:
    b.name = {t.Right - n.cx, t.Top};
    if (versionAt == L::ilTopRight && v.cx > 0) b.name.X -= v.cx + 1;
    break;
  case L::ilBottomLeft:
    b.name = {t.Left, t.Bottom - n.cy};
    if (noticeAt == L::ilBottomLeft && c.cy > 0) b.name.Y -= c.cy + 3;
    break;
  case L::ilBottomCenter:
    b.name = {t.Left + (t.Right - t.Left - n.cx) / 2, t.Bottom - n.cy};
    if (noticeAt == L::ilBottomCenter) b.name.Y -= c.cy + 3 + v.cy;
    break;
  case L::ilBottomRight:
    b.name = {t.Right - n.cx, t.Bottom - n.cy};
    if (versionAt == L::ilBottomRight && v.cx > 0) b.name.X -= v.cx + 1;
    if (noticeAt == L::ilBottomRight && c.cy > 0) b.name.Y -= c.cy + 3;
    break;
  case L::ilCustom: b.name = {info.ProgramName().PosX(), info.ProgramName().PosY()}; break;
  }
  const int bottomY = n.cy < 1 ? t.Bottom - v.cy : t.Bottom - n.cy;
  switch (versionAt) {
  case L::ilTopLeft:
    b.version = nameAt == L::ilTopLeft && n.cx >= 1 ? TPoint{t.Left + n.cx + 1, t.Top + (n.cy - v.cy) / 2}
                                                     : TPoint{t.Left, t.Top};
    break;
  case L::ilTopCenter:
    b.version = {t.Left + (t.Right - t.Left - v.cx) / 2, t.Top};
    if (nameAt == L::ilTopCenter) b.version.Y += n.cy + v.cy;
    break;
  case L::ilTopRight: b.version = {t.Right - v.cx, t.Top}; break;
  case L::ilBottomLeft:
    b.version = nameAt == L::ilBottomLeft && n.cx > 0 ? TPoint{t.Left + n.cx + 1, t.Bottom - n.cy}
                                                       : TPoint{t.Left, t.Bottom - v.cy};
    if (noticeAt == L::ilBottomLeft && c.cy > 0) b.version.Y -= c.cy + 3;
    break;
  case L::ilBottomCenter:
    b.version = {t.Left + (t.Right - t.Left - v.cx) / 2, bottomY};
    if (noticeAt == L::ilBottomCenter && c.cy > 0) b.version.Y -= c.cy + 3;
    break;
  case L::ilBottomRight:
    b.version = {t.Right - v.cx, bottomY};
    if (noticeAt == L::ilBottomRight && c.cy > 0) b.version.Y -= c.cy + 3;
    break;
  case L::ilCustom: b.version = {info.ProgramVersion().PosX(), info.ProgramVersion().PosY()}; break;
  }
  if (noticeAt == L::ilCustom) {
    b.notice = {info.CopyRightPosX(), info.CopyRightPosY()};
  } else {
    const int column = int(noticeAt) % 3;
    b.notice.X = column == 0 ? t.Left : (column == 1 ? t.Left + (t.Right - t.Left - c.cx) / 2 : t.Right - c.cx);
    if (IsTop(noticeAt)) {
      b.notice.Y = t.Top;
      if (nameAt == noticeAt && n.cy > 0) {
        b.notice.Y += n.cy + 3;
      } else if (versionAt == noticeAt && v.cy > 0) {
        b.notice.Y += v.cy + 3;
      }
    } else {
      b.notice.Y = t.Bottom - c.cy;
    }
  }
  return b;
}

TPoint TSplashPainter::NamePosition(TGPGraphics& g) const { return Place(g).name; }
TPoint TSplashPainter::VersionPosition(TGPGraphics& g) const { return Place(g).version; }

void TSplashPainter::PaintBackground(TGPGraphics& g) {
  g.SetSmoothingMode(SmoothingMode::SmoothingModeAntiAlias);
  m_splash.Fill().Fill(&g, TGPRectF{0, 0, float(m_width - 1), float(m_height - 1)});
}

void TSplashPainter::PaintProgramInfo(TGPGraphics& g) {
  const TBasicProgramInfo& info = m_splash.BasicProgramInfo();
  const TextRenderingHint hint = m_splash.RenderingHint();
  const Blocks b = Place(g);
  DrawSplashText(g, info.ProgramName(), b.name.X, b.name.Y, hint, false);
  DrawSplashText(g, info.ProgramVersion(), b.version.X, b.version.Y, hint, false);
  DrawSplashText(g, info.CopyRight(), b.notice.X, b.notice.Y, hint, info.CopyRightFont());
}

void TSplashPainter::PaintListItems(TGPGraphics& g) {
  TSplashListItems& items = m_splash.ListItems();
  if (items.Count() == 0) {
    return;
  }
  const TSplashListItemsSettings& s = m_splash.ListItemsSettings();
  const TRect r = s.Rect().GetRect();
  const int rw = r.Right - r.Left;
  const int rh = r.Bottom - r.Top;
  g.SetTextRenderingHint(m_splash.RenderingHint());
  const THTMLRenderOptions measure =
      SplashOptions(m_splash, s.HTMLShadowColor(), s.HTMLURLColor(), s.HTMLShadowOffset(), true);
  int y = r.Top;
  for (int i = 0; i < items.Count(); ++i) {
    TSplashListItem& item = items.Items(i);
    const int hh = RenderHTMLText(g, s.HTMLFont(), item.HTMLText(), TRect{0, 0, rw, rh}, measure).TotalHeight;
    item.SetDisplayRect(TRect{r.Left, y, r.Right, y + hh});
    y += hh + s.Space();
  }
  int over = items.Items(items.Count() - 1).DisplayRect().Bottom - r.Bottom;
  int dropped = 0;
  while (over > 0 && dropped < items.Count()) {
    TSplashListItem& item = items.Items(dropped);
    const TRect d = item.DisplayRect();
    over -= d.Bottom - d.Top + s.Space();
    item.SetDisplayRect(TRect{d.Left, -1, d.Right, -1});
    ++dropped;
  }
  const int first = std::min(items.Count() - 1, dropped);
  const int shift = items.Items(first).DisplayRect().Top - r.Top;
  for (int i = first; i < items.Count(); ++i) {
    TSplashListItem& item = items.Items(i);
    const TRect d = item.DisplayRect();
    item.SetDisplayRect(TRect{d.Left, d.Top - shift, d.Right, d.Bottom - shift});
  }
  const THTMLRenderOptions draw =
      SplashOptions(m_splash, s.HTMLShadowColor(), s.HTMLURLColor(), s.HTMLShadowOffset(), false);
  for (int i = first; i < items.Count(); ++i) {
    const TSplashListItem& item = items.Items(i);
    if (item.HTMLText().isEmpty()) {
      continue;
    }
    const TRect d = item.DisplayRect();
    RenderHTMLText(g, s.HTMLFont(), item.HTMLText(), TRect{d.Left, d.Top, d.Left + rw, d.Top + rh}, draw);
  }
}

void TSplashPainter::PaintTopLayerItems(TGPGraphics& g) {
  const TRect a = FillRect();
  const float X = float(a.Left);
  const float Y = float(a.Top);
  const float W = float(a.Right - a.Left);
  const float H = float(a.Bottom - a.Top);
  TAdvSplashTopLayerItems& items = m_splash.TopLayerItems();
  for (int i = 0; i < items.Count(); ++i) {
    TAdvSplashTopLayerItem& item = items.Items(i);
    if (!item.Visible() || item.Align() == TAlign::alNone) {
      continue;
    }
    TGDIPFill& fill = item.Fill();
    if (fill.Rounding() > 0 && fill.RoundingType() != TFillRoundingType::rtNone) {
      g.SetSmoothingMode(SmoothingMode::SmoothingModeAntiAlias);
    }
    const float w = float(item.Width());
    const float h = float(item.Height());
    TGPRectF r;
    switch (item.Align()) {
    case TAlign::alTop: r = {X, Y, W - X, h}; break;
    case TAlign::alBottom: r = {X, Y + H - h, W - X, h}; break;
    case TAlign::alLeft: r = {X, Y, w, H}; break;
    case TAlign::alRight: r = {W - w, Y, w, H}; break;
    case TAlign::alClient: r = {X, Y, W - X, H}; break;
    default: r = {X + float(item.Left()), Y + float(item.Top()), w, h}; break;
    }
    if (fill.BorderColor() == clNone || fill.BorderWidth() == 0) {
      r.Height += 1;
    }
    fill.Fill(&g, r);
    const TAdvSplashHTMLText& text = item.HTMLText();
    if (text.Text().isEmpty()) {
      continue;
    }
    const THTMLRenderResult size = RenderHTMLText(
        g, text.Font(), text.Text(), TRect{0, 0, Round(r.Width), Round(r.Height)},
        SplashOptions(m_splash, text.ShadowColor(), text.URLColor(), text.ShadowOffset(), true));
    const TPoint at = text.Location() == TAdvSmoothSplashScreenLocation::cpCustom
                          ? TPoint{text.Left(), text.Top()}
                          : PlaceInRect(r, text.Location(), size.TotalHeight, size.TotalWidth);
    RenderHTMLText(g, text.Font(), text.Text(),
                   TRect{at.X, at.Y, at.X + size.TotalWidth, at.Y + size.TotalHeight},
                   SplashOptions(m_splash, text.ShadowColor(), text.URLColor(), text.ShadowOffset(), false));
  }
}

void TSplashPainter::PaintSplashItems(TGPGraphics& g) {
  TSplashItems& items = m_splash.Items();
  const TextRenderingHint hint = m_splash.RenderingHint();
  for (int i = 0; i < items.Count(); ++i) {
    TSplashItem& item = items.Items(i);
    if (!item.Visible()) {
      continue;
    }
    int x = item.PosX();
    const int y = item.PosY();
    if (!item.Picture().Empty()) {
      DrawSplashPicture(g, x, y, item.Picture());
      item.Picture().GetImageSizes();
      x += item.Picture().Width() + m_splash.PictureGap();
    } else if (m_splash.Images() != nullptr && item.ImageIndex() >= 0) {
      HtmlImages::DrawListImage(g, *m_splash.Images(), item.ImageIndex(), x, y);
      x += m_splash.Images()->Width() + m_splash.PictureGap();
    }
    if (!item.Text().isEmpty()) {
      DrawSplashText(g, item.Text(), x, y, hint, item.Font());
    }
  }
}

void TSplashPainter::PaintAll(TGPGraphics& g) {
  PaintBackground(g);
  PaintProgramInfo(g);
  PaintListItems(g);
  PaintTopLayerItems(g);
  PaintSplashItems(g);
}
