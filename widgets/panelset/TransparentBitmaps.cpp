#include "widgets/panelset/TransparentBitmaps.h"

#include <memory>

#include "platform/drawing/Blit.h"
#include "platform/pictures/TBitmap.h"
#include "platform/drawing/TCanvas.h"

namespace Rz {
namespace {
// The colour copy of the destination's size and its mask (white where the
// copy has the transparent colour).
struct MaskedCopy {
  TBitmap colour;
  TBitmap mask;
};

std::unique_ptr<MaskedCopy> MakeMaskedCopy(const TBitmap& bitmap, const TRect& dest, const TRect& source,
                                           TColor transparent) {
  auto copy = std::make_unique<MaskedCopy>();
  const int w = dest.Width();
  const int h = dest.Height();
  copy->colour.SetSize(w, h);
  StretchBlt(copy->colour.Canvas(), 0, 0, w, h, &bitmap.Canvas(), source.Left, source.Top, source.Width(),
             source.Height(), SRCCOPY);
  copy->mask.SetMonochrome(true);
  copy->mask.SetSize(w, h);
  copy->colour.Canvas().SetBkColor(transparent);
  BitBlt(copy->mask.Canvas(), 0, 0, w, h, &copy->colour.Canvas(), 0, 0, SRCCOPY);
  return copy;
}
}  // namespace

void DrawTransparentBitmapRect(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, const TRect& source,
                               TColor transparent) {
  if (dest.IsEmpty() || bitmap.Empty()) {
    return;
  }
  transparent = ColorToRGB(transparent);
  const auto copy = MakeMaskedCopy(bitmap, dest, source, transparent);
  const int w = dest.Width();
  const int h = dest.Height();
  if (transparent != clBlack) {
    TCanvas& colour = copy->colour.Canvas();
    colour.SetBkColor(clBlack);
    colour.SetTextColor(clWhite);
    BitBlt(colour, 0, 0, w, h, &copy->mask.Canvas(), 0, 0, SRCAND);
  }
  // The mask must come through as white (keep) and black (clear) whatever
  // colours the destination holds for text and background.
  const TColor bk = canvas.SetBkColor(clWhite);
  const TColor text = canvas.SetTextColor(clBlack);
  BitBlt(canvas, dest.Left, dest.Top, w, h, &copy->mask.Canvas(), 0, 0, SRCAND);
  BitBlt(canvas, dest.Left, dest.Top, w, h, &copy->colour.Canvas(), 0, 0, SRCPAINT);
  canvas.SetBkColor(bk);
  canvas.SetTextColor(text);
}

void DrawTransparentBitmap(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, TColor transparent) {
  DrawTransparentBitmapRect(canvas, bitmap, dest, Rect(0, 0, bitmap.Width(), bitmap.Height()), transparent);
}

void TileTransparentBitmap(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, TColor transparent) {
  const int bw = bitmap.Width();
  const int bh = bitmap.Height();
  if (bw <= 0 || bh <= 0) {
    return;
  }
  for (int y = dest.Top; y < dest.Bottom; y += bh) {
    const int th = std::min(bh, dest.Bottom - y);
    for (int x = dest.Left; x < dest.Right; x += bw) {
      const int tw = std::min(bw, dest.Right - x);
      DrawTransparentBitmapRect(canvas, bitmap, Bounds(x, y, tw, th), Rect(0, 0, tw, th), transparent);
    }
  }
}

void StretchTransparentBitmap(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, TColor transparent,
                              const TRect& source) {
  if (dest.IsEmpty() || bitmap.Empty()) {
    return;
  }
  const auto copy = MakeMaskedCopy(bitmap, dest, source, ColorToRGB(transparent));
  TransparentStretchBlt(canvas, dest.Left, dest.Top, dest.Width(), dest.Height(), copy->colour.Canvas(), 0, 0,
                        dest.Width(), dest.Height(), copy->mask.Canvas(), 0, 0);
}

}  // namespace Rz
