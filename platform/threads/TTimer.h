#pragma once

#include <memory>

#include "platform/core/TObject.h"

class QTimer;

/// A repeating timer of the thread that creates it (the GUI thread for
/// every timer of the forms): while Enabled and Interval > 0 it raises
/// OnTimer every Interval milliseconds. Created enabled with an interval of
/// 1000 ms, as the class library's timer is. Writing Enabled or Interval
/// restarts the count. Exceptions thrown by OnTimer are caught and logged.
class TTimer : public TObject {
public:
  TTimer();
  ~TTimer() override;
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool value);
  int Interval() const { return m_interval; }
  void SetInterval(int milliseconds);
  /// Milliseconds until the next OnTimer; -1 while the timer does not run.
  int RemainingTime() const;
  /// Tag of the component, free for the program's use.
  int Tag() const { return m_tag; }
  void SetTag(int tag) { m_tag = tag; }

  TNotifyEvent OnTimer;

private:
  void Update();
  void Fire();

  std::unique_ptr<QTimer> m_timer;
  bool m_enabled = true;
  int m_interval = 1000;
  int m_tag = 0;
};
