#include <QLoggingCategory>

#include "plot/base/EPlotError.h"
#include "plot/base/TiVCLComponent.h"
#include "plot/opc/OpcValue.h"
#include "plot/opc/TiOPCItemManager.h"
#include "plot/streaming/iPropertyStrings.h"

Q_LOGGING_CATEGORY(lcPlotVclOpc, "krv71.plot.control.opc")

void TiVCLComponent::CreateOPCItemManager() {
  m_opcItemManager = std::make_unique<TiOPCItemManager>(this);
  m_opcItemManager->OnGetDesigning = [this](TObject*, bool& designing) { designing = GetDesigning(); };
  m_opcItemManager->OnNewData = [this](TObject* sender) { OPCNewData(static_cast<TiOPCItem&>(*sender)); };
  m_opcItemManager->OnGetType = [this](const QString& name, TiPropertyKind& kind) { kind = GetPropertyKind(name); };
}

void TiVCLComponent::OPCNewData(TiOPCItem& item) {
  const QString propertyName = item.PropertyName();
  if (propertyName.isEmpty()) {
    return;
  }
  const int index = m_opcItemManager->FindIndex(&item);
  QVariant value = item.Data();
  if (OnBeforeNewOPCData) {
    OnBeforeNewOPCData(index, value);
  }
  m_opcIncomingActive = true;
  struct IncomingEnd {
    bool& flag;
    ~IncomingEnd() { flag = false; }
  } incomingEnd{m_opcIncomingActive};
  if (item.GetQualityGood() && !OPCNewDataSpecial(propertyName, value)) {
    try {
      OPCSetPropertyByName(*this, PublishedProperties(), QString(), OpcValueText(value), propertyName);
    } catch (const EPlotError& e) {
      // A value the property cannot take leaves it as it was.
      qCWarning(lcPlotVclOpc) << "OPC value for" << propertyName << "refused:" << e.Message();
    }
  }
  if (OnNewOPCData) {
    OnNewOPCData(index);
  }
}

bool TiVCLComponent::OPCOutputData(const QString& propertyName, const QVariant& value) {
  if (m_opcIncomingActive) {
    m_opcIncomingActive = false;
    return false;
  }
  bool sent = false;
  for (int i = 0; i < m_opcItemManager->Count(); ++i) {
    TiOPCItem& item = m_opcItemManager->Items(i);
    if (item.GetActive() && item.PropertyName().compare(propertyName, Qt::CaseInsensitive) == 0) {
      item.SetData(value);
      sent = true;
    }
  }
  return sent;
}

int TiVCLComponent::OPCAddItem() { return m_opcItemManager->Add(); }
int TiVCLComponent::OPCItemCount() const { return m_opcItemManager->Count(); }
void TiVCLComponent::OPCRemoveAllItems() { m_opcItemManager->Clear(); }
void TiVCLComponent::OPCDeleteItem(int index) { m_opcItemManager->Delete(index); }
void TiVCLComponent::OPCItemActivate(int index) { m_opcItemManager->Items(index).Activate(); }
void TiVCLComponent::OPCItemDeactivate(int index) { m_opcItemManager->Items(index).Deactivate(); }
void TiVCLComponent::OPCItemUpdateResume(int index) { m_opcItemManager->Items(index).UpdateResume(); }
void TiVCLComponent::OPCItemUpdateSuspend(int index) { m_opcItemManager->Items(index).UpdateSuspend(); }
void TiVCLComponent::OPCItemLoaded(int index) { m_opcItemManager->Items(index).Loaded(); }
void TiVCLComponent::SetOPCItemData(int index, const QVariant& value) { m_opcItemManager->Items(index).SetData(value); }

void TiVCLComponent::SetOPCItemComputerName(int index, const QString& value) {
  m_opcItemManager->Items(index).SetComputerName(value);
}

void TiVCLComponent::SetOPCItemServerName(int index, const QString& value) {
  m_opcItemManager->Items(index).SetServerName(value);
}

void TiVCLComponent::SetOPCItemItemName(int index, const QString& value) {
  m_opcItemManager->Items(index).SetItemName(value);
}

void TiVCLComponent::SetOPCItemPropertyName(int index, const QString& value) {
  m_opcItemManager->Items(index).SetPropertyName(value);
}

void TiVCLComponent::SetOPCItemAutoConnect(int index, bool value) {
  m_opcItemManager->Items(index).SetAutoConnect(value);
}

void TiVCLComponent::SetOPCItemUpdateRate(int index, int value) { m_opcItemManager->Items(index).SetUpdateRate(value); }

QString TiVCLComponent::GetOPCItemComputerName(int index) const {
  return m_opcItemManager->Items(index).ComputerName();
}

QString TiVCLComponent::GetOPCItemServerName(int index) const { return m_opcItemManager->Items(index).ServerName(); }
QString TiVCLComponent::GetOPCItemItemName(int index) const { return m_opcItemManager->Items(index).ItemName(); }

QString TiVCLComponent::GetOPCItemPropertyName(int index) const {
  return m_opcItemManager->Items(index).PropertyName();
}

bool TiVCLComponent::GetOPCItemAutoConnect(int index) const { return m_opcItemManager->Items(index).AutoConnect(); }
int TiVCLComponent::GetOPCItemUpdateRate(int index) const { return m_opcItemManager->Items(index).UpdateRate(); }
QVariant TiVCLComponent::GetOPCItemData(int index) const { return m_opcItemManager->Items(index).Data(); }
std::uint16_t TiVCLComponent::GetOPCItemQuality(int index) const { return m_opcItemManager->Items(index).Quality(); }
double TiVCLComponent::GetOPCItemTimeStamp(int index) const { return m_opcItemManager->Items(index).TimeStamp(); }
