#include "plot/core/TiPlotObjectOwnedManager.h"

#include <algorithm>

TiPlotObjectOwnedManager::~TiPlotObjectOwnedManager() {
  Clear();
  while (!m_owned.empty()) {
    FreeObject(m_owned.back().get());
  }
}

void TiPlotObjectOwnedManager::Adopt(std::unique_ptr<TiPlotObject> object) { m_owned.push_back(std::move(object)); }

bool TiPlotObjectOwnedManager::Owns(const TiPlotObject* object) const {
  return std::any_of(m_owned.begin(), m_owned.end(), [object](const auto& p) { return p.get() == object; });
}

void TiPlotObjectOwnedManager::FreeObject(TiPlotObject* object) {
  const auto it = std::find_if(m_owned.begin(), m_owned.end(), [object](const auto& p) { return p.get() == object; });
  if (it == m_owned.end()) {
    return;
  }
  std::unique_ptr<TiPlotObject> doomed = std::move(*it);
  m_owned.erase(it);
  doomed->AnnounceRemoval();
  RemoveFromList(doomed.get());
}

void TiPlotObjectOwnedManager::Clear() {
  for (TiPlotObject* object : Snapshot()) {
    FreeObject(object);
  }
}

void TiPlotObjectOwnedManager::NotificationRemove(TObject* sender) {
  if (sender == this) {
    return;
  }
  for (TiPlotObject* object : Snapshot()) {
    if (object != sender && Contains(object)) {
      object->NotificationRemove(sender);
    }
  }
  TiPlotObjectManagerCustom::NotificationRemove(sender);
}
