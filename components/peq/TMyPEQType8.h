#pragma once

#include "components/peq/TMyPEQPanel.h"

/// A band editor with nine filter types, the high-pass types (3, 4) before
/// the low-pass types (5, 6), so its indexes from 3 on are not `PeqType`
/// values. Nothing in the editor creates one.
/// Owned by its Qt parent; GUI thread only.
class TMyPEQType8 : public TMyPEQPanel {
public:
  explicit TMyPEQType8(QWidget* parent = nullptr);
};
