#include "link/UsbHidPort.h"

#include <algorithm>
#include <utility>
#include <vector>


#include "hid/TJvHidDevice.h"
#include "link/FrameSpan.h"

namespace {

constexpr std::uint8_t kReportId = 0x00;

}  // namespace

void UsbHidPort::SetDevice(TJvHidDevice* device) {
  std::scoped_lock lock(m_mutex);
  m_device = device;
}

void UsbHidPort::ReleaseDevice(TJvHidDevice* device, QObject* context, std::function<void()> release) {
  bool deferred = false;
  {
    std::scoped_lock lock(m_mutex);
    if (m_device == device) {
      m_device = nullptr;
    }
    deferred = m_writing == device;
    if (deferred) {
      m_pendingRelease = std::move(release);
    }
  }
  if (!deferred) {
    release();
  } else if (!m_notifier) {
    m_notifier = new QSocketNotifier(m_writeEnded.Fd(), QSocketNotifier::Read, context);
    QObject::connect(m_notifier, &QSocketNotifier::activated, [this] { OnWriteEnded(); });
  }
}

void UsbHidPort::OnWriteEnded() {
  m_writeEnded.Consume();
  std::function<void()> release;
  {
    std::scoped_lock lock(m_mutex);
    if (m_writing == nullptr) {
      release = std::exchange(m_pendingRelease, {});
    }
  }
  if (release) {
    release();
  }
}

void UsbHidPort::WaitForWrites() {
  std::unique_lock lock(m_mutex);
  m_noWrite.wait(lock, [this] { return m_writing == nullptr; });
}

TJvHidDevice* UsbHidPort::Device() const {
  std::scoped_lock lock(m_mutex);
  return m_device;
}

void UsbHidPort::Attach(LUsb* transport) {
  std::scoped_lock lock(m_mutex);
  m_transport = transport;
}

void UsbHidPort::Detach(const LUsb* transport) {
  std::scoped_lock lock(m_mutex);
  if (m_transport == transport) {
    m_transport = nullptr;
  }
}

LUsb* UsbHidPort::Transport() const {
  std::scoped_lock lock(m_mutex);
  return m_transport;
}

void UsbHidPort::WriteHidReport(const LUsb* from, const std::uint8_t* bytes, std::size_t count) {
  TJvHidDevice* device = nullptr;
  {
    std::scoped_lock lock(m_mutex);
    if (m_transport != from || m_device == nullptr || count == 0) {
      return;
    }
    device = m_device;
    m_writing = device;
  }
  const std::size_t outputLength = device->Caps().OutputReportByteLength;
  std::vector<std::uint8_t> report(std::max(outputLength, count + 1), 0);
  report[0] = kReportId;
  std::copy(bytes, bytes + count, report.begin() + 1);
  std::uint32_t written = 0;
  device->WriteFile(report.data(), static_cast<std::uint32_t>(report.size()), written);

  bool releaseWaits = false;
  {
    std::scoped_lock lock(m_mutex);
    m_writing = nullptr;
    releaseWaits = static_cast<bool>(m_pendingRelease);
  }
  m_noWrite.notify_all();
  if (releaseWaits) {
    m_writeEnded.Signal();
  }
  if (m_log) {
    const std::size_t logged = FrameLayout::FrameSpan(std::span(bytes, count));
    m_log(FormatLinkLogLine(QString::asprintf("USB W %02X  ", kReportId),
                            std::vector<std::uint8_t>(bytes, bytes + logged)));
  }
}

void UsbHidPort::LogWhileOpen(const QString& line) const {
  if (m_log && Transport() != nullptr) {
    m_log(line);
  }
}
