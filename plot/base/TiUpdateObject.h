#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class TTimer;

/// What the update timer reads of a control without knowing its class.
class IiUpdateControl {
public:
  virtual ~IiUpdateControl() = default;
  virtual bool GetUpdateActive() const = 0;
  virtual bool GetNeedsRepaint() const = 0;
  virtual int GetUpdateFrameRate() const = 0;
  /// Monotonic time (TiUpdateClock) of the last repaint carried out.
  virtual std::int64_t GetLastUpdate() const = 0;
  virtual void InvalidateNow() = 0;
};

/// The library-wide repaint timer: every second it carries out the repaints
/// that the frame-rate throttle only recorded. Every TiComponent registers
/// itself from construction to destruction; the timer runs while at least
/// one is registered. One instance for the whole run (GlobalUpdateObject);
/// GUI thread only.
class TiUpdateObject {
public:
  TiUpdateObject();
  ~TiUpdateObject();
  TiUpdateObject(const TiUpdateObject&) = delete;
  TiUpdateObject& operator=(const TiUpdateObject&) = delete;

  /// Appends the control; the first one starts the timer.
  void AddUpdateControl(IiUpdateControl* control);
  /// Removes the control if present; the last one stops the timer.
  void RemoveUpdateControl(IiUpdateControl* control);
  bool TimerEnabled() const;
  int ControlCount() const { return int(m_controls.size()); }

  /// One tick: every registered control that is outside an update block,
  /// has a recorded repaint and is due repaints now. Runs over a snapshot;
  /// a control unregistered by an earlier repaint is skipped.
  void TimerTick();

  /// Whether a control's last repaint lies more than one frame in the past
  /// (a frame rate of 0 is always due).
  static bool ControlIsDue(const IiUpdateControl& control, std::int64_t nowNs);

private:
  std::unique_ptr<TTimer> m_timer;
  std::vector<IiUpdateControl*> m_controls;
};

/// The one update timer of the library.
TiUpdateObject& GlobalUpdateObject();
