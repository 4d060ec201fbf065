#pragma once

#include <memory>

#include "plot/core/TiPlotObject.h"

class TTimer;

/// A clickable rectangle inside a legend, table or toolbar, with auto-repeat
/// (a click after 500 ms held, then every 50 ms) and group clicks. Created
/// by its container with the plot as owner and no notification handlers,
/// so it never announces itself and its changes notify nothing; owned by
/// the container. GUI thread only.
class TiPlotButton : public TiPlotObject {
public:
  explicit TiPlotButton(TiPlotComponent* owner);
  ~TiPlotButton() override;

  TRect DrawRect() const { return {Left, Top, Right, Bottom}; }
  void SetDrawRect(const TRect& r);
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool Down() const { return m_down; }
  /// A change: OnInvalidate, then OnDownChange.
  void SetDown(bool value);
  bool TimerEnabled() const { return m_timerEnabled; }
  void SetTimerEnabled(bool value) { m_timerEnabled = value; }
  int GroupIndex() const { return m_groupIndex; }
  void SetGroupIndex(int value) { m_groupIndex = value; }
  /// Disabling also stops the repeat.
  void SetEnabled(bool value) override;

  /// Starts the repeat timer when TimerEnabled; OnInvalidate.
  void DoMouseLeft(const TiPlotMouseData& mouseData) override;
  void DoMouseMove(const TiPlotMouseData&) override {}
  /// Ends a press; a release inside the button clicks (OnGroupClick when
  /// GroupIndex is not 0, then OnClick).
  void DoMouseUp(const TiPlotMouseData& mouseData) override;

  /// The face of a container's scroll button: button-face fill and a
  /// raised 3-D edge, sunken while the mouse holds it.
  void DrawScrollFace(TCanvas& canvas) const;
  /// Draw, then an arrow up or down centred on the button: black, clGray
  /// while disabled.
  void DrawWithScrollArrow(TCanvas& canvas, TColor backGroundColor, bool up);

  int Top = 0;
  int Bottom = 0;
  int Right = 0;
  int Left = 0;
  TNotifyEvent OnClick;
  TNotifyEvent OnGroupClick;
  TNotifyEvent OnInvalidate;
  TNotifyEvent OnDownChange;

private:
  void RepeatTick();

  bool m_down = false;
  std::unique_ptr<TTimer> m_timer;
  bool m_firstTimerMessage = false;
  bool m_timerEnabled = false;
  int m_groupIndex = 0;
};
