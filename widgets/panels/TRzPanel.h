#pragma once

#include "widgets/panels/TRzCustomPanel.h"

/// The framed panel of the forms (see TRzCustomPanel): raised outer frame,
/// centred caption. Owned by its Qt parent; GUI thread.
class TRzPanel : public TRzCustomPanel {
public:
  using TRzCustomPanel::TRzCustomPanel;
};
