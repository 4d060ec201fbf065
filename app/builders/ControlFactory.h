#pragma once

#include <memory>
#include <stdexcept>
#include <vector>

#include <QString>

#include "platform/threads/TTimer.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TControl.h"

/// Creates the named controls of a form: each gets its name, Tag and
/// bounds and is registered under its name; a name used twice is a
/// building error (std::logic_error). Timers are owned by the factory's
/// owner through the list handed in. GUI thread only.
class ControlFactory {
public:
  ControlFactory(ControlRegistry& registry, std::vector<std::unique_ptr<TTimer>>& timers)
      : m_registry(registry), m_timers(timers) {}

  template <class T>
  T& Make(QWidget* parent, const QString& name, int left, int top, int width, int height, int tag = 0) {
    auto* control = new T(parent);
    control->SetName(name);
    control->SetTag(tag);
    control->SetBounds(left, top, width, height);
    Register(name, control);
    return *control;
  }

  /// A disabled timer (a new timer starts enabled; the form's timers are
  /// started by the code that owns them).
  TTimer& MakeTimer(const QString& name, int interval);

  void Register(const QString& name, TObject* object) {
    if (!m_registry.Register(name, object)) {
      throw std::logic_error("control name used twice: " + name.toStdString());
    }
  }

  ControlRegistry& Registry() { return m_registry; }

private:
  ControlRegistry& m_registry;
  std::vector<std::unique_ptr<TTimer>>& m_timers;
};
