#include "plot/opc/OpcDeliveryQueue.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include "platform/threads/EventGuard.h"

OpcDeliveryQueue* OpcDeliveryQueue::Instance() {
  static QPointer<OpcDeliveryQueue> instance;
  if (instance.isNull() && QCoreApplication::instance() != nullptr) {
    instance = new OpcDeliveryQueue(QCoreApplication::instance());
  }
  return instance;
}

OpcDeliveryQueue::OpcDeliveryQueue(QObject* parent)
    : QObject(parent),
      m_wakeFd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)),
      m_notifier(new QSocketNotifier(m_wakeFd, QSocketNotifier::Read, this)) {
  connect(m_notifier, &QSocketNotifier::activated, this, [this] { Drain(); });
}

OpcDeliveryQueue::~OpcDeliveryQueue() { close(m_wakeFd); }

void OpcDeliveryQueue::Push(std::function<void()> delivery) {
  {
    std::scoped_lock lock(m_mutex);
    m_pending.push_back(std::move(delivery));
  }
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = write(m_wakeFd, &one, sizeof one);
}

void OpcDeliveryQueue::Drain() {
  std::uint64_t count = 0;
  [[maybe_unused]] const ssize_t got = read(m_wakeFd, &count, sizeof count);
  std::deque<std::function<void()>> taken;
  {
    std::scoped_lock lock(m_mutex);
    taken.swap(m_pending);
  }
  for (std::function<void()>& delivery : taken) {
    RunGuarded("OPC delivery", delivery);
  }
}
