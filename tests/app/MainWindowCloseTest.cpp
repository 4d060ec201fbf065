#include <chrono>

#include "dialogs/TfmExit.h"
#include "link/LUnitSession.h"
#include "link/LinkTransportFactory.h"
#include "protocol/CommandCodes.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/UnitSim.h"
#include "widgets/buttons/TRzBmpButton.h"

using namespace std::chrono_literals;

namespace {

/// The tests share one window over the real transports; each starts with
/// it shown, no link and the exit not yet allowed.
class MainWindowClose : public SharedMainWindow<LinkTransportFactory> {
protected:
  void SetUp() override {
    window.State().ExitAllowed = false;
    window.show();
  }
  void TearDown() override { window.Session().CloseAllTransports(); }

  bool GoodbyeSent() const {
    for (const SimReceivedFrame& frame : sim->ReceivedFrames()) {
      if (frame.frame.code == CMD_GOODBYE) {
        return true;
      }
    }
    return false;
  }

  void ConnectToTheSimulatedUnit() {
    UnitSimOptions options;
    options.pty = true;
    sim = std::make_unique<UnitSim>(options);
    ASSERT_TRUE(sim->Start()) << sim->LastError();
    window.Session().SetComPortName(QString::fromStdString(sim->PtyPath()));
    window.Session().OpenSerialLink();
    ASSERT_TRUE(ProcessEventsUntil([&] { return window.Session().IsUnitLinked(); }, 10s));
  }

  TfmExit exitDialog{window};
  std::unique_ptr<UnitSim> sim;
};

}  // namespace

TEST_F(MainWindowClose, cancelKeepsTheWindowAndAsksAgainNextTime) {
  window.close();
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(exitDialog.isVisible());
  exitDialog.btnCancel->Click();
  EXPECT_FALSE(exitDialog.isVisible());
  EXPECT_FALSE(window.State().ExitAllowed);
  EXPECT_TRUE(window.isVisible());
  window.close();
  EXPECT_TRUE(exitDialog.isVisible());
}

TEST_F(MainWindowClose, offlineOkSendsNothingAndClosesTheWindow) {
  window.close();
  exitDialog.btnOK->Click();
  EXPECT_TRUE(window.State().ExitAllowed);
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(exitDialog.isVisible());
}

TEST_F(MainWindowClose, okSaysGoodbyeToTheUnitBeforeTheLinkCloses) {
  ConnectToTheSimulatedUnit();
  window.close();
  ASSERT_TRUE(window.isVisible());
  exitDialog.btnOK->Click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(window.Session().HasAnyTransport());
  // The goodbye was written before the port closed: the unit has it.
  EXPECT_TRUE(ProcessEventsUntil([&] { return GoodbyeSent(); }, 5s));
}
