#include "plot/opc/OpcGuiForwarder.h"

#include <QCoreApplication>
#include <QMetaObject>

#include "platform/EventGuard.h"

std::shared_ptr<OpcGuiForwarder> OpcGuiForwarder::Create(Handler handler) {
  return std::shared_ptr<OpcGuiForwarder>(new OpcGuiForwarder(std::move(handler)));
}

void OpcGuiForwarder::Post(Call call, int handle) {
  QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr) {
    return;
  }
  QMetaObject::invokeMethod(
      application, [self = shared_from_this(), call, handle] { self->Deliver(call, handle); }, Qt::QueuedConnection);
}

void OpcGuiForwarder::Deliver(Call call, int handle) {
  if (!m_handler) {
    return;
  }
  // The handler may cancel this forwarder (deactivating its item), which
  // must not destroy the function while it runs.
  const Handler handler = m_handler;
  RunGuarded("OPC delivery", [&] { handler(call, handle); });
}
