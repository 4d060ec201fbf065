#pragma once

#include <QImage>

#include "platform/drawing/TCanvas.h"
#include "platform/drawing/TColor.h"
#include "platform/pictures/TGraphic.h"

/// Pixel formats a bitmap is saved in (its pixels are always held as 32-bit
/// values); pf1bit is the same as Monochrome.
enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };

/// tmAuto: the transparent colour is the bottom-left pixel's (white for a
/// monochrome bitmap); tmFixed: TransparentColor as set.
enum class TTransparentMode { tmAuto, tmFixed };

/// A bitmap with its own canvas. A new or enlarged bitmap is white; a
/// monochrome bitmap holds only black and white (converting keeps white
/// pixels white and turns every other colour black). Drawn onto a canvas
/// it stretches to the target rectangle (nearest pixel) and, when
/// Transparent, leaves out the pixels of TransparentColor. Loads and saves
/// the BMP file format at 1, 4, 8, 16, 24 and 32 bits per pixel. GUI thread.
class TBitmap : public TGraphic {
public:
  TBitmap();
  TBitmap(int width, int height);
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const override { return m_image.width(); }
  int Height() const override { return m_image.height(); }
  /// Resizes, keeping the pixels that stay inside; new pixels are white.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, Height()); }
  void SetHeight(int height) { SetSize(Width(), height); }

  TCanvas& Canvas() { return m_canvas; }
  const TCanvas& Canvas() const { return m_canvas; }

  bool Monochrome() const { return m_pixelFormat == TPixelFormat::pf1bit; }
  void SetMonochrome(bool value);
  TPixelFormat PixelFormat() const { return m_pixelFormat; }
  void SetPixelFormat(TPixelFormat value);

  TTransparentMode TransparentMode() const { return m_transparentMode; }
  void SetTransparentMode(TTransparentMode value);
  /// The colour left out when drawing transparently (a literal colour).
  TColor TransparentColor() const;
  /// Sets the colour and the mode tmFixed; clDefault sets tmAuto.
  void SetTransparentColor(TColor value);

  /// Copies size, pixels, format and transparency of another bitmap.
  void Assign(const TBitmap& other);
  /// Takes the pixels of a Qt image (converted to 32 bits, opaque).
  void AssignImage(const QImage& image);
  const QImage& Image() const { return m_image; }

  std::unique_ptr<TGraphic> Clone() const override;
  QImage ToImage() const override { return m_image; }
  void DrawOn(TCanvas& canvas, const TRect& r) const override;
  bool LoadFromBytes(const QByteArray& bytes, QString* error = nullptr) override;
  bool SaveToBytes(QByteArray& bytes, QString* error = nullptr) const override;

private:
  void Rebind();
  void ToMonochrome();

  QImage m_image;
  TCanvas m_canvas;
  TPixelFormat m_pixelFormat = TPixelFormat::pfDevice;
  TTransparentMode m_transparentMode = TTransparentMode::tmAuto;
  TColor m_transparentColor = clDefault;
};
