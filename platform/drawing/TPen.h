#pragma once

#include "platform/drawing/TColor.h"
#include "platform/core/TObject.h"

/// Pen styles. Dash patterns of a one-pixel pen: dash 18 on 6 off, dot 3/3,
/// dash-dot 9/6/3/6, dash-dot-dot 9/3/3/3/3/3, alternate 1/1.
enum class TPenStyle {
  psSolid,
  psDash,
  psDot,
  psDashDot,
  psDashDotDot,
  psClear,
  psInsideFrame,
  psAlternate,
};

/// Binary raster operations of the pen (and of shape fills), in the order
/// and with the meaning of the platform's R2 codes 1..16 (pmBlack = R2 1).
enum class TPenMode {
  pmBlack,
  pmNotMerge,
  pmMaskNotPen,
  pmNotCopy,
  pmMaskPenNot,
  pmNot,
  pmXor,
  pmNotMask,
  pmMask,
  pmNotXor,
  pmNop,
  pmMergeNotPen,
  pmCopy,
  pmMergePenNot,
  pmMerge,
  pmWhite,
};

/// The pen of a canvas: colour, width in pixels, style and mode. Writing a
/// changed value raises OnChange. GUI thread (or the thread owning the canvas).
class TPen : public TObject {
public:
  TPen() = default;
  TPen(const TPen& other);
  TPen& operator=(const TPen& other);

  TColor Color() const { return m_color; }
  int Width() const { return m_width; }
  TPenStyle Style() const { return m_style; }
  TPenMode Mode() const { return m_mode; }
  void SetColor(TColor value);
  /// Widths below 1 are stored as 1.
  void SetWidth(int value);
  void SetStyle(TPenStyle value);
  void SetMode(TPenMode value);
  void Assign(const TPen& other);

  TNotifyEvent OnChange;

private:
  void Changed();

  TColor m_color = clBlack;
  int m_width = 1;
  TPenStyle m_style = TPenStyle::psSolid;
  TPenMode m_mode = TPenMode::pmCopy;
};
