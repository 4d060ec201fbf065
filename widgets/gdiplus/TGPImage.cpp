#include "widgets/gdiplus/TGPImage.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QLoggingCategory>
#include <QPainter>
#include <QSaveFile>

#include "platform/pictures/TBitmap.h"
#include "platform/pictures/TiffCodec.h"
#include "widgets/gdiplus/GdipNative.h"

namespace {
Q_LOGGING_CATEGORY(lcGdiplus, "krv71.widgets.gdiplus")

TGPImageFormat FormatOf(const QByteArray& name) {
  const QByteArray n = name.toLower();
  if (n == "bmp") return TGPImageFormat::ifBMP;
  if (n == "png") return TGPImageFormat::ifPNG;
  if (n == "jpeg" || n == "jpg") return TGPImageFormat::ifJPEG;
  if (n == "gif") return TGPImageFormat::ifGIF;
  if (n == "tiff" || n == "tif") return TGPImageFormat::ifTIFF;
  if (n == "ico") return TGPImageFormat::ifIcon;
  return TGPImageFormat::ifUndefined;
}

PixelFormat PixelFormatOf(const QImage& image) {
  if (image.colorCount() > 0) {
    return PixelFormat8bppIndexed;
  }
  if (image.hasAlphaChannel()) {
    return PixelFormat32bppARGB;
  }
  return image.depth() == 24 ? PixelFormat24bppRGB : PixelFormat32bppRGB;
}

std::unique_ptr<Gdip::GpImage> DecodeTiff(const QByteArray& bytes, Status& status) {
  auto native = std::make_unique<Gdip::GpImage>();
  QImage image;
  QString error;
  if (!TiffCodec::Decode(bytes, image, &error)) {
    qCWarning(lcGdiplus).noquote() << error;
    status = Status::UnknownImageFormat;
    return native;
  }
  native->pixelFormat = image.hasAlphaChannel() ? PixelFormat32bppARGB : PixelFormat32bppRGB;
  native->format = TGPImageFormat::ifTIFF;
  native->image = image.convertToFormat(QImage::Format_ARGB32);
  status = Status::Ok;
  return native;
}

std::unique_ptr<Gdip::GpImage> Decode(const QByteArray& bytes, Status& status) {
  if (TiffCodec::LooksLikeTiff(bytes)) {
    return DecodeTiff(bytes, status);
  }
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  const QByteArray format = reader.format();
  QImage image = reader.read();
  auto native = std::make_unique<Gdip::GpImage>();
  if (image.isNull()) {
    status = Status::UnknownImageFormat;
    return native;
  }
  native->pixelFormat = PixelFormatOf(image);
  native->format = FormatOf(format);
  native->image = image.convertToFormat(QImage::Format_ARGB32);
  status = Status::Ok;
  return native;
}
}  // namespace

TGPImage::TGPImage(const QString& fileName, bool) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    Adopt(std::make_unique<Gdip::GpImage>(), Status::FileNotFound);
    return;
  }
  Status status = Status::Ok;
  auto native = Decode(file.readAll(), status);
  Adopt(std::move(native), status);
}

TGPImage::TGPImage(const QByteArray& bytes, bool) {
  Status status = Status::Ok;
  auto native = Decode(bytes, status);
  Adopt(std::move(native), status);
}

TGPImage::TGPImage(std::unique_ptr<Gdip::GpImage> native, Status status) { Adopt(std::move(native), status); }

TGPImage::~TGPImage() = default;

void TGPImage::Adopt(std::unique_ptr<Gdip::GpImage> native, Status status) {
  m_nativeImage = std::move(native);
  SetCreationStatus(status);
}

TGPImageFormat TGPImage::GetFormat() {
  return m_nativeImage ? m_nativeImage->format : TGPImageFormat::ifUndefined;
}

unsigned TGPImage::GetWidth() {
  if (!m_nativeImage) {
    RecordStatus(Status::InvalidParameter);
    return 0;
  }
  return unsigned(m_nativeImage->image.width());
}

unsigned TGPImage::GetHeight() {
  if (!m_nativeImage) {
    RecordStatus(Status::InvalidParameter);
    return 0;
  }
  return unsigned(m_nativeImage->image.height());
}

PixelFormat TGPImage::GetPixelFormat() {
  if (!m_nativeImage) {
    RecordStatus(Status::InvalidParameter);
    return 0;
  }
  return m_nativeImage->pixelFormat;
}

int TGPImage::GetPixelDepth() { return (GetPixelFormat() >> 8) & 0xFF; }

bool TGPImage::HasAlphaChannel() { return (GetPixelFormat() & PixelFormatAlpha) != 0; }

bool TGPImage::HasPalette() { return (GetPixelFormat() & PixelFormatIndexed) != 0; }

