#pragma once

#include "platform/drawing/TColor.h"
#include "platform/core/TRect.h"
#include "platform/core/TSet.h"

class TCanvas;

/// The frame styles with which panels, group boxes, labels, combo boxes and
/// buttons draw their edges. Every stroke function draws one-pixel lines
/// (end points left out) on the chosen sides only and returns the rectangle
/// that remains inside what it drew. Stateless; GUI thread.
namespace Rz {

enum class TFrameStyleEx : unsigned char {
  fsNone,
  fsFlat,
  fsGroove,
  fsBump,
  fsLowered,
  fsButtonDown,
  fsRaised,
  fsButtonUp,
  fsStatus,
  fsPopup,
  fsFlatBold,
  fsFlatRounded,
};

enum class TSide : unsigned char { sdLeft, sdTop, sdRight, sdBottom };
using TSides = TSet<TSide>;
inline constexpr TSides AllSides = TSides{TSide::sdLeft, TSide::sdTop, TSide::sdRight, TSide::sdBottom};

/// Pixels a style takes per drawn side: fsNone 0, fsFlat 1, fsStatus and
/// fsPopup bevelWidth, every other style 2.
int FrameWidth(TFrameStyleEx style, int bevelWidth);

/// r with each chosen side moved inward by amount.
TRect ShrinkSides(const TRect& r, TSides sides, int amount);

TRect StrokeSides(TCanvas& canvas, const TRect& r, TColor upperLeft, TColor lowerRight, TSides sides);
/// Pen width 1, then StrokeSides count times, each inside the previous.
TRect StrokeBevel(TCanvas& canvas, const TRect& r, TColor upperLeft, TColor lowerRight, TSides sides, int count);
TRect Stroke3DBorder(TCanvas& canvas, const TRect& r, bool lowered, TSides sides);
TRect StrokeButtonBorder(TCanvas& canvas, const TRect& r, bool pressed, TSides sides = AllSides);
TRect StrokeShadedButtonBorder(TCanvas& canvas, const TRect& r, TColor face, bool pressed, TSides sides = AllSides);
/// System-palette frames; fsFlatRounded is drawn as a rounded box in
/// cl3DDkShadow.
TRect StrokeFrameStyle(TCanvas& canvas, const TRect& r, TFrameStyleEx style, TSides sides = AllSides);
/// The same shapes in shades of a face colour.
TRect StrokeShadedFrameStyle(TCanvas& canvas, const TRect& r, TColor face, TFrameStyleEx style,
                             TSides sides = AllSides);
TRect StrokeBox(TCanvas& canvas, const TRect& r, TColor color);
TRect StrokeRoundedBox(TCanvas& canvas, const TRect& r, TColor color, TSides sides);
/// Every second pixel of the edges in black, starting one after each edge's first.
TRect StrokeDottedBox(TCanvas& canvas, const TRect& r);

/// What a framed control's border is made of.
struct TBorderFrame {
  TFrameStyleEx Outer = TFrameStyleEx::fsNone;
  TFrameStyleEx Inner = TFrameStyleEx::fsNone;
  int BorderWidth = 0;
  TSides Sides = AllSides;
  int BevelWidth = 1;
  TColor BorderColor = clBtnFace;
  TColor BorderHighlight = clBtnHighlight;
  TColor BorderShadow = clBtnShadow;
  TColor FlatColor = clBtnShadow;
  int FlatColorAdjustment = 30;
  TColor Color = clBtnFace;
  TColor ParentColor = clBtnFace;
  bool Transparent = false;
};

/// Draws outer frame, border and inner frame on bounds and returns the
/// rectangle inside the inner frame.
TRect PaintBorderFrame(TCanvas& canvas, const TRect& bounds, const TBorderFrame& frame);

/// The client area left by a frame: optionally deflated by BorderWidth on
/// every side, then each chosen side moved in by the outer and the inner
/// style's widths.
TRect FramedClientRect(const TRect& bounds, const TBorderFrame& frame, bool deflateByBorderWidth);

}  // namespace Rz
