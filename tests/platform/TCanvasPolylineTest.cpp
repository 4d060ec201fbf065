#include <vector>

#include <gtest/gtest.h>

#include "platform/pictures/TBitmap.h"
#include "platform/drawing/TColor.h"
#include "platform/drawing/TPen.h"

namespace {

struct PolylineClipCase {
  const char* name;
  void (*clip)(TCanvas& canvas);
};

// A trace that leaves the image, crosses the clips, repeats a point, runs
// back over itself and has segments of every slope.
const std::vector<TPoint> kPolylineTrace = {{-5, 3},  {4, 4},  {10, 20}, {10, 2},  {31, 9},  {31, 9},
                                            {12, 14}, {2, 23}, {45, -3}, {20, 18}, {21, 18}, {3, 1}};

// A bitmap with a different colour at every pixel, so a raster operation
// shows what it combined.
void FillPolylineBackground(TBitmap& bitmap) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      bitmap.Canvas().SetPixel(x, y, RGB(x * 7, y * 9, (x + y) * 3));
    }
  }
}

void DrawPolylineTrace(TBitmap& bitmap, const PolylineClipCase& clip, TPenMode mode, bool asPolyline) {
  FillPolylineBackground(bitmap);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Pen().SetColor(clRed);
  canvas.Pen().SetMode(mode);
  clip.clip(canvas);
  if (asPolyline) {
    canvas.Polyline(kPolylineTrace);
    return;
  }
  canvas.MoveTo(kPolylineTrace[0].X, kPolylineTrace[0].Y);
  for (const TPoint& p : kPolylineTrace) {
    canvas.LineTo(p.X, p.Y);
  }
}

}  // namespace

TEST(TCanvasPolyline, solidThinPolylineDrawsThePixelsOfItsSegmentsDrawnOneByOne) {
  const PolylineClipCase clips[] = {
      {"no clip", [](TCanvas&) {}},
      {"one rectangle", [](TCanvas& c) { c.IntersectClipRect(3, 2, 25, 17); }},
      {"two rectangles", [](TCanvas& c) { c.ExcludeClipRect(8, 0, 12, 24); }},
      {"moved origin", [](TCanvas& c) {
         c.SetWindowOrg(-3, 2);
         c.IntersectClipRect(0, 0, 20, 20);
       }},
      {"empty clip", [](TCanvas& c) { c.IntersectClipRect(5, 5, 5, 5); }},
  };
  for (const PolylineClipCase& clip : clips) {
    for (const TPenMode mode : {TPenMode::pmCopy, TPenMode::pmXor, TPenMode::pmNot}) {
      TBitmap polyline(32, 24);
      TBitmap segments(32, 24);
      DrawPolylineTrace(polyline, clip, mode, true);
      DrawPolylineTrace(segments, clip, mode, false);
      for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 32; ++x) {
          ASSERT_EQ(polyline.Canvas().Pixel(x, y), segments.Canvas().Pixel(x, y))
              << clip.name << ", mode " << int(mode) << ", pixel " << x << "," << y;
        }
      }
    }
  }
}
