#pragma once

#include <memory>
#include <vector>

#include "plot/core/TiPlotObjectManagerCustom.h"

/// A manager that owns its objects: they come in through Adopt and go
/// through FreeObject, which announces the removal (every manager drops
/// the object) while the object is still whole and then frees it. Clear
/// frees every listed object over a snapshot. GUI thread only.
class TiPlotObjectOwnedManager : public TiPlotObjectManagerCustom {
public:
  using TiPlotObjectManagerCustom::TiPlotObjectManagerCustom;
  ~TiPlotObjectOwnedManager() override;

  /// Takes ownership; the object is listed when its DoInsert reaches the
  /// manager.
  void Adopt(std::unique_ptr<TiPlotObject> object);
  bool Owns(const TiPlotObject* object) const;
  /// Announces the object's removal and frees it; nothing for an object
  /// this manager does not own.
  void FreeObject(TiPlotObject* object);
  /// Frees every listed object, first to last.
  void Clear() override;
  /// Tells the other listed objects first, then removes sender.
  void NotificationRemove(TObject* sender) override;

private:
  std::vector<std::unique_ptr<TiPlotObject>> m_owned;
};
