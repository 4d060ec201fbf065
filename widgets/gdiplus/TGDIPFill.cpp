#include "widgets/gdiplus/TGDIPFill.h"

#include <algorithm>

#include "platform/core/Rounding.h"
#include "widgets/gdiplus/TGPBrush.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPGraphicsPath.h"
#include "widgets/gdiplus/TGPPen.h"

namespace {
using RT = TFillRoundingType;

bool Rounds(RT type, bool top, bool left) {
  switch (type) {
    case RT::rtNone: return false;
    case RT::rtTop: return top;
    case RT::rtBottom: return !top;
    case RT::rtBoth: return true;
    case RT::rtLeft: return left;
    case RT::rtRight: return !left;
  }
  return false;
}

// Which corners a layer rounds while the fill has a mirrored part.
RT LayerRounding(RT type, bool mirrorLayer) {
  if (type == RT::rtLeft || type == RT::rtRight) {
    return type;
  }
  if (mirrorLayer) {
    return (type == RT::rtBottom || type == RT::rtBoth) ? RT::rtBottom : RT::rtNone;
  }
  return (type == RT::rtTop || type == RT::rtBoth) ? RT::rtTop : RT::rtNone;
}

// Keeps the surface's smoothing mode for the duration.
class SmoothingScope {
public:
  SmoothingScope(TGPGraphics& g, SmoothingMode mode) : m_g(g), m_saved(g.GetSmoothingMode()) {
    m_g.SetSmoothingMode(mode);
  }
  ~SmoothingScope() { m_g.SetSmoothingMode(m_saved); }
  SmoothingScope(const SmoothingScope&) = delete;
  SmoothingScope& operator=(const SmoothingScope&) = delete;

private:
  TGPGraphics& m_g;
  SmoothingMode m_saved;
};

TGPRectF Grown(const TGPRectF& r) { return {r.X - 1, r.Y - 1, r.Width + 2, r.Height + 2}; }
}  // namespace

TGDIPFill::TGDIPFill() {
  m_picture.OnChange = [this](TObject*) { Changed(); };
  m_backGroundPicture.OnChange = [this](TObject*) { Changed(); };
}

TGDIPFill::~TGDIPFill() = default;

void TGDIPFill::Changed() {
  if (m_updateCount == 0) {
    Raise(OnChange, this);
  }
}

void TGDIPFill::EndUpdate() {
  if (m_updateCount > 0) {
    --m_updateCount;
  }
}

void TGDIPFill::SetPicture(const TAdvGDIPPicture& picture) {
  if (&picture != &m_picture) {
    m_picture.Assign(&picture);
  }
}

void TGDIPFill::SetBackGroundPicture(const TAdvGDIPPicture& picture) {
  if (&picture != &m_backGroundPicture) {
    m_backGroundPicture.Assign(&picture);
  }
}

