#include "platform/widgets/TLabel.h"

#include "platform/drawing/GdiConstants.h"

TLabel::TLabel(QWidget* parent) : TGraphicControl(parent) {
  SetBounds(0, 0, 65, 17);
  SetParentColor(true);
}

void TLabel::SetAlignment(TAlignment value) {
  if (StoreIfChanged(m_alignment, value)) {
    Invalidate();
  }
}

void TLabel::SetLayout(TTextLayout value) {
  if (StoreIfChanged(m_layout, value)) {
    Invalidate();
  }
}

void TLabel::SetAutoSize(bool value) {
  if (StoreIfChanged(m_autoSize, value)) {
    AdjustBounds();
  }
}

void TLabel::SetWordWrap(bool value) {
  if (StoreIfChanged(m_wordWrap, value)) {
    AdjustBounds();
    Invalidate();
  }
}

void TLabel::SetTransparent(bool value) {
  if (StoreIfChanged(m_transparent, value)) {
    Invalidate();
  }
}

unsigned TLabel::TextFlags() const {
  unsigned flags = DT_NOPREFIX | (m_wordWrap ? DT_WORDBREAK : 0u);
  switch (m_alignment) {
    case TAlignment::taLeftJustify:
      return flags | DT_LEFT;
    case TAlignment::taRightJustify:
      return flags | DT_RIGHT;
    case TAlignment::taCenter:
      return flags | DT_CENTER;
  }
  return flags;
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  if (!m_transparent) {
    canvas.FillRect(r);
  }
  canvas.SetBkMode(TRANSPARENT);
  if (!m_wordWrap && m_layout != TTextLayout::tlTop) {
    const int textHeight = canvas.TextHeight(Caption());
    r.Top = m_layout == TTextLayout::tlCenter ? (r.Height() - textHeight) / 2 : r.Bottom - textHeight;
  }
  canvas.DrawText(Caption(), r, TextFlags());
}

void TLabel::TextChanged() {
  AdjustBounds();
  TGraphicControl::TextChanged();
}

void TLabel::FontChanged() {
  AdjustBounds();
  TGraphicControl::FontChanged();
}

void TLabel::AdjustBounds() {
  if (!m_autoSize) {
    return;
  }
  TRect r = m_wordWrap ? Rect(0, 0, Width(), 0) : Rect(0, 0, 0, 0);
  Canvas().Font().Assign(Font());
  Canvas().DrawText(Caption().isEmpty() ? QStringLiteral(" ") : Caption(), r, TextFlags() | DT_CALCRECT);
  const int left = m_alignment == TAlignment::taRightJustify ? Left() + Width() - r.Width() : Left();
  SetBounds(left, Top(), r.Width(), r.Height());
}
