#pragma once

#include <cstdint>
#include <memory>

#include <QString>
#include <QVariant>

#include "plot/opc/IiOPCCallbacks.h"

/// The OPC client library as the plot library calls it: the entries it
/// uses, by their names, plus HasEntry, which tells whether the library
/// provides an entry at all (a library may lack some). Values are QVariants
/// of explicit types (short, int, signed char, uchar, ushort, uint,
/// qlonglong, float, double, QString); time stamps are date-times (days
/// since 30 December 1899). A failed call leaves its reason for
/// GetLastCallErrorString (empty after a call that succeeded). Callbacks
/// are shared with the library, which may call them on its own threads
/// until the signal or group is removed. Implementations are thread-safe.
class IOpcClientLibrary {
public:
  virtual ~IOpcClientLibrary() = default;

  virtual bool HasEntry(const QString& name) const = 0;

  /// requestedType: 8 asks for text, 0 for the server's own type. 0 = no
  /// signal.
  virtual int SignalAdd(const QString& computerName, const QString& serverName, const QString& itemName,
                        const QString& groupName, int updateRate, bool startSuspended, std::uint16_t requestedType,
                        std::shared_ptr<IiOPCSignalCallback> callback) = 0;
  virtual void SignalRemove(int handle) = 0;
  virtual void SignalSuspend(int handle) = 0;
  virtual void SignalResume(int handle) = 0;
  virtual bool SignalGetUpdateSuspended(int handle) = 0;
  virtual bool SignalGetActive(int handle) = 0;
  virtual void SignalSendData(int handle, const QVariant& value) = 0;
  /// Reads the value from the server at once.
  virtual void SignalGetDataNow(int handle) = 0;
  virtual QVariant SignalGetData(int handle) = 0;
  virtual double SignalGetTimeStamp(int handle) = 0;
  virtual std::uint16_t SignalGetQuality(int handle) = 0;

  virtual int GroupAdd(const QString& name, const QString& computerName, const QString& serverName, int updateRate,
                       std::shared_ptr<IiOPCGroupCallback> callback) = 0;
  virtual void GroupDelete(int handle) = 0;
  virtual void GroupResume(int handle) = 0;
  virtual void GroupSuspend(int handle) = 0;
  virtual void GroupSetUpdateRate(int handle, int updateRate) = 0;

  virtual void CloseAllServerConnections() = 0;
  virtual int ServerConnectionGetCount() = 0;
  virtual QString ServerConnectionGetName(int index) = 0;

  /// True for the first manager of the process.
  virtual bool ManagerCreated() = 0;
  virtual void ManagerDestroyed() = 0;

  virtual QString GetLastCallErrorString() = 0;
};
