#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "plot/opc/IOpcClientLibrary.h"

/// An in-process OPC client library over a simulated server, for tests:
/// server values by server and item name (computer names are not
/// compared) with quality and time stamp, signals and groups, named server
/// connections, entries that can be removed, an error text injected into
/// the next call, and deliveries from its own worker thread. Each value
/// delivered to a signal waits (at most 5 s) until the signal has read it
/// (its quality, read last) or is removed, as a server that keeps one value per signal would, so
/// values published in a row all arrive. Thread-safe.
class OpcTestLibrary : public IOpcClientLibrary {
public:
  OpcTestLibrary();
  ~OpcTestLibrary() override;

  // Set-up and inspection, any thread.
  void RemoveEntry(const QString& name);
  /// The next library call (not GetLastCallErrorString) fails with text.
  void FailNextCall(const QString& text);
  void AddServerConnection(const QString& name);
  /// Stores the server's value and delivers it, from the worker, to every
  /// active signal of that server and item.
  void Publish(const QString& serverName, const QString& itemName, const QVariant& value,
               std::uint16_t quality = 0xC0, double timeStamp = 0);
  /// Values for the group's signals by item name, delivered from the worker
  /// between BeforeGroupUpdate and AfterGroupUpdate.
  void PublishGroup(int groupHandle, const std::map<QString, QVariant>& values);
  /// Calls the callbacks of every group with handle (known or not).
  void NotifyGroupUpdate(int groupHandle);

  struct SignalInfo {
    QString computerName, serverName, itemName, groupName;
    int updateRate = 0;
    bool suspended = false;
    std::uint16_t requestedType = 0;
  };
  /// The signals alive now by handle.
  std::map<int, SignalInfo> Signals() const;
  int SignalsAdded() const;
  struct GroupInfo {
    QString name, computerName, serverName;
    int updateRate = 0;
    bool suspended = false;
  };
  std::map<int, GroupInfo> Groups() const;
  std::vector<std::pair<int, QVariant>> SentData() const;
  int ManagersAlive() const;
  int CloseAllCount() const;
  /// Whether the worker has handed a value over and waits for its read.
  bool IsWaitingForRead() const;

  // IOpcClientLibrary.
  bool HasEntry(const QString& name) const override;
  int SignalAdd(const QString& computerName, const QString& serverName, const QString& itemName,
                const QString& groupName, int updateRate, bool startSuspended, std::uint16_t requestedType,
                std::shared_ptr<IiOPCSignalCallback> callback) override;
  void SignalRemove(int handle) override;
  void SignalSuspend(int handle) override;
  void SignalResume(int handle) override;
  bool SignalGetUpdateSuspended(int handle) override;
  bool SignalGetActive(int handle) override;
  void SignalSendData(int handle, const QVariant& value) override;
  void SignalGetDataNow(int handle) override;
  QVariant SignalGetData(int handle) override;
  double SignalGetTimeStamp(int handle) override;
  std::uint16_t SignalGetQuality(int handle) override;
  int GroupAdd(const QString& name, const QString& computerName, const QString& serverName, int updateRate,
               std::shared_ptr<IiOPCGroupCallback> callback) override;
  void GroupDelete(int handle) override;
  void GroupResume(int handle) override;
  void GroupSuspend(int handle) override;
  void GroupSetUpdateRate(int handle, int updateRate) override;
  void CloseAllServerConnections() override;
  int ServerConnectionGetCount() override;
  QString ServerConnectionGetName(int index) override;
  bool ManagerCreated() override;
  void ManagerDestroyed() override;
  QString GetLastCallErrorString() override;

private:
  struct ServerValue {
    QVariant value;
    std::uint16_t quality = 0;
    double timeStamp = 0;
  };
  struct Signal {
    SignalInfo info;
    ServerValue current;
    int reads = 0;
    std::shared_ptr<IiOPCSignalCallback> callback;
  };
  struct Group {
    GroupInfo info;
    std::shared_ptr<IiOPCGroupCallback> callback;
  };
  struct Delivery {
    enum class Kind { Signal, Group, GroupNotify } kind = Kind::Signal;
    int handle = 0;
    ServerValue value;
    std::map<QString, QVariant> groupValues;
  };

  /// Starts a call: takes the injected error, if any (caller holds the lock).
  void BeginCall();
  void Enqueue(Delivery delivery);
  void Run(const std::stop_token& stop);
  void Deliver(const Delivery& delivery);
  /// Gives signal handle a value and waits until it was read.
  void DeliverToSignal(int handle, const ServerValue& value);
  void WakeReaders();

  mutable std::mutex m_mutex;  // guards: every member below up to the fds
  QSet<QString> m_removedEntries;
  QString m_injectedError;
  QString m_lastError;
  QStringList m_connections;
  std::map<QString, ServerValue> m_serverValues;
  std::map<int, Signal> m_signals;
  std::map<int, Group> m_groups;
  std::vector<std::pair<int, QVariant>> m_sent;
  std::deque<Delivery> m_queue;
  int m_nextHandle = 1;
  int m_signalsAdded = 0;
  int m_managers = 0;
  int m_closeAll = 0;
  bool m_stopping = false;
  bool m_waitingForRead = false;
  int m_wakeFd;
  int m_readFd;
  int m_stopFd;
  std::jthread m_worker;
};
