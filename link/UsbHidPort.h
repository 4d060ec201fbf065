#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

#include <QPointer>
#include <QSocketNotifier>

#include "link/LinkProfile.h"
#include "platform/threads/EventFd.h"

class LUsb;
class TJvHidDevice;

/// What the USB transport and the HID glue share: the unit's checked-out
/// HID device (`HidDevice`), the USB transport that is open (`UsbTransport`)
/// and the write routine through which that transport's worker sends each
/// frame as one output report. One small mutex guards the two pointers and
/// is never held across a write or a log line, so the GUI thread never
/// waits for a device write; a device taken away while a write uses it is
/// released (checked in) only after that write. Held by shared ownership
/// by the glue and every USB transport. SetDevice, ReleaseDevice, Attach,
/// Detach, Device and Transport on the GUI thread; WriteHidReport on a
/// transport's worker.
class UsbHidPort {
public:
  /// `log` receives the "USB W" and "USB R" traffic lines; either thread.
  explicit UsbHidPort(LinkLogSink log = {}) : m_log(std::move(log)) {}

  /// The unit's device, or null. A device replaced while a write uses it
  /// must not be destroyed before WaitForWrites (see ReleaseDevice).
  void SetDevice(TJvHidDevice* device);
  /// Takes `device` away if it is the unit's device (no write starts on it
  /// any more) and runs `release` on the GUI thread once no write uses it:
  /// at once when none does, else when the write ends (the writer signals
  /// an eventfd that a notifier owned by `context` watches).
  void ReleaseDevice(TJvHidDevice* device, QObject* context, std::function<void()> release);
  /// Waits until no write uses a device (before the devices are destroyed).
  void WaitForWrites();
  TJvHidDevice* Device() const;
  /// The transport becomes `UsbTransport`.
  void Attach(LUsb* transport);
  /// `UsbTransport` is null again, if it was `transport`.
  void Detach(const LUsb* transport);
  LUsb* Transport() const;

  /// Writes one frame as one output report: report id 0, the frame, filler
  /// up to the device's output report length (longer when the frame needs
  /// it). Nothing happens unless `from` is `UsbTransport` and a device is
  /// set. The result is not looked at: a failed write shows as time-outs.
  /// Logs "USB W 00  " and the frame's bytes while a transport is open.
  void WriteHidReport(const LUsb* from, const std::uint8_t* bytes, std::size_t count);
  /// Logs a traffic line while a transport is open; GUI thread.
  void LogWhileOpen(const QString& line) const;

private:
  void OnWriteEnded();

  LinkLogSink m_log;
  EventFd m_writeEnded;                         ///< signalled when a write a release waits for ends
  QPointer<QSocketNotifier> m_notifier;  ///< GUI thread; made on the first deferred release
  mutable std::mutex m_mutex;
  std::condition_variable m_noWrite;
  TJvHidDevice* m_device = nullptr;   // guards: m_mutex
  LUsb* m_transport = nullptr;        // guards: m_mutex
  TJvHidDevice* m_writing = nullptr;  // guards: m_mutex; the device a write uses
  std::function<void()> m_pendingRelease;  // guards: m_mutex
};
