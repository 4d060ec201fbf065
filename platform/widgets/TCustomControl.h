#pragma once

#include "platform/widgets/TWinControl.h"

/// A windowed control that draws itself: override Paint and draw on
/// Canvas(); the background is erased with Color first (see TWinControl).
/// GUI thread only.
class TCustomControl : public TWinControl {
public:
  explicit TCustomControl(QWidget* parent = nullptr) : TWinControl(parent) {}
};