std::unique_ptr<TGPImage> TGPImage::GetThumbnailImage(unsigned thumbWidth, unsigned thumbHeight) {
  if (!m_nativeImage) {
    RecordStatus(Status::InvalidParameter);
    return std::make_unique<TGPImage>(nullptr, Status::InvalidParameter);
  }
  auto thumb = std::make_unique<Gdip::GpImage>(*m_nativeImage);
  thumb->image = m_nativeImage->image.scaled(int(thumbWidth ? thumbWidth : 120), int(thumbHeight ? thumbHeight : 120),
                                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  thumb->format = TGPImageFormat::ifMemoryBMP;
  return std::make_unique<TGPImage>(std::move(thumb), Status::Ok);
}

Status TGPImage::RotateFlip(RotateFlipType type) {
  if (!m_nativeImage) {
    return RecordStatus(Status::InvalidParameter);
  }
  const int code = int(type);
  QImage image = m_nativeImage->image;
  if (code >= int(RotateFlipType::RotateNoneFlipX)) {
    image = image.mirrored(true, false);
  }
  QTransform rotation;
  rotation.rotate(90.0 * (code % 4));
  m_nativeImage->image = image.transformed(rotation);
  return Status::Ok;
}

Status TGPImage::Save(QByteArray& bytes, const char* format, const EncoderParameters* encoderParams) {
  if (!m_nativeImage || m_nativeImage->image.isNull()) {
    return RecordStatus(Status::InvalidParameter);
  }
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  const bool jpeg = FormatOf(QByteArray(format)) == TGPImageFormat::ifJPEG;
  if (encoderParams != nullptr) {
    for (const EncoderParameter& p : encoderParams->Parameter) {
      if (!jpeg || !(p.Guid == EncoderQuality)) {
        continue;
      }
      if (p.NumberOfValues != 1 || p.Type != EncoderParameterValueType::EncoderParameterValueTypeLong ||
          p.Value == nullptr || *static_cast<const std::uint32_t*>(p.Value) > 100) {
        return RecordStatus(Status::InvalidParameter);
      }
      writer.setQuality(int(*static_cast<const std::uint32_t*>(p.Value)));
    }
  }
  return RecordStatus(writer.write(m_nativeImage->image) ? Status::Ok : Status::Win32Error);
}

Status TGPImage::Save(const QString& fileName, const char* format, const EncoderParameters* encoderParams) {
  QByteArray bytes;
  const Status s = Save(bytes, format, encoderParams);
  if (s != Status::Ok) {
    return s;
  }
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    return RecordStatus(Status::Win32Error);
  }
  return Status::Ok;
}

TGPBitmap::TGPBitmap(const QByteArray& bytes, bool useEmbeddedColorManagement)
    : TGPImage(bytes, useEmbeddedColorManagement) {}

TGPBitmap::TGPBitmap(int width, int height, PixelFormat format) {
  auto native = std::make_unique<Gdip::GpImage>();
  if (width <= 0 || height <= 0) {
    Adopt(std::move(native), Status::InvalidParameter);
    return;
  }
  native->image = QImage(width, height, QImage::Format_ARGB32);
  if (native->image.isNull()) {
    Adopt(std::move(native), Status::OutOfMemory);
    return;
  }
  native->image.fill(0);
  native->pixelFormat = format;
  native->format = TGPImageFormat::ifMemoryBMP;
  Adopt(std::move(native), Status::Ok);
}

TGPBitmap::TGPBitmap(std::unique_ptr<Gdip::GpImage> native, Status status) : TGPImage(std::move(native), status) {}

std::unique_ptr<TGPBitmap> TGPBitmap::FromStream(const QByteArray& bytes, bool useEmbeddedColorManagement) {
  return std::make_unique<TGPBitmap>(bytes, useEmbeddedColorManagement);
}

Status TGPBitmap::GetHBITMAP(ARGB colorBackground, TBitmap& bitmap) {
  if (!NativeImage() || NativeImage()->image.isNull()) {
    return RecordStatus(Status::InvalidParameter);
  }
  QImage composed(NativeImage()->image.size(), QImage::Format_ARGB32);
  if (composed.isNull()) {
    return RecordStatus(Status::OutOfMemory);
  }
  composed.fill(Gdip::ToQColor(colorBackground | 0xFF000000u));
  QPainter painter(&composed);
  painter.drawImage(0, 0, NativeImage()->image);
  painter.end();
  bitmap.AssignImage(composed);
  return Status::Ok;
}

Status TGPBitmap::GetPixel(int x, int y, ARGB& color) {
  if (!NativeImage() || !NativeImage()->image.valid(x, y)) {
    return RecordStatus(Status::InvalidParameter);
  }
  color = ARGB(NativeImage()->image.pixel(x, y));
  return Status::Ok;
}

Status TGPBitmap::SetPixel(int x, int y, ARGB color) {
  if (!NativeImage() || !NativeImage()->image.valid(x, y)) {
    return RecordStatus(Status::InvalidParameter);
  }
  NativeImage()->image.setPixel(x, y, QRgb(color));
  return Status::Ok;
}
