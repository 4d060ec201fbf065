#include "platform/pictures/TImageList.h"

#include <QColor>

#include "platform/drawing/TCanvas.h"

void TImageList::SetSize(int width, int height) {
  m_width = width;
  m_height = height;
}

int TImageList::AddMasked(const TBitmap& bitmap, TColor maskColor) {
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(bitmap);
  copy->SetTransparentColor(maskColor);
  copy->SetTransparent(true);
  m_images.push_back(std::move(copy));
  return Count() - 1;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count()) {
    return;
  }
  const TBitmap& image = *m_images[index];
  if (enabled) {
    canvas.Draw(x, y, image);
    return;
  }
  // Disabled look: every opaque pixel as a light grey of its brightness.
  TBitmap grey;
  grey.Assign(image);
  const TColor mask = image.TransparentColor();
  for (int py = 0; py < grey.Height(); ++py) {
    for (int px = 0; px < grey.Width(); ++px) {
      const TColor c = grey.Canvas().Pixel(px, py);
      if (c != mask) {
        const int level = 128 + qGray(ColorToQRgb(c)) / 2;
        grey.Canvas().SetPixel(px, py, QRgbToColor(qRgb(level, level, level)));
      }
    }
  }
  canvas.Draw(x, y, grey);
}
