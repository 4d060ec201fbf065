#pragma once

/// When a transport writes its frame again and when it gives up: the send
/// of a new frame resets the count; each reply time-out first uses a spare
/// resend (written whatever the buffer holds), else resends the frame until
/// `RetryCount` resends were made, then waits `silentTimeouts` further
/// time-outs and reports the link error "no reply". Every time-out counts,
/// whether or not the frame was answered. A plain state machine; the
/// transport guards it with its queue mutex.
class ResendPolicy {
public:
  /// What the worker does on a time-out.
  struct Action {
    bool write = false;  ///< write the transmit buffer again
    bool error = false;  ///< clear the buffer's first byte and post the error
  };

  explicit ResendPolicy(int silentTimeouts = 0) : m_silentTimeouts(silentTimeouts) {}

  /// A new frame went out.
  void OnSend() { m_resends = 0; }
  /// A wait ended without any event. `bufferCleared`: the first byte of the
  /// transmit buffer is 0 (nothing left to resend).
  Action OnTimeout(bool bufferCleared);

  int RetryCount() const { return m_retryCount; }
  void SetRetryCount(int count) { m_retryCount = count; }
  int SpareResends() const { return m_spareResends; }
  void SetSpareResends(int count) { m_spareResends = count; }

private:
  int m_silentTimeouts;
  int m_retryCount = 2;
  int m_spareResends = 0;
  int m_resends = 0;
  int m_waits = 0;
};
