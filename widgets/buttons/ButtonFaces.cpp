#include "widgets/buttons/ButtonFaces.h"

#include "platform/pictures/TBitmap.h"
#include "platform/drawing/TCanvas.h"
#include "widgets/buttons/TRzButtonBitmaps.h"
#include "widgets/panelset/Gradients.h"

namespace ButtonFaces {
namespace {
struct TTone {
  TColor top;
  TColor bottom;
  TColor rim;  // inner light line (top) of a raised face, shadow of a sunk one
};

TTone ToneOf(TFace face) {
  switch (face) {
    case TFace::Hot: return {RGB(112, 118, 128), RGB(70, 74, 82), RGB(160, 166, 176)};
    case TFace::Down: return {RGB(40, 42, 46), RGB(62, 66, 72), RGB(24, 24, 26)};
    case TFace::StayDown: return {RGB(20, 70, 120), RGB(40, 110, 170), RGB(12, 40, 70)};
    case TFace::Up: break;
  }
  return {RGB(92, 96, 104), RGB(52, 55, 60), RGB(136, 140, 148)};
}
}  // namespace

void Paint(TBitmap& bitmap, TFace face, int width, int height, TColor key) {
  bitmap.SetSize(width, height);
  TCanvas& canvas = bitmap.Canvas();
  const TRect all = Rect(0, 0, width, height);
  canvas.Brush().SetColor(key);
  canvas.FillRect(all);
  if (width < 6 || height < 6) {
    return;
  }
  const TTone tone = ToneOf(face);
  Rz::FillGradient(canvas, InflateRect(all, -1, -1), Rz::TGradientDirection::gdHorizontalEnd, tone.top, tone.bottom,
                   1);
  // Inner rim: light along the top of a raised face, dark along a sunk one.
  canvas.Pen().SetColor(tone.rim);
  canvas.MoveTo(3, 1);
  canvas.LineTo(width - 3, 1);
  // Black outline with cut corners, the key colour outside it.
  canvas.Pen().SetColor(clBlack);
  canvas.MoveTo(2, 0);
  canvas.LineTo(width - 2, 0);
  canvas.MoveTo(2, height - 1);
  canvas.LineTo(width - 2, height - 1);
  canvas.MoveTo(0, 2);
  canvas.LineTo(0, height - 2);
  canvas.MoveTo(width - 1, 2);
  canvas.LineTo(width - 1, height - 2);
  for (const auto& [x, y] : {TPoint{1, 1}, TPoint{width - 2, 1}, TPoint{1, height - 2}, TPoint{width - 2, height - 2}}) {
    canvas.SetPixel(x, y, clBlack);
  }
  for (const auto& [x, y] : {TPoint{0, 0}, TPoint{1, 0}, TPoint{0, 1}, TPoint{width - 1, 0}, TPoint{width - 2, 0},
                             TPoint{width - 1, 1}, TPoint{0, height - 1}, TPoint{1, height - 1}, TPoint{0, height - 2},
                             TPoint{width - 1, height - 1}, TPoint{width - 2, height - 1},
                             TPoint{width - 1, height - 2}}) {
    canvas.SetPixel(x, y, key);
  }
}

void Fill(TRzButtonBitmaps& bitmaps, int width, int height, TColor key) {
  TBitmap face;
  Paint(face, TFace::Up, width, height, key);
  bitmaps.SetUp(face);
  Paint(face, TFace::Hot, width, height, key);
  bitmaps.SetHot(face);
  Paint(face, TFace::Down, width, height, key);
  bitmaps.SetDown(face);
  Paint(face, TFace::StayDown, width, height, key);
  bitmaps.SetStayDown(face);
  bitmaps.SetTransparentColor(key);
}

}  // namespace ButtonFaces
