#include "platform/widgets/ParentPainting.h"

#include <QPainter>
#include <QWidget>

#include "platform/drawing/TCanvas.h"
#include "platform/widgets/TControl.h"

namespace ParentPainting {

void SendEraseBackground(QWidget* target, TCanvas& canvas) {
  if (target == nullptr || canvas.Target() == nullptr) {
    return;
  }
  if (auto* control = dynamic_cast<TControl*>(target)) {
    control->PaintBackgroundTo(canvas);
    return;
  }
  if (target->autoFillBackground() || target->isWindow()) {
    auto painter = canvas.BeginPainter();
    painter->fillRect(target->rect(), target->palette().brush(target->backgroundRole()));
  }
}

void SendPrintClient(QWidget* target, TCanvas& canvas) {
  if (target == nullptr || canvas.Target() == nullptr) {
    return;
  }
  if (auto* control = dynamic_cast<TControl*>(target)) {
    control->PaintClientTo(canvas);
    return;
  }
  const TPoint origin = canvas.LogicalToDevice({0, 0});
  QRegion region(target->rect());
  if (const auto clip = canvas.GetClipRgn()) {
    region &= clip->ToQRegion().translated(-origin.X, -origin.Y);
  }
  target->render(canvas.Target(), QPoint(origin.X, origin.Y), region, QWidget::RenderFlags());
}

}  // namespace ParentPainting
