#include "widgets/vr/TVrPalette.h"

#include "platform/drawing/Blit.h"
#include "platform/drawing/GdiConstants.h"
#include "platform/pictures/TBitmap.h"
#include "platform/drawing/TCanvas.h"

void TVrPalette::SetLow(TColor value) {
  if (value != m_low) {
    m_low = value;
    Changed();
  }
}

void TVrPalette::SetHigh(TColor value) {
  if (value != m_high) {
    m_high = value;
    Changed();
  }
}

TColor TVrPalette::GetColor(int index) const { return index <= 0 ? m_low : m_high; }

void TVrPalette::Assign(const TVrPalette& other) {
  BeginUpdate();
  SetLow(other.Low());
  SetHigh(other.High());
  EndUpdate();
}

void TVrPalette::ToBMP(TBitmap& bitmap, TColor dark, TColor light) const {
  const int w = bitmap.Width();
  const int h = bitmap.Height();
  // Both masks come from the picture as it was, so a new colour equal to
  // the other old one is not recoloured twice.
  TBitmap darkMask(w, h);
  TBitmap lightMask(w, h);
  for (const auto& [mask, color] : {std::pair{&darkMask, dark}, std::pair{&lightMask, light}}) {
    mask->SetMonochrome(true);
    bitmap.Canvas().Brush().SetColor(color);
    BitBlt(mask->Canvas(), 0, 0, w, h, &bitmap.Canvas(), 0, 0, SRCCOPY);
  }
  TCanvas& canvas = bitmap.Canvas();
  canvas.SetTextColor(clBlack);
  for (const auto& [mask, color] : {std::pair{&darkMask, m_low}, std::pair{&lightMask, m_high}}) {
    canvas.Brush().SetColor(color);
    canvas.SetBkColor(clWhite);
    BitBlt(canvas, 0, 0, w, h, &mask->Canvas(), 0, 0, 0x00E20746);
  }
}
