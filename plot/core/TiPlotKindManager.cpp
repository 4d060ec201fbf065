#include "plot/core/TiPlotKindManager.h"

#include <algorithm>

TiPlotKindManager::TiPlotKindManager(std::initializer_list<TiPlotObjectKind> kinds, QString baseName,
                                     TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                                     TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotObjectOwnedManager(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                               std::move(onRename)),
      m_kinds(kinds),
      m_baseName(std::move(baseName)) {}

bool TiPlotKindManager::HoldsKind(TiPlotObjectKind kind) const {
  return std::find(m_kinds.begin(), m_kinds.end(), kind) != m_kinds.end();
}

void TiPlotKindManager::NotificationInsert(TObject* sender) {
  auto* object = dynamic_cast<TiPlotObject*>(sender);
  if (object == nullptr || !HoldsKind(object->Kind())) {
    return;
  }
  InsertObject(object);
  if (object->Name().isEmpty()) {
    object->SetName(GetNextName());
    if (m_firstReferences) {
      m_firstReferences(*object);
    }
  }
}

void TiPlotKindManager::SetObjectClass(TiPlotObjectFactory factory, TiPlotFirstReferences firstReferences) {
  m_factory = std::move(factory);
  m_firstReferences = std::move(firstReferences);
}

std::unique_ptr<TiPlotObject> TiPlotKindManager::CreateObject() {
  if (!m_factory) {
    throw EPlotError(QStringLiteral("No object class registered for ") + m_baseName);
  }
  return m_factory(Owner(), OnChange, OnInsert, OnRemove, OnRename);
}
