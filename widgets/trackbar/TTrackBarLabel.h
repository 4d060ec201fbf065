#pragma once

#include <QString>

#include "platform/text/TFont.h"
#include "widgets/trackbar/TTrackBarPart.h"

enum class TLabelPosition { lpTopCenter, lpTopLeft, lpTopRight, lpBottomCenter, lpBottomLeft, lpBottomRight };

/// The value label: whether it shows, where, its font, its format with one
/// integer placeholder ("Pos: %d") and its spacing. Owned by its track
/// bar. GUI thread only.
class TTrackBarLabel : public TTrackBarPart {
public:
  TTrackBarLabel();

  bool Visible() const { return m_visible; }
  void SetVisible(bool v) { Set(m_visible, v); }
  TLabelPosition Position() const { return m_position; }
  void SetPosition(TLabelPosition v) { Set(m_position, v); }
  TFont& Font() { return m_font; }
  const TFont& Font() const { return m_font; }
  void SetFont(const TFont& font) { m_font.Assign(font); }
  QString Format() const { return m_format; }
  void SetFormat(const QString& v) { Set(m_format, v); }
  int Spacing() const { return m_spacing; }
  void SetSpacing(int v) { Set(m_spacing, v); }
  bool AtTop() const {
    return m_position == TLabelPosition::lpTopCenter || m_position == TLabelPosition::lpTopLeft ||
           m_position == TLabelPosition::lpTopRight;
  }

  /// Copies Visible, Format and Font, then Position (not Spacing).
  void Assign(const TObject* source);

private:
  bool m_visible = false;
  QString m_format = QStringLiteral("Pos: %d");
  TFont m_font;
  TLabelPosition m_position = TLabelPosition::lpTopCenter;
  int m_spacing = 4;
};
