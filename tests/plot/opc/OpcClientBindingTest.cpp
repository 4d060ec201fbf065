#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "plot/core/TiPlot.h"
#include "plot/core/TiXYPlot.h"
#include "plot/opc/OpcClientBinding.h"
#include "plot/opc/TiOPCExplorerForm.h"
#include "plot/opc/TiOPCItemManager.h"
#include "plot/opc/TiOPCManager.h"
#include "tests/plot/ErrorOf.h"
#include "tests/plot/opc/OpcTestScope.h"

namespace {

const QString kOpcBindingDllMessage = QStringLiteral("Vivove OPC DLL Not Found.");

struct OpcBindingEntryCase {
  const char* entry;
  std::function<void()> call;
};

std::vector<OpcBindingEntryCase> OpcBindingEntryCases() {
  return {
      {"SignalAdd", [] { SignalAdd("Local", "S", "I", "", 500, false, 0, nullptr); }},
      {"SignalRemove", [] { SignalRemove(1); }},
      {"SignalSuspend", [] { SignalSuspend(1); }},
      {"SignalResume", [] { SignalResume(1); }},
      {"SignalGetUpdateSuspended", [] { SignalGetUpdateSuspended(1); }},
      {"SignalGetActive", [] { SignalGetActive(1); }},
      {"SignalSendData", [] { SignalSendData(1, 5); }},
      {"SignalGetDataNow", [] { SignalGetDataNow(1); }},
      {"SignalGetData", [] { SignalGetData(1); }},
      {"SignalGetTimeStamp", [] { SignalGetTimeStamp(1); }},
      {"SignalGetQuality", [] { SignalGetQuality(1); }},
      {"GroupAdd", [] { GroupAdd("G", "Local", "S", 500, nullptr); }},
      {"GroupDelete", [] { GroupDelete(1); }},
      {"GroupResume", [] { GroupResume(1); }},
      {"GroupSuspend", [] { GroupSuspend(1); }},
      {"GroupSetUpdateRate", [] { GroupSetUpdateRate(1, 100); }},
      {"CloseAllServerConnections", [] { CloseAllServerConnections(); }},
      {"ServerConnectionGetCount", [] { ServerConnectionGetCount(); }},
      {"ServerConnectionGetName", [] { ServerConnectionGetName(0); }},
  };
}

}  // namespace

TEST(OpcClientBindingTest, WithoutLibraryEveryWrapperRaisesTheDllMessage) {
  ASSERT_TRUE(OPCLibraryMissing());
  for (const OpcBindingEntryCase& c : OpcBindingEntryCases()) {
    EXPECT_EQ(ErrorOf(c.call), kOpcBindingDllMessage) << c.entry;
  }
  EXPECT_FALSE(OPCManagerCreated());
  EXPECT_EQ(ErrorOf([] { OPCManagerDestroyed(); }), QString());
}

TEST(OpcClientBindingTest, MissingEntryRaisesItsNameAndTheLibraryFile) {
  for (const OpcBindingEntryCase& c : OpcBindingEntryCases()) {
    OpcTestScope scope;
    scope.Library().RemoveEntry(QString::fromLatin1(c.entry));
    EXPECT_EQ(ErrorOf(c.call), QStringLiteral("Function \"%1\" not found in \"dEVO2.dll\".").arg(c.entry))
        << c.entry;
  }
}

TEST(OpcClientBindingTest, LibraryErrorTextIsRaisedUnchanged) {
  for (const OpcBindingEntryCase& c : OpcBindingEntryCases()) {
    OpcTestScope scope;
    scope.Library().FailNextCall(QStringLiteral("Server 'S' refused: access denied"));
    EXPECT_EQ(ErrorOf(c.call), QStringLiteral("Server 'S' refused: access denied")) << c.entry;
    EXPECT_EQ(ErrorOf(c.call), QString()) << c.entry << ": the next call succeeds";
  }
}

