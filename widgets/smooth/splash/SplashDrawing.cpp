#include "widgets/smooth/splash/SplashDrawing.h"

#include <cmath>
#include <memory>

#include "platform/core/Rounding.h"
#include "platform/text/TFont.h"
#include "widgets/gdiplus/TAdvGDIPPicture.h"
#include "widgets/gdiplus/TGPBrush.h"
#include "widgets/gdiplus/TGPFont.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPImage.h"
#include "widgets/gdiplus/TGPStringFormat.h"
#include "widgets/smooth/splash/TSplashHeadingText.h"

namespace {

std::unique_ptr<TGPBrush> TextBrush(TAdvGradientType type, ARGB start, ARGB end, float x, float y, float w,
                                    float h, int angle, HatchStyle hatch, const TAdvGDIPPicture& picture,
                                    std::unique_ptr<TGPImage>& texture) {
  switch (type) {
  case TAdvGradientType::gtSolid:
    return std::make_unique<TGPSolidBrush>(start);
  case TAdvGradientType::gtVertical:
    return std::make_unique<TGPLinearGradientBrush>(TGPPointF{x, y}, TGPPointF{x, y + h}, start, end);
  case TAdvGradientType::gtHorizontal:
    return std::make_unique<TGPLinearGradientBrush>(TGPPointF{x, y}, TGPPointF{x + w, y}, start, end);
  case TAdvGradientType::gtForwardDiagonal:
    return std::make_unique<TGPLinearGradientBrush>(TGPPointF{x, y}, TGPPointF{x + w, y + h}, start, end);
  case TAdvGradientType::gtBackwardDiagonal:
    return std::make_unique<TGPLinearGradientBrush>(TGPPointF{x, y + h}, TGPPointF{x + w, y}, end, start);
  case TAdvGradientType::gtAngle: {
    auto brush = std::make_unique<TGPLinearGradientBrush>(TGPRectF{x, y, w + 10, h + 10}, start, end, float(angle),
                                                          true);
    brush->SetGammaCorrection(true);
    return brush;
  }
  case TAdvGradientType::gtHatch:
    return std::make_unique<TGPHatchBrush>(hatch, start, end);
  case TAdvGradientType::gtTexture:
    if (picture.Empty()) {
      return nullptr;
    }
    texture = std::make_unique<TGPImage>(picture.Data(), false);
    return std::make_unique<TGPTextureBrush>(*texture, WrapMode::WrapModeTile);
  default:
    return nullptr;
  }
}

}  // namespace

TSize DrawSplashText(TGPGraphics& g, const QString& text, int x, int y, TextRenderingHint hint, int angle,
                     bool measureOnly, TColor endColor, TColor startColor, int endOpacity, int startOpacity,
                     HatchStyle hatch, const TAdvGDIPPicture& picture, TAdvGradientType type, const TFont& font) {
  if (text.isEmpty()) {
    return {};
  }
  g.SetTextRenderingHint(hint);
  const std::unique_ptr<TGPFont> gpFont = TGPGraphics::MakeFont(font);
  TGPStringFormat format;
  format.SetAlignment(StringAlignment::StringAlignmentNear);
  TGPRectF box;
  g.MeasureString(text, int(text.size()), gpFont.get(), TGPRectF{float(x), float(y), 1500, 500}, &format, box);
  const TSize size{Round(box.Width), Round(box.Height)};
  if (measureOnly) {
    return size;
  }
  if (endColor == clNone && type != TAdvGradientType::gtTexture && type != TAdvGradientType::gtNone) {
    type = TAdvGradientType::gtSolid;
  }
  std::unique_ptr<TGPImage> texture;
  const std::unique_ptr<TGPBrush> brush =
      TextBrush(type, ArgbFromColor(startOpacity, startColor), ArgbFromColor(endOpacity, endColor), float(x),
                float(y), float(size.cx), float(size.cy), angle, hatch, picture, texture);
  if (brush) {
    g.DrawString(text, int(text.size()), gpFont.get(),
                 TGPRectF{float(x), float(y), float(Round(size.cx + 10.0)), float(size.cy + 10)}, &format,
                 brush.get());
  }
  return size;
}

TSize DrawSplashText(TGPGraphics& g, const TSplashHeadingText& heading, int x, int y, TextRenderingHint hint,
                     bool measureOnly) {
  return DrawSplashText(g, heading.Text(), x, y, hint, heading.Angle(), measureOnly, heading.ColorEnd(),
                        heading.ColorStart(), heading.OpacityEnd(), heading.OpacityStart(), heading.Hatch(),
                        heading.Picture(), heading.GradientType(), heading.Font());
}

TSize DrawSplashText(TGPGraphics& g, const QString& text, int x, int y, TextRenderingHint hint, const TFont& font) {
  static const TAdvGDIPPicture kNoPicture;
  return DrawSplashText(g, text, x, y, hint, 0, false, clNone, font.Color(), 255, 255,
                        HatchStyle::HatchStyleHorizontal, kNoPicture, TAdvGradientType::gtSolid, font);
}

void DrawSplashPicture(TGPGraphics& g, int x, int y, const TAdvGDIPPicture& picture) {
  if (picture.Empty()) {
    return;
  }
  // The picture draws itself colour-keyed when it is not a PNG; a copy
  // keeps the caller's picture untouched by the measuring.
  TAdvGDIPPicture copy;
  copy.Assign(&picture);
  copy.GetImageSizes();
  copy.GDIPDraw(g, TRect{x, y, x + copy.Width(), y + copy.Height()});
}

TPoint PlaceInRect(const TGPRectF& r, TAdvSmoothSplashScreenLocation location, int th, int tw) {
  using L = TAdvSmoothSplashScreenLocation;
  const int w = Round(r.Width);
  const int h = Round(r.Height);
  int dx = 0;
  int dy = 0;
  switch (location) {
  case L::cpTopCenter: case L::cpCenterCenter: case L::cpBottomCenter:
    dx = (w - tw) / 2;
    break;
  case L::cpTopRight: case L::cpCenterRight: case L::cpBottomRight:
    dx = w - tw;
    break;
  default:
    break;
  }
  switch (location) {
  case L::cpCenterLeft: case L::cpCenterCenter: case L::cpCenterRight:
    dy = (h - th) / 2;
    break;
  case L::cpBottomLeft: case L::cpBottomCenter: case L::cpBottomRight:
    dy = h - th;
    break;
  default:
    break;
  }
  return TPoint{Round(r.X) + dx, Round(r.Y) + dy};
}
