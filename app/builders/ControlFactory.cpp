#include "app/builders/ControlFactory.h"

TTimer& ControlFactory::MakeTimer(const QString& name, int interval) {
  m_timers.push_back(std::make_unique<TTimer>());
  TTimer& timer = *m_timers.back();
  timer.SetEnabled(false);
  timer.SetInterval(interval);
  Register(name, &timer);
  return timer;
}