TEST(OpcClientBindingTest, ManagerWrappersAreSilentWithoutTheirEntries) {
  OpcTestScope scope;
  scope.Library().RemoveEntry(QStringLiteral("ManagerCreated"));
  scope.Library().RemoveEntry(QStringLiteral("ManagerDestroyed"));
  EXPECT_FALSE(OPCManagerCreated());
  EXPECT_EQ(ErrorOf([] { OPCManagerDestroyed(); }), QString());
  EXPECT_EQ(scope.Library().ManagersAlive(), 0);
}

TEST(OpcClientBindingTest, ManagerWrappersRaiseTheLibraryErrorText) {
  OpcTestScope scope;
  EXPECT_TRUE(OPCManagerCreated());
  EXPECT_FALSE(OPCManagerCreated());
  scope.Library().FailNextCall(QStringLiteral("manager table full"));
  EXPECT_EQ(ErrorOf([] { OPCManagerCreated(); }), QStringLiteral("manager table full"));
}

TEST(OpcClientBindingTest, LibraryWithoutErrorEntryReportsNothing) {
  OpcTestScope scope;
  scope.Library().RemoveEntry(QStringLiteral("GetLastCallErrorString"));
  scope.Library().FailNextCall(QStringLiteral("ignored"));
  EXPECT_EQ(ErrorOf([] { SignalGetActive(1); }), QString());
}

TEST(OpcClientBindingTest, ProductWithoutLibraryConnectsNothing) {
  ASSERT_TRUE(OPCLibraryMissing());
  TiPlot plot;
  TiOPCItem& item = plot.OPCItemManager().Items(plot.OPCAddItem());
  item.SetPropertyName(QStringLiteral("HintsPause"));
  item.SetServerName(QStringLiteral("Sim"));
  item.SetItemName(QStringLiteral("Tag"));
  EXPECT_EQ(ErrorOf([&] { item.Activate(); }), QString());
  EXPECT_FALSE(item.GetActive());
  EXPECT_EQ(ErrorOf([&] { item.SetData(3); }), QString());
  EXPECT_EQ(ErrorOf([&] { item.Deactivate(); }), QString());
  EXPECT_EQ(item.SignalHandle(), 0);

  TiOPCManager manager;
  EXPECT_FALSE(manager.FirstInstance());
  EXPECT_EQ(manager.GroupAdd("G", "Local", "Sim", 250), 0);
  EXPECT_EQ(manager.Groups(0).DLLGroupHandle(), 0);
  const std::vector<std::pair<const char*, std::function<void()>>> refused{
      {"ExplorerShow", [&] { manager.ExplorerShow(); }},
      {"CloseAllServerConnections", [&] { manager.CloseAllServerConnections(); }},
      {"Resume", [&] { manager.Groups(0).Resume(); }},
      {"Suspend", [&] { manager.Groups(0).Suspend(); }},
      {"UpdateRate", [&] { manager.Groups(0).SetUpdateRate(100); }},
  };
  for (const auto& [name, call] : refused) {
    EXPECT_EQ(ErrorOf(call), kOpcBindingDllMessage) << name;
  }
  ASSERT_NE(TiOPCExplorerForm::Instance(), nullptr);
  EXPECT_FALSE(TiOPCExplorerForm::Instance()->isVisible());
  EXPECT_EQ(ErrorOf([&] { manager.GroupDelete(0); }), QString());
  EXPECT_EQ(manager.GroupCount(), 0);

  TiPlot timePlot;
  TiXYPlot xyPlot;
  EXPECT_EQ(ErrorOf([&] { timePlot.AddChannel(); }), QString());
  EXPECT_EQ(ErrorOf([&] { xyPlot.AddChannel(); }), QString());
  EXPECT_FALSE(timePlot.Channel(0)->OPCActive());
  EXPECT_FALSE(xyPlot.Channel(0)->OPCActive());
}
