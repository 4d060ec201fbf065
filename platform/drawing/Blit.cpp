#include "platform/drawing/Blit.h"

#include <cstdlib>
#include <algorithm>
#include <cstdint>
#include <optional>

#include <QImage>

#include "platform/drawing/TCanvas.h"

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

// Runs body(destination pixel, dx, dy, srcX, srcY) for each pixel of the
// destination rectangle inside the destination's image and clip, with the
// nearest source pixel (device coordinates).
template <typename Body>
void ForEachMapped(TCanvas& dest, int x, int y, int w, int h, const TCanvas* source, int sx, int sy, int sw, int sh,
                   Body body) {
  const TPoint d0 = dest.LogicalToDevice({x, y});
  const TPoint s0 = source ? source->LogicalToDevice({sx, sy}) : TPoint{sx, sy};
  const std::int64_t aw = std::abs(std::int64_t(w));
  const std::int64_t ah = std::abs(std::int64_t(h));
  const std::int64_t asw = std::abs(std::int64_t(sw));
  const std::int64_t ash = std::abs(std::int64_t(sh));
  QImage* image = dest.Target();
  // Only the rows that land on the image are visited.
  const std::int64_t height = image->height();
  const std::int64_t firstRow = h > 0 ? std::max<std::int64_t>(0, -std::int64_t(d0.Y))
                                      : std::max<std::int64_t>(0, std::int64_t(d0.Y) - height + 1);
  const std::int64_t endRow = h > 0 ? std::min(ah, height - d0.Y) : std::min(ah, std::int64_t(d0.Y) + 1);
  const std::int64_t firstX = w > 0 ? d0.X : std::int64_t(d0.X) - aw + 1;
  const int runFrom = int(std::clamp<std::int64_t>(firstX, -1, image->width() + 1));
  const int runTo = int(std::clamp<std::int64_t>(firstX + aw, -1, image->width() + 1));
  for (std::int64_t i = firstRow; i < endRow; ++i) {
    const int dy = int(d0.Y + Sign(h) * i);
    const int srcY = int(s0.Y + Sign(sh) * ((2 * i + 1) * ash / (2 * ah)));
    dest.ForEachClippedRun(dy, runFrom, runTo, [&](int a, int b) {
      QRgb* line = reinterpret_cast<QRgb*>(image->scanLine(dy));
      for (int dx = a; dx < b; ++dx) {
        const std::int64_t k = w > 0 ? std::int64_t(dx) - d0.X : std::int64_t(d0.X) - dx;
        body(line[dx], dx, dy, int(s0.X + Sign(sw) * ((2 * k + 1) * asw / (2 * aw))), srcY);
      }
    });
  }
}

// The source's pixels as they were before the transfer: a shallow copy that
// keeps the old data when the transfer writes into the same image, so
// overlapping copies (scrolling, mirroring in place) read unchanged pixels.
class SourcePixels {
public:
  explicit SourcePixels(const TCanvas& canvas) : m_image(*canvas.Target()) {}
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_image.width() && y < m_image.height(); }
  QRgb At(int x, int y) const {
    if (y != m_rowY) {
      m_rowY = y;
      m_row = reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
    }
    return m_row[x];
  }
  int Width() const { return m_image.width(); }

private:
  const QImage m_image;
  mutable int m_rowY = -1;  // the row m_row points into
  mutable const QRgb* m_row = nullptr;
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
  if (table == 0xCC && w > 0 && h > 0 && sw == w && sh == h && source->Monochrome() == dest.Monochrome()) {
    // A plain copy: row by row, no stretch and no colour conversion.
    const TPoint d0 = dest.LogicalToDevice({x, y});
    const TPoint s0 = source->LogicalToDevice({sx, sy});
    QImage* image = dest.Target();
    const int firstRow = std::max(0, -d0.Y);
    const int endRow = int(std::min<std::int64_t>(h, std::int64_t(image->height()) - d0.Y));
    const int runTo = int(std::min<std::int64_t>(std::int64_t(d0.X) + w, image->width()));
    for (int i = firstRow; i < endRow; ++i) {
      const int srcY = s0.Y + i;
      if (!pixels->Contains(0, srcY)) {
        continue;
      }
      dest.ForEachClippedRun(d0.Y + i, d0.X, runTo, [&](int a, int b) {
        // Only the columns that have a source pixel.
        a = std::max(a, d0.X - s0.X);
        b = std::min(b, d0.X - s0.X + pixels->Width());
        QRgb* line = reinterpret_cast<QRgb*>(image->scanLine(d0.Y + i));
        for (int dx = a; dx < b; ++dx) {
          line[dx] = 0xFF000000u | pixels->At(s0.X + (dx - d0.X), srcY);
        }
      });
    }
    return true;
  }
  ForEachMapped(dest, x, y, w, h, needSource ? source : nullptr, sx, sy, sw, sh,
                [&](QRgb& pixel, int dx, int dy, int srcX, int srcY) {
                  QRgb s = 0;
                  if (needSource) {
                    if (!pixels->Contains(srcX, srcY)) {
                      return;
                    }
                    s = ConvertSource(pixels->At(srcX, srcY), *source, dest);
                  }
                  if (table == 0xCC) {
                    pixel = dest.Realize(s);
                    return;
                  }
                  const QRgb p = needPattern ? dest.PatternPixel(dx, dy) : 0;
                  pixel = dest.Realize(Rop3(table, p, s, pixel));
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
  ForEachMapped(dest, x, y, w, h, &source, sx, sy, sw, sh, [&](QRgb& pixel, int, int, int srcX, int srcY) {
    const int maskX = m0.X + (srcX - s0.X);
    const int maskY = m0.Y + (srcY - s0.Y);
    if (!pixels.Contains(srcX, srcY) || !maskPixels.Contains(maskX, maskY) ||
        (maskPixels.At(maskX, maskY) & 0xFFFFFFu) == 0xFFFFFFu) {
      return;
    }
    pixel = dest.Realize(ConvertSource(pixels.At(srcX, srcY), source, dest));
  });
  return true;
}
