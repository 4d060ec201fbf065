#include <QStringList>

#include "link/LUnitSession.h"
#include "tests/app/LiveWindowFixture.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/smooth/TCurvyEdit.h"

namespace {

const QStringList kLockedMenus = {"Open", "Save",        "Upload",       "Download",     "Link",     "Copy",
                                  "Lock", "InOutSelect", "SourceSelect", "NetworkSetup", "TestTone", "ChNameList"};

class MainWindowLock : public LiveWindowFixture {
protected:
  void TearDown() override {
    window->ResetLiveDisplay();
    window->Session().SetAccessLockState(0);
  }
  /// A value box is enabled through its inner edit.
  bool On(const char* name) {
    TControl& control = Get<TControl>(QString::fromLatin1(name));
    auto* box = dynamic_cast<TCurvyEdit*>(&control);
    return box != nullptr ? box->Enabled() : control.Enabled();
  }
  bool MenuOn(const QString& name) { return window->Form().MainMenu.Find(name)->Enabled; }
};

TEST_F(MainWindowLock, permissionBytesDisableTheirPagesAndControlsOnlyUnderRestrictedAccess) {
  window->SetPanelLockPermissions(0x10, 0x00, 0x03);
  window->ApplyPanelLock();
  EXPECT_TRUE(On("isDelayInA")) << "without bit value 2 of the access lock nothing changes";

  window->Session().SetAccessLockState(2);
  window->ApplyPanelLock();
  for (const char* name : {"isDelayInA", "cvdDelayInB", "lbMatrixDelayInC", "lbDelayLineInA", "bStore", "bRecall"}) {
    EXPECT_FALSE(On(name)) << name;
  }
  for (const char* name : {"rzbMenuDelay", "isDelayOut1", "cvdDelayOut6", "lbDelayLineOut3", "rzbMenuGain",
                           "isGainInA", "rzbMenuMatrix", "rzbMenuOut2"}) {
    EXPECT_TRUE(On(name)) << name;
  }

  window->SetPanelLockPermissions(0x3F, 0x17, 0x00);
  window->ApplyPanelLock();
  for (const char* name : {"rzbMenuDelay", "rzbMenuGate", "rzbMenuComp", "rzbMenuMatrix", "rzbMenuLimit",
                           "rzbMenuInB", "rzbMenuOut4", "isGainBackupOut2", "rzbPhaseInC", "lbMatrixPhaseInA",
                           "lbMatrixXoverOut5", "lbMatrixLimitOut6", "lbMatrixFirInA", "isDelayOut1"}) {
    EXPECT_FALSE(On(name)) << name;
  }
  EXPECT_TRUE(On("rzbMenuGain")) << "the Gain page is never locked";
  EXPECT_TRUE(On("bStore"));

  // Going offline clears the permissions and enables everything again.
  window->SetMenusLocked(true);
  window->ResetLiveDisplay();
  for (const char* name : {"rzbMenuDelay", "rzbMenuMatrix", "rzbMenuInB", "isDelayOut1", "bRecall"}) {
    EXPECT_TRUE(On(name)) << name;
  }
  for (const QString& menu : kLockedMenus) {
    EXPECT_TRUE(MenuOn(menu)) << menu.toStdString();
  }
}

TEST_F(MainWindowLock, aLockedMatrixPageLeavesForTheGainPage) {
  Get<TRzBmpButton>("rzbMenuMatrix").Click();
  Get<TRzBmpButton>("rzbMenuMatrix").SetDown(true);
  ASSERT_EQ(window->State().CurrentPage, MainWindowState::kPageMatrix);
  window->Session().SetAccessLockState(2);
  window->SetPanelLockPermissions(0x20, 0, 0);
  window->ApplyPanelLock();
  EXPECT_FALSE(On("rzbMenuMatrix"));
  EXPECT_EQ(window->State().CurrentPage, MainWindowState::kPageGain);
  EXPECT_TRUE(Get<TRzBmpButton>("rzbMenuGain").Down());
}

TEST_F(MainWindowLock, menusLockTogetherAndTheUserLockReachesBothDialogCopies) {
  window->SetMenusLocked(true);
  for (const QString& menu : kLockedMenus) {
    EXPECT_FALSE(MenuOn(menu)) << menu.toStdString();
  }
  EXPECT_TRUE(MenuOn("Exit"));
  window->SetMenusLocked(false);
  EXPECT_TRUE(MenuOn("Open"));

  window->SetUserLockState(0x1A2);
  EXPECT_EQ(window->State().PanelLockSetupUserLockState, 0xA2);
  EXPECT_EQ(window->State().LockSetupUserLockState, 0xA2);
}

}  // namespace
