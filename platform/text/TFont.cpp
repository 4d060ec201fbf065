#include "platform/text/TFont.h"

#include <cmath>
#include <cstdint>

#include <QFontInfo>
#include <QFontMetrics>

#include "platform/core/Rounding.h"
#include "platform/text/FontFaceTables.h"
#include "platform/text/FontRegistry.h"

namespace {
int Scaled(int units, int pixelsPerEm, int unitsPerEm) {
  return int((std::int64_t(units) * pixelsPerEm * 2 + unitsPerEm) / (2 * std::int64_t(unitsPerEm)));
}
}  // namespace

TFont::TFont(const TFont& other) : TObject() { CopyFrom(other); }

TFont& TFont::operator=(const TFont& other) {
  Assign(other);
  return *this;
}

void TFont::Changed() {
  m_qfont.reset();
  m_metrics.reset();
  Raise(OnChange, this);
}

int TFont::Size() const { return -MulDiv(m_height, 72, PixelsPerInch); }

void TFont::SetName(const QString& value) {
  if (StoreIfChanged(m_name, value)) {
    Changed();
  }
}

void TFont::SetHeight(int value) {
  if (StoreIfChanged(m_height, value)) {
    Changed();
  }
}

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, PixelsPerInch, 72)); }

void TFont::SetStyle(TFontStyles value) {
  if (StoreIfChanged(m_style, value)) {
    Changed();
  }
}

void TFont::SetColor(TColor value) {
  if (StoreIfChanged(m_color, value)) {
    Changed();
  }
}

void TFont::SetCharset(int value) {
  if (StoreIfChanged(m_charset, value)) {
    Changed();
  }
}

void TFont::SetPitch(TFontPitch value) {
  if (StoreIfChanged(m_pitch, value)) {
    Changed();
  }
}

void TFont::SetOrientation(int tenthsOfDegree) {
  if (StoreIfChanged(m_orientation, tenthsOfDegree)) {
    Changed();
  }
}

void TFont::SetQuality(TFontQuality value) {
  if (StoreIfChanged(m_quality, value)) {
    Changed();
  }
}

void TFont::CopyFrom(const TFont& other) {
  m_qfont.reset();
  m_metrics.reset();
  m_name = other.m_name;
  m_height = other.m_height;
  m_style = other.m_style;
  m_color = other.m_color;
  m_charset = other.m_charset;
  m_pitch = other.m_pitch;
  m_orientation = other.m_orientation;
  m_quality = other.m_quality;
}

void TFont::Assign(const TFont& other) {
  if (&other == this || other == *this) {
    return;
  }
  CopyFrom(other);
  Changed();
}

bool operator==(const TFont& a, const TFont& b) {
  return a.m_name == b.m_name && a.m_height == b.m_height && a.m_style == b.m_style && a.m_color == b.m_color &&
         a.m_charset == b.m_charset && a.m_pitch == b.m_pitch && a.m_orientation == b.m_orientation &&
         a.m_quality == b.m_quality;
}

QFont TFont::ToQFont() const {
  if (m_qfont) {
    return *m_qfont;
  }
  QFont font;
  font.setFamilies({SubstituteFaceName(m_name), ChineseFallbackFace()});
  font.setBold(m_style.Contains(TFontStyle::fsBold));
  font.setItalic(m_style.Contains(TFontStyle::fsItalic));
  font.setUnderline(m_style.Contains(TFontStyle::fsUnderline));
  font.setStrikeOut(m_style.Contains(TFontStyle::fsStrikeOut));
  font.setHintingPreference(QFont::PreferFullHinting);
  if (m_pitch == TFontPitch::fpFixed) {
    font.setFixedPitch(true);
  }
  if (m_quality == TFontQuality::fqNonAntialiased) {
    font.setStyleStrategy(QFont::NoAntialias);
  }
  if (m_height < 0) {
    font.setPixelSize(-m_height);
  } else if (m_height > 0) {
    // A positive height is the cell height: the em height is what leaves
    // ascent + descent at it.
    font.setPixelSize(m_height);
    if (const FontFaceTables face = FaceTablesOf(font); face.hasWinMetrics) {
      font.setPixelSize(std::max(1, Round(double(m_height) * face.unitsPerEm / (face.winAscent + face.winDescent))));
    }
  } else {
    // Height 0 asks for the default size, 8 points.
    font.setPixelSize(MulDiv(8, PixelsPerInch, 72));
  }
  m_qfont = font;
  return font;
}

TTextMetric TFont::TextMetrics() const {
  if (m_metrics) {
    return *m_metrics;
  }
  const QFont font = ToQFont();
  const QFontMetrics metrics(font);
  TTextMetric tm;
  // A face with bitmap strikes may answer with another size than asked for.
  const int pixelsPerEm = QFontInfo(font).pixelSize();
  const FontFaceTables face = FaceTablesOf(font);
  if (face.hasWinMetrics) {
    tm.tmAscent = Scaled(face.winAscent, pixelsPerEm, face.unitsPerEm);
    tm.tmDescent = Scaled(face.winDescent, pixelsPerEm, face.unitsPerEm);
  } else {
    tm.tmAscent = metrics.ascent();
    tm.tmDescent = metrics.descent();
  }
  tm.tmHeight = tm.tmAscent + tm.tmDescent;
  tm.tmInternalLeading = std::max(0, tm.tmHeight - pixelsPerEm);
  tm.tmExternalLeading = std::max(0, metrics.leading());
  tm.tmAveCharWidth = metrics.horizontalAdvance(QLatin1Char('x'));
  tm.tmMaxCharWidth = metrics.maxWidth();
  tm.TrueType = face.trueTypeOutlines;
  tm.FixedPitch = QFontInfo(font).fixedPitch();
  m_metrics = tm;
  return tm;
}
