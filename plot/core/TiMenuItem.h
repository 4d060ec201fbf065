#pragma once

#include <QString>

#include "platform/widgets/TPopupMenu.h"

/// A pop-up menu item standing for another object, whose identifying
/// string (such as a channel's name) it carries in AString.
class TiMenuItem : public TMenuItem {
public:
  QString AString;
};
