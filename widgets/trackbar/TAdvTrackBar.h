#pragma once

#include "widgets/trackbar/TCustomTrackBar.h"

/// The track bar the forms place: TCustomTrackBar with nothing added.
/// Owned by its parent. GUI thread only.
class TAdvTrackBar : public TCustomTrackBar {
public:
  using TCustomTrackBar::TCustomTrackBar;
};
