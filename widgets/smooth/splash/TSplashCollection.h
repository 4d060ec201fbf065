#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/core/TObject.h"

/// Sender (the collection) and the index of the item about to go.
using TOnDeleteItemEvent = std::function<void(TObject* Sender, int Index)>;

/// The ordered, owning item lists of the splash component (free items, list
/// lines, top layer items). OnChange follows every Add, Insert, Delete and
/// Clear; OnDeleteItem comes before an item goes. GUI thread only.
template <typename Item>
class TSplashCollection : public TObject {
public:
  int Count() const { return int(m_items.size()); }
  Item& Items(int index) { return *m_items.at(std::size_t(index)); }
  const Item& Items(int index) const { return *m_items.at(std::size_t(index)); }
  Item& Add() { return Insert(Count()); }
  /// An index outside [0, Count] appends.
  Item& Insert(int index) {
    const std::size_t at = index < 0 || index > Count() ? m_items.size() : std::size_t(index);
    Item& item = **m_items.insert(m_items.begin() + std::ptrdiff_t(at), std::make_unique<Item>(*this));
    Changed();
    return item;
  }
  /// Nothing for an index outside the list.
  void Delete(int index) {
    if (index < 0 || index >= Count()) {
      return;
    }
    if (OnDeleteItem) {
      OnDeleteItem(this, index);
    }
    m_items.erase(m_items.begin() + index);
    Changed();
  }
  void Clear() {
    while (Count() > 0) {
      Delete(Count() - 1);
    }
  }
  /// Copies the items of another collection of the same kind.
  void Assign(const TSplashCollection& source) {
    if (&source == this) {
      return;
    }
    m_items.clear();
    for (const auto& item : source.m_items) {
      m_items.push_back(std::make_unique<Item>(*this));
      m_items.back()->Assign(*item);
    }
    Changed();
  }
  void Changed() { Raise(OnChange, this); }

  TNotifyEvent OnChange;
  TOnDeleteItemEvent OnDeleteItem;

private:
  std::vector<std::unique_ptr<Item>> m_items;
};
