#include "platform/widgets/TCheckBox.h"

#include "platform/drawing/GdiConstants.h"

namespace {
constexpr int kBoxSize = 13;
}

TCheckBox::TCheckBox(QWidget* parent) : TCustomControl(parent) {
  SetBounds(0, 0, 97, 17);
  SetParentColor(true);
  SetTabStop(true);
}

void TCheckBox::SetChecked(bool value) {
  if (StoreIfChanged(m_checked, value)) {
    Invalidate();
  }
}

void TCheckBox::Click() {
  SetChecked(!m_checked);
  TCustomControl::Click();
}

void TCheckBox::KeyPress(QChar& key) {
  if (key == QLatin1Char(' ')) {
    key = QChar();
    Click();
    return;
  }
  TCustomControl::KeyPress(key);
}

void TCheckBox::Paint() {
  TCanvas& canvas = Canvas();
  const int top = (Height() - kBoxSize) / 2;
  const TRect box = Bounds(0, top, kBoxSize, kBoxSize);
  canvas.Pen().SetColor(clBtnShadow);
  canvas.Brush().SetColor(Enabled() ? clWindow : clBtnFace);
  canvas.Rectangle(box.Left, box.Top, box.Right, box.Bottom);
  if (m_checked) {
    // The tick: a short stroke down to the right, then a long one up, 3 px thick.
    canvas.Pen().SetColor(Enabled() ? clWindowText : clGrayText);
    for (int dy = 0; dy < 3; ++dy) {
      canvas.MoveTo(box.Left + 3, box.Top + 5 + dy);
      canvas.LineTo(box.Left + 5, box.Top + 7 + dy);
      canvas.LineTo(box.Left + 10, box.Top + 2 + dy);
    }
  }
  if (Caption().isEmpty()) {
    return;
  }
  canvas.SetBkMode(TRANSPARENT);
  canvas.Font().SetColor(Enabled() ? Font().Color() : clGrayText);
  TRect text = Rect(kBoxSize + 4, 0, Width(), Height());
  canvas.DrawText(Caption(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
