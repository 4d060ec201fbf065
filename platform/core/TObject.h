#pragma once

#include <functional>

/// Common base of the objects that appear as the `Sender` of an event
/// (controls, timers, graphics objects), so one handler type serves all of
/// them; handlers cast the sender to what they expect.
class TObject {
public:
  virtual ~TObject() = default;
};

/// The plain event type: `OnClick`, `OnChange`, `OnTimer` ...
using TNotifyEvent = std::function<void(TObject* Sender)>;

/// Stores value in field when it differs; returns whether it did. The
/// setters of stored properties use it to repaint or notify only on change.
template <typename T>
bool StoreIfChanged(T& field, const T& value) {
  if (field == value) {
    return false;
  }
  field = value;
  return true;
}

/// Raises a plain event if a handler is set.
inline void Raise(const TNotifyEvent& event, TObject* sender) {
  if (event) {
    event(sender);
  }
}
