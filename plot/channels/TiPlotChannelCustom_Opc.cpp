#include "plot/channels/TiPlotChannelCustom.h"

#include <QtGlobal>

#include "plot/core/TiPlotComponent.h"
#include "plot/opc/OpcValue.h"
#include "plot/opc/TiOPCItemManager.h"
#include "plot/opc/TiOPCManager.h"

void TiPlotChannelCustom::CreateOPCObjects() {
  m_opcManager = std::make_unique<TiOPCManager>();
  m_opcItemManager = std::make_unique<TiOPCItemManager>(this);
  m_opcItemManager->OnGetDesigning = [this](TObject*, bool& designing) { designing = OPCDesigning(); };
  for (int i = 0; i < 2; ++i) {
    m_opcItemManager->Items(m_opcItemManager->Add()).SetPropertyName(QStringLiteral("Data"));
  }
}

bool TiPlotChannelCustom::OPCDesigning() const { return Owner() != nullptr && Owner()->GetDesigning(); }

TiOPCItem& TiPlotChannelCustom::OPCItem(int index) const { return m_opcItemManager->Items(index); }

QString TiPlotChannelCustom::OPCUniqueGroupName() const {
  return QStringLiteral("%1").arg(quintptr(this), int(2 * sizeof(void*)), 16, QLatin1Char('0')).toUpper();
}

bool TiPlotChannelCustom::OPCGroupValues(double& x, double& y) const {
  return OpcValueToDouble(OPCItem(0).Data(), x) && OpcValueToDouble(OPCItem(1).Data(), y);
}

void TiPlotChannelCustom::DoInsert() {
  TiPlotManagerObject::DoInsert();
  if (OPCItem(0).AutoConnect()) {
    OPCActivate();
  }
}

QString TiPlotChannelCustom::OPCComputerName() const { return OPCItem(0).ComputerName(); }
void TiPlotChannelCustom::SetOPCComputerName(const QString& value) { OPCItem(0).SetComputerName(value); }
QString TiPlotChannelCustom::OPCServerName() const { return OPCItem(0).ServerName(); }
void TiPlotChannelCustom::SetOPCServerName(const QString& value) { OPCItem(0).SetServerName(value); }
QString TiPlotChannelCustom::OPCItemName() const { return OPCItem(0).ItemName(); }
void TiPlotChannelCustom::SetOPCItemName(const QString& value) { OPCItem(0).SetItemName(value); }
QString TiPlotChannelCustom::OPCItem2Name() const { return OPCItem(1).ItemName(); }
void TiPlotChannelCustom::SetOPCItem2Name(const QString& value) { OPCItem(1).SetItemName(value); }
int TiPlotChannelCustom::OPCUpdateRate() const { return OPCItem(0).UpdateRate(); }
void TiPlotChannelCustom::SetOPCUpdateRate(int value) { OPCItem(0).SetUpdateRate(value); }
double TiPlotChannelCustom::OPCScalar() const { return OPCItem(0).Scalar(); }
void TiPlotChannelCustom::SetOPCScalar(double value) { OPCItem(0).SetScalar(value); }
double TiPlotChannelCustom::OPCOffset() const { return OPCItem(0).Offset(); }
void TiPlotChannelCustom::SetOPCOffset(double value) { OPCItem(0).SetOffset(value); }
double TiPlotChannelCustom::OPCScalar2() const { return OPCItem(1).Scalar(); }
void TiPlotChannelCustom::SetOPCScalar2(double value) { OPCItem(1).SetScalar(value); }
double TiPlotChannelCustom::OPCOffset2() const { return OPCItem(1).Offset(); }
void TiPlotChannelCustom::SetOPCOffset2(double value) { OPCItem(1).SetOffset(value); }
bool TiPlotChannelCustom::OPCAutoConnect() const { return OPCItem(0).AutoConnect(); }
void TiPlotChannelCustom::SetOPCAutoConnect(bool value) { OPCItem(0).SetAutoConnect(value); }
bool TiPlotChannelCustom::OPCActive() const { return OPCItem(0).GetActive(); }
bool TiPlotChannelCustom::OPCQualityGood() const { return OPCItem(0).GetQualityGood(); }
