#pragma once

#include "platform/widgets/TForm.h"

class QTreeWidget;
class QTreeWidgetItem;

/// "Vivove OPC Explorer": a tree of the client library's server
/// connections under "Servers Connections", and "Groups". Stays on top,
/// centred, at least 250 x 300. One per application (Instance), made by
/// the first ExplorerShow and freed with the last OPC manager. GUI thread
/// only.
class TiOPCExplorerForm : public TForm {
public:
  explicit TiOPCExplorerForm(QWidget* parent = nullptr);

  /// The application's explorer, nullptr before the first ExplorerShow.
  static TiOPCExplorerForm* Instance();
  /// Makes the application's explorer when there is none.
  static TiOPCExplorerForm& EnsureInstance();
  /// Frees the application's explorer.
  static void FreeInstance();

  /// Rebuilds the tree from the library (the explorer's Refresh; EPlotError
  /// "Vivove OPC DLL Not Found." without library, the tree then holding
  /// the two roots only).
  void RefreshServers();

  QTreeWidget* TreeView() const { return m_treeView; }
  QTreeWidgetItem* ServersTreeNode() const { return m_serversTreeNode; }
  QTreeWidgetItem* GroupsTreeNode() const { return m_groupsTreeNode; }

private:
  QTreeWidget* m_treeView;
  QTreeWidgetItem* m_serversTreeNode = nullptr;
  QTreeWidgetItem* m_groupsTreeNode = nullptr;
};
