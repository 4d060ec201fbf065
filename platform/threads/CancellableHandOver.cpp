#include "platform/threads/CancellableHandOver.h"

bool CancellableHandOver::Claim() {
  std::scoped_lock lock(m_mutex);
  if (m_state != State::Posted) {
    return false;
  }
  m_state = State::Claimed;
  return true;
}

void CancellableHandOver::Finish() {
  {
    std::scoped_lock lock(m_mutex);
    if (m_state == State::Cancelled) {
      return;
    }
    m_state = State::Finished;
  }
  m_changed.notify_all();
}

void CancellableHandOver::Cancel() {
  {
    std::scoped_lock lock(m_mutex);
    if (m_state == State::Finished) {
      return;
    }
    m_state = State::Cancelled;
  }
  m_changed.notify_all();
}

bool CancellableHandOver::Wait() {
  std::unique_lock lock(m_mutex);
  m_changed.wait(lock, [this] { return m_state == State::Finished || m_state == State::Cancelled; });
  return m_state == State::Finished;
}
