#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QImage>

#include "platform/widgets/TCustomControl.h"
#include "plot/opc/TiOPCGroupObject.h"

class OpcGuiForwarder;

/// A group update of the client library: the group's name (empty when no
/// group of the manager has the library's handle).
using TGroupUpdateEvent = std::function<void(TObject* Sender, const QString& GroupName)>;

/// Defines OPC groups in the client library, reports the library's group
/// updates as events (on the GUI thread, in arrival order; none after the
/// manager is gone) and opens the OPC explorer. Always 28 x 28 and hidden
/// at run time. Its groups are streamed as "Groups[i].<property> = value"
/// lines (iOPCStreaming.h). Owned by its Qt parent (or, in a channel, by
/// the channel); GUI thread only.
class TiOPCManager : public TCustomControl {
public:
  explicit TiOPCManager(QWidget* parent = nullptr);
  /// Deletes every group (in the library too); ManagerDestroyed for the
  /// process's first manager.
  ~TiOPCManager() override;

  /// Moves the control; its size stays 28 x 28.
  void SetBounds(int left, int top, int width, int height) override;

  /// Appends a group and answers its index; with library the library's
  /// group is created and its handle kept, without one none.
  int GroupAdd(const QString& name, const QString& computerName, const QString& opcServerName, int updateRate);
  /// Deletes the group (in the library when it has a handle). EPlotError
  /// "List index out of bounds (i)" outside the list.
  void GroupDelete(int index);
  void GroupClear();
  /// The first group of that name, case ignored; -1 when none.
  int GetGroupIndex(const QString& name) const;
  int GroupCount() const { return int(m_groupList.size()); }
  /// EPlotError "List index out of bounds (i)" outside the list.
  TiOPCGroupObject& Groups(int index) const;
  /// The library's CloseAllServerConnections.
  void CloseAllServerConnections();
  /// Shows the application's one explorer window (non-modal), listing the
  /// library's server connections; EPlotError without library.
  void ExplorerShow();
  bool FirstInstance() const { return m_firstInstance; }

  TGroupUpdateEvent OnBeforeGroupUpdate;
  TGroupUpdateEvent OnAfterGroupUpdate;

protected:
  void Paint() override;

private:
  void GroupUpdate(bool after, int groupHandle);

  QImage m_icon;
  bool m_firstInstance;
  std::vector<std::unique_ptr<TiOPCGroupObject>> m_groupList;
  std::shared_ptr<OpcGuiForwarder> m_callback;
};
