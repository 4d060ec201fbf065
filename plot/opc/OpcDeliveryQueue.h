#pragma once

#include <deque>
#include <functional>
#include <mutex>

#include <QObject>

class QSocketNotifier;

/// The one queue through which OPC callbacks reach the GUI thread: any
/// thread pushes a delivery (under the queue's mutex) and wakes the GUI
/// thread through an eventfd; the GUI thread takes the deliveries in push
/// order and runs them. Made on the GUI thread by the first OPC callback
/// object and owned by the application object.
class OpcDeliveryQueue : public QObject {
public:
  /// The application's queue, made on first use (GUI thread); nullptr
  /// without application.
  static OpcDeliveryQueue* Instance();
  ~OpcDeliveryQueue() override;

  /// Any thread.
  void Push(std::function<void()> delivery);

private:
  explicit OpcDeliveryQueue(QObject* parent);
  void Drain();

  std::mutex m_mutex;  // guards: m_pending
  std::deque<std::function<void()>> m_pending;
  int m_wakeFd;
  QSocketNotifier* m_notifier;
};
