#include "widgets/common/ParentColor.h"

#include <QWidget>

#include "platform/widgets/TControl.h"

TColor ParentColorOf(const QWidget* control) {
  const auto* parent = dynamic_cast<const TControl*>(control->parentWidget());
  return parent != nullptr ? parent->Color() : clBtnFace;
}
