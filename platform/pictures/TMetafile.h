#pragma once

#include "platform/pictures/TBitmap.h"
#include "platform/pictures/TGraphic.h"

/// An enhanced metafile as this platform can make one: the canvas is a
/// raster with GDI's pixel rules, so the picture holds the image drawn on
/// Canvas() at its size, with a creator and a description. Drawing scales
/// it with smooth filtering; saving writes a genuine EMF file (header with
/// "creator", NUL, "description", NUL, NUL; one EMR_STRETCHDIBITS with the
/// 24-bit picture; EMR_EOF) at 96 pixels per inch. Loading is not offered.
/// GUI thread, or any thread for a metafile of its own.
class TMetafile : public TGraphic {
public:
  int Width() const override { return m_bitmap.Width(); }
  int Height() const override { return m_bitmap.Height(); }
  /// Clears the picture to white at the new size.
  void SetSize(int width, int height);
  TCanvas& Canvas() { return m_bitmap.Canvas(); }

  const QString& Creator() const { return m_creator; }
  const QString& Description() const { return m_description; }
  void SetCreatorAndDescription(const QString& creator, const QString& description);

  std::unique_ptr<TGraphic> Clone() const override;
  QImage ToImage() const override { return m_bitmap.Image(); }
  void DrawOn(TCanvas& canvas, const TRect& r) const override;
  bool LoadFromBytes(const QByteArray& bytes, QString* error = nullptr) override;
  bool SaveToBytes(QByteArray& bytes, QString* error = nullptr) const override;

private:
  TBitmap m_bitmap;
  QString m_creator;
  QString m_description;
};
