#include "plot/core/TiPlotObjectManagerCustom.h"

#include <algorithm>

#include "plot/core/iHandlerChecks.h"

namespace {

TiPlotComponent* CheckedOwner(TiPlotComponent* owner, const TNotifyEvent& onChange, const TNotifyEvent& onInsert,
                              const TNotifyEvent& onRemove, const TNotifyEvent& onRename) {
  CheckPlotHandlers(owner, QStringLiteral("Owner must be Assigned"), onChange, onInsert, onRemove, onRename);
  return owner;
}

}  // namespace

QString UpperAscii(const QString& text) {
  QString out = text;
  for (QChar& c : out) {
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
      c = QChar(c.unicode() - 'a' + 'A');
    }
  }
  return out;
}

TiPlotObjectManagerCustom::TiPlotObjectManagerCustom(TiPlotComponent* owner, TNotifyEvent onChange,
                                                     TNotifyEvent onInsert, TNotifyEvent onRemove,
                                                     TNotifyEvent onRename)
    : OnChange(std::move(onChange)),
      OnInsert(std::move(onInsert)),
      OnRemove(std::move(onRemove)),
      OnRename(std::move(onRename)),
      m_owner(CheckedOwner(owner, OnChange, OnInsert, OnRemove, OnRename)) {}

TiPlotObjectManagerCustom::~TiPlotObjectManagerCustom() = default;

TiPlotObject* TiPlotObjectManagerCustom::Items(int index) const {
  if (index < 0 || index >= Count()) {
    ThrowListIndexError(index);
  }
  return m_list[index];
}

void TiPlotObjectManagerCustom::InsertObject(TiPlotObject* object) {
  if (!Contains(object)) {
    m_list.push_back(object);
  }
}

int TiPlotObjectManagerCustom::GetIndex(const TiPlotObject* object) const {
  const auto it = std::find(m_list.begin(), m_list.end(), object);
  return it == m_list.end() ? -1 : int(it - m_list.begin());
}

TiPlotObject* TiPlotObjectManagerCustom::GetObjectByName(const QString& value) const {
  const int index = GetIndexByName(value);
  return index < 0 ? nullptr : m_list[index];
}

int TiPlotObjectManagerCustom::GetIndexByName(const QString& value) const {
  const QString wanted = UpperAscii(value);
  for (int i = 0; i < Count(); ++i) {
    if (UpperAscii(m_list[i]->Name()) == wanted) {
      return i;
    }
  }
  return -1;
}

QString TiPlotObjectManagerCustom::GetNextName() const {
  const QString base = GetBaseName();
  const QString upperBase = UpperAscii(base);
  int highest = 0;
  for (const TiPlotObject* object : m_list) {
    const QString name = object->Name();
    if (UpperAscii(name.left(base.size())) != upperBase) {
      continue;
    }
    // The class library's string-to-integer: leading blanks and a sign are
    // accepted, trailing characters are not.
    bool ok = false;
    QString rest = name.mid(base.size());
    while (rest.startsWith(QLatin1Char(' '))) {
      rest.remove(0, 1);
    }
    const int number = rest.toInt(&ok);
    if (ok && number > highest) {
      highest = number;
    }
  }
  return base + QLatin1Char(' ') + QString::number(highest + 1);
}

void TiPlotObjectManagerCustom::ObjectRemoved(TiPlotObject*) {}

bool TiPlotObjectManagerCustom::RemoveFromList(const TiPlotObject* object) {
  for (int i = Count() - 1; i >= 0; --i) {
    if (m_list[i] == object) {
      m_list.erase(m_list.begin() + i);
      return true;
    }
  }
  return false;
}

void TiPlotObjectManagerCustom::NotificationRemove(TObject* sender) {
  auto* object = dynamic_cast<TiPlotObject*>(sender);
  if (object && RemoveFromList(object)) {
    ObjectRemoved(object);
    Raise(OnChange, this);
  }
}

void TiPlotObjectManagerCustom::NotificationRename(TObject* sender) {
  for (TiPlotObject* object : Snapshot()) {
    if (Contains(object)) {
      object->NotificationRename(sender);
    }
  }
}

void TiPlotObjectManagerCustom::NotificationSetFocus(TObject* sender) {
  for (TiPlotObject* object : Snapshot()) {
    if (Contains(object)) {
      object->NotificationSetFocus(sender);
    }
  }
}

void TiPlotObjectManagerCustom::Clear() {}

void TiPlotObjectManagerCustom::Delete(int index) {
  Items(index);
  m_list.erase(m_list.begin() + index);
}
