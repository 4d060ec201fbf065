#pragma once

#include <cstdint>
#include <memory>

#include <QString>
#include <QVariant>

#include "platform/core/TObject.h"
#include "plot/streaming/TiPlotPropertyRegistry.h"

class OpcGuiForwarder;
class TiOPCItemManager;

/// Binds one published property of a control (or a channel's data) to one
/// value of an OPC server: connects through the client library, takes
/// each new value on the GUI thread, scales it (Scalar, then Offset, when
/// not 0) while its quality is good, and tells its manager (OnNewData).
/// Owned by its TiOPCItemManager; GUI thread only. Deactivating or
/// destroying the item drops the values still on their way.
class TiOPCItem : public TObject {
public:
  explicit TiOPCItem(TiOPCItemManager* owner);
  /// Deactivates; errors are swallowed.
  ~TiOPCItem() override;
  TiOPCItem(const TiOPCItem&) = delete;
  TiOPCItem& operator=(const TiOPCItem&) = delete;

  /// Connects (again): nothing without library, owner or while designing;
  /// with AutoError the error state first; an existing signal is removed;
  /// nothing more without PropertyName, without both GroupName and
  /// ServerName, or without ItemName; then SignalAdd.
  void Activate() { Connect(false); }
  void ActivateSuspend() { Connect(true); }
  /// Removes the signal (with library and owner, not while designing).
  void Deactivate();
  void UpdateResume();
  void UpdateSuspend();
  /// Reads the value from the server now (no scaling, no notification).
  QVariant GetDataNow(std::uint16_t& quality);
  /// After the item was read from a description: with AutoError the error
  /// state, with AutoConnect (not while designing) Activate; errors are
  /// swallowed.
  void Loaded();
  /// Writes value to the server.
  void SetData(const QVariant& value);
  bool GetActive() const;
  bool GetQualityGood() const;
  /// Shows bad quality as the error state of the owner's control (when it
  /// is a TiComponent), only while active.
  void UpdateErrorState();
  /// What the library's DataChanged leads to, on the GUI thread: reads the
  /// value, scales it when the quality is good, updates the error state
  /// and notifies the manager.
  void ReceiveData();

  TiOPCItemManager* Owner() const { return m_owner; }

  QString PropertyName() const { return m_propertyName; }
  /// Stores, then asks the manager's OnGetType for the property's kind.
  void SetPropertyName(const QString& value);
  TiPropertyKind PropertyType() const { return m_propertyType; }
  QString GroupName() const { return m_groupName; }
  void SetGroupName(const QString& value);
  QString ComputerName() const { return m_computerName; }
  void SetComputerName(const QString& value);
  QString ServerName() const { return m_serverName; }
  void SetServerName(const QString& value);
  QString ItemName() const { return m_itemName; }
  void SetItemName(const QString& value);
  int UpdateRate() const { return m_updateRate; }
  void SetUpdateRate(int value);
  bool AutoConnect() const { return m_autoConnect; }
  void SetAutoConnect(bool value);
  bool AutoError() const { return m_autoError; }
  void SetAutoError(bool value);
  double Scalar() const { return m_scalar; }
  void SetScalar(double value) { m_scalar = value; }
  double Offset() const { return m_offset; }
  void SetOffset(double value) { m_offset = value; }
  bool UpdateSuspended() const;

  int SignalHandle() const { return m_signalHandle; }
  QVariant Data() const { return m_data; }
  double TimeStamp() const { return m_timeStamp; }
  std::uint16_t Quality() const { return m_quality; }

private:
  void Connect(bool startSuspended);
  bool Designing() const;
  void ReadSignal();
  /// A changed connection value reconnects an active item.
  void ReconnectIfActive();
  void DropDeliveries();

  QString m_propertyName;
  TiPropertyKind m_propertyType = TiPropertyKind::tkUnknown;
  QString m_groupName;
  QString m_serverName;
  QString m_computerName = QStringLiteral("Local");
  QString m_itemName;
  bool m_autoConnect = true;
  int m_updateRate = 500;
  double m_scalar = 0;
  double m_offset = 0;
  int m_signalHandle = 0;
  QVariant m_data;
  double m_timeStamp = 0;
  std::uint16_t m_quality = 0;
  TiOPCItemManager* m_owner;
  bool m_autoError = false;
  std::shared_ptr<OpcGuiForwarder> m_callback;
};
