#include "widgets/labels/TRzBlinkingControlsList.h"

#include <algorithm>

#include "platform/widgets/TControl.h"

namespace {
std::unique_ptr<TRzBlinkingControlsList> g_list;
int g_users = 0;
}  // namespace

TRzBlinkingControlsList& TRzBlinkingControlsList::Acquire() {
  if (!g_list) {
    g_list = std::make_unique<TRzBlinkingControlsList>();
  }
  ++g_users;
  return *g_list;
}

void TRzBlinkingControlsList::Release() {
  if (g_users > 0 && --g_users == 0) {
    g_list.reset();
  }
}

TRzBlinkingControlsList* TRzBlinkingControlsList::Instance() { return g_list.get(); }

TRzBlinkingControlsList::TRzBlinkingControlsList() {
  m_timer.OnTimer = [this](TObject*) { TimerFired(); };
  m_timer.SetInterval(m_intervalOff);
  m_timer.SetEnabled(true);
}

TRzBlinkingControlsList::~TRzBlinkingControlsList() { m_timer.OnTimer = nullptr; }

void TRzBlinkingControlsList::Add(TControl* control) { m_controls.emplace_back(control); }

void TRzBlinkingControlsList::Remove(TControl* control) {
  std::erase_if(m_controls, [control](const QPointer<TControl>& c) { return c.isNull() || c == control; });
}

void TRzBlinkingControlsList::SetIntervalOff(int milliseconds) { m_intervalOff = std::clamp(milliseconds, 0, 0xFFFF); }
void TRzBlinkingControlsList::SetIntervalOn(int milliseconds) { m_intervalOn = std::clamp(milliseconds, 0, 0xFFFF); }

void TRzBlinkingControlsList::TimerFired() {
  if (m_blinkState == TBlinkState::bsOff) {
    m_blinkState = TBlinkState::bsOn;
    m_timer.SetInterval(m_intervalOff);
  } else {
    m_blinkState = TBlinkState::bsOff;
    m_timer.SetInterval(m_intervalOn);
  }
  // A control may be destroyed by a handler of the phase; copy first.
  const std::vector<QPointer<TControl>> controls = m_controls;
  for (const QPointer<TControl>& control : controls) {
    if (!control.isNull() && control->Perform(CM_BLINK_QUERY) == 1 && !control.isNull()) {
      control->Perform(CM_BLINK_PHASE, static_cast<std::intptr_t>(m_blinkState));
    }
  }
}
