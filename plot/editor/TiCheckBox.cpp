#include "plot/editor/TiCheckBox.h"

#include <algorithm>

#include "platform/pictures/TBitmap.h"
#include "plot/base/iDrawing.h"
#include "plot/editor/iUserChange.h"

TiCheckBox::TiCheckBox(QWidget* parent) : TiCustomComponent(parent) {
  SetTabStop(true);
  SetBounds(Left(), Top(), 97, 17);
  // Stored before AutoSize is on: a new check box keeps its 97 x 17.
  SetCaption(QStringLiteral("Caption"));
  m_autoSize = true;
}

void TiCheckBox::SetChecked(bool value) {
  if (value == m_checked) {
    return;
  }
  bool allow = true;
  if (OnRequestEdit) {
    OnRequestEdit(this, QStringLiteral("Checked"), allow);
  }
  if (!allow) {
    return;
  }
  m_checked = value;
  InvalidateChange();
  DoChange();
  OPCOutputData(QStringLiteral("Checked"), value);
}

void TiCheckBox::DoChange() { AnnounceChange(*this, QStringLiteral("Checked"), OnChange, OnChangeUser, m_userChange); }

void TiCheckBox::SetAlignment(TLeftRight value) {
  if (StoreIfChanged(m_alignment, value)) {
    InvalidateChange();
  }
}

void TiCheckBox::SetAutoSize(bool value) {
  if (StoreIfChanged(m_autoSize, value)) {
    DoAutoSize();
    InvalidateChange();
  }
}

void TiCheckBox::TextChanged() {
  DoAutoSize();
  InvalidateChange();
}

void TiCheckBox::FontChanged() {
  TiCustomComponent::FontChanged();
  DoAutoSize();
  InvalidateChange();
}

void TiCheckBox::DoAutoSize() {
  if (!m_autoSize || IsLoading() || m_doingAutoSize) {
    return;
  }
  m_doingAutoSize = true;
  TBitmap measure(1, 1);
  TCanvas& canvas = measure.Canvas();
  canvas.Font().Assign(Font());
  const int w = canvas.TextWidth(Caption()) + 20;
  const int h = canvas.TextHeight(Caption()) + 4;
  if (m_alignment == TLeftRight::taLeftJustify) {
    SetBounds(w != Width() ? Left() + Width() - w : Left(), Top(), w, h);
  } else {
    SetBounds(Left(), Top(), w, h);
  }
  m_doingAutoSize = false;
}

void TiCheckBox::iPaintTo(TCanvas& canvas) {
  SetTransparent(true);
  DrawBackGround(canvas, BackGroundColor());
  canvas.Font().Assign(Font());
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  const int tw = canvas.TextWidth(Caption());
  const int th = canvas.TextHeight(Caption());
  const int m = Height() / 2;
  const int t = m - th / 2 - 1;
  const bool boxLeft = m_alignment == TLeftRight::taRightJustify;
  const TRect box = boxLeft ? TRect{0, m - 7, 13, m + 6} : TRect{Width() - 13, m - 7, Width(), m + 6};
  TRect caption = boxLeft ? TRect{18, t, tw + 18, t + th} : TRect{1, t, tw + 1, t + th};

  canvas.Brush().SetColor((m_mouseDown || m_keyDown || !Enabled()) ? BackGroundColor() : clWhite);
  canvas.FillRect(box);
  DrawFrame3D(canvas, box, 0);

  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  TRect textRect = caption;
  iDrawText(canvas, Caption(), textRect, BackGroundColor(), Enabled(), iTextFlag::Left | iTextFlag::SingleLine);

  if (m_checked) {
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetColor(clBlack);
    canvas.Pen().SetWidth(1);
    const int l = box.Left;
    for (int lift = 0; lift < 3; ++lift) {
      canvas.Polyline({{l + 3, m - lift}, {l + 5, m + 2 - lift}, {l + 10, m - 3 - lift}});
    }
  }

  if (HasFocus()) {
    const TRect focus{std::max(caption.Left - 1, 0), std::max(caption.Top - 1, 0),
                      std::min(caption.Right + 1, Width() - 1), std::min(caption.Bottom + 2, Height() - 1)};
    canvas.Font().SetColor(clWhite);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(clBlack);
    DrawFocusRectangle(canvas, focus);
  }
}

void TiCheckBox::iMouseDown(TMouseButton button, TShiftState, int, int) {
  if (button != TMouseButton::mbLeft) {
    return;
  }
  SetFocus();
  m_mouseDown = true;
  InvalidateChange();
}

void TiCheckBox::iMouseUp(TMouseButton, TShiftState, int x, int y) {
  if (!m_mouseDown) {
    return;
  }
  InvalidateChange();
  m_mouseDown = false;
  TiUserActionScope user(m_userChange);
  if (x >= 0 && x < Width() && y >= 0 && y < Height()) {
    SetChecked(!m_checked);
  }
}

void TiCheckBox::iKeyDown(WORD& key, TShiftState) {
  if (key == VK_SPACE) {
    m_mouseDown = false;
    m_keyDown = true;
    InvalidateChange();
  }
}

void TiCheckBox::iKeyUp(WORD& key, TShiftState) {
  const bool toggle = key == VK_SPACE && m_keyDown;
  m_keyDown = false;
  if (toggle) {
    InvalidateChange();
    TiUserActionScope user(m_userChange);
    SetChecked(!m_checked);
  }
}

void TiCheckBox::iDoKillFocus() {
  m_mouseDown = false;
  m_keyDown = false;
  InvalidateChange();
  TiCustomComponent::iDoKillFocus();
}

void TiCheckBox::iDoSetFocus() {
  TiCustomComponent::iDoSetFocus();
  InvalidateNow();
}
