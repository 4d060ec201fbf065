#pragma once

#include "plot/base/TiComponent.h"

/// A group of simultaneous changes of a control (BeginChangeGroup), open
/// for the scope and closed however the scope ends. GUI thread.
class TiChangeGroup {
public:
  explicit TiChangeGroup(TiComponent& control) : m_control(control) { m_control.BeginChangeGroup(); }
  ~TiChangeGroup() { m_control.EndChangeGroup(); }
  TiChangeGroup(const TiChangeGroup&) = delete;
  TiChangeGroup& operator=(const TiChangeGroup&) = delete;

private:
  TiComponent& m_control;
};
