#pragma once

#include <QString>

#include "platform/core/TRect.h"

class TGPGraphics;
class TImageList;

/// Drawing the pictures of the HTML-like markup that do not come from the
/// picture container. GUI thread.
namespace HtmlImages {

/// Draws entry `index` of the list enabled with its top-left at (x, y).
void DrawListImage(TGPGraphics& surface, const TImageList& images, int index, int x, int y);

/// The shell icon of `name` (small 16 or large 32 pixels square), returning
/// its size and drawing it at (x, y) when `draw` is set; when printing it is
/// stretched by `resFactor`. The icon comes from the icon theme by the type
/// judged from the name alone (a name ending in "/" gives the folder icon);
/// the named file is never opened or examined.
TSize DrawShellIcon(TGPGraphics& surface, int x, int y, double resFactor, bool print, bool draw, bool large,
                    const QString& name);

}  // namespace HtmlImages
