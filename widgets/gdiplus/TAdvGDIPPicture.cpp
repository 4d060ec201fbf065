#include "widgets/gdiplus/TAdvGDIPPicture.h"

#include <QFileInfo>
#include <QIODevice>
#include <QImageReader>

#include "platform/core/Rounding.h"
#include "widgets/gdiplus/TGPBrush.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPGraphicsPath.h"
#include "widgets/gdiplus/TGPImage.h"
#include "widgets/gdiplus/TGPImageAttributes.h"

void TAdvGDIPPicture::ReadData(QIODevice* stream) {
  if (!stream) {
    return;
  }
  const QByteArray bytes = stream->readAll();
  if (bytes.isEmpty()) {
    return;
  }
  SetBytes(bytes);
  GetImageSizes();
}

void TAdvGDIPPicture::LoadFromStream(QIODevice* stream) {
  if (stream && stream->bytesAvailable() > 0) {
    TGDIPGraphicBase::LoadFromStream(stream);
  }
}

void TAdvGDIPPicture::Draw(TGPGraphics& graphics, const TGPRectF& rect, bool keyedScaled, bool roundPlain) {
  const auto image = Decode();
  if (!image) {
    return;
  }
  m_hasAlpha = image->HasAlphaChannel();
  m_hasPalette = image->HasPalette();
  m_pixelDepth = image->GetPixelDepth();
  m_pixelFormat = image->GetPixelFormat();
  SetSize(int(image->GetWidth()), int(image->GetHeight()));
  if (image->GetFormat() == TGPImageFormat::ifBMP && Transparent()) {
    ARGB key = OpaqueArgbFromColor(m_bitmapTransparentColor);
    if (m_bitmapTransparentMode == TTransparentMode::tmAuto) {
      TGPBitmap bitmap(Data());
      bitmap.GetPixel(0, Height() - 1, key);
    }
    TGPImageAttributes attributes;
    attributes.SetColorKey(key, key, ColorAdjustType::ColorAdjustTypeDefault);
    const TGPRectF dest = keyedScaled ? rect : TGPRectF{rect.X, rect.Y, float(Width()), float(Height())};
    graphics.DrawImage(image.get(), dest, 0, 0, float(Width()), float(Height()), Unit_::UnitPixel, &attributes);
    return;
  }
  if (roundPlain) {
    graphics.DrawImageRect(image.get(), rect);
  } else {
    graphics.DrawImageRect(image.get(), int(rect.X), int(rect.Y), int(rect.Width), int(rect.Height));
  }
}

void TAdvGDIPPicture::GDIPDraw(TGPGraphics& graphics, const TRect& rect) {
  Draw(graphics, TGPRectF{float(rect.Left), float(rect.Top), float(rect.Width()), float(rect.Height())}, false,
       false);
}

void TAdvGDIPPicture::GDIPDraw(TGPGraphics& graphics, const TGPRectF& rect) {
  if (m_drawing) {
    return;
  }
  m_drawing = true;
  Draw(graphics, rect, true, true);
  m_drawing = false;
}

void TAdvGDIPPicture::FillShape(TGPGraphics& graphics, const TGPGraphicsPath& path) const {
  const auto image = Decode();
  if (!image) {
    return;
  }
  const TGPTextureBrush brush(*image, WrapMode::WrapModeTile);
  graphics.FillPath(brush, path);
}

void TAdvGDIPPicture::FillRect(TGPGraphics& graphics, const TGPRectF& rect) const {
  TGPGraphicsPath path;
  path.AddRectangle(rect);
  FillShape(graphics, path);
}

void TAdvGDIPPicture::FillPath(TGPGraphics& graphics, const TGPGraphicsPath& path) const { FillShape(graphics, path); }

bool TAdvGDIPPicture::GetImageSizesFromFileName(const QString& fileName) {
  if (Empty() || Data().isEmpty()) {
    return false;
  }
  // The decoder reads the size from the header of every format it knows,
  // in either byte order.
  static const QStringList kKnown = {QStringLiteral("JPG"), QStringLiteral("JPEG"), QStringLiteral("PNG"),
                                     QStringLiteral("BMP"), QStringLiteral("TIFF"), QStringLiteral("GIF")};
  QSize size;
  if (kKnown.contains(QFileInfo(fileName).suffix().toUpper())) {
    QImageReader reader(fileName);
    size = reader.size();
  }
  SetSize(size.isValid() ? size.width() : 0, size.isValid() ? size.height() : 0);
  return false;
}

void TAdvGDIPPicture::MeasureLoadedFile(const QString& fileName) { GetImageSizesFromFileName(fileName); }

std::unique_ptr<TGraphic> TAdvGDIPPicture::Clone() const {
  auto copy = std::make_unique<TAdvGDIPPicture>();
  copy->Assign(this);
  copy->SetTransparent(Transparent());
  copy->m_bitmapTransparentMode = m_bitmapTransparentMode;
  copy->m_bitmapTransparentColor = m_bitmapTransparentColor;
  return copy;
}

bool TAdvGDIPPicture::SameClass(const TObject* source) const {
  return dynamic_cast<const TAdvGDIPPicture*>(source);
}
