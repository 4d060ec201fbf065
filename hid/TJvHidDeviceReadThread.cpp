#include "hid/TJvHidDeviceReadThread.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <system_error>

#include <QEvent>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QObject>

#include "hid/HidError.h"
#include "hid/TJvHidDevice.h"
#include "platform/threads/CancellableHandOver.h"
#include "platform/threads/EventGuard.h"
#include "platform/io/HidSystem.h"

Q_LOGGING_CATEGORY(lcHidRead, "krv71.hid.read")

namespace {

// The longest report a hidraw device hands over, and one byte for the id.
constexpr std::size_t kLongestReport = 4096 + 1;

bool DeviceGone(int error) { return error == ENODEV || error == ENOENT || error == EIO || error == ENXIO; }

}  // namespace

// Lives on the GUI thread and runs the posted hand-overs there. Work is
// posted with the gate held; taking the gate before running it orders the
// reader's writes before the GUI thread's reads where Qt's queue does so
// unseen by a thread checker.
class TJvHidDeviceReadThread::Receiver : public QObject {
public:
  explicit Receiver(std::shared_ptr<std::mutex> gate) : m_gate(std::move(gate)) {}

  bool event(QEvent* event) override {
    { std::scoped_lock lock(*m_gate); }
    return QObject::event(event);
  }

private:
  std::shared_ptr<std::mutex> m_gate;
};

TJvHidDeviceReadThread::TJvHidDeviceReadThread() {
  throw EControllerError("Direct creation of a TJvDeviceReadThread object is not allowed");
}

TJvHidDeviceReadThread::TJvHidDeviceReadThread(TJvHidDevice& device)
    : m_device(&device), m_receiver(new Receiver(m_gate)) {}

TJvHidDeviceReadThread::~TJvHidDeviceReadThread() {
  Terminate();
  WaitFor();
  if (m_receiver != nullptr) {
    m_receiver->deleteLater();
  }
}

bool TJvHidDeviceReadThread::Start() {
  if (!m_stop.IsValid()) {
    return false;
  }
  try {
    m_thread = std::thread([this] { Execute(); });
  } catch (const std::system_error& error) {
    qCWarning(lcHidRead) << "cannot start the read thread:" << error.what();
    return false;
  }
  return true;
}

void TJvHidDeviceReadThread::Terminate() {
  std::scoped_lock lock(*m_gate);
  m_terminated = true;
  if (m_pending) {
    m_pending->Cancel();
  }
  m_stop.Signal();
}

void TJvHidDeviceReadThread::WaitFor() {
  if (m_thread.joinable()) {
    m_thread.join();
  }
}

void TJvHidDeviceReadThread::Execute() {
  while (!m_terminated.load()) {
    int error = 0;
    if (ReadOne(error)) {
      continue;
    }
    if (error == 0) {
      return;
    }
    // A read that cannot be started is reported; a device that has gone
    // fails every start, so the thread ends instead of reporting again.
    m_err = static_cast<std::uint32_t>(error);
    if (!HandOver(&TJvHidDeviceReadThread::DoDataError) || DeviceGone(error) || !m_device->IsPluggedIn()) {
      return;
    }
    Pause();
  }
}

bool TJvHidDeviceReadThread::ReadOne(int& error) {
  HIDP_CAPS caps;
  m_device->GetCaps(caps);
  const std::size_t length = caps.InputReportByteLength > 0 ? caps.InputReportByteLength : kLongestReport;
  m_report.assign(length, 0);
  const std::shared_ptr<HidDeviceFile> file = m_device->ReadHandle(error);
  if (!file) {
    return false;
  }
  pollfd fds[2] = {{file->Fd(), POLLIN, 0}, {m_stop.Fd(), POLLIN, 0}};
  const int ready = ::poll(fds, 2, m_device->ThreadSleepTime());
  if (ready < 0 && errno != EINTR) {
    error = errno;
    return false;
  }
  if (ready <= 0 || fds[1].revents != 0) {
    return true;
  }
  if ((fds[0].revents & POLLIN) == 0) {
    error = 0;  // hang-up: the device has gone
    return false;
  }
  const HidReportDescriptor* descriptor = m_device->PreparsedData();
  const std::size_t offset = descriptor != nullptr && descriptor->UsesReportIds() ? 0 : 1;
  const ssize_t n = file->Read(m_report.data() + offset, m_report.size() - offset);
  if (n < 0) {
    // EAGAIN: another reader took the report. A failed read is dropped,
    // unless the device has gone.
    const int readError = errno;
    m_device->m_overlappedReadResult = 0;
    return !DeviceGone(readError);
  }
  if (n == 0) {
    return false;
  }
  m_numBytesRead = static_cast<std::uint32_t>(n) + static_cast<std::uint32_t>(offset);
  m_device->m_overlappedReadResult = m_numBytesRead;
  return HandOver(&TJvHidDeviceReadThread::DoData);
}

bool TJvHidDeviceReadThread::HandOver(void (TJvHidDeviceReadThread::*work)()) {
  auto handOver = std::make_shared<CancellableHandOver>();
  {
    std::scoped_lock lock(*m_gate);
    if (m_terminated.load()) {
      return false;
    }
    m_pending = handOver;
    QMetaObject::invokeMethod(
        m_receiver,
        [this, handOver, work] {
          if (!handOver->Claim()) {
            return;
          }
          RunGuarded("HID read hand-over", [&] { (this->*work)(); });
          handOver->Finish();
        },
        Qt::QueuedConnection);
  }
  const bool handled = handOver->Wait();
  std::scoped_lock lock(*m_gate);
  m_pending.reset();
  return handled && !m_terminated.load();
}

void TJvHidDeviceReadThread::DoData() {
  const std::uint32_t size = std::min<std::uint32_t>(m_numBytesRead, static_cast<std::uint32_t>(m_report.size()));
  m_device->DoData(m_report[0], m_report.data() + 1, static_cast<std::uint16_t>(size - 1));
}

void TJvHidDeviceReadThread::DoDataError() { m_device->DoDataError(m_err); }

void TJvHidDeviceReadThread::Pause() {
  pollfd stop{m_stop.Fd(), POLLIN, 0};
  ::poll(&stop, 1, m_device->ThreadSleepTime());
}
