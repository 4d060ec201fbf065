#include "plot/base/TiUpdateObject.h"

#include <algorithm>

#include "platform/threads/TTimer.h"
#include "plot/base/TiUpdateClock.h"

TiUpdateObject::TiUpdateObject() : m_timer(std::make_unique<TTimer>()) {
  m_timer->SetEnabled(false);
  m_timer->OnTimer = [this](TObject*) { TimerTick(); };
}

TiUpdateObject::~TiUpdateObject() = default;

void TiUpdateObject::AddUpdateControl(IiUpdateControl* control) {
  m_controls.push_back(control);
  if (m_controls.size() == 1) {
    m_timer->SetEnabled(true);
  }
}

void TiUpdateObject::RemoveUpdateControl(IiUpdateControl* control) {
  const auto it = std::find(m_controls.begin(), m_controls.end(), control);
  if (it != m_controls.end()) {
    m_controls.erase(it);
  }
  if (m_controls.empty()) {
    m_timer->SetEnabled(false);
  }
}

bool TiUpdateObject::TimerEnabled() const { return m_timer->Enabled(); }

bool TiUpdateObject::ControlIsDue(const IiUpdateControl& control, std::int64_t nowNs) {
  const int rate = control.GetUpdateFrameRate();
  if (rate == 0) {
    return true;
  }
  return nowNs > control.GetLastUpdate() + 1'000'000'000 / rate;
}

void TiUpdateObject::TimerTick() {
  const std::vector<IiUpdateControl*> snapshot = m_controls;
  for (IiUpdateControl* control : snapshot) {
    if (std::find(m_controls.begin(), m_controls.end(), control) == m_controls.end()) {
      continue;
    }
    if (control->GetUpdateActive() || !control->GetNeedsRepaint()) {
      continue;
    }
    if (ControlIsDue(*control, TiUpdateClock::NowNs())) {
      control->InvalidateNow();
    }
  }
}

TiUpdateObject& GlobalUpdateObject() {
  static TiUpdateObject instance;
  return instance;
}
