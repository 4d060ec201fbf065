#pragma once

/// An auto-reset event for threads that wait with poll(): Signal sets it,
/// Consume resets it, and the descriptor polls readable while it is set.
/// Signal and Consume may be called from any thread; the descriptor lives as
/// long as the object.
class EventFd {
public:
  EventFd();
  ~EventFd();
  EventFd(const EventFd&) = delete;
  EventFd& operator=(const EventFd&) = delete;

  /// False when the system refused the descriptor.
  bool IsValid() const { return m_fd >= 0; }
  int Fd() const { return m_fd; }
  void Signal();
  /// Resets the event; true when it was set.
  bool Consume();

private:
  int m_fd = -1;
};
