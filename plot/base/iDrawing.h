#pragma once

#include <QString>

#include "platform/drawing/TColor.h"
#include "platform/core/TRect.h"
#include "plot/base/iPlotTypes.h"

class TCanvas;

/// Drawing and text helpers shared by every part of the plot library: text
/// with alignment, rotation and a disabled look, text measuring, 3D frames,
/// gradients, colour shading and geometry that swaps X and Y for plots with
/// reversed axes. Stateless; GUI thread (they draw on canvases).

/// The library's own text flag bits, turned into DT_ flags by iDrawText.
using TextFlags = unsigned short;
namespace iTextFlag {
constexpr TextFlags Left = 1;
constexpr TextFlags Center = 2;
constexpr TextFlags Right = 4;
constexpr TextFlags Top = 8;
constexpr TextFlags VCenter = 16;
constexpr TextFlags Bottom = 32;
constexpr TextFlags WordBreak = 64;
constexpr TextFlags SingleLine = 128;
constexpr TextFlags ExpandTabs = 256;
constexpr TextFlags NoClip = 512;
constexpr TextFlags ShowPrefix = 1024;
constexpr TextFlags CalcRect = 2048;
constexpr TextFlags EndEllipsis = 4096;
constexpr TextFlags PathEllipsis = 8192;
constexpr TextFlags WordEllipsis = 16384;
constexpr TextFlags EditControl = 32768;
}  // namespace iTextFlag

/// The DT_ flags of a TextFlags value (DT_NOPREFIX unless ShowPrefix).
unsigned TextFlagsToDT(TextFlags flags);

/// Draws (or with CalcRect measures) text into rect with the canvas font and
/// returns the height DrawText reports. Disabled (Enabled false, not
/// measuring, Color not black): drawn twice, offset by (1, 1) in clBtnFace
/// lightened by 64, then in place in clBtnFace darkened by 32; the font
/// colour is restored.
int iDrawText(TCanvas& canvas, const QString& text, TRect& rect, TColor color, bool enabled, TextFlags flags);

/// Draws text centred in rect at a quarter-turn rotation and returns the
/// rectangle the text covers in boundsRect. The canvas font is restored.
void iDrawRotatedText(TCanvas& canvas, const QString& text, const TRect& rect, TRect& boundsRect, TColor color,
                      bool enabled, TiAlignmentHorizontal alignment, TiRotationAngle rotation);

/// Cuts the next line off text from position pos at CR, LF or CR LF; false
/// when the text is used up.
bool NextTextLine(const QString& text, int& pos, QString& line);
/// The widest line of a text in the canvas font (0 for an empty text).
int MultiLineTextWidth(const TCanvas& canvas, const QString& text);
/// The height of all lines of a text in the canvas font (measured only).
int TextExtentHeight(TCanvas& canvas, const QString& text);
/// The height of a text word-wrapped to width, measured without drawing
/// anything (safe on printer and picture canvases).
int WrappedTextHeight(TCanvas& canvas, const QString& text, int width);

/// Decimal places for a precision. Style 0 (significant digits): with
/// d = |b - a|, precision - (Trunc(log10(d)) + 1) (0 for d = 0), plus 1
/// when d < 1, never below 0, and 0 for precision <= 0. Style 1 (fixed
/// decimals): precision. Other styles: 0.
int PrecisionToDecimals(int precision, int style, double a, double b);

/// Kind 0: sunken edge; 1: raised edge; 2: polygon frame in clBtnShadow
/// with the current brush; other kinds draw nothing.
void DrawFrame3D(TCanvas& canvas, const TRect& rect, int kind);
/// The dotted focus frame (a second call undoes it).
void DrawFocusRectangle(TCanvas& canvas, const TRect& rect);
/// Gradient from startColor to stopColor in one of twelve directions; the
/// diagonal, rectangle and circle figures are placed from the origin.
void FillGradient(TCanvas& canvas, const TRect& rect, TiFillDirection direction, TColor startColor,
                  TColor stopColor);
/// The RGB of color with amount added to (lighter) or taken from each
/// channel, clamped to 0..255.
TColor ChangeColorBrightness(TColor color, int amount, bool lighter);

/// (a, b), or (b, a) when swap.
TPoint OrientedPoint(bool swap, int a, int b);
/// The rectangle spanned by two corners in any order.
TRect OrderedRect(int x1, int y1, int x2, int y2);
/// OrderedRect of (x1, y1, x2, y2), or of (y1, x1, y2, x2) when swap.
TRect OrientedRect(bool swap, int x1, int y1, int x2, int y2);
void SwapIntegers(int& a, int& b);

/// Whether Shift / Ctrl is held now.
bool ShiftKeyDown();
bool ControlKeyDown();
