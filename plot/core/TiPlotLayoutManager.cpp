#include "plot/core/TiPlotLayoutManager.h"

#include <algorithm>

#include "plot/base/iRounding.h"

namespace {

bool IsDataView(const TiPlotObject* o) { return o->Kind() == TiPlotObjectKind::DataView; }
bool IsMarker(const TiPlotObject* o) { return o->Kind() == TiPlotObjectKind::LayoutMarker; }

void EraseFrom(std::vector<TiPlotLayoutObject*>& list, const TiPlotObject* object) {
  list.erase(std::remove(list.begin(), list.end(), object), list.end());
}

}  // namespace

TiPlotLayoutManager::TiPlotLayoutManager(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                                         TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotObjectManagerCustom(owner, onChange, onInsert, onRemove, onRename) {
  m_dataViewHorz = std::make_unique<TiPlotDataViewHorz>(owner, onChange, onInsert, onRemove, onRename);
  m_dataViewHorz->SetHorizontal(true);
  m_dataViewHorz->SetZOrder(1);
  m_dataViewHorz->SetName(QStringLiteral("Data View"));
  m_dataViewHorz->DoInsert();
  m_dataViewVert = std::make_unique<TiPlotDataViewVert>(owner, onChange, onInsert, onRemove, onRename);
  m_dataViewVert->SetHorizontal(false);
  m_dataViewVert->SetZOrder(1);
  m_dataViewVert->SetName(QStringLiteral("Data View"));
  m_dataViewVert->DoInsert();
  // The markers are announced to whoever listens; they also belong here
  // whether or not the announcement reached this manager yet.
  InsertObject(m_dataViewHorz.get());
  InsertObject(m_dataViewVert.get());
  m_enabled = true;
}

TiPlotLayoutManager::~TiPlotLayoutManager() {
  for (TiPlotLayoutObject* marker : {static_cast<TiPlotLayoutObject*>(m_dataViewHorz.get()),
                                     static_cast<TiPlotLayoutObject*>(m_dataViewVert.get())}) {
    marker->OnRemove = nullptr;
    marker->OnChange = nullptr;
    marker->OnLayoutChange = nullptr;
  }
}

TiPlotLayoutObject* TiPlotLayoutManager::GetLayoutObject(int index) const {
  return static_cast<TiPlotLayoutObject*>(Items(index));
}

void TiPlotLayoutManager::Orient(TiPlotLayoutObject* object) {
  if (object->Kind() == TiPlotObjectKind::XAxis) {
    object->SetHorizontal(!m_xyAxesReverse);
  } else if (object->Kind() == TiPlotObjectKind::YAxis) {
    object->SetHorizontal(m_xyAxesReverse);
  }
}

void TiPlotLayoutManager::NotificationInsert(TObject* sender) {
  auto* object = dynamic_cast<TiPlotLayoutObject*>(sender);
  if (object == nullptr) {
    return;
  }
  InsertObject(object);
  switch (object->Kind()) {
    case TiPlotObjectKind::XAxis:
    case TiPlotObjectKind::YAxis:
    case TiPlotObjectKind::ToolBar:
    case TiPlotObjectKind::Legend:
    case TiPlotObjectKind::DataView:
    case TiPlotObjectKind::Label:
    case TiPlotObjectKind::Table:
      object->OnLayoutChange = [this](TObject*) { RebuildLists(); };
      break;
    default:
      break;
  }
  Orient(object);
  if (m_enabled) {
    InsertZOrder(object, 0, TiInsertDirection::iidMerge);
  }
}

void TiPlotLayoutManager::ObjectRemoved(TiPlotObject* object) {
  EraseFrom(m_top, object);
  EraseFrom(m_bottom, object);
  EraseFrom(m_left, object);
  EraseFrom(m_right, object);
  if (m_enabled) {
    if (auto* layout = dynamic_cast<TiPlotLayoutObject*>(object)) {
      RemoveZOrder(layout);
    }
  }
}

void TiPlotLayoutManager::SetEnabled(bool value) {
  if (value == m_enabled) {
    return;
  }
  m_enabled = value;
  if (value) {
    RebuildLists();
  }
}

void TiPlotLayoutManager::SetXYAxesReverse(bool value) {
  if (value == m_xyAxesReverse) {
    return;
  }
  m_xyAxesReverse = value;
  if (m_enabled) {
    ReorientAxes();
  }
}

std::vector<TiPlotLayoutObject*> TiPlotLayoutManager::Peers(const TiPlotLayoutObject* object) const {
  std::vector<TiPlotLayoutObject*> peers;
  for (TiPlotObject* o : Snapshot()) {
    auto* layout = static_cast<TiPlotLayoutObject*>(o);
    if (layout != object && layout->Horizontal() == object->Horizontal()) {
      peers.push_back(layout);
    }
  }
  return peers;
}

void TiPlotLayoutManager::InsertZOrder(TiPlotLayoutObject* newObject, int value, TiInsertDirection direction) {
  const std::vector<TiPlotLayoutObject*> peers = Peers(newObject);
  bool free = direction == TiInsertDirection::iidMerge;
  if (free) {
    for (const TiPlotLayoutObject* peer : peers) {
      if (!IsDataView(peer) && peer->ZOrder() == value && peer->StartPercent() < newObject->StopPercent() &&
          peer->StopPercent() > newObject->StartPercent()) {
        free = false;
      }
    }
  }
  if (free) {
    newObject->SetZOrder(value);
  } else {
    const bool anyAtValue =
        std::any_of(peers.begin(), peers.end(), [value](const TiPlotLayoutObject* p) { return p->ZOrder() == value; });
    if (direction != TiInsertDirection::iidMerge || anyAtValue) {
      for (TiPlotLayoutObject* peer : peers) {
        const bool moves = direction == TiInsertDirection::iidAbove ? peer->ZOrder() > value : peer->ZOrder() >= value;
        if (!IsDataView(peer) && moves) {
          peer->SetZOrder(peer->ZOrder() + 1);
        }
      }
      newObject->SetZOrder(direction == TiInsertDirection::iidAbove ? value + 1 : value);
    }
  }
  RebuildLists();
}

void TiPlotLayoutManager::RemoveZOrder(TiPlotLayoutObject* object) {
  const std::vector<TiPlotLayoutObject*> peers = Peers(object);
  const bool shared = std::any_of(peers.begin(), peers.end(), [object](const TiPlotLayoutObject* p) {
    return !IsDataView(p) && p->ZOrder() == object->ZOrder();
  });
  if (!shared) {
    for (TiPlotLayoutObject* peer : peers) {
      if (peer->ZOrder() > object->ZOrder()) {
        peer->SetZOrder(peer->ZOrder() - 1);
      }
    }
  }
  RebuildLists();
}

void TiPlotLayoutManager::ReorientAxes() {
  std::vector<TiPlotLayoutObject*> axes;
  for (TiPlotObject* o : Snapshot()) {
    if (o->IsAxis()) {
      axes.push_back(static_cast<TiPlotLayoutObject*>(o));
    }
  }
  std::stable_sort(axes.begin(), axes.end(),
                   [](const TiPlotLayoutObject* a, const TiPlotLayoutObject* b) { return a->ZOrder() < b->ZOrder(); });
  for (TiPlotLayoutObject* axis : axes) {
    RemoveZOrder(axis);
    Orient(axis);
    InsertZOrder(axis, 0, TiInsertDirection::iidMerge);
  }
}

void TiPlotLayoutManager::RebuildLists() {
  if (!m_enabled) {
    return;
  }
  m_top.clear();
  m_bottom.clear();
  m_left.clear();
  m_right.clear();
  for (TiPlotObject* o : Snapshot()) {
    if (IsDataView(o) || IsMarker(o)) {
      continue;
    }
    auto* object = static_cast<TiPlotLayoutObject*>(o);
    if (object->Horizontal()) {
      const bool above = m_dataViewHorz->ZOrder() < object->ZOrder();
      object->SetReverseSide(above);
      (above ? m_top : m_bottom).push_back(object);
    } else {
      const bool right = m_dataViewVert->ZOrder() < object->ZOrder();
      object->SetReverseSide(right);
      (right ? m_right : m_left).push_back(object);
    }
  }
  // Numeric order of (Z-order, rounded start): any Z-order, negative or
  // beyond three digits, sorts correctly.
  const auto byKey = [](const TiPlotLayoutObject* a, const TiPlotLayoutObject* b) {
    if (a->ZOrder() != b->ZOrder()) {
      return a->ZOrder() < b->ZOrder();
    }
    return RoundSafe(a->StartPercent()) < RoundSafe(b->StartPercent());
  };
  for (auto* list : {&m_top, &m_bottom, &m_left, &m_right}) {
    std::stable_sort(list->begin(), list->end(), byKey);
  }
  m_leftUnique = UniqueZOrderCount(m_left);
  m_rightUnique = UniqueZOrderCount(m_right);
  m_bottomUnique = UniqueZOrderCount(m_bottom);
  m_topUnique = UniqueZOrderCount(m_top);
}

int TiPlotLayoutManager::VisibleCount(const std::vector<TiPlotLayoutObject*>& list) {
  return int(std::count_if(list.begin(), list.end(), [](const TiPlotLayoutObject* o) { return o->Visible(); }));
}

int TiPlotLayoutManager::UniqueZOrderCount(const std::vector<TiPlotLayoutObject*>& list) {
  if (list.empty()) {
    return 0;
  }
  int count = 1;
  int largest = list.front()->ZOrder();
  for (const TiPlotLayoutObject* o : list) {
    if (o->ZOrder() > largest) {
      ++count;
      largest = o->ZOrder();
    }
  }
  return count;
}
