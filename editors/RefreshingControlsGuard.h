#pragma once

#include "components/MainWindowState.h"

/// Sets RefreshingControls for its lifetime and restores the value it
/// found: while it lives, editor handlers return at once and the unit model
/// sends nothing. GUI thread only.
class RefreshingControlsGuard {
public:
  explicit RefreshingControlsGuard(MainWindowState& state) : m_state(state), m_previous(state.RefreshingControls) {
    m_state.RefreshingControls = true;
  }
  ~RefreshingControlsGuard() { m_state.RefreshingControls = m_previous; }
  RefreshingControlsGuard(const RefreshingControlsGuard&) = delete;
  RefreshingControlsGuard& operator=(const RefreshingControlsGuard&) = delete;

private:
  MainWindowState& m_state;
  bool m_previous;
};
