#include "platform/widgets/TGraphicControl.h"

TGraphicControl::TGraphicControl(QWidget* parent) : TControl(parent) {
  setFocusPolicy(Qt::NoFocus);
  StackBelowWindowedSiblings();
}

void TGraphicControl::StackBelowWindowedSiblings() {
  QWidget* parent = parentWidget();
  if (parent == nullptr) {
    return;
  }
  for (QObject* child : parent->children()) {
    auto* sibling = qobject_cast<QWidget*>(child);
    if (sibling != nullptr && sibling != this && dynamic_cast<TGraphicControl*>(sibling) == nullptr &&
        !sibling->isWindow()) {
      stackUnder(sibling);
      return;
    }
  }
}

void TGraphicControl::SetEnabled(bool value) {
  setAttribute(Qt::WA_TransparentForMouseEvents, !value);
  TControl::SetEnabled(value);
}

void TGraphicControl::BringToFront() {
  raise();
  StackBelowWindowedSiblings();
}
