#include "plot/opc/OpcGuiForwarder.h"

#include "plot/opc/OpcDeliveryQueue.h"

std::shared_ptr<OpcGuiForwarder> OpcGuiForwarder::Create(Handler handler) {
  return std::shared_ptr<OpcGuiForwarder>(new OpcGuiForwarder(std::move(handler), OpcDeliveryQueue::Instance()));
}

void OpcGuiForwarder::Post(Call call, int handle) {
  if (m_queue != nullptr) {
    m_queue->Push([self = shared_from_this(), call, handle] { self->Deliver(call, handle); });
  }
}

void OpcGuiForwarder::Deliver(Call call, int handle) {
  if (!m_handler) {
    return;
  }
  // The handler may cancel this forwarder (deactivating its item), which
  // must not destroy the function while it runs.
  const Handler handler = m_handler;
  handler(call, handle);
}
