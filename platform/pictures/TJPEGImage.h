#pragma once

#include "platform/pictures/TBitmap.h"
#include "platform/pictures/TGraphic.h"

/// A JPEG picture, decoded and encoded with libjpeg (JpegCodec.h). Keeps the
/// file's bytes as loaded and saves them unchanged until its pixels are
/// replaced (Assign), then encodes at CompressionQuality (default 90).
/// Drawn like a bitmap (nearest-pixel stretch, transparency by the
/// bottom-left colour when Transparent). GUI thread.
class TJPEGImage : public TGraphic {
public:
  TJPEGImage();

  int Width() const override { return m_bitmap.Width(); }
  int Height() const override { return m_bitmap.Height(); }
  int CompressionQuality() const { return m_quality; }
  void SetCompressionQuality(int value);
  bool Grayscale() const { return m_grayscale; }
  void SetGrayscale(bool value);
  /// Saves a progressive file when set (default off).
  bool ProgressiveEncoding() const { return m_progressive; }
  void SetProgressiveEncoding(bool value);

  /// Takes the pixels of another picture; the next save encodes them.
  void Assign(const TGraphic& source);
  /// Encodes the pixels now with the current settings and keeps the bytes,
  /// which later saves write unchanged.
  bool Compress(QString* error = nullptr);
  void SetTransparent(bool value) override;

  std::unique_ptr<TGraphic> Clone() const override;
  QImage ToImage() const override { return m_bitmap.Image(); }
  void DrawOn(TCanvas& canvas, const TRect& r) const override;
  bool LoadFromBytes(const QByteArray& bytes, QString* error = nullptr) override;
  bool SaveToBytes(QByteArray& bytes, QString* error = nullptr) const override;

private:
  TBitmap m_bitmap;
  QByteArray m_data;
  int m_quality = 90;
  bool m_grayscale = false;
  bool m_progressive = false;
};
