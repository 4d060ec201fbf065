#include "plot/opc/TiOPCItemManager.h"

#include <algorithm>

#include "plot/base/EPlotError.h"

namespace {

EPlotError IndexError(int index) { return EPlotError(QStringLiteral("List index out of bounds (%1)").arg(index)); }

}  // namespace

TiOPCItemManager::~TiOPCItemManager() { Clear(); }

int TiOPCItemManager::Add() {
  m_list.push_back(std::make_unique<TiOPCItem>(this));
  return Count() - 1;
}

void TiOPCItemManager::Clear() {
  // Each item is freed while still in the list, as its destructor may ask
  // the manager whether the owner is designing.
  while (!m_list.empty()) {
    m_list.back().reset();
    m_list.pop_back();
  }
}

void TiOPCItemManager::Delete(int index) {
  if (index < 0 || index >= Count()) {
    throw IndexError(index);
  }
  m_list[std::size_t(index)].reset();
  m_list.erase(m_list.begin() + index);
}

TiOPCItem& TiOPCItemManager::Items(int index) const {
  if (index < 0 || index >= Count()) {
    throw IndexError(index);
  }
  return *m_list[std::size_t(index)];
}

int TiOPCItemManager::FindIndex(const TiOPCItem* item) const {
  const auto it = std::find_if(m_list.begin(), m_list.end(), [item](const auto& p) { return p.get() == item; });
  return it == m_list.end() ? -1 : int(it - m_list.begin());
}

bool TiOPCItemManager::GetIsDesigning() const {
  bool designing = false;
  if (OnGetDesigning) {
    OnGetDesigning(const_cast<TiOPCItemManager*>(this), designing);
  }
  return designing;
}
