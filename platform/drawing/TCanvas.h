#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QImage>
#include <QString>

#include "platform/drawing/GdiConstants.h"
#include "platform/drawing/TBrush.h"
#include "platform/text/TFont.h"
#include "platform/drawing/TPen.h"
#include "platform/core/TRect.h"
#include "platform/drawing/TRegion.h"

class QPainter;
class TGraphic;

/// A device context over an ARGB32 QImage with the platform's pixel rules.
/// The canvas does not own the image. Every write makes the pixel opaque;
/// pixels never written stay as they were (a fresh control image is fully
/// transparent, so its parent shows through).
///
/// Rules: LineTo leaves out the end point; FillRect, Rectangle, RoundRect
/// and Ellipse cover [Left, Right) x [Top, Bottom) (with a clear pen the
/// shape loses its last column and row); polygons fill by the alternate
/// (default) or winding rule with the top-left rule; a one-pixel pen draws
/// its pattern (dash 18/6, dot 3/3, ...); the pen mode (binary raster
/// operation) applies to pen lines and shape fills, not to FillRect. Text
/// is drawn in the font's colour; with a solid brush its cell is first
/// filled with the background colour (the brush colour, see SetBkColor).
/// Coordinates are logical: device = logical - window origin + viewport
/// origin. Clip regions are in device pixels.
/// Thread: the thread that owns the image (the GUI thread for controls).
class TCanvas : public TObject {
public:
  TCanvas();
  explicit TCanvas(QImage* target);
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  /// Binds the canvas to an image (nullptr: none) and resets the device
  /// state (origins, clip, saved states, text alignment); pen, brush and
  /// font are kept.
  void SetTarget(QImage* target);
  QImage* Target() const { return m_target; }
  bool HandleAllocated() const { return m_target != nullptr; }
  /// On a monochrome canvas every colour written becomes black or white
  /// (white when R + G + B > 382) and text is drawn without antialiasing.
  void SetMonochrome(bool monochrome) { m_monochrome = monochrome; }
  bool Monochrome() const { return m_monochrome; }

  TPen& Pen() { return m_pen; }
  TBrush& Brush() { return m_brush; }
  TFont& Font() { return m_font; }
  const TPen& Pen() const { return m_pen; }
  const TBrush& Brush() const { return m_brush; }
  const TFont& Font() const { return m_font; }

  TPoint PenPos() const { return m_penPos; }
  void SetPenPos(TPoint p) { m_penPos = p; }
  /// Raster operation of CopyRect (SRCCOPY by default).
  std::uint32_t CopyMode() const { return m_copyMode; }
  void SetCopyMode(std::uint32_t rop) { m_copyMode = rop; }

  // Device state. Setting the brush sets the background colour to the
  // brush colour and the background mode to OPAQUE (solid) or TRANSPARENT
  // (clear); setting the font colour sets the text colour. The Set...
  // calls return the previous value.
  TColor SetBkColor(TColor color);
  TColor GetBkColor() const { return m_state.bkColor; }
  TColor SetTextColor(TColor color);
  TColor GetTextColor() const { return m_state.textColor; }
  int SetBkMode(int mode);
  int GetBkMode() const { return m_state.bkMode; }
  unsigned SetTextAlign(unsigned align);
  unsigned GetTextAlign() const { return m_state.textAlign; }
  int SetPolyFillMode(int mode);
  TPoint SetViewportOrg(int x, int y);
  TPoint OffsetViewportOrg(int dx, int dy);
  TPoint ViewportOrg() const { return m_state.viewportOrg; }
  TPoint SetWindowOrg(int x, int y);
  TPoint WindowOrg() const { return m_state.windowOrg; }
  TPoint LogicalToDevice(TPoint p) const;

  /// Saves the device state (origins, clip, colours, modes, alignment, pen,
  /// brush, font) and returns its level (1 for the first save).
  int SaveDC();
  /// Restores the state of a level (negative: relative to the top, -1 the
  /// last); the states above it are dropped. False when there is no such level.
  bool RestoreDC(int level);

  /// Replaces the clip region (device pixels); nullptr removes it.
  void SelectClipRgn(const TRegion* region);
  /// Narrows the clip to a logical rectangle.
  void IntersectClipRect(int left, int top, int right, int bottom);
  /// Removes a logical rectangle from the clip.
  void ExcludeClipRect(int left, int top, int right, int bottom);
  /// The clip region (device pixels) if one is selected.
  std::optional<TRegion> GetClipRgn() const { return m_state.clip; }
  /// Logical bounding box of what can be drawn (image and clip).
  TRect ClipRect() const;

