#pragma once

#include <memory>
#include <vector>

#include <QPointer>

#include "platform/threads/TTimer.h"

class TControl;

/// Message numbers of the blink protocol.
constexpr unsigned CM_BLINK_QUERY = 0xB3E8;  ///< answer 1 to take part in this tick
constexpr unsigned CM_BLINK_PHASE = 0xB3E9;  ///< WParam = the list's new TBlinkState

enum class TBlinkState : unsigned char { bsOn, bsOff };

/// The one blink clock of the process: a timer that flips a phase between
/// on and off and tells every registered control that wants to blink.
/// Created by the first label (Acquire) and freed with the last (Release);
/// controls are not owned. GUI thread only.
class TRzBlinkingControlsList {
public:
  /// The list, created on first use; every Acquire is paired with a Release.
  static TRzBlinkingControlsList& Acquire();
  static void Release();
  /// The list while any label exists, else nullptr.
  static TRzBlinkingControlsList* Instance();

  TRzBlinkingControlsList();
  ~TRzBlinkingControlsList();
  TRzBlinkingControlsList(const TRzBlinkingControlsList&) = delete;
  TRzBlinkingControlsList& operator=(const TRzBlinkingControlsList&) = delete;

  void Add(TControl* control);
  void Remove(TControl* control);
  int Count() const { return int(m_controls.size()); }

  /// One tick: flips the phase, sets the next interval (off after turning
  /// on, on after turning off) and sends the phase to every control that
  /// answers the blink query.
  void TimerFired();

  TBlinkState BlinkState() const { return m_blinkState; }
  int IntervalOff() const { return m_intervalOff; }
  void SetIntervalOff(int milliseconds);
  int IntervalOn() const { return m_intervalOn; }
  void SetIntervalOn(int milliseconds);
  /// Milliseconds until the next tick.
  int NextInterval() const { return m_timer.Interval(); }

private:
  TBlinkState m_blinkState = TBlinkState::bsOff;
  std::vector<QPointer<TControl>> m_controls;
  TTimer m_timer;
  int m_intervalOff = 500;
  int m_intervalOn = 500;
};
