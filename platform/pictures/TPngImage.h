#pragma once

#include "platform/pictures/TBitmap.h"
#include "platform/pictures/TGraphic.h"

/// A PNG picture, read and written through Qt. Its alpha channel is kept
/// for saving; drawing composes it like a bitmap (opaque pixels, the
/// transparent colour left out when Transparent). GUI thread.
class TPngImage : public TGraphic {
public:
  int Width() const override { return m_image.width(); }
  int Height() const override { return m_image.height(); }
  void Assign(const TGraphic& source);
  /// zlib level 0 (none) .. 9 (smallest); -1, the default, is Qt's choice.
  int CompressionLevel() const { return m_compressionLevel; }
  void SetCompressionLevel(int value) { m_compressionLevel = value; }
  void SetTransparent(bool value) override;

  std::unique_ptr<TGraphic> Clone() const override;
  QImage ToImage() const override { return m_bitmap.Image(); }
  /// The picture with its alpha channel.
  const QImage& Image() const { return m_image; }
  void DrawOn(TCanvas& canvas, const TRect& r) const override { m_bitmap.DrawOn(canvas, r); }
  bool LoadFromBytes(const QByteArray& bytes, QString* error = nullptr) override;
  bool SaveToBytes(QByteArray& bytes, QString* error = nullptr) const override;

private:
  void SetImage(const QImage& image);

  QImage m_image;
  TBitmap m_bitmap;
  int m_compressionLevel = -1;
};