  // Drawing.
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polyline(const std::vector<TPoint>& points);
  void Polygon(const std::vector<TPoint>& points);
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  void Ellipse(int left, int top, int right, int bottom);
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  /// Fills [Left, Right) x [Top, Bottom) with the brush (nothing when clear).
  void FillRect(const TRect& r);
  /// One-pixel frame of r in the brush colour.
  void FrameRect(const TRect& r);
  /// Inverts every second pixel of r's border (a second call undoes it).
  void DrawFocusRect(const TRect& r);
  /// Inverts every pixel of r (a second call undoes it).
  void InvertRect(const TRect& r);
  /// Whether the logical point lies in the image and the clip.
  bool PtVisible(int x, int y) const;
  /// Fills a region (logical coordinates) with the brush.
  void FillRgn(const TRegion& region);
  /// Two-colour gradient over r: start at the left edge and stop at the
  /// right edge, or start at the top and stop at the bottom when vertical.
  void GradientFill(const TRect& r, TColor start, TColor stop, bool vertical);

  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  // Text (TCanvas_Text.cpp).
  void TextOut(int x, int y, const QString& text);
  /// TextOut clipped to r, with r filled with the background first when
  /// the brush is solid.
  void TextRect(const TRect& r, int x, int y, const QString& text);
  TSize TextExtent(const QString& text) const;
  int TextWidth(const QString& text) const { return TextExtent(text).cx; }
  /// The font's cell height, the same for every string.
  int TextHeight(const QString& text) const { return TextExtent(text).cy; }
  /// Formats text into rect by the DT_ flags (GdiConstants.h) and returns
  /// the height of the text; with DT_VCENTER or DT_BOTTOM (only honoured
  /// with DT_SINGLELINE) the offset from rect.Top to the text's bottom.
  /// DT_CALCRECT draws nothing and sets rect to the text's extent.
  int DrawText(const QString& text, TRect& rect, unsigned flags);

  // Pictures (see TGraphic).
  void Draw(int x, int y, const TGraphic& graphic);
  void StretchDraw(const TRect& r, const TGraphic& graphic);
  /// StretchBlt from source with CopyMode.
  void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);

  // Device-pixel access for the blitters (no origin, no clip).
  bool DeviceContains(int dx, int dy) const;
  QRgb DevicePixel(int dx, int dy) const;
  /// Writes a device pixel if it is inside the image and the clip.
  void PutDevicePixel(int dx, int dy, QRgb rgb);
  /// The brush's colour at a device pixel (pattern and hatch aligned to
  /// device (0, 0); black for a clear brush).
  QRgb PatternPixel(int dx, int dy) const;
  /// Maps an RGB value the way a write would (monochrome canvases).
  QRgb Realize(QRgb rgb) const;
  /// Clip spans of device row y within [x0, x1), in order.
  void ForEachClippedRun(int y, int x0, int x1, const std::function<void(int a, int b)>& run) const;

  /// A QPainter on the image with the origin and clip set (for text and
  /// wide lines); ended by its destructor.
  std::unique_ptr<QPainter> BeginPainter() const;

private:
  struct State {
    TPoint viewportOrg;
    TPoint windowOrg;
    std::optional<TRegion> clip;
    TColor bkColor = clWhite;
    TColor textColor = clBlack;
    int bkMode = OPAQUE;
    unsigned textAlign = TA_LEFT | TA_TOP;
    int polyFillMode = ALTERNATE;
  };
  struct Saved {
    State state;
    TPen pen;
    TBrush brush;
    TFont font;
  };

  void BrushChanged();
  void FontChanged();
  void PenChanged();
  QRgb BrushPixel(int dx, int dy, bool& draw) const;
  void PaintShape(const TRect& bounds, int cornerWidth, int cornerHeight);
  void FillDeviceSpan(int y, int x0, int x1, bool useRop);
  void PlotPen(int dx, int dy, QRgb pen);
  void DrawPenLine(TPoint from, TPoint to);
  void DrawSolidPolyline(const std::vector<TPoint>& points);
  void DrawWideLines(const std::vector<TPoint>& points, bool closed);
  void DrawTextLine(int x, int top, const QString& text, int underlineIndex, const TRect* clip);

  QImage* m_target = nullptr;
  bool m_monochrome = false;
  TPen m_pen;
  TBrush m_brush;
  TFont m_font;
  TPoint m_penPos;
  std::uint32_t m_copyMode = SRCCOPY;
  int m_dashPhase = 0;
  State m_state;
  std::vector<Saved> m_saved;
};
