#include "platform/pictures/TBitmap.h"

#include "platform/drawing/Blit.h"
#include "platform/pictures/BmpCodec.h"

namespace {
constexpr QRgb kBitmapWhite = 0xFFFFFFFFu;

int BitsOf(TPixelFormat format) {
  switch (format) {
    case TPixelFormat::pf1bit:
      return 1;
    case TPixelFormat::pf4bit:
      return 4;
    case TPixelFormat::pf8bit:
      return 8;
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit:
      return 16;
    case TPixelFormat::pf32bit:
      return 32;
    default:
      return 24;
  }
}

TPixelFormat FormatOf(int bits) {
  switch (bits) {
    case 1:
      return TPixelFormat::pf1bit;
    case 4:
      return TPixelFormat::pf4bit;
    case 8:
      return TPixelFormat::pf8bit;
    case 16:
      return TPixelFormat::pf16bit;
    case 32:
      return TPixelFormat::pf32bit;
    default:
      return TPixelFormat::pf24bit;
  }
}
}  // namespace

TBitmap::TBitmap() : m_canvas(&m_image) {}

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

void TBitmap::Rebind() {
  m_canvas.SetTarget(m_image.isNull() ? nullptr : &m_image);
  m_canvas.SetMonochrome(Monochrome());
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == Width() && height == Height()) {
    return;
  }
  QImage resized;
  if (width > 0 && height > 0) {
    resized = QImage(width, height, QImage::Format_ARGB32);
    resized.fill(kBitmapWhite);
    const int w = std::min(width, Width());
    const int h = std::min(height, Height());
    for (int y = 0; y < h; ++y) {
      std::copy_n(reinterpret_cast<const QRgb*>(m_image.constScanLine(y)), w,
                  reinterpret_cast<QRgb*>(resized.scanLine(y)));
    }
  }
  m_image = resized;
  Rebind();
  Changed();
}

void TBitmap::ToMonochrome() {
  for (int y = 0; y < m_image.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(m_image.scanLine(y));
    for (int x = 0; x < m_image.width(); ++x) {
      line[x] = (line[x] & 0xFFFFFFu) == 0xFFFFFFu ? kBitmapWhite : 0xFF000000u;
    }
  }
}

void TBitmap::SetMonochrome(bool value) {
  if (value == Monochrome()) {
    return;
  }
  SetPixelFormat(value ? TPixelFormat::pf1bit : TPixelFormat::pfDevice);
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
  if (value == m_pixelFormat) {
    return;
  }
  m_pixelFormat = value;
  if (value == TPixelFormat::pf1bit) {
    ToMonochrome();
  }
  m_canvas.SetMonochrome(Monochrome());
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode value) {
  if (value == m_transparentMode) {
    return;
  }
  m_transparentMode = value;
  if (value == TTransparentMode::tmAuto) {
    m_transparentColor = clDefault;
  } else {
    m_transparentColor = TransparentColor();
  }
  Changed();
}

TColor TBitmap::TransparentColor() const {
  if (m_transparentMode == TTransparentMode::tmFixed && m_transparentColor != clDefault) {
    return ColorToRGB(m_transparentColor);
  }
  if (Monochrome()) {
    return clWhite;
  }
  if (Empty()) {
    return clDefault;
  }
  return QRgbToColor(m_image.pixel(0, Height() - 1));
}

void TBitmap::SetTransparentColor(TColor value) {
  m_transparentColor = value;
  m_transparentMode = value == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
  Changed();
}

void TBitmap::Assign(const TBitmap& other) {
  if (&other == this) {
    return;
  }
  // The pixels are shared until either bitmap is drawn on: every write
  // reaches them through the image's non-const access, which copies first.
  m_image = other.m_image;
  m_pixelFormat = other.m_pixelFormat;
  m_transparentMode = other.m_transparentMode;
  m_transparentColor = other.m_transparentColor;
  Rebind();
  TGraphic::SetTransparent(other.Transparent());
  Changed();
}

void TBitmap::AssignImage(const QImage& image) {
  m_image = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < m_image.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(m_image.scanLine(y));
    for (int x = 0; x < m_image.width(); ++x) {
      line[x] |= 0xFF000000u;
    }
  }
  if (Monochrome()) {
    ToMonochrome();
  }
  Rebind();
  Changed();
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(*this);
  return copy;
}

void TBitmap::DrawOn(TCanvas& canvas, const TRect& r) const {
  if (Empty() || r.IsEmpty()) {
    return;
  }
  if (!Transparent()) {
    StretchBlt(canvas, r.Left, r.Top, r.Width(), r.Height(), &m_canvas, 0, 0, Width(), Height(),
               canvas.CopyMode());
    return;
  }
  // A mask that is white where the picture has its transparent colour.
  const QRgb transparent = ColorToQRgb(TransparentColor()) & 0xFFFFFFu;
  QImage maskImage(m_image.size(), QImage::Format_ARGB32);
  for (int y = 0; y < Height(); ++y) {
    const QRgb* src = reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
    QRgb* dst = reinterpret_cast<QRgb*>(maskImage.scanLine(y));
    for (int x = 0; x < Width(); ++x) {
      dst[x] = (src[x] & 0xFFFFFFu) == transparent ? kBitmapWhite : 0xFF000000u;
    }
  }
  TCanvas mask(&maskImage);
  mask.SetMonochrome(true);
  TransparentStretchBlt(canvas, r.Left, r.Top, r.Width(), r.Height(), m_canvas, 0, 0, Width(), Height(), mask, 0, 0);
}

bool TBitmap::LoadFromBytes(const QByteArray& bytes, QString* error) {
  QImage image;
  int bits = 0;
  if (!BmpCodec::Decode(bytes, image, bits, error)) {
    return false;
  }
  m_image = image;
  m_pixelFormat = FormatOf(bits);
  Rebind();
  Changed();
  return true;
}

bool TBitmap::SaveToBytes(QByteArray& bytes, QString* error) const {
  if (Empty()) {
    if (error != nullptr) {
      *error = QStringLiteral("Cannot save an empty bitmap");
    }
    return false;
  }
  bytes = BmpCodec::Encode(m_image, BitsOf(m_pixelFormat));
  return true;
}
