#pragma once

#include <vector>

#include <QString>

#include "platform/core/TObject.h"
#include "plot/base/EPlotError.h"
#include "plot/core/TiPlotObject.h"

class TiPlotComponent;

/// A list of plot objects in insertion order; indices are what the plot's
/// indexed properties and per-kind events use. The base keeps references
/// only (the owned managers of each kind own their objects). Receives the
/// master manager's broadcasts of removals, renames and selections.
/// Construction throws EPlotError, before anything is made, with the first
/// of "Owner must be Assigned", "OnChange event handler can not be null",
/// "OnInsert event handler can not be null", "OnRemove event handler can
/// not be null", "AOnRename event handler can not be null". GUI thread only.
class TiPlotObjectManagerCustom : public TObject {
public:
  TiPlotObjectManagerCustom(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                            TNotifyEvent onRemove, TNotifyEvent onRename);
  ~TiPlotObjectManagerCustom() override;
  TiPlotObjectManagerCustom(const TiPlotObjectManagerCustom&) = delete;
  TiPlotObjectManagerCustom& operator=(const TiPlotObjectManagerCustom&) = delete;

  int Count() const { return int(m_list.size()); }
  TiPlotComponent* Owner() const { return m_owner; }
  /// The object at index; EPlotError "List index out of bounds (i)" outside.
  TiPlotObject* Items(int index) const;
  /// The object at index as T; EPlotError "Invalid class typecast" when it
  /// is not one.
  template <typename T>
  T* ItemAs(int index) const {
    T* typed = dynamic_cast<T*>(Items(index));
    if (typed == nullptr) {
      throw EPlotError(QStringLiteral("Invalid class typecast"));
    }
    return typed;
  }
  /// A copy of the list, for loops whose calls may change it.
  std::vector<TiPlotObject*> Snapshot() const { return m_list; }
  bool Contains(const TiPlotObject* object) const { return GetIndex(object) >= 0; }

  /// Appends the object unless it is already listed.
  void InsertObject(TiPlotObject* object);
  int GetIndex(const TiPlotObject* object) const;
  /// First object whose name equals value, ASCII letters compared without
  /// case; nullptr / -1 when none.
  TiPlotObject* GetObjectByName(const QString& value) const;
  int GetIndexByName(const QString& value) const;
  /// Base name, a space and one more than the highest number that follows
  /// the base name (case-insensitively) in a listed name.
  QString GetNextName() const;

  virtual QString GetBaseName() const = 0;
  /// Called after an object left the list.
  virtual void ObjectRemoved(TiPlotObject* object);
  /// Removes sender (searching from the end); ObjectRemoved and OnChange
  /// when it was listed.
  virtual void NotificationRemove(TObject* sender);
  /// Takes sender in when it is of the manager's kind.
  virtual void NotificationInsert(TObject* sender) = 0;
  virtual void NotificationRename(TObject* sender);
  virtual void NotificationSetFocus(TObject* sender);
  /// Nothing here (a manager that does not own its objects keeps them).
  virtual void Clear();
  /// Removes the entry at index without freeing the object.
  virtual void Delete(int index);

  TNotifyEvent OnChange;
  TNotifyEvent OnInsert;
  TNotifyEvent OnRemove;
  TNotifyEvent OnRename;

protected:
  /// Removes the first listed occurrence; true when there was one.
  bool RemoveFromList(const TiPlotObject* object);

private:
  std::vector<TiPlotObject*> m_list;
  TiPlotComponent* m_owner;
};

/// ASCII-only case folding of the managers' name comparisons: a..z become
/// A..Z, every other character compares exactly.
QString UpperAscii(const QString& text);
