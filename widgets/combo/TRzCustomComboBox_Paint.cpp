#include "widgets/combo/TRzCustomComboBox.h"

#include "platform/drawing/GdiConstants.h"
#include "platform/drawing/TCanvas.h"
#include "widgets/panelset/PaintHelpers.h"
#include "widgets/panelset/ShadeSystem.h"

// Painting: the classic combo look (sunken border, field, button), then the
// widget set's own colour line, flat button and custom frame. Visual themes
// are never active, so the unthemed paths are the ones drawn.

namespace {
constexpr int kBorder = 2;
}  // namespace

TRect TRzCustomComboBox::ButtonRect() const {
  return Rect(Width() - kBorder - kScrollBarWidth, kBorder, Width() - kBorder, Height() - kBorder);
}

TRect TRzCustomComboBox::FieldRect() const {
  return Rect(kBorder, kBorder, Width() - kBorder - kScrollBarWidth, Height() - kBorder);
}

void TRzCustomComboBox::Paint() {
  TCanvas& canvas = Canvas();
  const TRect client = Rect(0, 0, Width(), Height());
  Rz::Stroke3DBorder(canvas, client, true, Rz::AllSides);
  PaintField(FieldRect());
  if (!m_flatButtons || m_readOnly) {
    // The platform's own drop-down button.
    const TRect button = ButtonRect();
    const bool pressed = DroppedDown();
    const TRect inner = Rz::StrokeButtonBorder(canvas, button, pressed);
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(inner);
    Rz::PaintDropDownArrow(canvas, pressed ? OffsetRect(button, 1, 1) : button, 0, Enabled());
  }
  if (m_frameVisible && !UseThemes()) {
    Rz::StrokeBevel(canvas, client, Color(), Color(), Rz::AllSides, 2);
  }
  PaintButton();
  PaintFrame();
}

void TRzCustomComboBox::PaintField(const TRect& r) {
  TCanvas& canvas = Canvas();
  canvas.Brush().SetColor(Color());
  canvas.FillRect(r);
  if (IsEditable()) {
    return;
  }
  TOwnerDrawState state{TOwnerDrawStateItem::odComboBoxEdit};
  if (m_isFocused && !DroppedDown()) {
    state.Include(TOwnerDrawStateItem::odSelected).Include(TOwnerDrawStateItem::odFocused);
  }
  if (!Enabled()) {
    state.Include(TOwnerDrawStateItem::odDisabled);
  }
  PaintItem(canvas, m_itemIndex, InflateRect(r, -1, -1), state);
}

void TRzCustomComboBox::PaintItem(TCanvas& canvas, int index, const TRect& r, TOwnerDrawState state) {
  const bool selected = state.Contains(TOwnerDrawStateItem::odSelected);
  canvas.Font().Assign(Font());
  if (index < 0) {
    canvas.Brush().SetColor(Color());
    if (selected) {
      canvas.DrawFocusRect(r);
    } else {
      canvas.FillRect(r);
    }
    return;
  }
  if (selected) {
    canvas.Brush().SetColor(clHighlight);
    canvas.Font().SetColor(clHighlightText);
  } else {
    canvas.Brush().SetColor(Color());
  }
  if (!Enabled()) {
    canvas.Font().SetColor(clGrayText);
  }
  const bool ownerDrawn = m_style == TComboBoxStyle::csOwnerDrawFixed || m_style == TComboBoxStyle::csOwnerDrawVariable;
  if (ownerDrawn && OnDrawItem) {
    OnDrawItem(this, index, r, state);
  } else {
    canvas.FillRect(r);
    TRect text = Rect(r.Left + 2, r.Top, r.Right, r.Bottom);
    canvas.DrawText(m_items[index], text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  if (selected && m_showFocus) {
    canvas.DrawFocusRect(r);
  }
}

void TRzCustomComboBox::PaintButton() {
  if (!m_flatButtons || m_readOnly) {
    if (m_readOnly) {
      Canvas().Brush().SetColor(Color());
      Canvas().FillRect(ButtonRect());
    }
    return;
  }
  TCanvas& canvas = Canvas();
  const TRect button = ButtonRect();
  if (!m_isFocused && !m_overControl) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(button);
    Rz::PaintDropDownArrow(canvas, button, 0, Enabled());
    return;
  }
  const bool dropped = DroppedDown();
  TRect inner;
  if (m_flatButtonColor == clBtnFace) {
    inner = dropped ? Rz::StrokeBevel(canvas, button, clBtnShadow, clBtnHighlight, Rz::AllSides, 1)
                    : Rz::StrokeBevel(canvas, button, clBtnHighlight, clBtnShadow, Rz::AllSides, 1);
  } else {
    inner = Rz::StrokeShadedFrameStyle(canvas, button, m_flatButtonColor,
                                       dropped ? Rz::TFrameStyleEx::fsStatus : Rz::TFrameStyleEx::fsPopup);
  }
  canvas.Brush().SetColor(m_flatButtonColor);
  canvas.FillRect(inner);
  Rz::PaintDropDownArrow(canvas, button, 0, Enabled());
}

void TRzCustomComboBox::PaintFrame() {
  if (!m_frameVisible || UseThemes()) {
    return;
  }
  TCanvas& canvas = Canvas();
  const TRect client = Rect(0, 0, Width(), Height());
  const bool hot = m_frameHotTrack && (m_isFocused || m_overControl);
  const Rz::TFrameStyleEx style = hot ? m_frameHotStyle : m_frameStyle;
  const TColor color = hot ? m_frameHotColor : m_frameColor;
  switch (style) {
    case Rz::TFrameStyleEx::fsFlat:
      Rz::StrokeSides(canvas, client, color, color, m_frameSides);
      break;
    case Rz::TFrameStyleEx::fsFlatBold:
      Rz::StrokeBevel(canvas, client, color, color, m_frameSides, 2);
      break;
    default:
      if (Color() == clWindow) {
        Rz::StrokeFrameStyle(canvas, client, style, m_frameSides);
      } else {
        Rz::StrokeShadedFrameStyle(canvas, client, Color(), style, m_frameSides);
      }
      break;
  }
}

void TRzCustomComboBox::PaintListItem(TCanvas& canvas, int index, const TRect& rect, bool selected) {
  TOwnerDrawState state;
  if (selected) {
    state.Include(TOwnerDrawStateItem::odSelected);
    state.Include(TOwnerDrawStateItem::odFocused);
  }
  DrawOnCanvas(canvas, [&] { PaintItem(canvas, index, rect, state); });
}
