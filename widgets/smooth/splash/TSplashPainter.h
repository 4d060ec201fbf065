#pragma once

#include "platform/core/TRect.h"
#include "widgets/gdiplus/GdiPlusTypes.h"

class TAdvSmoothSplashScreen;
class TGPGraphics;

/// Draws the layers of a splash screen of width x height on a surface:
/// background fill, program information, list lines (scrolling the oldest
/// out), top layer items and free items. Made per paint. GUI thread only.
class TSplashPainter {
public:
  TSplashPainter(TAdvSmoothSplashScreen& splash, int width, int height);

  /// The fill's rectangle less its border.
  TRect FillRect() const;
  /// Where name, version and notice are placed.
  TRect TextArea() const;
  /// Where the program name and version go, as the program information places them.
  TPoint NamePosition(TGPGraphics& g) const;
  TPoint VersionPosition(TGPGraphics& g) const;

  void PaintBackground(TGPGraphics& g);
  void PaintProgramInfo(TGPGraphics& g);
  void PaintListItems(TGPGraphics& g);
  void PaintTopLayerItems(TGPGraphics& g);
  void PaintSplashItems(TGPGraphics& g);
  /// All five, in order.
  void PaintAll(TGPGraphics& g);

private:
  struct Blocks;
  Blocks Place(TGPGraphics& g) const;

  TAdvSmoothSplashScreen& m_splash;
  int m_width;
  int m_height;
};
