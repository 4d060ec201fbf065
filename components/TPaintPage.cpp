#include "components/TPaintPage.h"

#include <algorithm>

#include "platform/TFont.h"

void TPaintPage::SetBounds(int left, int top, int right, int bottom) {
  m_bitmap.SetSize(std::max(right - left, 0), std::max(bottom - top, 0));
  m_source = Rect(0, 0, right - left, bottom - top);
  m_dest = Rect(left, top, right, bottom);
}

void TPaintPage::Clear(TColor color) {
  TCanvas& canvas = m_bitmap.Canvas();
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(color);
  canvas.FillRect(m_source);
}

void TPaintPage::SetFont(const TFont& font) { m_bitmap.Canvas().Font().Assign(font); }
