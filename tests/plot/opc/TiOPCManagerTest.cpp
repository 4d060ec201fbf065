#include <memory>

#include <QTreeWidget>

#include <gtest/gtest.h>

#include "plot/opc/TiOPCExplorerForm.h"
#include "plot/opc/TiOPCManager.h"
#include "plot/opc/iOPCStreaming.h"
#include "tests/plot/ErrorOf.h"
#include "tests/plot/opc/OpcTestScope.h"
#include "tests/support/ProcessEventsUntil.h"

TEST(TiOPCManagerTest, SizeStaysTwentyEightSquare) {
  TiOPCManager manager;
  EXPECT_EQ(manager.Width(), 28);
  EXPECT_EQ(manager.Height(), 28);
  EXPECT_FALSE(manager.Visible());
  manager.SetBounds(10, 20, 100, 50);
  EXPECT_EQ(manager.Left(), 10);
  EXPECT_EQ(manager.Top(), 20);
  EXPECT_EQ(manager.Width(), 28);
  EXPECT_EQ(manager.Height(), 28);
}

TEST(TiOPCManagerTest, GroupsAreFoundIgnoringCaseAndDeletedInTheLibrary) {
  OpcTestScope scope;
  TiOPCManager manager;
  EXPECT_TRUE(manager.FirstInstance());
  manager.GroupAdd("Boilers", "Local", "Sim", 250);
  manager.GroupAdd("Tanks", "Local", "Sim", 1000);
  EXPECT_EQ(manager.GetGroupIndex(QStringLiteral("tANKS")), 1);
  EXPECT_EQ(manager.GetGroupIndex(QStringLiteral("Pumps")), -1);
  ASSERT_EQ(scope.Library().Groups().size(), 2u);
  EXPECT_NE(manager.Groups(0).DLLGroupHandle(), 0);
  manager.GroupDelete(0);
  EXPECT_EQ(manager.GroupCount(), 1);
  EXPECT_EQ(scope.Library().Groups().size(), 1u);
  EXPECT_EQ(ErrorOf([&] { manager.GroupDelete(1); }), QStringLiteral("List index out of bounds (1)"));
  manager.Groups(0).SetUpdateRate(100);
  EXPECT_EQ(scope.Library().Groups().begin()->second.updateRate, 100);
  manager.Groups(0).Suspend();
  EXPECT_TRUE(scope.Library().Groups().begin()->second.suspended);
  manager.Groups(0).Resume();
  EXPECT_FALSE(scope.Library().Groups().begin()->second.suspended);
  manager.CloseAllServerConnections();
  EXPECT_EQ(scope.Library().CloseAllCount(), 1);
}

TEST(TiOPCManagerTest, TwoGroupsStreamAndComeBackWithTheirRates) {
  OpcTestScope scope;
  QStringList lines;
  {
    TiOPCManager manager;
    manager.GroupAdd("Boilers", "Local", "Sim", 250);
    manager.GroupAdd("Tanks", "Plant 2", "Sim.Server.1", 1000);
    WriteOPCGroupLines(manager, lines);
  }
  EXPECT_EQ(lines, QStringList({"Groups[0].Name = Boilers", "Groups[0].ComputerName = Local",
                                "Groups[0].OPCServerName = Sim", "Groups[0].UpdateRate = 250",
                                "Groups[1].Name = Tanks", "Groups[1].ComputerName = Plant 2",
                                "Groups[1].OPCServerName = Sim.Server.1", "Groups[1].UpdateRate = 1000"}));
  TiOPCManager loaded;
  loaded.GroupAdd("Old", "Local", "Sim", 10);
  ReadOPCGroupLines(loaded, lines);
  ASSERT_EQ(loaded.GroupCount(), 2);
  EXPECT_EQ(loaded.Groups(0).Name(), QStringLiteral("Boilers"));
  EXPECT_EQ(loaded.Groups(0).UpdateRate(), 250);
  EXPECT_EQ(loaded.Groups(1).ComputerName(), QStringLiteral("Plant 2"));
  EXPECT_EQ(loaded.Groups(1).OPCServerName(), QStringLiteral("Sim.Server.1"));
  EXPECT_EQ(loaded.Groups(1).UpdateRate(), 1000);
  EXPECT_EQ(scope.Library().Groups().size(), 2u);
  QStringList again;
  WriteOPCGroupLines(loaded, again);
  EXPECT_EQ(again, lines);

  EXPECT_EQ(ErrorOf([&] { ReadOPCGroupLines(loaded, {"Groups[0].UpdateRate = soon"}); }),
            QStringLiteral("Invalid group line 1: Groups[0].UpdateRate = soon"));
  EXPECT_EQ(loaded.GroupCount(), 2);
}

TEST(TiOPCManagerTest, GroupUpdatesNameTheGroupOrNothing) {
  OpcTestScope scope;
  TiOPCManager manager;
  manager.GroupAdd("Boilers", "Local", "Sim", 250);
  std::vector<QString> before;
  std::vector<QString> after;
  manager.OnBeforeGroupUpdate = [&](TObject* sender, const QString& name) {
    EXPECT_EQ(sender, &manager);
    before.push_back(name);
  };
  manager.OnAfterGroupUpdate = [&](TObject*, const QString& name) { after.push_back(name); };
  scope.Library().NotifyGroupUpdate(manager.Groups(0).DLLGroupHandle());
  scope.Library().NotifyGroupUpdate(4242);
  ASSERT_TRUE(ProcessEventsUntil([&] { return after.size() == 2; }));
  EXPECT_EQ(before, (std::vector<QString>{QStringLiteral("Boilers"), QString()}));
  EXPECT_EQ(after, (std::vector<QString>{QStringLiteral("Boilers"), QString()}));
}

TEST(TiOPCManagerTest, ExplorerListsTheServerConnections) {
  OpcTestScope scope;
  scope.Library().AddServerConnection(QStringLiteral("Local\\Sim.Server.1"));
  scope.Library().AddServerConnection(QStringLiteral("Plant 2\\Boiler.OPC.2"));
  TiOPCManager manager;
  manager.ExplorerShow();
  TiOPCExplorerForm* explorer = TiOPCExplorerForm::Instance();
  ASSERT_NE(explorer, nullptr);
  EXPECT_TRUE(explorer->isVisible());
  EXPECT_EQ(explorer->Caption(), QStringLiteral("Vivove OPC Explorer"));
  EXPECT_EQ(explorer->minimumSize(), QSize(250, 300));
  EXPECT_TRUE(explorer->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QTreeWidget* tree = explorer->TreeView();
  EXPECT_EQ(tree->indentation(), 19);
  ASSERT_EQ(tree->topLevelItemCount(), 2);
  EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("Groups"));
  EXPECT_EQ(tree->topLevelItem(0)->childCount(), 0);
  QTreeWidgetItem* servers = explorer->ServersTreeNode();
  ASSERT_EQ(servers->childCount(), 2);
  EXPECT_EQ(servers->child(0)->text(0), QStringLiteral("Local\\Sim.Server.1"));
  EXPECT_EQ(servers->child(1)->text(0), QStringLiteral("Plant 2\\Boiler.OPC.2"));

  scope.Library().AddServerConnection(QStringLiteral("Another"));
  TiOPCManager second;
  second.ExplorerShow();
  EXPECT_EQ(TiOPCExplorerForm::Instance(), explorer) << "one explorer per application";
  EXPECT_EQ(explorer->ServersTreeNode()->childCount(), 3);
}
