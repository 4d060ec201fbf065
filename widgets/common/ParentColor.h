#pragma once

#include "platform/drawing/TColor.h"

class QWidget;

/// The Color of the control's parent when that is one of our controls,
/// else clBtnFace. GUI thread.
TColor ParentColorOf(const QWidget* control);
