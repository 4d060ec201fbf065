#include "link/UsbHidPort.h"

#include <algorithm>
#include <vector>

#include "hid/TJvHidDevice.h"

namespace {

constexpr std::uint8_t kReportId = 0x00;
constexpr std::size_t kLengthByte = 4;
constexpr std::size_t kFrameOverhead = 8;

}  // namespace

void UsbHidPort::SetDevice(TJvHidDevice* device) {
  std::scoped_lock lock(m_mutex);
  m_device = device;
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
  std::scoped_lock lock(m_mutex);
  if (m_transport != from || m_device == nullptr || count == 0) {
    return;
  }
  const std::size_t outputLength = m_device->Caps().OutputReportByteLength;
  std::vector<std::uint8_t> report(std::max(outputLength, count + 1), 0);
  report[0] = kReportId;
  std::copy(bytes, bytes + count, report.begin() + 1);
  std::uint32_t written = 0;
  m_device->WriteFile(report.data(), static_cast<std::uint32_t>(report.size()), written);

  if (m_log) {
    const std::size_t logged = count > kLengthByte ? std::min(count, bytes[kLengthByte] + kFrameOverhead) : count;
    m_log(FormatLinkLogLine(QString::asprintf("USB W %02X  ", kReportId),
                            std::vector<std::uint8_t>(bytes, bytes + logged)));
  }
}

void UsbHidPort::LogWhileOpen(const QString& line) const {
  if (m_log && Transport() != nullptr) {
    m_log(line);
  }
}
