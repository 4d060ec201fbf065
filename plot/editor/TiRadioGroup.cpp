#include "plot/editor/TiRadioGroup.h"

#include <algorithm>

#include "platform/core/Rounding.h"
#include "plot/base/iDrawing.h"
#include "plot/editor/iUserChange.h"

namespace {
/// One straight run of the radio mark, from (x0, y0) up to but not
/// including (x1, y1), on the mark's 12 x 12 grid.
struct MarkRun {
  int x0, y0, x1, y1;
};

// A classic sunken round mark: outer and inner ring, each split into an
// upper-left arc (shadow) and a lower-right arc (light). The white inside
// is the square the caller fills first.
constexpr MarkRun kOuterUpperLeft[] = {{4, 0, 8, 0}, {2, 1, 4, 1}, {8, 1, 10, 1},
                                       {1, 2, 1, 4}, {0, 4, 0, 8}, {1, 8, 1, 10}};
constexpr MarkRun kOuterLowerRight[] = {{10, 2, 10, 4}, {11, 4, 11, 8}, {10, 8, 10, 10},
                                        {2, 10, 4, 10}, {8, 10, 10, 10}, {4, 11, 8, 11}};
constexpr MarkRun kInnerUpperLeft[] = {{4, 1, 8, 1}, {2, 2, 4, 2}, {8, 2, 10, 2},
                                       {2, 3, 2, 4}, {1, 4, 1, 8}, {2, 8, 2, 9}};
constexpr MarkRun kInnerLowerRight[] = {{9, 3, 9, 4}, {10, 4, 10, 8}, {9, 8, 9, 9},
                                        {2, 9, 4, 9}, {8, 9, 10, 9}, {4, 10, 8, 10}};

template <std::size_t N>
void DrawRuns(TCanvas& canvas, const MarkRun (&runs)[N], int left, int top, TColor color) {
  canvas.Pen().SetColor(color);
  for (const MarkRun& r : runs) {
    canvas.MoveTo(left + r.x0, top + r.y0);
    canvas.LineTo(left + r.x1, top + r.y1);
  }
}
}  // namespace

TiRadioGroup::TiRadioGroup(QWidget* parent) : TiCustomComponent(parent) {
  SetTabStop(true);
  SetBounds(Left(), Top(), 97, 17);
  SetCaption(QStringLiteral("Radio Group"));
}

void TiRadioGroup::SetItems(const QStringList& items) {
  m_items = items;
  ItemsChanged();
}

void TiRadioGroup::ItemsChanged() {
  m_itemIndex = std::clamp(m_itemIndex, -1, int(m_items.size()) - 1);
  InvalidateChange();
}

void TiRadioGroup::SetItemIndex(int value) {
  value = std::clamp(value, -1, int(m_items.size()) - 1);
  if (value == m_itemIndex) {
    return;
  }
  m_itemIndex = value;
  m_mouseDownIndex = value;
  InvalidateChange();
  DoChange();
}

void TiRadioGroup::SetColumns(int value) {
  if (value > 0 && StoreIfChanged(m_columns, value)) {
    InvalidateChange();
  }
}

void TiRadioGroup::DoChange() {
  AnnounceChange(*this, QStringLiteral("ItemIndex"), OnChange, OnChangeUser, m_userChange);
}

void TiRadioGroup::TextChanged() { InvalidateChange(); }

void TiRadioGroup::FontChanged() {
  TiCustomComponent::FontChanged();
  ItemsChanged();
}

int TiRadioGroup::HitIndex(int x, int y) const {
  // The spacings come from integer divisions of the size by the rows and
  // columns: a small group or many items make them 0 or negative, and no
  // item can be told apart then.
  if (m_itemsRowSpacing < 1 || (m_columns > 1 && m_itemsColSpacing < 1)) {
    return -1;
  }
  int index = Round((y - m_itemsRowStart) / m_itemsRowSpacing);
  if (m_columns > 1) {
    index += Trunc((x - m_itemsColStart + 6) / m_itemsColSpacing) * m_maxRows;
  }
  return index;
}

void TiRadioGroup::DrawMark(TCanvas& canvas, int d, int b, bool held) const {
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(held ? clBtnFace : clWhite);
  canvas.FillRect({d - 3, b - 4, d + 5, b + 4});
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Pen().SetWidth(1);
  const int left = d - 5;
  const int top = b - 6;
  DrawRuns(canvas, kOuterUpperLeft, left, top, clBtnShadow);
  DrawRuns(canvas, kOuterLowerRight, left, top, clBtnHighlight);
  DrawRuns(canvas, kInnerUpperLeft, left, top, cl3DDkShadow);
  DrawRuns(canvas, kInnerLowerRight, left, top, clBtnFace);
}

