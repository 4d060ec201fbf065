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

/// Raises a plain event if a handler is set.
inline void Raise(const TNotifyEvent& event, TObject* sender) {
  if (event) {
    event(sender);
  }
}