void TGDIPFill::Assign(const TObject* source) {
  const auto* s = dynamic_cast<const TGDIPFill*>(source);
  if (!s) {
    return;
  }
  BeginUpdate();
  m_pictureAspectRatio = s->m_pictureAspectRatio;
  m_pictureAspectMode = s->m_pictureAspectMode;
  m_backGroundPictureAspectRatio = s->m_backGroundPictureAspectRatio;
  m_backGroundPictureAspectMode = s->m_backGroundPictureAspectMode;
  m_color = s->m_color;
  m_colorTo = s->m_colorTo;
  m_colorMirror = s->m_colorMirror;
  m_colorMirrorTo = s->m_colorMirrorTo;
  m_gradientType = s->m_gradientType;
  m_gradientMirrorType = s->m_gradientMirrorType;
  m_hatchStyle = s->m_hatchStyle;
  m_hatchStyleMirror = s->m_hatchStyleMirror;
  m_backGroundPicture.Assign(&s->m_backGroundPicture);
  m_backGroundPicturePosition = s->m_backGroundPicturePosition;
  m_backGroundPictureLeft = s->m_backGroundPictureLeft;
  m_backGroundPictureTop = s->m_backGroundPictureTop;
  m_picture.Assign(&s->m_picture);
  m_picturePosition = s->m_picturePosition;
  m_pictureLeft = s->m_pictureLeft;
  m_pictureTop = s->m_pictureTop;
  m_pictureSize = s->m_pictureSize;
  m_pictureWidth = s->m_pictureWidth;
  m_pictureHeight = s->m_pictureHeight;
  m_opacity = s->m_opacity;
  m_opacityTo = s->m_opacityTo;
  m_opacityMirror = s->m_opacityMirror;
  m_opacityMirrorTo = s->m_opacityMirrorTo;
  m_borderColor = s->m_borderColor;
  m_borderWidth = s->m_borderWidth;
  m_rounding = s->m_rounding;
  m_roundingType = s->m_roundingType;
  m_shadowColor = s->m_shadowColor;
  m_shadowOffset = s->m_shadowOffset;
  m_shadowType = s->m_shadowType;
  m_angle = s->m_angle;
  m_borderOpacity = s->m_borderOpacity;
  m_backGroundPictureMode = s->m_backGroundPictureMode;
  m_glowGradientColor = s->m_glowGradientColor;
  m_glowRadialColor = s->m_glowRadialColor;
  m_glow = s->m_glow;
  EndUpdate();
  Changed();
}

std::unique_ptr<TGPGraphicsPath> TGDIPFill::CreateRoundRectPath(const TGPRectF& r, int radius,
                                                                TFillRoundingType roundingType) {
  auto path = std::make_unique<TGPGraphicsPath>(FillMode::FillModeAlternate);
  // A corner rounds at most to half the rectangle's shorter side: a larger
  // rounding of a description draws the same as that.
  const float d = std::min(2.0f * float(std::max(radius, 0)), std::max(0.0f, std::min(r.Width, r.Height)));
  if (d <= 0) {
    path->AddRectangle(r);
    return path;
  }
  const float right = r.X + r.Width;
  const float bottom = r.Y + r.Height;
  auto corner = [&](bool top, bool left, float x, float y, float arcX, float arcY, float start) {
    if (Rounds(roundingType, top, left)) {
      path->AddArc(arcX, arcY, d, d, start, 90);
    } else {
      path->AddLine(x, y, x, y);
    }
  };
  corner(true, true, r.X, r.Y, r.X, r.Y, 180);
  corner(true, false, right, r.Y, right - d, r.Y, 270);
  corner(false, false, right, bottom, right - d, bottom - d, 0);
  corner(false, true, r.X, bottom, r.X, bottom - d, 90);
  path->CloseFigure();
  return path;
}

void TGDIPFill::FitPictureSize(double w, double h, double W, double H, TPictureMode mode, double& outW,
                               double& outH) {
  if (w <= 0 || h <= 0 || W <= 0 || H <= 0) {
    outW = 0;
    outH = 0;
  } else if (mode == TPictureMode::pmNormal && w < W && h < H) {
    outW = w;
    outH = h;
  } else if (W / H > w / h) {
    outW = w * H / h;
    outH = H;
  } else {
    outW = W;
    outH = h * W / w;
  }
}

