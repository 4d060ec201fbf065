#pragma once

#include <memory>

#include <QByteArray>
#include <QString>

#include "widgets/gdiplus/TGdiplusBase.h"

namespace Gdip {
struct GpImage;
}
class TBitmap;

/// A decoded picture of the GDI+ layer (BMP, PNG, JPEG, GIF and icons
/// through Qt's decoders, TIFF through libtiff). Bytes that do not decode
/// give an image of size 0 and the status UnknownImageFormat (a refused
/// TIFF file's reason is logged). Owned by its creator. GUI thread only.
class TGPImage : public TGdiplusBase {
public:
  TGPImage(const QString& fileName, bool useEmbeddedColorManagement = false);
  /// From the bytes of a picture file (what the original reads from a stream).
  TGPImage(const QByteArray& bytes, bool useEmbeddedColorManagement);
  TGPImage(std::unique_ptr<Gdip::GpImage> native, Status status);
  ~TGPImage() override;

  TGPImageFormat GetFormat();
  unsigned GetWidth();
  unsigned GetHeight();
  PixelFormat GetPixelFormat();
  /// Bits per pixel: bits 8-15 of the pixel format.
  int GetPixelDepth();
  bool HasAlphaChannel();
  bool HasPalette();
  std::unique_ptr<TGPImage> GetThumbnailImage(unsigned thumbWidth, unsigned thumbHeight);
  Status RotateFlip(RotateFlipType rotateFlipType);
  /// Encodes the image in a format by name ("PNG", "BMP", "JPEG"). Of the
  /// encoder parameters the JPEG encoder takes EncoderQuality (one Long,
  /// 0 to 100; another count, type or value records InvalidParameter);
  /// parameters an encoder has no use for are passed over. A file is
  /// written under a temporary name and renamed into place.
  Status Save(const QString& fileName, const char* format, const EncoderParameters* encoderParams = nullptr);
  Status Save(QByteArray& bytes, const char* format, const EncoderParameters* encoderParams = nullptr);

  Gdip::GpImage* NativeImage() const { return m_nativeImage.get(); }

protected:
  TGPImage() = default;
  void Adopt(std::unique_ptr<Gdip::GpImage> native, Status status);

private:
  std::unique_ptr<Gdip::GpImage> m_nativeImage;
};

/// A bitmap image with pixel access.
class TGPBitmap : public TGPImage {
public:
  TGPBitmap(const QByteArray& bytes, bool useEmbeddedColorManagement = false);
  TGPBitmap(int width, int height, PixelFormat format = PixelFormat32bppARGB);
  TGPBitmap(std::unique_ptr<Gdip::GpImage> native, Status status);

  static std::unique_ptr<TGPBitmap> FromStream(const QByteArray& bytes, bool useEmbeddedColorManagement = false);
  /// The pixels composed over an opaque background colour, as a bitmap.
  Status GetHBITMAP(ARGB colorBackground, TBitmap& bitmap);
  Status GetPixel(int x, int y, ARGB& color);
  Status SetPixel(int x, int y, ARGB color);
};
