#include "tests/plot/opc/OpcTestLibrary.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <chrono>

namespace {

constexpr int kOpcTestReadWaitMs = 5000;

QString OpcTestServerKey(const QString& serverName, const QString& itemName) {
  return serverName.toLower() + QLatin1Char('|') + itemName.toLower();
}

void OpcTestPost(int fd) {
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = write(fd, &one, sizeof one);
}

void OpcTestDrain(int fd) {
  std::uint64_t value = 0;
  [[maybe_unused]] const ssize_t got = read(fd, &value, sizeof value);
}

}  // namespace

OpcTestLibrary::OpcTestLibrary()
    : m_wakeFd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)),
      m_readFd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)),
      m_stopFd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)),
      m_worker([this](const std::stop_token& stop) { Run(stop); }) {}

OpcTestLibrary::~OpcTestLibrary() {
  {
    std::scoped_lock lock(m_mutex);
    m_stopping = true;
  }
  m_worker.request_stop();
  OpcTestPost(m_stopFd);
  m_worker.join();
  close(m_wakeFd);
  close(m_readFd);
  close(m_stopFd);
}

void OpcTestLibrary::Run(const std::stop_token& stop) {
  while (!stop.stop_requested()) {
    pollfd fds[2] = {{m_wakeFd, POLLIN, 0}, {m_stopFd, POLLIN, 0}};
    if (poll(fds, 2, -1) < 0) {
      continue;
    }
    if ((fds[1].revents & POLLIN) != 0) {
      return;
    }
    OpcTestDrain(m_wakeFd);
    while (true) {
      Delivery delivery;
      {
        std::scoped_lock lock(m_mutex);
        if (m_stopping || m_queue.empty()) {
          break;
        }
        delivery = std::move(m_queue.front());
        m_queue.pop_front();
      }
      Deliver(delivery);
    }
  }
}

void OpcTestLibrary::Deliver(const Delivery& delivery) {
  if (delivery.kind == Delivery::Kind::Signal) {
    DeliverToSignal(delivery.handle, delivery.value);
    return;
  }
  std::shared_ptr<IiOPCGroupCallback> callback;
  std::vector<std::pair<int, ServerValue>> members;
  {
    std::scoped_lock lock(m_mutex);
    if (const auto it = m_groups.find(delivery.handle); it != m_groups.end()) {
      callback = it->second.callback;
      for (const auto& [handle, signal] : m_signals) {
        const auto value = delivery.groupValues.find(signal.info.itemName);
        if (signal.info.groupName == it->second.info.name && value != delivery.groupValues.end()) {
          members.push_back({handle, {value->second, 0xC0, 0}});
        }
      }
    }
  }
  if (!callback) {
    return;
  }
  callback->BeforeGroupUpdate(delivery.handle);
  for (const auto& [handle, value] : members) {
    DeliverToSignal(handle, value);
  }
  callback->AfterGroupUpdate(delivery.handle);
}

void OpcTestLibrary::DeliverToSignal(int handle, const ServerValue& value) {
  std::shared_ptr<IiOPCSignalCallback> callback;
  int readsBefore = 0;
  {
    std::scoped_lock lock(m_mutex);
    const auto it = m_signals.find(handle);
    if (it == m_signals.end() || it->second.info.suspended) {
      return;
    }
    it->second.current = value;
    readsBefore = it->second.reads;
    callback = it->second.callback;
  }
  callback->DataChanged(handle);
  struct WaitMark {
    OpcTestLibrary& library;
    explicit WaitMark(OpcTestLibrary& l) : library(l) {
      std::scoped_lock lock(library.m_mutex);
      library.m_waitingForRead = true;
    }
    ~WaitMark() {
      std::scoped_lock lock(library.m_mutex);
      library.m_waitingForRead = false;
    }
  } mark(*this);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kOpcTestReadWaitMs);
  while (true) {
    {
      std::scoped_lock lock(m_mutex);
      const auto it = m_signals.find(handle);
      if (m_stopping || it == m_signals.end() || it->second.reads > readsBefore) {
        return;
      }
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
    if (left <= 0) {
      return;
    }
    pollfd fds[2] = {{m_readFd, POLLIN, 0}, {m_stopFd, POLLIN, 0}};
    if (poll(fds, 2, int(left)) > 0 && (fds[0].revents & POLLIN) != 0) {
      OpcTestDrain(m_readFd);
    }
  }
}

void OpcTestLibrary::WakeReaders() { OpcTestPost(m_readFd); }

void OpcTestLibrary::Enqueue(Delivery delivery) {
  {
    std::scoped_lock lock(m_mutex);
    m_queue.push_back(std::move(delivery));
  }
  OpcTestPost(m_wakeFd);
}

void OpcTestLibrary::RemoveEntry(const QString& name) {
  std::scoped_lock lock(m_mutex);
  m_removedEntries.insert(name);
}

