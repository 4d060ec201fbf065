#include "platform/drawing/TPen.h"

#include <algorithm>

TPen::TPen(const TPen& other)
    : TObject(), m_color(other.m_color), m_width(other.m_width), m_style(other.m_style), m_mode(other.m_mode) {}

TPen& TPen::operator=(const TPen& other) {
  Assign(other);
  return *this;
}

void TPen::Changed() { Raise(OnChange, this); }

void TPen::SetColor(TColor value) {
  if (StoreIfChanged(m_color, value)) {
    Changed();
  }
}

void TPen::SetWidth(int value) {
  if (StoreIfChanged(m_width, std::max(value, 1))) {
    Changed();
  }
}

void TPen::SetStyle(TPenStyle value) {
  if (StoreIfChanged(m_style, value)) {
    Changed();
  }
}

void TPen::SetMode(TPenMode value) {
  if (StoreIfChanged(m_mode, value)) {
    Changed();
  }
}

void TPen::Assign(const TPen& other) {
  if (&other == this) {
    return;
  }
  const bool changed = other.m_color != m_color || other.m_width != m_width || other.m_style != m_style ||
                       other.m_mode != m_mode;
  m_color = other.m_color;
  m_width = other.m_width;
  m_style = other.m_style;
  m_mode = other.m_mode;
  if (changed) {
    Changed();
  }
}
