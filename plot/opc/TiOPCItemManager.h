#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/core/TObject.h"
#include "plot/base/TiComponent.h"
#include "plot/opc/TiOPCItem.h"

/// Fills in the type kind of a published property named by PropertyName.
using TOPCItemGetDataTypeEvent = std::function<void(const QString& PropertyName, TiPropertyKind& AVarType)>;

/// The OPC items of a control or channel, in insertion order; owns them.
/// Its owner (the control or channel) answers the designing query, takes
/// the new data (OnNewData, Sender = the item) and names property kinds.
/// GUI thread only.
class TiOPCItemManager : public TObject {
public:
  explicit TiOPCItemManager(TObject* owner) : m_owner(owner) {}
  ~TiOPCItemManager() override;
  TiOPCItemManager(const TiOPCItemManager&) = delete;
  TiOPCItemManager& operator=(const TiOPCItemManager&) = delete;

  /// A new item, appended; answers its index.
  int Add();
  void Clear();
  /// EPlotError "List index out of bounds (i)" outside the list.
  void Delete(int index);
  int Count() const { return int(m_list.size()); }
  /// EPlotError "List index out of bounds (i)" outside the list.
  TiOPCItem& Items(int index) const;
  int FindIndex(const TiOPCItem* item) const;
  bool GetIsDesigning() const;
  bool DoWriteToStream() const { return Count() > 0; }
  TObject* Owner() const { return m_owner; }

  TGetDesigningEvent OnGetDesigning;
  TNotifyEvent OnNewData;
  TOPCItemGetDataTypeEvent OnGetType;

private:
  std::vector<std::unique_ptr<TiOPCItem>> m_list;
  TObject* m_owner;
};
