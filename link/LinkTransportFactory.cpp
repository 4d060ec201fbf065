#include "link/LinkTransportFactory.h"

#include <utility>

#include <QString>

#include "link/LCommProc.h"
#include "link/LNetProc.h"
#include "link/LUsbProc.h"
#include "link/LinkTransportAdapter.h"
#include "platform/io/SerialPort.h"

namespace {

constexpr int kBaudRate = 115200;
constexpr int kByteSize = 8;

}  // namespace

LinkTransportFactory::LinkTransportFactory(LinkLogSink log) : m_log(std::move(log)) {}

std::unique_ptr<ILinkTransport> LinkTransportFactory::Create(LinkKind kind, const QString& portName, int unitId,
                                                             QObject& owner) {
  if (kind == LinkKind::Usb && m_usbPort) {
    return std::make_unique<LinkTransportAdapter>(std::make_unique<LUsbProc>(&owner, unitId, m_usbPort),
                                                  [](LinkTransport& transport) { return static_cast<LUsb&>(transport).Open(); });
  }
  if (kind == LinkKind::Network && m_netPort) {
    return std::make_unique<LinkTransportAdapter>(std::make_unique<LNetProc>(&owner, unitId, m_netPort),
                                                  [](LinkTransport& transport) { return static_cast<LNet&>(transport).Open(); });
  }
  if (kind != LinkKind::Serial) {
    return nullptr;
  }
  return std::make_unique<LinkTransportAdapter>(
      std::make_unique<LCommProc>(&owner, unitId, m_log), [portName](LinkTransport& transport) {
        return static_cast<LComm&>(transport).Open(portName, kBaudRate, kByteSize, SerialPort::NOPARITY,
                                                   SerialPort::ONESTOPBIT);
      });
}
