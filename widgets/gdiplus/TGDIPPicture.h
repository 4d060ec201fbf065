#pragma once

#include "widgets/gdiplus/TGDIPGraphicBase.h"

class TGPGraphics;

/// The track bar's picture: a picture file's bytes, decoded per draw.
/// After form loading its size stays 0 until GetImageSizes runs. Drawn on a
/// canvas, a BMP is stretched into the rectangle with its bottom-left
/// pixel's colour left out. Owned by its part object. GUI thread only.
class TGDIPPicture : public TGDIPGraphicBase {
public:
  TGDIPPicture() = default;

  /// At its own size with its top-left at (x, y).
  void DrawImage(TGPGraphics& graphics, int x, int y) const;
  /// Scaled into (x, y, w, h).
  void DrawImageRect(TGPGraphics& graphics, int x, int y, int w, int h) const;

  std::unique_ptr<TGraphic> Clone() const override;

protected:
  bool StretchBitmaps() const override { return true; }
  bool AssignsAnyGraphic() const override { return false; }
  bool SameClass(const TObject* source) const override;
};