void OpcTestLibrary::FailNextCall(const QString& text) {
  std::scoped_lock lock(m_mutex);
  m_injectedError = text;
}

void OpcTestLibrary::AddServerConnection(const QString& name) {
  std::scoped_lock lock(m_mutex);
  m_connections << name;
}

void OpcTestLibrary::Publish(const QString& serverName, const QString& itemName, const QVariant& value,
                             std::uint16_t quality, double timeStamp) {
  const ServerValue stored{value, quality, timeStamp};
  std::vector<int> handles;
  {
    std::scoped_lock lock(m_mutex);
    m_serverValues[OpcTestServerKey(serverName, itemName)] = stored;
    for (const auto& [handle, signal] : m_signals) {
      if (OpcTestServerKey(signal.info.serverName, signal.info.itemName) == OpcTestServerKey(serverName, itemName)) {
        handles.push_back(handle);
      }
    }
  }
  for (const int handle : handles) {
    Delivery delivery;
    delivery.handle = handle;
    delivery.value = stored;
    Enqueue(std::move(delivery));
  }
}

void OpcTestLibrary::PublishGroup(int groupHandle, const std::map<QString, QVariant>& values) {
  Delivery delivery;
  delivery.kind = Delivery::Kind::Group;
  delivery.handle = groupHandle;
  delivery.groupValues = values;
  Enqueue(std::move(delivery));
}

void OpcTestLibrary::NotifyGroupUpdate(int groupHandle) {
  std::vector<std::shared_ptr<IiOPCGroupCallback>> callbacks;
  {
    std::scoped_lock lock(m_mutex);
    for (const auto& [handle, group] : m_groups) {
      callbacks.push_back(group.callback);
    }
  }
  for (const auto& callback : callbacks) {
    callback->BeforeGroupUpdate(groupHandle);
    callback->AfterGroupUpdate(groupHandle);
  }
}

std::map<int, OpcTestLibrary::SignalInfo> OpcTestLibrary::Signals() const {
  std::scoped_lock lock(m_mutex);
  std::map<int, SignalInfo> result;
  for (const auto& [handle, signal] : m_signals) {
    result[handle] = signal.info;
  }
  return result;
}

int OpcTestLibrary::SignalsAdded() const {
  std::scoped_lock lock(m_mutex);
  return m_signalsAdded;
}

std::map<int, OpcTestLibrary::GroupInfo> OpcTestLibrary::Groups() const {
  std::scoped_lock lock(m_mutex);
  std::map<int, GroupInfo> result;
  for (const auto& [handle, group] : m_groups) {
    result[handle] = group.info;
  }
  return result;
}

std::vector<std::pair<int, QVariant>> OpcTestLibrary::SentData() const {
  std::scoped_lock lock(m_mutex);
  return m_sent;
}

int OpcTestLibrary::ManagersAlive() const {
  std::scoped_lock lock(m_mutex);
  return m_managers;
}

bool OpcTestLibrary::IsWaitingForRead() const {
  std::scoped_lock lock(m_mutex);
  return m_waitingForRead;
}

int OpcTestLibrary::CloseAllCount() const {
  std::scoped_lock lock(m_mutex);
  return m_closeAll;
}

void OpcTestLibrary::BeginCall() {
  m_lastError = m_injectedError;
  m_injectedError.clear();
}

bool OpcTestLibrary::HasEntry(const QString& name) const {
  std::scoped_lock lock(m_mutex);
  return !m_removedEntries.contains(name);
}

int OpcTestLibrary::SignalAdd(const QString& computerName, const QString& serverName, const QString& itemName,
                              const QString& groupName, int updateRate, bool startSuspended,
                              std::uint16_t requestedType, std::shared_ptr<IiOPCSignalCallback> callback) {
  std::scoped_lock lock(m_mutex);
  BeginCall();
  if (!m_lastError.isEmpty()) {
    return 0;
  }
  QString server = serverName;
  for (const auto& [handle, group] : m_groups) {
    if (server.isEmpty() && group.info.name == groupName) {
      server = group.info.serverName;
    }
  }
  Signal signal;
  signal.info = {computerName, server, itemName, groupName, updateRate, startSuspended, requestedType};
  if (const auto it = m_serverValues.find(OpcTestServerKey(server, itemName)); it != m_serverValues.end()) {
    signal.current = it->second;
  }
  signal.callback = std::move(callback);
  const int handle = m_nextHandle++;
  m_signals[handle] = std::move(signal);
  ++m_signalsAdded;
  return handle;
}

void OpcTestLibrary::SignalRemove(int handle) {
  {
    std::scoped_lock lock(m_mutex);
    BeginCall();
    m_signals.erase(handle);
  }
  WakeReaders();
}

