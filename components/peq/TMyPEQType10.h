#pragma once

#include "components/peq/TMyPEQPanel.h"

/// The equaliser band editor of a main-window channel: eleven filter types in
/// `PeqType` order, 0.1 dB gain steps, the current band's boxes green.
/// Owned by its Qt parent; GUI thread only.
class TMyPEQType10 : public TMyPEQPanel {
public:
  explicit TMyPEQType10(QWidget* parent = nullptr);
};
