#include "platform/Blit.h"

#include <cstdlib>
#include <optional>

#include <QImage>

#include "platform/TCanvas.h"

namespace {
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kBlack = 0xFF000000u;

QRgb Rop3(unsigned table, QRgb p, QRgb s, QRgb d) {
  QRgb out = 0;
  for (unsigned idx = 0; idx < 8; ++idx) {
    if ((table >> idx) & 1u) {
      out |= ((idx & 4u) ? p : ~p) & ((idx & 2u) ? s : ~s) & ((idx & 1u) ? d : ~d);
    }
  }
  return kBlack | (out & 0xFFFFFFu);
}

bool UsesSource(unsigned table) { return ((table >> 2) & 0x33u) != (table & 0x33u); }
bool UsesPattern(unsigned table) { return ((table >> 4) & 0x0Fu) != (table & 0x0Fu); }

// Source pixel as the destination sees it (monochrome conversions).
QRgb ConvertSource(QRgb pixel, const TCanvas& source, const TCanvas& dest) {
  if (source.Monochrome() && !dest.Monochrome()) {
    return (pixel & 0xFFFFFFu) == 0xFFFFFFu ? ColorToQRgb(dest.GetBkColor()) : ColorToQRgb(dest.GetTextColor());
  }
  if (!source.Monochrome() && dest.Monochrome()) {
    return (pixel & 0xFFFFFFu) == (ColorToQRgb(source.GetBkColor()) & 0xFFFFFFu) ? kWhite : kBlack;
  }
  return pixel;
}

int Sign(int v) { return v < 0 ? -1 : 1; }

// Runs body(destX, destY, srcX, srcY) in device coordinates for each pixel
// of the destination rectangle, nearest source pixel.
template <typename Body>
void ForEachMapped(const TCanvas& dest, int x, int y, int w, int h, const TCanvas* source, int sx, int sy, int sw,
                   int sh, Body body) {
  const TPoint d0 = dest.LogicalToDevice({x, y});
  const TPoint s0 = source ? source->LogicalToDevice({sx, sy}) : TPoint{sx, sy};
  const int aw = std::abs(w);
  const int ah = std::abs(h);
  const int asw = std::abs(sw);
  const int ash = std::abs(sh);
  for (int i = 0; i < ah; ++i) {
    const int dy = d0.Y + Sign(h) * i;
    const int j = int((2LL * i + 1) * ash / (2LL * ah));
    const int srcY = s0.Y + Sign(sh) * j;
    for (int k = 0; k < aw; ++k) {
      const int dx = d0.X + Sign(w) * k;
      const int m = int((2LL * k + 1) * asw / (2LL * aw));
      body(dx, dy, s0.X + Sign(sw) * m, srcY);
    }
  }
}

// The source's pixels as they were before the transfer: a shallow copy that
// keeps the old data when the transfer writes into the same image, so
// overlapping copies (scrolling, mirroring in place) read unchanged pixels.
class SourcePixels {
public:
  explicit SourcePixels(const TCanvas& canvas) : m_image(*canvas.Target()) {}
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_image.width() && y < m_image.height(); }
  QRgb At(int x, int y) const { return reinterpret_cast<const QRgb*>(m_image.constScanLine(y))[x]; }

private:
  const QImage m_image;
};
}  // namespace

bool StretchBlt(TCanvas& dest, int x, int y, int w, int h, const TCanvas* source, int sx, int sy, int sw, int sh,
                std::uint32_t rop) {
  const unsigned table = (rop >> 16) & 0xFFu;
  const bool needSource = UsesSource(table);
  if (!dest.HandleAllocated() || (needSource && (source == nullptr || !source->HandleAllocated()))) {
    return false;
  }
  if (w == 0 || h == 0 || (needSource && (sw == 0 || sh == 0))) {
    return true;
  }
  if (!needSource) {
    sw = w;
    sh = h;
  }
  const bool needPattern = UsesPattern(table);
  std::optional<SourcePixels> pixels;
  if (needSource) {
    pixels.emplace(*source);
  }
  ForEachMapped(dest, x, y, w, h, needSource ? source : nullptr, sx, sy, sw, sh,
                [&](int dx, int dy, int srcX, int srcY) {
                  if (!dest.DeviceContains(dx, dy)) {
                    return;
                  }
                  QRgb s = 0;
                  if (needSource) {
                    if (!pixels->Contains(srcX, srcY)) {
                      return;
                    }
                    s = ConvertSource(pixels->At(srcX, srcY), *source, dest);
                  }
                  if (table == 0xCC) {
                    dest.PutDevicePixel(dx, dy, s);
                    return;
                  }
                  const QRgb p = needPattern ? dest.PatternPixel(dx, dy) : 0;
                  dest.PutDevicePixel(dx, dy, Rop3(table, p, s, dest.DevicePixel(dx, dy)));
                });
  return true;
}

bool BitBlt(TCanvas& dest, int x, int y, int w, int h, const TCanvas* source, int sx, int sy, std::uint32_t rop) {
  return StretchBlt(dest, x, y, w, h, source, sx, sy, w, h, rop);
}

bool PatBlt(TCanvas& dest, int x, int y, int w, int h, std::uint32_t rop) {
  return StretchBlt(dest, x, y, w, h, nullptr, 0, 0, w, h, rop);
}

bool TransparentStretchBlt(TCanvas& dest, int x, int y, int w, int h, const TCanvas& source, int sx, int sy, int sw,
                           int sh, const TCanvas& mask, int mx, int my) {
  if (!dest.HandleAllocated() || !source.HandleAllocated() || !mask.HandleAllocated()) {
    return false;
  }
  if (w == 0 || h == 0 || sw == 0 || sh == 0) {
    return true;
  }
  const TPoint s0 = source.LogicalToDevice({sx, sy});
  const TPoint m0 = mask.LogicalToDevice({mx, my});
  const SourcePixels pixels(source);
  const SourcePixels maskPixels(mask);
  ForEachMapped(dest, x, y, w, h, &source, sx, sy, sw, sh, [&](int dx, int dy, int srcX, int srcY) {
    const int maskX = m0.X + (srcX - s0.X);
    const int maskY = m0.Y + (srcY - s0.Y);
    if (!dest.DeviceContains(dx, dy) || !pixels.Contains(srcX, srcY) || !maskPixels.Contains(maskX, maskY)) {
      return;
    }
    if ((maskPixels.At(maskX, maskY) & 0xFFFFFFu) == 0xFFFFFFu) {
      return;
    }
    dest.PutDevicePixel(dx, dy, ConvertSource(pixels.At(srcX, srcY), source, dest));
  });
  return true;
}
