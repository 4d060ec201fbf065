#include "plot/opc/TiOPCItem.h"

#include <QLoggingCategory>

#include "plot/base/EPlotError.h"
#include "plot/base/TiComponent.h"
#include "plot/opc/OpcClientBinding.h"
#include "plot/opc/OpcGuiForwarder.h"
#include "plot/opc/OpcValue.h"
#include "plot/opc/TiOPCItemManager.h"

Q_LOGGING_CATEGORY(lcPlotOpcItem, "krv71.plot.opc")

TiOPCItem::TiOPCItem(TiOPCItemManager* owner) : m_owner(owner) {}

TiOPCItem::~TiOPCItem() {
  try {
    Deactivate();
  } catch (const EPlotError& e) {
    qCWarning(lcPlotOpcItem) << "deactivating a freed item:" << e.Message();
  }
  DropDeliveries();
}

bool TiOPCItem::Designing() const { return m_owner != nullptr && m_owner->GetIsDesigning(); }

void TiOPCItem::DropDeliveries() {
  if (m_callback) {
    m_callback->Cancel();
    m_callback.reset();
  }
}

void TiOPCItem::Connect(bool startSuspended) {
  if (OPCLibraryMissing() || m_owner == nullptr || Designing()) {
    return;
  }
  if (m_autoError) {
    UpdateErrorState();
  }
  if (m_signalHandle != 0) {
    Deactivate();
  }
  if (m_propertyName.trimmed().isEmpty() ||
      (m_groupName.trimmed().isEmpty() && m_serverName.trimmed().isEmpty()) || m_itemName.trimmed().isEmpty()) {
    return;
  }
  if (GetActive()) {
    Deactivate();
  }
  const bool text = m_propertyType == TiPropertyKind::tkString;
  DropDeliveries();
  m_callback = OpcGuiForwarder::Create([this](OpcGuiForwarder::Call, int) { ReceiveData(); });
  m_signalHandle = SignalAdd(m_computerName, m_serverName, m_itemName, m_groupName, m_updateRate, startSuspended,
                             text ? 8 : 0, m_callback);
}

void TiOPCItem::Deactivate() {
  if (OPCLibraryMissing() || m_owner == nullptr || Designing()) {
    return;
  }
  DropDeliveries();
  SignalRemove(m_signalHandle);
  m_signalHandle = 0;
}

bool TiOPCItem::GetActive() const {
  if (m_owner == nullptr || Designing() || OPCLibraryMissing()) {
    return false;
  }
  return SignalGetActive(m_signalHandle);
}

bool TiOPCItem::GetQualityGood() const { return OpcQualityGood(m_quality); }

bool TiOPCItem::UpdateSuspended() const {
  if (OPCLibraryMissing() || m_signalHandle == 0) {
    return false;
  }
  return SignalGetUpdateSuspended(m_signalHandle);
}

void TiOPCItem::UpdateResume() {
  if (!OPCLibraryMissing()) {
    SignalResume(m_signalHandle);
  }
}

void TiOPCItem::UpdateSuspend() {
  if (!OPCLibraryMissing()) {
    SignalSuspend(m_signalHandle);
  }
}

void TiOPCItem::ReadSignal() {
  m_data = SignalGetData(m_signalHandle);
  m_timeStamp = SignalGetTimeStamp(m_signalHandle);
  m_quality = SignalGetQuality(m_signalHandle);
}

void TiOPCItem::ReceiveData() {
  ReadSignal();
  if (GetQualityGood()) {
    if (m_scalar != 0) {
      m_data = OpcScaleValue(m_data, m_scalar, true);
    }
    if (m_offset != 0) {
      m_data = OpcScaleValue(m_data, m_offset, false);
    }
  }
  if (m_autoError) {
    UpdateErrorState();
  }
  if (m_owner != nullptr) {
    Raise(m_owner->OnNewData, this);
  }
}

QVariant TiOPCItem::GetDataNow(std::uint16_t& quality) {
  if (!OPCLibraryMissing()) {
    SignalGetDataNow(m_signalHandle);
    ReadSignal();
  }
  quality = m_quality;
  return m_data;
}

void TiOPCItem::SetData(const QVariant& value) {
  if (!OPCLibraryMissing()) {
    SignalSendData(m_signalHandle, value);
  }
}

void TiOPCItem::UpdateErrorState() {
  if (!GetActive() || m_owner == nullptr) {
    return;
  }
  if (auto* component = dynamic_cast<TiComponent*>(m_owner->Owner()); component != nullptr) {
    component->SetErrorActive(!GetQualityGood());
  }
}

void TiOPCItem::Loaded() {
  try {
    if (m_autoError) {
      UpdateErrorState();
    }
    if (m_autoConnect && !Designing()) {
      Activate();
    }
  } catch (const EPlotError& e) {
    qCWarning(lcPlotOpcItem) << "connecting a loaded item:" << e.Message();
  }
}

void TiOPCItem::ReconnectIfActive() {
  if (!OPCLibraryMissing() && GetActive()) {
    Activate();
  }
}

void TiOPCItem::SetPropertyName(const QString& value) {
  m_propertyName = value;
  if (m_owner != nullptr && m_owner->OnGetType) {
    m_owner->OnGetType(m_propertyName, m_propertyType);
  }
}

void TiOPCItem::SetGroupName(const QString& value) {
  m_groupName = value;
  if (GetActive()) {
    Activate();
  }
}

void TiOPCItem::SetComputerName(const QString& value) {
  m_computerName = value;
  ReconnectIfActive();
}

void TiOPCItem::SetServerName(const QString& value) {
  m_serverName = value;
  ReconnectIfActive();
}

void TiOPCItem::SetItemName(const QString& value) {
  m_itemName = value;
  ReconnectIfActive();
}

void TiOPCItem::SetUpdateRate(int value) {
  m_updateRate = value;
  ReconnectIfActive();
}

void TiOPCItem::SetAutoConnect(bool value) {
  m_autoConnect = value;
  if (OPCLibraryMissing() || !value || m_owner == nullptr) {
    return;
  }
  const auto* component = dynamic_cast<TiComponent*>(m_owner->Owner());
  if (component != nullptr && !component->IsLoading()) {
    Activate();
  }
}

void TiOPCItem::SetAutoError(bool value) {
  if (value == m_autoError) {
    return;
  }
  m_autoError = value;
  if (value) {
    UpdateErrorState();
  }
}