TGPRectF TGDIPFill::Fill(TGPGraphics* graphics, const TGPRectF& area, int ABorderOpacity, int AOpacity,
                         int AOpacityTo, int AOpacityMirror, int AOpacityMirrorTo) {
  TGPRectF R = area;
  if (!graphics) {
    return R;
  }
  TGPGraphics& g = *graphics;
  const Alphas a{ABorderOpacity == 255 ? m_borderOpacity : ABorderOpacity,
                 AOpacity == 255 ? m_opacity : AOpacity,
                 AOpacityTo == 255 ? m_opacityTo : AOpacityTo,
                 AOpacityMirror == 255 ? m_opacityMirror : AOpacityMirror,
                 AOpacityMirrorTo == 255 ? m_opacityMirrorTo : AOpacityMirrorTo};
  const bool hasBorder = m_borderWidth > 0 && m_borderColor != clNone;
  if (R.Height == 1 || R.Width == 1) {
    if (hasBorder) {
      const TGPPen pen(ArgbFromColor(a.border, m_borderColor), float(m_borderWidth));
      g.DrawLine(pen, R.X, R.Y, R.X + R.Width, R.Y + R.Height);
    }
  } else {
    if (m_shadowOffset > 0 && m_shadowColor != clNone) {
      DrawShadow(g, R);
    }
    const bool onePart = m_gradientType == TAdvGradientType::gtHatch ||
                         m_gradientType == TAdvGradientType::gtTexture || m_colorMirror == clNone;
    const ARGB start = ArgbFromColor(a.opacity, m_color);
    const ARGB end = ArgbFromColor(a.opacityTo, m_colorTo == clNone ? m_color : m_colorTo);
    if (onePart) {
      if (m_gradientType == TAdvGradientType::gtRadial) {
        if (m_color != clNone) {
          PaintRadialGradient(g, R, start, end, m_roundingType, m_rounding, true);
        }
      } else {
        DrawGradientBackGround(g, R, false, a);
      }
    } else {
      const float h = R.Height / 2;
      const TGPRectF upper{R.X, R.Y, R.Width, R.Height - h + 1};
      const TGPRectF lower{R.X, R.Y + h - 1, R.Width, R.Height - h + 1};
      if (m_gradientType == TAdvGradientType::gtRadial) {
        if (m_color != clNone) {
          PaintRadialGradient(g, upper, start, end, RT::rtTop, m_rounding, true);
        }
      } else {
        DrawGradientBackGround(g, upper, false, a);
      }
      if (m_gradientMirrorType == TAdvGradientType::gtRadial) {
        if (m_colorMirror != clNone) {
          const ARGB base = ArgbFromColor(a.mirrorTo, m_colorMirrorTo == clNone ? m_colorMirror : m_colorMirrorTo);
          PaintRadialGradient(g, lower, base, ArgbFromColor(a.mirror, m_colorMirror), RT::rtBottom, m_rounding,
                              false);
        }
      } else {
        DrawGradientBackGround(g, lower, true, a);
      }
    }
    if (m_backGroundPictureMode == TFillPictureMode::pmInsideFill &&
        m_gradientType == TAdvGradientType::gtTexture) {
      DrawPictures(g, R, true, true);
    }
    if (hasBorder) {
      const TGPPen pen(ArgbFromColor(a.border, m_borderColor), float(m_borderWidth));
      const auto outline = CreateRoundRectPath(R, m_rounding, m_roundingType);
      g.DrawPath(&pen, outline.get());
    }
  }
  DrawGlow(g, R);
  const float b = float(m_borderWidth);
  m_focusRect = {R.X + b, R.Y + b, R.Width - 2 * b, R.Height - 2 * b};
  if (m_focus) {
    const SmoothingScope scope(g, SmoothingMode::SmoothingModeDefault);
    TGPPen pen(ArgbFromColor(a.opacity, m_focusColor), 1);
    pen.SetDashStyle(DashStyle::DashStyleDot);
    const auto outline = CreateRoundRectPath(m_focusRect, m_rounding - m_borderWidth, m_roundingType);
    g.DrawPath(&pen, outline.get());
  }
  if (m_backGroundPictureMode == TFillPictureMode::pmOutsideFill && m_gradientType == TAdvGradientType::gtTexture) {
    DrawPictures(g, R, true, false);
  }
  DrawPictures(g, R, false, false);
  return R;
}

