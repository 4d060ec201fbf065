#pragma once

#include "plot/base/TiVCLComponent.h"

/// Common base of the plot component and the library's other controls;
/// adds nothing to TiVCLComponent. Owned by its Qt parent; GUI thread.
class TiCustomComponent : public TiVCLComponent {
public:
  explicit TiCustomComponent(QWidget* parent = nullptr) : TiVCLComponent(parent) {}
};
