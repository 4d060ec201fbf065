#pragma once

#include <array>
#include <cstdint>

#include "platform/drawing/TColor.h"
#include "platform/core/TObject.h"

/// Brush styles: solid, clear (draws nothing and makes text transparent),
/// the six 8x8 hatches, and a pattern given as 8 rows of 8 bits.
enum class TBrushStyle {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross,
  bsPattern,
};

/// 8 rows of 8 bits, bit 7 of a row is its leftmost pixel. A set bit is
/// drawn in the canvas's background colour, a clear bit in its text colour,
/// as a monochrome pattern brush is.
using TBrushPattern = std::array<std::uint8_t, 8>;

/// The brush of a canvas: colour, style and, for bsPattern, the pattern.
/// Writing a changed value raises OnChange. Hatches draw their lines in the
/// brush colour and the gaps in the background colour when the background
/// mode is opaque. The pattern is aligned to device pixel (0, 0).
class TBrush : public TObject {
public:
  TBrush() = default;
  TBrush(const TBrush& other);
  TBrush& operator=(const TBrush& other);

  TColor Color() const { return m_color; }
  TBrushStyle Style() const { return m_style; }
  const TBrushPattern& Pattern() const { return m_pattern; }
  void SetColor(TColor value);
  void SetStyle(TBrushStyle value);
  /// Sets the pattern and the style bsPattern.
  void SetPattern(const TBrushPattern& pattern);
  void Assign(const TBrush& other);

  TNotifyEvent OnChange;

private:
  void Changed();

  TColor m_color = clWhite;
  TBrushStyle m_style = TBrushStyle::bsSolid;
  TBrushPattern m_pattern{};
};