void OpcTestLibrary::SignalSuspend(int handle) {
  std::scoped_lock lock(m_mutex);
  BeginCall();
  if (const auto it = m_signals.find(handle); it != m_signals.end()) {
    it->second.info.suspended = true;
  }
}

void OpcTestLibrary::SignalResume(int handle) {
  std::scoped_lock lock(m_mutex);
  BeginCall();
  if (const auto it = m_signals.find(handle); it != m_signals.end()) {
    it->second.info.suspended = false;
  }
}

bool OpcTestLibrary::SignalGetUpdateSuspended(int handle) {
  std::scoped_lock lock(m_mutex);
  BeginCall();
  const auto it = m_signals.find(handle);
  return it != m_signals.end() && it->second.info.suspended;
}

bool OpcTestLibrary::SignalGetActive(int handle) {
  std::scoped_lock lock(m_mutex);
  BeginCall();
  return m_signals.count(handle) != 0;
}

void OpcTestLibrary::SignalSendData(int handle, const QVariant& value) {
  std::scoped_lock lock(m_mutex);
  BeginCall();
  m_sent.push_back({handle, value});
}

void OpcTestLibrary::SignalGetDataNow(int handle) {
  std::scoped_lock lock(m_mutex);
  BeginCall();
  if (const auto it = m_signals.find(handle); it != m_signals.end()) {
    const auto value = m_serverValues.find(OpcTestServerKey(it->second.info.serverName, it->second.info.itemName));
    if (value != m_serverValues.end()) {
      it->second.current = value->second;
    }
  }
}

QVariant OpcTestLibrary::SignalGetData(int handle) {
  QVariant value;
  {
    std::scoped_lock lock(m_mutex);
    BeginCall();
    if (const auto it = m_signals.find(handle); it != m_signals.end()) {
      value = it->second.current.value;
    }
  }
  return value;
}

double OpcTestLibrary::SignalGetTimeStamp(int handle) {
  std::scoped_lock lock(m_mutex);
  BeginCall();
  const auto it = m_signals.find(handle);
  return it != m_signals.end() ? it->second.current.timeStamp : 0;
}

std::uint16_t OpcTestLibrary::SignalGetQuality(int handle) {
  std::uint16_t quality = 0;
  {
    std::scoped_lock lock(m_mutex);
    BeginCall();
    // The quality is what a client reads last of a value.
    if (const auto it = m_signals.find(handle); it != m_signals.end()) {
      ++it->second.reads;
      quality = it->second.current.quality;
    }
  }
  WakeReaders();
  return quality;
}

int OpcTestLibrary::GroupAdd(const QString& name, const QString& computerName, const QString& serverName,
                             int updateRate, std::shared_ptr<IiOPCGroupCallback> callback) {
  std::scoped_lock lock(m_mutex);
  BeginCall();
  const int handle = m_nextHandle++;
  m_groups[handle] = {{name, computerName, serverName, updateRate, false}, std::move(callback)};
  return handle;
}

void OpcTestLibrary::GroupDelete(int handle) {
  std::scoped_lock lock(m_mutex);
  BeginCall();
  m_groups.erase(handle);
}

void OpcTestLibrary::GroupResume(int handle) {
  std::scoped_lock lock(m_mutex);
  BeginCall();
  if (const auto it = m_groups.find(handle); it != m_groups.end()) {
    it->second.info.suspended = false;
  }
}

void OpcTestLibrary::GroupSuspend(int handle) {
  std::scoped_lock lock(m_mutex);
  BeginCall();
  if (const auto it = m_groups.find(handle); it != m_groups.end()) {
    it->second.info.suspended = true;
  }
}

void OpcTestLibrary::GroupSetUpdateRate(int handle, int updateRate) {
  std::scoped_lock lock(m_mutex);
  BeginCall();
  if (const auto it = m_groups.find(handle); it != m_groups.end()) {
    it->second.info.updateRate = updateRate;
  }
}

void OpcTestLibrary::CloseAllServerConnections() {
  std::scoped_lock lock(m_mutex);
  BeginCall();
  ++m_closeAll;
}

int OpcTestLibrary::ServerConnectionGetCount() {
  std::scoped_lock lock(m_mutex);
  BeginCall();
  return int(m_connections.size());
}

QString OpcTestLibrary::ServerConnectionGetName(int index) {
  std::scoped_lock lock(m_mutex);
  BeginCall();
  return m_connections.value(index);
}

bool OpcTestLibrary::ManagerCreated() {
  std::scoped_lock lock(m_mutex);
  BeginCall();
  return m_managers++ == 0;
}

void OpcTestLibrary::ManagerDestroyed() {
  std::scoped_lock lock(m_mutex);
  BeginCall();
  --m_managers;
}

QString OpcTestLibrary::GetLastCallErrorString() {
  std::scoped_lock lock(m_mutex);
  return m_lastError;
}
