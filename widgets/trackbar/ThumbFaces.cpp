#include "widgets/trackbar/ThumbFaces.h"

#include <QTransform>

#include "platform/pictures/TBitmap.h"
#include "widgets/trackbar/TTrackBarThumb.h"
#include "widgets/trackbar/TrackBarDrawing.h"

namespace ThumbFaces {
namespace {
constexpr int kWidth = 16;
constexpr int kHeight = 29;
constexpr TColor kKey = clFuchsia;

struct Palette {
  TColor light, dark, outline, line;
};

Palette PaletteOf(TThumbFace face) {
  switch (face) {
    case TThumbFace::Hot: return {RGB(250, 250, 250), RGB(170, 176, 186), RGB(64, 64, 72), RGB(0, 96, 200)};
    case TThumbFace::Down: return {RGB(200, 214, 236), RGB(110, 130, 168), RGB(32, 40, 72), RGB(0, 64, 160)};
    case TThumbFace::Disabled: return {RGB(236, 236, 236), RGB(200, 200, 200), RGB(150, 150, 150), RGB(170, 170, 170)};
    case TThumbFace::Normal: break;
  }
  return {RGB(238, 238, 238), RGB(150, 150, 156), RGB(48, 48, 56), RGB(16, 16, 16)};
}

// The knob upright: a rounded body shaded across, ridges and a pointer line.
void PaintUpright(TBitmap& bitmap, TThumbFace face) {
  const Palette p = PaletteOf(face);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(kKey);
  canvas.FillRect(Rect(0, 0, kWidth, kHeight));
  const TRegion body = TRegion::CreateRoundRectRgn(1, 0, kWidth - 1, kHeight, 5, 5);
  canvas.SelectClipRgn(&body);
  AdvTrackBar::DrawGradient(canvas, p.light, p.dark, AdvTrackBar::TGradientDirection::gdHorizontal,
                            Rect(1, 0, kWidth - 1, kHeight), 14);
  canvas.SelectClipRgn(nullptr);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Pen().SetColor(p.outline);
  canvas.RoundRect(1, 0, kWidth - 1, kHeight, 5, 5);
  for (int y : {5, 8, 20, 23}) {
    canvas.Pen().SetColor(p.dark);
    canvas.MoveTo(3, y);
    canvas.LineTo(kWidth - 3, y);
    canvas.Pen().SetColor(p.light);
    canvas.MoveTo(3, y + 1);
    canvas.LineTo(kWidth - 3, y + 1);
  }
  canvas.Pen().SetColor(p.line);
  canvas.MoveTo(2, kHeight / 2);
  canvas.LineTo(kWidth - 2, kHeight / 2);
}
}  // namespace

QByteArray Bitmap(TThumbFace face, bool horizontal) {
  TBitmap upright(kWidth, kHeight);
  PaintUpright(upright, face);
  TBitmap result;
  if (horizontal) {
    result.AssignImage(upright.Image().transformed(QTransform().rotate(90)));
  } else {
    result.Assign(upright);
  }
  result.SetPixelFormat(TPixelFormat::pf24bit);
  QByteArray bytes;
  result.SaveToBytes(bytes);
  return bytes;
}

void Fill(TTrackBarThumb& thumb, bool horizontal) {
  thumb.Picture().LoadFromBytes(Bitmap(TThumbFace::Normal, horizontal));
  thumb.PictureHot().LoadFromBytes(Bitmap(TThumbFace::Hot, horizontal));
  thumb.PictureDown().LoadFromBytes(Bitmap(TThumbFace::Down, horizontal));
  thumb.PictureDisabled().LoadFromBytes(Bitmap(TThumbFace::Disabled, horizontal));
}

}  // namespace ThumbFaces
