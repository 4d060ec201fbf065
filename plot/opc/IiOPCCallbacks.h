#pragma once

/// What the OPC client library calls when a signal (an item's connection)
/// has a new value. The library may call it on any of its threads; the
/// implementations hand it to the GUI thread (OpcGuiForwarder).
class IiOPCSignalCallback {
public:
  virtual ~IiOPCSignalCallback() = default;
  /// The signal's value, time stamp and quality changed.
  virtual void DataChanged(int signalHandle) = 0;
};

/// What the OPC client library calls around the update of a group: before
/// and after the values of all its items changed. Any thread, as above.
class IiOPCGroupCallback {
public:
  virtual ~IiOPCGroupCallback() = default;
  virtual void BeforeGroupUpdate(int groupHandle) = 0;
  virtual void AfterGroupUpdate(int groupHandle) = 0;
};
