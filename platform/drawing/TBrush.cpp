#include "platform/drawing/TBrush.h"

TBrush::TBrush(const TBrush& other)
    : TObject(), m_color(other.m_color), m_style(other.m_style), m_pattern(other.m_pattern) {}

TBrush& TBrush::operator=(const TBrush& other) {
  Assign(other);
  return *this;
}

void TBrush::Changed() { Raise(OnChange, this); }

void TBrush::SetColor(TColor value) {
  if (value == m_color && m_style != TBrushStyle::bsClear) {
    return;
  }
  m_color = value;
  // Giving a clear brush a colour makes it solid again.
  if (m_style == TBrushStyle::bsClear) {
    m_style = TBrushStyle::bsSolid;
  }
  Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (StoreIfChanged(m_style, value)) {
    Changed();
  }
}

void TBrush::SetPattern(const TBrushPattern& pattern) {
  m_pattern = pattern;
  m_style = TBrushStyle::bsPattern;
  Changed();
}

void TBrush::Assign(const TBrush& other) {
  if (&other == this) {
    return;
  }
  m_color = other.m_color;
  m_style = other.m_style;
  m_pattern = other.m_pattern;
  Changed();
}
