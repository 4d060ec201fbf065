#include "link/LComm.h"

#include <memory>
#include <string>
#include <utility>

#include <termios.h>

#include <QLoggingCategory>

#include "link/LinkIo.h"
#include "link/LinkWorker.h"
#include "platform/io/SerialPort.h"

Q_LOGGING_CATEGORY(lcSerial, "krv71.link.serial")

namespace {

constexpr int kStandardBaudRate = 115200;
// How long a write may wait for room in the driver before the frame is given up.
constexpr int kWriteLimitMs = 1000;

// The worker's side of the serial port; drops unread input and closes it
// when the worker ends. Output already written still goes out: the goodbye
// is written just before the link closes.
class SerialLinkIo : public LinkIo {
public:
  explicit SerialLinkIo(std::unique_ptr<SerialPort> port) : m_port(std::move(port)) {}
  ~SerialLinkIo() override { ::tcflush(m_port->Fd(), TCIFLUSH); }
  SerialLinkIo(const SerialLinkIo&) = delete;
  SerialLinkIo& operator=(const SerialLinkIo&) = delete;

  int ReadFd() const override { return m_port->Fd(); }
  bool ReadAvailable(std::vector<std::uint8_t>& bytes) override { return m_port->ReadAvailable(bytes); }
  void Write(std::span<const std::uint8_t> frame, int wakeFd) override {
    m_port->Write(frame, wakeFd, kWriteLimitMs);
  }
  bool DeliversReplies() const override { return m_port->BaudRate() == kStandardBaudRate; }

private:
  std::unique_ptr<SerialPort> m_port;
};

}  // namespace

LComm::LComm(QObject* owner, int unitId, LinkProfile profile, LinkLogSink log)
    : LinkTransport(owner, unitId, std::move(profile), std::move(log)) {}

bool LComm::Open(const QString& path, int baudRate, int byteSize, int parity, int stopBits) {
  if (IsOpen()) {
    return false;
  }
  auto port = std::make_unique<SerialPort>();
  std::string error;
  if (!port->Open(path.toStdString(), error) || !port->Configure(baudRate, byteSize, parity, stopBits, error)) {
    qCWarning(lcSerial) << "cannot open" << path << ":" << QString::fromStdString(error);
    return false;
  }
  port->Purge();
  return Start(std::make_unique<SerialLinkIo>(std::move(port)));
}

void LComm::SetSpareResends(int count) { Worker().SetSpareResends(count); }

int LComm::SpareResends() const { return Worker().SpareResends(); }
