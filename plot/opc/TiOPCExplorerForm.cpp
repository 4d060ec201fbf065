#include "plot/opc/TiOPCExplorerForm.h"

#include <QPixmap>
#include <QPointer>
#include <QTreeWidget>

#include "plot/opc/OpcClientBinding.h"
#include "plot/opc/OpcIcons.h"

namespace {

QPointer<TiOPCExplorerForm>& ExplorerInstance() {
  static QPointer<TiOPCExplorerForm> instance;
  return instance;
}

QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, QTreeWidget* tree, const QString& text, int image) {
  auto* node = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
  node->setText(0, text);
  node->setIcon(0, QPixmap::fromImage(OpcExplorerImage(image)));
  return node;
}

}  // namespace

TiOPCExplorerForm::TiOPCExplorerForm(QWidget* parent) : TForm(parent), m_treeView(new QTreeWidget(this)) {
  SetName(QStringLiteral("iOPCExplorerForm"));
  SetCaption(QStringLiteral("Vivove OPC Explorer"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setWindowFlag(Qt::WindowMinimizeButtonHint, false);
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  SetPosition(TPosition::poScreenCenter);
  setMinimumSize(250, 300);
  SetBounds(0, 0, 250, 300);
  m_treeView->setObjectName(QStringLiteral("TreeView"));
  m_treeView->setHeaderHidden(true);
  m_treeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_treeView->setIndentation(19);
  m_treeView->setSortingEnabled(true);
  m_treeView->sortByColumn(0, Qt::AscendingOrder);
  m_treeView->setIconSize(QSize(16, 16));
  m_treeView->setGeometry(0, 0, ClientWidth(), ClientHeight());
  OnResize = [this](TObject*) { m_treeView->setGeometry(0, 0, ClientWidth(), ClientHeight()); };
}

TiOPCExplorerForm* TiOPCExplorerForm::Instance() { return ExplorerInstance().data(); }

TiOPCExplorerForm& TiOPCExplorerForm::EnsureInstance() {
  if (ExplorerInstance().isNull()) {
    ExplorerInstance() = new TiOPCExplorerForm();
  }
  return *ExplorerInstance();
}

void TiOPCExplorerForm::FreeInstance() { delete ExplorerInstance().data(); }

void TiOPCExplorerForm::RefreshServers() {
  m_treeView->clear();
  m_serversTreeNode = AddNode(nullptr, m_treeView, QStringLiteral("Servers Connections"), 0);
  m_groupsTreeNode = AddNode(nullptr, m_treeView, QStringLiteral("Groups"), 1);
  const int count = ServerConnectionGetCount();
  for (int i = 0; i < count; ++i) {
    AddNode(m_serversTreeNode, m_treeView, ServerConnectionGetName(i), 2);
  }
  m_serversTreeNode->setExpanded(true);
}
