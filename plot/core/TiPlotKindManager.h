#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "plot/core/TiPlotObjectOwnedManager.h"

/// Creates an object of one kind with the plot as owner and the master
/// manager's four handlers (OnChange, OnInsert, OnRemove, OnRename). The
/// object is not announced; the caller announces it.
using TiPlotObjectFactory = std::function<std::unique_ptr<TiPlotObject>(
    TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
    TNotifyEvent onRename)>;
/// The factory of a plot object class T.
template <typename T>
TiPlotObjectFactory PlotObjectFactory() {
  return [](TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
            TNotifyEvent onRename) -> std::unique_ptr<TiPlotObject> {
    return std::make_unique<T>(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                               std::move(onRename));
  };
}

/// Gives a newly named object its first references (a new axis's Title, a
/// new data view's grid axis names, a new channel's colour and axes ...).
using TiPlotFirstReferences = std::function<void(TiPlotObject& object)>;

/// The owned manager of one kind of plot object (toolbars, legends,
/// tables, X axes, Y axes, channels, data views, data cursors, limits,
/// labels, annotations). It takes in announced objects of its kind, gives
/// one that has no name yet the next default name ("X-Axis 2") and its
/// first references, and creates objects through the class registered for
/// the kind (SetObjectClass; the channel class is the plot's ChannelClass).
/// GUI thread only.
class TiPlotKindManager : public TiPlotObjectOwnedManager {
public:
  TiPlotKindManager(std::initializer_list<TiPlotObjectKind> kinds, QString baseName, TiPlotComponent* owner,
                    TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove, TNotifyEvent onRename);

  QString GetBaseName() const override { return m_baseName; }
  bool HoldsKind(TiPlotObjectKind kind) const;
  void NotificationInsert(TObject* sender) override;

  /// Registers the class this manager creates and what a new object gets
  /// besides its name (either may be empty).
  void SetObjectClass(TiPlotObjectFactory factory, TiPlotFirstReferences firstReferences);
  bool HasObjectClass() const { return bool(m_factory); }
  /// A new object of the registered class, not announced. Throws
  /// EPlotError "No object class registered for <base name>" when none is.
  std::unique_ptr<TiPlotObject> CreateObject();

private:
  std::vector<TiPlotObjectKind> m_kinds;
  QString m_baseName;
  TiPlotObjectFactory m_factory;
  TiPlotFirstReferences m_firstReferences;
};
