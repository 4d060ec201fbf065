#pragma once

#include "platform/drawing/TColor.h"
#include "widgets/vr/TVrPersistent.h"

class TBitmap;

/// A low and a high colour (an LED off and on). Owned by its control; GUI
/// thread.
class TVrPalette : public TVrPersistent {
public:
  TColor Low() const { return m_low; }
  void SetLow(TColor value);
  TColor High() const { return m_high; }
  void SetHigh(TColor value);
  /// Low for index 0 or less, else High.
  virtual TColor GetColor(int index) const;
  /// Copies both colours with one notification.
  void Assign(const TVrPalette& other);
  /// Recolours a two-tone bitmap in place: pixels of the dark colour become
  /// Low, those of the light colour High.
  void ToBMP(TBitmap& bitmap, TColor dark, TColor light) const;

private:
  TColor m_low = clGreen;
  TColor m_high = clLime;
};
