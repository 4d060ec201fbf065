#include "platform/threads/TTimer.h"

#include <QTimer>

#include "platform/threads/EventGuard.h"

TTimer::TTimer() : m_timer(std::make_unique<QTimer>()) {
  m_timer->setTimerType(Qt::PreciseTimer);
  QObject::connect(m_timer.get(), &QTimer::timeout, m_timer.get(), [this] { Fire(); });
  Update();
}

TTimer::~TTimer() = default;

void TTimer::Fire() {
  RunGuarded("TTimer", [this] { Raise(OnTimer, this); });
}

void TTimer::Update() {
  m_timer->stop();
  if (m_enabled && m_interval > 0) {
    m_timer->start(m_interval);
  }
}

void TTimer::SetEnabled(bool value) {
  if (StoreIfChanged(m_enabled, value)) {
    Update();
  }
}

int TTimer::RemainingTime() const { return m_timer->remainingTime(); }

void TTimer::SetInterval(int milliseconds) {
  if (StoreIfChanged(m_interval, milliseconds)) {
    Update();
  }
}
