#pragma once

#include "platform/pictures/TBitmap.h"
#include "platform/drawing/TColor.h"
#include "platform/core/TRect.h"

class TFont;

/// One off-screen page of a plot: a bitmap and the rectangle it occupies
/// on the control. Everything of the page is drawn on the bitmap's canvas;
/// the plot copies the page onto its control to show it. A new page has an
/// empty bitmap and empty rectangles. Owned by its plot; GUI thread.
class TPaintPage {
public:
  TPaintPage() = default;
  TPaintPage(const TPaintPage&) = delete;
  TPaintPage& operator=(const TPaintPage&) = delete;

  /// Sizes the bitmap to right - left by bottom - top (a negative extent
  /// gives 0); Source becomes (0, 0, right - left, bottom - top) and Dest
  /// (left, top, right, bottom).
  void SetBounds(int left, int top, int right, int bottom);
  /// Fills Source with a solid brush of the colour.
  void Clear(TColor color);
  /// The bitmap canvas takes every attribute of the font.
  void SetFont(const TFont& font);

  TBitmap& Bitmap() { return m_bitmap; }
  const TBitmap& Bitmap() const { return m_bitmap; }
  TCanvas& Canvas() { return m_bitmap.Canvas(); }
  const TRect& Dest() const { return m_dest; }
  const TRect& Source() const { return m_source; }

private:
  TBitmap m_bitmap;
  TRect m_dest{};
  TRect m_source{};
};