void TGDIPFill::DrawShadow(TGPGraphics& g, TGPRectF& R) {
  // A shadow never takes more than half the rectangle.
  const int o = std::min(m_shadowOffset, int(std::max(0.0f, std::min(R.Width, R.Height)) / 2));
  if (m_shadowType == TShadowType::stBottom) {
    const TGPRectF band{R.X, R.Y + R.Height - 2 * o, R.Width, float(2 * o)};
    PaintRadialGradient(g, band, ArgbFromColor(0, m_shadowColor), ArgbFromColor(255, m_shadowColor), RT::rtBottom,
                        m_rounding, true);
    R.Height -= float(o);
    return;
  }
  const bool surround = m_shadowType == TShadowType::stSurround;
  const auto shape = surround ? CreateRoundRectPath(R, o, RT::rtBoth) : CreateRoundRectPath(R, m_rounding, m_roundingType);
  TGPPathGradientBrush brush(*shape);
  brush.SetWrapMode(WrapMode::WrapModeClamp);
  const ARGB shade = ArgbFromColor(180, m_shadowColor);
  const ARGB colors[3] = {ComposeArgb(0, 0, 0, 0), shade, shade};
  const float positions[3] = {0.0f, 0.1f, 1.0f};
  brush.SetInterpolationColors(colors, positions, 3);
  g.FillPath(brush, *shape);
  if (surround) {
    R = {R.X + o, R.Y + o, R.Width - 2 * o, R.Height - 2 * o};
  } else {
    R = {R.X, R.Y, R.Width - o, R.Height - o};
  }
}

void TGDIPFill::DrawGradientBackGround(TGPGraphics& g, const TGPRectF& R, bool mirror, const Alphas& a) {
  TAdvGradientType kind = mirror ? m_gradientMirrorType : m_gradientType;
  const TColor startColor = mirror ? m_colorMirror : m_color;
  const TColor endColor = mirror ? m_colorMirrorTo : m_colorTo;
  if (startColor == clNone) {
    kind = TAdvGradientType::gtNone;
  } else if (endColor == clNone) {
    kind = TAdvGradientType::gtSolid;
  }
  const ARGB c1 = ArgbFromColor(mirror ? a.mirror : a.opacity, startColor);
  const ARGB c2 = ArgbFromColor(mirror ? a.mirrorTo : a.opacityTo, endColor);
  std::unique_ptr<TGPGraphicsPath> shape;
  std::unique_ptr<SmoothingScope> smoothing;
  if (m_rounding == 0) {
    shape = std::make_unique<TGPGraphicsPath>();
    shape->AddRectangle(R);
  } else {
    const RT type = m_colorMirror == clNone ? m_roundingType : LayerRounding(m_roundingType, mirror);
    shape = CreateRoundRectPath(R, m_rounding, type);
    smoothing = std::make_unique<SmoothingScope>(g, SmoothingMode::SmoothingModeAntiAlias);
  }
  auto linear = [&](std::unique_ptr<TGPLinearGradientBrush> brush) {
    brush->SetGammaCorrection(true);
    g.FillPath(*brush, *shape);
  };
  switch (kind) {
    case TAdvGradientType::gtSolid: g.FillPath(TGPSolidBrush(c1), *shape); break;
    case TAdvGradientType::gtVertical:
    case TAdvGradientType::gtHorizontal:
    case TAdvGradientType::gtForwardDiagonal:
    case TAdvGradientType::gtBackwardDiagonal: {
      const LinearGradientMode mode =
          kind == TAdvGradientType::gtVertical     ? LinearGradientMode::LinearGradientModeVertical
          : kind == TAdvGradientType::gtHorizontal ? LinearGradientMode::LinearGradientModeHorizontal
          : kind == TAdvGradientType::gtForwardDiagonal ? LinearGradientMode::LinearGradientModeForwardDiagonal
                                                        : LinearGradientMode::LinearGradientModeBackwardDiagonal;
      linear(std::make_unique<TGPLinearGradientBrush>(Grown(R), c1, c2, mode));
      if (mirror) {
        g.FillRectangle(TGPSolidBrush(c1), R.X, R.Y, R.Width, 1);
      }
      break;
    }
    case TAdvGradientType::gtAngle:
      linear(std::make_unique<TGPLinearGradientBrush>(Grown(R), c1, c2, float(m_angle), true));
      break;
    case TAdvGradientType::gtHatch:
      g.FillPath(TGPHatchBrush(mirror ? m_hatchStyleMirror : m_hatchStyle, c1, c2), *shape);
      break;
    case TAdvGradientType::gtTexture:
      if (m_backGroundPicturePosition == TFillPicturePosition::ppTiled) {
        m_backGroundPicture.FillPath(g, *shape);
      }
      break;
    default:
      break;
  }
}

