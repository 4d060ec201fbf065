#include "tools/unitsim/SimFaults.h"

void SimFaultSet::Add(const SimFault& fault) {
  if (fault.times == 0) {
    return;
  }
  std::scoped_lock lock(m_mutex);
  m_rules.push_back(fault);
}

void SimFaultSet::Clear() {
  std::scoped_lock lock(m_mutex);
  m_rules.clear();
}

bool SimFaultSet::Empty() const {
  std::scoped_lock lock(m_mutex);
  return m_rules.empty();
}

std::optional<SimFault> SimFaultSet::Take(std::uint8_t code) {
  std::scoped_lock lock(m_mutex);
  for (auto it = m_rules.begin(); it != m_rules.end(); ++it) {
    if (it->code && *it->code != code) {
      continue;
    }
    if (it->skip > 0) {
      --it->skip;
      continue;
    }
    SimFault applied = *it;
    if (it->times > 0 && --it->times == 0) {
      m_rules.erase(it);
    }
    return applied;
  }
  return std::nullopt;
}
