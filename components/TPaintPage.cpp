#include "components/TPaintPage.h"

#include <algorithm>

#include <QImage>

#include "platform/text/TFont.h"

void TPaintPage::SetBounds(int left, int top, int right, int bottom) {
  m_bitmap.SetSize(std::max(right - left, 0), std::max(bottom - top, 0));
  m_source = Rect(0, 0, right - left, bottom - top);
  m_dest = Rect(left, top, right, bottom);
}

void TPaintPage::Clear(TColor color) {
  TCanvas& canvas = m_bitmap.Canvas();
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(color);
  // Source always covers the whole bitmap: one fill of the image does what
  // FillRect would, pixel for pixel.
  // (QImage::fill hands large images to a thread pool, which costs more than
  // it saves here.)
  if (QImage* image = canvas.Target(); image != nullptr && !image->isNull()) {
    const QRgb rgb = canvas.Realize(ColorToQRgb(color));
    for (int y = 0; y < image->height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(image->scanLine(y));
      std::fill(line, line + image->width(), rgb);
    }
  }
}

void TPaintPage::SetFont(const TFont& font) { m_bitmap.Canvas().Font().Assign(font); }
