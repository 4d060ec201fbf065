#pragma once

#include <QString>

#include "platform/core/TObject.h"

/// One OPC group of a TiOPCManager: a named set of items with a common
/// update rate on one server, and the client library's handle of it (0 =
/// none, as without library). Owned by its manager; GUI thread only.
class TiOPCGroupObject : public TObject {
public:
  TiOPCGroupObject(const QString& name, const QString& computerName, const QString& opcServerName, int updateRate)
      : m_name(name), m_computerName(computerName), m_opcServerName(opcServerName), m_updateRate(updateRate) {}

  QString Name() const { return m_name; }
  QString ComputerName() const { return m_computerName; }
  QString OPCServerName() const { return m_opcServerName; }
  int UpdateRate() const { return m_updateRate; }
  /// A changed rate is stored and given to the library (EPlotError
  /// "Vivove OPC DLL Not Found." without one).
  void SetUpdateRate(int value);
  int DLLGroupHandle() const { return m_dllGroupHandle; }
  void SetDLLGroupHandle(int value) { m_dllGroupHandle = value; }

  /// The library's GroupResume / GroupSuspend of the group.
  void Resume();
  void Suspend();

private:
  QString m_name;
  QString m_computerName;
  QString m_opcServerName;
  int m_updateRate;
  int m_dllGroupHandle = 0;
};

/// A group's four stored values, as group definitions are written and
/// read ("Groups[0].UpdateRate = 250"). Plain value holder; any thread.
class TiOPCGroupStream : public TObject {
public:
  QString Name() const { return m_name; }
  void SetName(const QString& value) { m_name = value; }
  QString ComputerName() const { return m_computerName; }
  void SetComputerName(const QString& value) { m_computerName = value; }
  QString OPCServerName() const { return m_opcServerName; }
  void SetOPCServerName(const QString& value) { m_opcServerName = value; }
  int UpdateRate() const { return m_updateRate; }
  void SetUpdateRate(int value) { m_updateRate = value; }

private:
  QString m_name;
  QString m_computerName;
  QString m_opcServerName;
  int m_updateRate = 0;
};
