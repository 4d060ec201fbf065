#pragma once

#include <memory>

#include <QString>

#include "platform/drawing/TColor.h"
#include "platform/core/TRect.h"
#include "widgets/gdiplus/GdiPlusTypes.h"

class TCanvas;
class TFont;
class TGPGraphics;
class TGPGraphicsPath;

/// The track bar's own drawing routines: stepped GDI gradients, colour
/// blending, a two-colour 3D frame, rounded GDI+ paths, the two-half
/// mirror fill and a dotted focus frame. Stateless; GUI thread.
namespace AdvTrackBar {

/// Gradient directions of the track bar (its own, not the panel set's).
enum class TGradientDirection { gdHorizontal, gdVertical, gdHorizontalInOut, gdVerticalInOut };
/// Kind of each half of a mirror fill.
enum class TGDIPGradient { ggRadial, ggVertical, ggDiagonalForward, ggDiagonalBackward };

/// The plain direction standing in for a mirror-fill kind.
TGradientDirection DirectionOf(TGDIPGradient gradient);
void DrawGradientBands(TCanvas& canvas, TColor a, TColor b, bool horizontal, const TRect& r, int steps);
void DrawGradient(TCanvas& canvas, TColor a, TColor b, TGradientDirection direction, const TRect& r, int steps);
/// The text's size in the font; the canvas keeps its own font.
void MeasureText(TCanvas& canvas, const TFont& font, const QString& text, int& width, int& height);
/// p percent of c1 and the rest of c2 (p >= 100: c1; p <= 0: c2).
TColor BlendColor(TColor c1, TColor c2, int percent);
void DrawFrame3D(TCanvas& canvas, const TRect& r, bool swap, TColor p, TColor q);
ARGB ColorToARGB(TColor color);
std::unique_ptr<TGPGraphicsPath> MakeRoundRectPath(int x, int y, int w, int h, int radius);
void DrawRoundRectPath(TGPGraphics* graphics, int x, int y, int w, int h, int radius, TColor color);
void FillMirrorHalf(TGPGraphics& graphics, const TRect& r, TColor a, bool upper, TGDIPGradient kind, TColor b);
/// mode 0: circle, 1: rectangle.
void DrawMirrorBorder(TGPGraphics& graphics, const TRect& r, int mode, bool vertical, TColor border, TColor inner);
/// Both halves (only when all four colours are set) and the borders; on
/// the given surface or one made on the canvas.
void DrawMirrorFill(TGPGraphics* graphics, TCanvas& canvas, const TRect& r, bool vertical,
                    TGDIPGradient mirrorGradient, TGDIPGradient gradient, TColor mirrorColorTo, TColor mirrorColor,
                    TColor colorTo, TColor color, TColor border, TColor inner, int mode);
/// Every other pixel of the rectangle's four sides.
void DrawFocusFrame(TCanvas& canvas, const TRect& r, TColor color);

}  // namespace AdvTrackBar
