#pragma once

#include <memory>
#include <vector>

#include "plot/core/TiPlotDataViewLayout.h"
#include "plot/core/TiPlotObjectManagerCustom.h"

class TiPlotLayoutObject;

/// Where InsertZOrder puts an object: into the band of the desired Z-order
/// when its span is free there, or as a new band below or above it.
enum class TiInsertDirection { iidMerge = 0, iidBelow = 1, iidAbove = 2 };

/// Keeps every layout object of one plot (axes, legends, labels, tables,
/// toolbars, data views and the two data-view markers) and sorts the
/// placed ones into four side lists by (Z-order, rounded StartPercent),
/// compared as numbers. Maintains the Z-orders when objects come, go or
/// change orientation. Owned by the master manager; GUI thread only.
class TiPlotLayoutManager : public TiPlotObjectManagerCustom {
public:
  /// Creates the two markers ("Data View", Z-order 1) while still disabled,
  /// announces them, then enables itself.
  TiPlotLayoutManager(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                      TNotifyEvent onRename);
  ~TiPlotLayoutManager() override;

  QString GetBaseName() const override { return QStringLiteral("Layout Object"); }
  /// Layout objects only: listed, hooked to RebuildLists (tables too, so a
  /// table's new side or Z-order takes effect), axes oriented, and with the manager enabled given Z-order 0 (merged).
  void NotificationInsert(TObject* sender) override;
  void ObjectRemoved(TiPlotObject* object) override;

  TiPlotLayoutObject* GetLayoutObject(int index) const;
  bool Enabled() const { return m_enabled; }
  /// Enabling rebuilds the side lists.
  void SetEnabled(bool value);
  bool XYAxesReverse() const { return m_xyAxesReverse; }
  void SetXYAxesReverse(bool value);
  TiPlotDataViewHorz& DataViewHorz() const { return *m_dataViewHorz; }
  TiPlotDataViewVert& DataViewVert() const { return *m_dataViewVert; }

  /// Side lists, ascending (Z-order, start); the innermost object is the
  /// last of the left and bottom lists and the first of the right and top.
  const std::vector<TiPlotLayoutObject*>& TopList() const { return m_top; }
  const std::vector<TiPlotLayoutObject*>& BottomList() const { return m_bottom; }
  const std::vector<TiPlotLayoutObject*>& LeftList() const { return m_left; }
  const std::vector<TiPlotLayoutObject*>& RightList() const { return m_right; }
  int TopUniqueCount() const { return m_topUnique; }
  int BottomUniqueCount() const { return m_bottomUnique; }
  int LeftUniqueCount() const { return m_leftUnique; }
  int RightUniqueCount() const { return m_rightUnique; }

  void InsertZOrder(TiPlotLayoutObject* newObject, int value, TiInsertDirection direction);
  /// Closes the gap an object leaves when it was alone in its band.
  void RemoveZOrder(TiPlotLayoutObject* object);
  void RebuildLists();
  static int VisibleCount(const std::vector<TiPlotLayoutObject*>& list);
  static int UniqueZOrderCount(const std::vector<TiPlotLayoutObject*>& list);

private:
  std::vector<TiPlotLayoutObject*> Peers(const TiPlotLayoutObject* object) const;
  void ReorientAxes();
  void Orient(TiPlotLayoutObject* object);

  bool m_xyAxesReverse = false;
  std::unique_ptr<TiPlotDataViewHorz> m_dataViewHorz;
  std::unique_ptr<TiPlotDataViewVert> m_dataViewVert;
  bool m_enabled = false;
  std::vector<TiPlotLayoutObject*> m_top;
  std::vector<TiPlotLayoutObject*> m_bottom;
  std::vector<TiPlotLayoutObject*> m_left;
  std::vector<TiPlotLayoutObject*> m_right;
  int m_leftUnique = 0;
  int m_rightUnique = 0;
  int m_bottomUnique = 0;
  int m_topUnique = 0;
};
