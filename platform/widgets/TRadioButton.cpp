#include "platform/widgets/TRadioButton.h"

#include "platform/drawing/GdiConstants.h"

namespace {
constexpr int kMarkSize = 13;
}

TRadioButton::TRadioButton(QWidget* parent) : TCustomControl(parent) {
  SetBounds(0, 0, 113, 17);
  SetParentColor(true);
  SetTabStop(true);
}

void TRadioButton::SetChecked(bool value) {
  if (!StoreIfChanged(m_checked, value)) {
    return;
  }
  if (m_checked && parentWidget() != nullptr) {
    for (QObject* sibling : parentWidget()->children()) {
      auto* other = dynamic_cast<TRadioButton*>(sibling);
      if (other != nullptr && other != this) {
        other->SetChecked(false);
      }
    }
  }
  Invalidate();
}

void TRadioButton::Click() {
  SetChecked(true);
  TCustomControl::Click();
}

void TRadioButton::Paint() {
  TCanvas& canvas = Canvas();
  const int top = (Height() - kMarkSize) / 2;
  const TRect mark = Bounds(0, top, kMarkSize, kMarkSize);
  canvas.Pen().SetColor(clBtnShadow);
  canvas.Brush().SetColor(Enabled() ? clWindow : clBtnFace);
  canvas.Ellipse(mark.Left, mark.Top, mark.Right, mark.Bottom);
  if (m_checked) {
    const TColor ink = Enabled() ? clWindowText : clGrayText;
    canvas.Pen().SetColor(ink);
    canvas.Brush().SetColor(ink);
    canvas.Ellipse(mark.Left + 4, mark.Top + 4, mark.Right - 4, mark.Bottom - 4);
  }
  canvas.Brush().SetColor(Color());
  canvas.SetBkMode(TRANSPARENT);
  canvas.Font().SetColor(Enabled() ? Font().Color() : clGrayText);
  TRect text = Rect(kMarkSize + 4, 0, Width(), Height());
  canvas.DrawText(Caption(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
