#pragma once

/// Start, stop and transition of one level run while a channel draws a
/// digital trace. Plain value; GUI thread.
struct TDigitalSequenceData {
  void Clear() { StartSet = StopSet = TransitionSet = false; }

  bool StartSet = false;
  double StartXValue = 0;
  bool StartYValue = false;
  bool StopSet = false;
  double StopXValue = 0;
  bool TransitionSet = false;
  double TransitionXValue = 0;
};
