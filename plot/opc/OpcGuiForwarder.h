#pragma once

#include <functional>
#include <memory>

#include "plot/opc/IiOPCCallbacks.h"

class OpcDeliveryQueue;

/// The callbacks the OPC client library holds for one item or manager:
/// whatever thread the library calls them on, each call is queued to the
/// GUI thread (through the application's OpcDeliveryQueue, so all
/// forwarders keep one arrival order) and handed to the handler there. Cancel, on the GUI
/// thread, drops the calls still queued and every later one; the owner
/// cancels before it stops listening or dies, and the library's shared
/// reference keeps the forwarder alive for calls still under way. An
/// exception of the handler is logged, never passed to the event loop.
class OpcGuiForwarder : public IiOPCSignalCallback,
                        public IiOPCGroupCallback,
                        public std::enable_shared_from_this<OpcGuiForwarder> {
public:
  enum class Call { DataChanged = 0, BeforeGroupUpdate = 1, AfterGroupUpdate = 2 };
  using Handler = std::function<void(Call call, int handle)>;

  /// GUI thread; handler runs on the GUI thread.
  static std::shared_ptr<OpcGuiForwarder> Create(Handler handler);

  void DataChanged(int signalHandle) override { Post(Call::DataChanged, signalHandle); }
  void BeforeGroupUpdate(int groupHandle) override { Post(Call::BeforeGroupUpdate, groupHandle); }
  void AfterGroupUpdate(int groupHandle) override { Post(Call::AfterGroupUpdate, groupHandle); }

  /// GUI thread.
  void Cancel() { m_handler = nullptr; }

private:
  OpcGuiForwarder(Handler handler, OpcDeliveryQueue* queue) : m_handler(std::move(handler)), m_queue(queue) {}
  void Post(Call call, int handle);
  void Deliver(Call call, int handle);

  Handler m_handler;  // read and cleared on the GUI thread only
  OpcDeliveryQueue* const m_queue;
};