void TiRadioGroup::iPaintTo(TCanvas& canvas) {
  SetTransparent(true);
  DrawBackGround(canvas, BackGroundColor());
  canvas.Font().Assign(Font());
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  const int a = canvas.TextWidth(QStringLiteral("A"));
  const int th = canvas.TextHeight(QStringLiteral("ABC"));
  const int h = th / 2;
  const int w = Width();
  const int ht = Height();

  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetColor(clBtnHighlight);
  canvas.MoveTo(1, h + 1);
  canvas.LineTo(w - 2, h + 1);
  canvas.MoveTo(1, h + 1);
  canvas.LineTo(1, ht - 1);
  canvas.Pen().SetColor(clBtnShadow);
  canvas.Polyline({{0, h}, {w - 2, h}, {w - 2, ht - 2}, {0, ht - 2}, {0, h}});
  canvas.Pen().SetColor(clBtnHighlight);
  canvas.MoveTo(w - 1, h + 1);
  canvas.LineTo(w - 1, ht - 1);
  canvas.MoveTo(w - 1, ht - 1);
  canvas.LineTo(0, ht - 1);

  TRect caption{a, 0, a + canvas.TextWidth(Caption()), canvas.TextHeight(Caption())};
  canvas.Brush().SetColor(clWindow);
  canvas.FillRect(caption);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  iDrawText(canvas, Caption(), caption, BackGroundColor(), Enabled(), iTextFlag::Left | iTextFlag::SingleLine);

  const int count = int(m_items.size());
  if (count == 0) {
    return;
  }
  m_maxRows = count / m_columns + (count % m_columns != 0 ? 1 : 0);
  m_itemsRowSpacing = (ht - th - th / 4) / m_maxRows;
  m_itemsRowStart = Round(th + m_itemsRowSpacing / 2);
  m_itemsColStart = 14;
  m_itemsColSpacing = (w - 14) / m_columns;
  // A press holds its item while the pointer stays over it; a key holds
  // the selected item.
  const int heldIndex = m_mouseDown ? (m_mouseDownIndex == m_pressedIndex ? m_pressedIndex : -1)
                        : m_keyDown ? m_mouseDownIndex
                                    : -1;
  const int focusIndex = m_mouseDown ? m_pressedIndex : m_itemIndex;
  for (int i = 0; i < count; ++i) {
    const int b = m_itemsRowStart + Round((i % m_maxRows) * m_itemsRowSpacing);
    const int d = m_itemsColStart + Round((i / m_maxRows) * m_itemsColSpacing);
    DrawMark(canvas, d, b, heldIndex == i);

    const int tw = canvas.TextWidth(m_items[i]);
    const int ti = canvas.TextHeight(m_items[i]);
    TRect text{d + 12, b - ti / 2, d + 12 + tw, b + ti / 2};
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TRect drawn = text;
    // The rectangle is an even number of pixels high and may be one short
    // of the text: descenders are not cut off.
    iDrawText(canvas, m_items[i], drawn, canvas.Font().Color(), true,
              iTextFlag::Left | iTextFlag::SingleLine | iTextFlag::NoClip);

    if (i == m_itemIndex) {
      canvas.Pen().SetColor(clBlack);
      canvas.Brush().SetStyle(TBrushStyle::bsSolid);
      canvas.Brush().SetColor(clBlack);
      canvas.Ellipse(d - 1, b - 2, d + 3, b + 2);
    }
    if (HasFocus() && i == focusIndex) {
      canvas.Font().SetColor(clWhite);
      canvas.Brush().SetStyle(TBrushStyle::bsSolid);
      canvas.Brush().SetColor(clBlack);
      DrawFocusRectangle(canvas, {text.Left - 1, text.Top - 1, text.Right + 1, text.Bottom + 3});
      canvas.Font().Assign(Font());
    }
  }
}

void TiRadioGroup::iMouseDown(TMouseButton button, TShiftState, int x, int y) {
  if (button != TMouseButton::mbLeft) {
    return;
  }
  SetFocus();
  m_mouseDown = true;
  m_mouseDownIndex = HitIndex(x, y);
  m_pressedIndex = m_mouseDownIndex;
  InvalidateChange();
}

void TiRadioGroup::iMouseMove(TShiftState, int x, int y) {
  if (m_mouseDown) {
    m_mouseDownIndex = HitIndex(x, y);
    InvalidateChange();
  }
}

void TiRadioGroup::iMouseUp(TMouseButton, TShiftState, int x, int y) {
  if (!m_mouseDown) {
    return;
  }
  InvalidateChange();
  m_mouseDown = false;
  // Only the item the press began on can be chosen, by a release on it:
  // moving onto another item and releasing there chooses nothing.
  TiUserActionScope user(m_userChange);
  if (m_pressedIndex >= 0 && m_pressedIndex < m_items.size() && HitIndex(x, y) == m_pressedIndex) {
    SetItemIndex(m_pressedIndex);
  }
}

void TiRadioGroup::iWantSpecialKey(WORD& charCode, bool& result) {
  if (charCode == VK_LEFT || charCode == VK_UP || charCode == VK_RIGHT || charCode == VK_DOWN) {
    result = true;
  }
}

void TiRadioGroup::iKeyDown(WORD& key, TShiftState) {
  m_keyDown = true;
  const int last = int(m_items.size()) - 1;
  if (key == VK_LEFT || key == VK_UP) {
    key = 0;
    if (m_itemIndex >= 0) {
      SetItemIndex(m_itemIndex == 0 ? last : m_itemIndex - 1);
    }
  } else if (key == VK_RIGHT || key == VK_DOWN) {
    key = 0;
    SetItemIndex(m_itemIndex == last ? 0 : m_itemIndex + 1);
  } else {
    InvalidateChange();
  }
}

void TiRadioGroup::iKeyUp(WORD&, TShiftState) {
  m_keyDown = false;
  InvalidateChange();
}

void TiRadioGroup::iDoKillFocus() {
  m_mouseDown = false;
  m_keyDown = false;
  InvalidateChange();
  TiCustomComponent::iDoKillFocus();
}

void TiRadioGroup::iDoSetFocus() {
  TiCustomComponent::iDoSetFocus();
  InvalidateNow();
}
