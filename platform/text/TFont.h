#pragma once

#include <optional>

#include <QFont>
#include <QString>

#include "platform/drawing/TColor.h"
#include "platform/core/TObject.h"
#include "platform/core/TSet.h"

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

enum class TFontPitch { fpDefault, fpVariable, fpFixed };

/// Rendering quality; fqDefault draws antialiased, fqNonAntialiased draws
/// hard pixels (always used on monochrome bitmaps).
enum class TFontQuality { fqDefault, fqNonAntialiased, fqAntialiased };

/// Character sets that forms store (only a tag here; glyphs come from Unicode).
constexpr int ANSI_CHARSET = 0;
constexpr int DEFAULT_CHARSET = 1;
constexpr int SYMBOL_CHARSET = 2;
constexpr int GB2312_CHARSET = 134;

/// Text metrics of a font at 96 DPI, in pixels, as the platform reports them.
struct TTextMetric {
  int tmHeight = 0;  ///< cell height = ascent + descent
  int tmAscent = 0;
  int tmDescent = 0;
  int tmInternalLeading = 0;  ///< cell height minus the em height
  int tmExternalLeading = 0;
  int tmAveCharWidth = 0;  ///< advance of "x"
  int tmMaxCharWidth = 0;
  bool TrueType = false;
  bool FixedPitch = false;
};

/// A font as forms describe it: face name, height in pixels (negative: the
/// em height; positive: the cell height) or size in points at a fixed 96
/// DPI, style, colour, character set, pitch and the escapement angle in
/// tenths of a degree (counter-clockwise). Face names of the original
/// platform are mapped to the installed free faces (FontRegistry.h).
/// Writing a changed value raises OnChange. GUI thread.
class TFont : public TObject {
public:
  static constexpr int PixelsPerInch = 96;

  TFont() = default;
  TFont(const TFont& other);
  TFont& operator=(const TFont& other);

  QString Name() const { return m_name; }
  int Height() const { return m_height; }
  /// Points: -MulDiv(Height, 72, 96) (a positive Height gives a negative size).
  int Size() const;
  TFontStyles Style() const { return m_style; }
  TColor Color() const { return m_color; }
  int Charset() const { return m_charset; }
  TFontPitch Pitch() const { return m_pitch; }
  int Orientation() const { return m_orientation; }
  TFontQuality Quality() const { return m_quality; }

  void SetName(const QString& value);
  void SetHeight(int value);
  /// Height = -MulDiv(points, 96, 72).
  void SetSize(int points);
  void SetStyle(TFontStyles value);
  void SetColor(TColor value);
  void SetCharset(int value);
  void SetPitch(TFontPitch value);
  void SetOrientation(int tenthsOfDegree);
  void SetQuality(TFontQuality value);
  void Assign(const TFont& other);

  /// The Qt font this describes (substituted face, size in pixels; the
  /// escapement is not part of it).
  QFont ToQFont() const;
  /// Metrics of the font as the platform reports them: ascent and descent
  /// from the face's Windows metrics (OS/2 usWinAscent/usWinDescent) scaled
  /// to the em height, whatever line metrics the face prefers elsewhere.
  /// TextHeight of any string is tmHeight.
  TTextMetric TextMetrics() const;

  friend bool operator==(const TFont& a, const TFont& b);

  TNotifyEvent OnChange;

private:
  void Changed();
  void CopyFrom(const TFont& other);

  QString m_name = QStringLiteral("Tahoma");
  int m_height = -11;
  TFontStyles m_style;
  TColor m_color = clWindowText;
  int m_charset = DEFAULT_CHARSET;
  TFontPitch m_pitch = TFontPitch::fpDefault;
  int m_orientation = 0;
  TFontQuality m_quality = TFontQuality::fqDefault;
  mutable std::optional<QFont> m_qfont;  // built on first use after a change
  mutable std::optional<TTextMetric> m_metrics;
};
