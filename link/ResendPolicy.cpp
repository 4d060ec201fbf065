#include "link/ResendPolicy.h"

ResendPolicy::Action ResendPolicy::OnTimeout(bool bufferCleared) {
  if (m_spareResends >= 1) {
    --m_spareResends;
    return {.write = true, .error = false};
  }
  if (m_resends < m_retryCount) {
    m_waits = 0;
    ++m_resends;
    return {.write = !bufferCleared, .error = false};
  }
  if (m_waits >= m_silentTimeouts) {
    m_resends = 0;
    return {.write = false, .error = true};
  }
  ++m_waits;
  return {};
}
