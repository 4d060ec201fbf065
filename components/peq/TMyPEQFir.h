#pragma once

#include "components/peq/TMyPEQPanel.h"

/// The band editor of the FIR designer's equaliser: seven filter types
/// (`PeqType` 0..6), no highlight of the current band and no forwarding of
/// mouse-downs in the value boxes (a click there only makes its row current).
/// Owned by its Qt parent; GUI thread only.
class TMyPEQFir : public TMyPEQPanel {
public:
  explicit TMyPEQFir(QWidget* parent = nullptr);
};
