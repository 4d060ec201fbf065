#pragma once

class TiPlotComponent;

/// Closes a plot the system draws to the user's own changes: no run-time
/// editor ("Edit..." and double clicks), no pop-up menu on any of its
/// objects and no mouse input on its axes (drags and wheel notches would
/// move their ranges away from the ones the host set). The plot library's
/// defaults stay as they are for its other users. Applies to the objects
/// the plot holds when called; GUI thread.
void CloseSystemPlotInput(TiPlotComponent& plot);
