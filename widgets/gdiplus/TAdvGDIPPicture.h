#pragma once

#include "platform/pictures/TBitmap.h"
#include "widgets/gdiplus/GdiPlusTypes.h"
#include "widgets/gdiplus/TGDIPGraphicBase.h"

class QIODevice;
class TGPGraphics;
class TGPGraphicsPath;

/// The picture of the fill description, the splash screen and the rounded
/// panels: a picture file's bytes, decoded per draw (alpha survives). A
/// transparent BMP leaves out its key colour: the bottom-left pixel's
/// (tmAuto) or BitmapTransparentColor (tmFixed). Owned by its user.
/// GUI thread only.
class TAdvGDIPPicture : public TGDIPGraphicBase {
public:
  TAdvGDIPPicture() = default;

  /// Form loading: a stream of more than 0 bytes becomes the picture and is measured.
  void ReadData(QIODevice* stream) override;
  /// A stream of 0 bytes is ignored.
  void LoadFromStream(QIODevice* stream) override;

  /// Draws into the rectangle (a colour-keyed BMP unscaled at its top-left).
  void GDIPDraw(TGPGraphics& graphics, const TRect& rect);
  /// Draws into the float rectangle (scaled, also a colour-keyed BMP);
  /// ignored while a draw of this picture is running.
  void GDIPDraw(TGPGraphics& graphics, const TGPRectF& rect);
  /// Fills with the picture tiled from the origin.
  void FillRect(TGPGraphics& graphics, const TGPRectF& rect) const;
  void FillPath(TGPGraphics& graphics, const TGPGraphicsPath& path) const;
  /// Takes the size from the named file, by its extension (.JPG, .JPEG,
  /// .PNG, .BMP, .TIFF, .GIF; any other gives 0 x 0); answers false.
  bool GetImageSizesFromFileName(const QString& fileName);

  TTransparentMode BitmapTransparentMode() const { return m_bitmapTransparentMode; }
  void SetBitmapTransparentMode(TTransparentMode mode) { m_bitmapTransparentMode = mode; }
  TColor BitmapTransparentColor() const { return m_bitmapTransparentColor; }
  void SetBitmapTransparentColor(TColor color) { m_bitmapTransparentColor = color; }
  int PixelDepth() const { return m_pixelDepth; }
  bool HasAlpha() const { return m_hasAlpha; }
  bool HasPalette() const { return m_hasPalette; }
  int PixelFormat() const { return m_pixelFormat; }

  std::unique_ptr<TGraphic> Clone() const override;

protected:
  bool StretchBitmaps() const override { return false; }
  bool AssignsAnyGraphic() const override { return true; }
  bool SameClass(const TObject* source) const override;
  void MeasureLoadedFile(const QString& fileName) override;

private:
  void Draw(TGPGraphics& graphics, const TGPRectF& rect, bool keyedScaled, bool roundPlain);
  void FillShape(TGPGraphics& graphics, const TGPGraphicsPath& path) const;

  bool m_drawing = false;
  TTransparentMode m_bitmapTransparentMode = TTransparentMode::tmAuto;
  TColor m_bitmapTransparentColor = clWhite;
  int m_pixelDepth = 0;
  bool m_hasAlpha = false;
  bool m_hasPalette = false;
  int m_pixelFormat = 0;
};