void TGDIPFill::PaintRadialGradient(TGPGraphics& g, const TGPRectF& R, ARGB base, ARGB centre,
                                    TFillRoundingType type, int radius, bool atTop) {
  const auto outline = CreateRoundRectPath(R, radius, type);
  g.FillPath(TGPSolidBrush(base), *outline);
  // The caller's clip comes back afterwards.
  const unsigned state = g.Save();
  g.SetClip(*outline, CombineMode::CombineModeIntersect);
  TGPGraphicsPath ellipse;
  if (atTop) {
    ellipse.AddEllipse(R.X, R.Y - R.Height / 2, R.Width, R.Height + R.Height / 2);
  } else {
    ellipse.AddEllipse(R.X, R.Y, R.Width, R.Height + R.Height / 2);
  }
  TGPPathGradientBrush brush(ellipse);
  brush.SetCenterPoint(TGPPointF{R.X + R.Width / 2, atTop ? R.Y : R.Y + R.Height});
  brush.SetCenterColor(centre);
  int count = 1;
  brush.SetSurroundColors(&base, count);
  g.FillRectangle(brush, R);
  g.Restore(state);
}

void TGDIPFill::DrawGlow(TGPGraphics& g, const TGPRectF& R) {
  if (m_glow == TGlowMode::gmNone) {
    return;
  }
  // Glow paints inside R only; the caller's own clip is kept and restored.
  const unsigned state = g.Save();
  TGPGraphicsPath box;
  box.AddRectangle(R);
  g.SetClip(box, CombineMode::CombineModeIntersect);
  const float x = R.X + 1;
  const float y = R.Y + 1;
  const float w = R.Width - 2;
  const float h = R.Height - 2;
  if (m_glow == TGlowMode::gmGradient || m_glow == TGlowMode::gmRadialGradient) {
    const TGPPen pen(ArgbFromColor(200, m_glowGradientColor), 1);
    const auto outline = CreateRoundRectPath(TGPRectF{x, y, w, h}, m_rounding, m_roundingType);
    g.DrawPath(&pen, outline.get());
    const TGPLinearGradientBrush top(Grown(TGPRectF{x + 5, y, w - 10, 4}), ArgbFromColor(175, m_glowGradientColor),
                                     ArgbFromColor(0, m_glowGradientColor),
                                     LinearGradientMode::LinearGradientModeVertical);
    g.FillPolygon(top, std::vector<TGPPointF>{{x, y}, {x + 5, y}, {x + 5, y + 4}});
    g.FillPolygon(top, std::vector<TGPPointF>{{x + w, y}, {x + w - 5, y}, {x + w - 5, y + 4}});
    g.FillRectangle(top, x + 5, y, w - 10, 4);
    const TGPLinearGradientBrush bottom(Grown(TGPRectF{x + 5, y + h - 7, w - 10, 7}),
                                        ArgbFromColor(0, m_glowGradientColor), ArgbFromColor(220, m_glowGradientColor),
                                        LinearGradientMode::LinearGradientModeVertical);
    g.FillPolygon(bottom, std::vector<TGPPointF>{{x, y + h}, {x + 5, y + h}, {x + 5, y + h - 7}});
    g.FillPolygon(bottom, std::vector<TGPPointF>{{x + w, y + h}, {x + w - 5, y + h}, {x + w - 5, y + h - 7}});
    g.FillRectangle(bottom, x + 5, y + h - 7, w - 10, 7);
  }
  if (m_glow == TGlowMode::gmRadial || m_glow == TGlowMode::gmRadialGradient) {
    TGPGraphicsPath ellipse;
    const TGPRectF box{x + 10, y - h / 2, w - 20, 3 * h};
    ellipse.AddEllipse(box);
    TGPPathGradientBrush brush(ellipse);
    brush.SetCenterPoint(TGPPointF{box.X + box.Width / 2, box.Y + box.Height / 2});
    brush.SetCenterColor(ArgbFromColor(150, m_glowRadialColor));
    const ARGB surround = ArgbFromColor(0, m_color);
    int count = 1;
    brush.SetSurroundColors(&surround, count);
    g.FillPath(brush, ellipse);
  }
  g.Restore(state);
}

void TGDIPFill::DrawPictureAt(TGPGraphics& g, TAdvGDIPPicture& picture, const TRect& r, int w, int h,
                              TFillPicturePosition position, int left, int top, bool aspect, TPictureMode mode) {
  if (picture.Empty()) {
    return;
  }
  using PP = TFillPicturePosition;
  int x = r.Left;
  int y = r.Top;
  const int centreX = r.Left + (r.Width() - w) / 2;
  const int centreY = r.Top + (r.Height() - h) / 2;
  switch (position) {
    case PP::ppTopLeft: break;
    case PP::ppTopCenter: x = centreX; break;
    case PP::ppTopRight: x = r.Right - w; break;
    case PP::ppBottomLeft: y = r.Bottom - h; break;
    case PP::ppBottomCenter: x = centreX; y = r.Bottom - h; break;
    case PP::ppBottomRight: x = r.Right - w; y = r.Bottom - h; break;
    case PP::ppCenterLeft: y = centreY; break;
    case PP::ppCenterCenter: x = centreX; y = centreY; break;
    case PP::ppCenterRight: x = r.Right - w; y = centreY; break;
    case PP::ppCustom: x = left; y = top; break;
    case PP::ppTiled: return;
    case PP::ppStretched: {
      double fw = r.Width();
      double fh = r.Height();
      if (aspect) {
        FitPictureSize(picture.Width(), picture.Height(), r.Width(), r.Height(), mode, fw, fh);
      }
      x = Round(r.Left + (r.Width() - fw) / 2);
      y = Round(r.Top + (r.Height() - fh) / 2);
      w = Round(fw);
      h = Round(fh);
      break;
    }
  }
  picture.GDIPDraw(g, Rect(x, y, x + w, y + h));
}

void TGDIPFill::DrawPictures(TGPGraphics& g, const TGPRectF& R, bool background, bool clip) {
  const TRect whole = Bounds(Round(R.X), Round(R.Y), Round(R.Width), Round(R.Height));
  if (background) {
    unsigned state = 0;
    if (clip) {
      state = g.Save();
      const auto outline = CreateRoundRectPath(R, m_rounding, m_roundingType);
      g.SetClip(*outline, CombineMode::CombineModeIntersect);
    }
    DrawPictureAt(g, m_backGroundPicture, whole, m_backGroundPicture.Width(), m_backGroundPicture.Height(),
                  m_backGroundPicturePosition, m_backGroundPictureLeft, m_backGroundPictureTop,
                  m_backGroundPictureAspectRatio, m_backGroundPictureAspectMode);
    if (clip) {
      g.Restore(state);
    }
    return;
  }
  int w = 0;
  int h = 0;
  if (!m_picture.Empty()) {
    m_picture.GetImageSizes();
    w = m_pictureSize == TFillPictureSize::psCustom ? m_pictureWidth : m_picture.Width();
    h = m_pictureSize == TFillPictureSize::psCustom ? m_pictureHeight : m_picture.Height();
  }
  DrawPictureAt(g, m_picture, whole, w, h, m_picturePosition, m_pictureLeft, m_pictureTop, m_pictureAspectRatio,
                m_pictureAspectMode);
}
