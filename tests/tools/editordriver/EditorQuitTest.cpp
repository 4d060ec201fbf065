#include <chrono>
#include <fstream>
#include <memory>
#include <string>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/support/NetworkConfinement.h"
#include "tests/tools/editordriver/EditorProcess.h"
#include "tools/unitsim/SimCodes.h"
#include "tools/unitsim/UnitSim.h"

using namespace std::chrono_literals;

namespace {

// Bounds of the editor's own steps. A sanitized editor that closes checks its
// memory for leaks on the way out, which takes many seconds on a loaded
// machine; a passing run never waits them out.
constexpr auto kStepsLimit = 120s;
constexpr auto kExitLimit = 60s;

/// The real program against a simulated unit on loopback, reached by TCP
/// (and by UDP once discovery has found it), each run with a settings
/// folder of its own.
class EditorQuit : public ::testing::Test {
protected:
  void SetUp() override {
    if (!RequireLoopbackOnly()) {
      GTEST_SKIP() << "not confined to loopback";
    }
    ASSERT_TRUE(folder.isValid());
    UnitSimOptions options = NetworkOptionsOnFreePorts();
    sim = std::make_unique<UnitSim>(options);
    ASSERT_TRUE(sim->Start()) << sim->LastError();
  }

  std::map<std::string, std::string> Environment() const {
    const std::string root = folder.path().toStdString();
    return {{"KRV71_NETWORK_ENDPOINTS", "unit=127.0.0.1,tcp=" + std::to_string(sim->TcpPort()) +
                                            ",frame=" + std::to_string(sim->UdpFramePort()) +
                                            ",broadcast=" + std::to_string(sim->UdpDiscoveryPort())},
            {"XDG_CONFIG_HOME", root + "/config"},
            {"HOME", root}};
  }

  /// A file whose creation lets the driver go on.
  std::string Signal(const std::string& name) const { return folder.filePath(QString::fromStdString(name)).toStdString(); }
  static void Raise(const std::string& path) { std::ofstream(path) << "go\n"; }

  std::size_t Goodbyes() const { return sim->ReceivedCount(SimCode::kGoodbye); }

  /// Starts an editor that links, waits until the unit is polled for its
  /// levels (the read-out is over), then is closed with OK once `go` exists.
  std::unique_ptr<EditorProcess> StartLinkedEditor(const std::string& go) {
    const std::size_t polledBefore = sim->ReceivedCount(SimCode::kLevels);
    auto editor = std::make_unique<EditorProcess>("link;wait:" + go + ";close;ok", Environment());
    EXPECT_TRUE(editor->Started());
    EXPECT_TRUE(sim->WaitUntil([&] { return sim->ReceivedCount(SimCode::kLevels) > polledBefore; }, kStepsLimit))
        << editor->Output();
    return editor;
  }

  QTemporaryDir folder;
  std::unique_ptr<UnitSim> sim;
};

}  // namespace

TEST_F(EditorQuit, linkedOverTcp_okEndsTheProgramAfterOneGoodbyeAndTheUnitTakesTheNextEditor) {
  const std::string go = Signal("go-first");
  std::unique_ptr<EditorProcess> first = StartLinkedEditor(go);
  ASSERT_FALSE(HasFailure());
  ASSERT_EQ(Goodbyes(), 0u);
  Raise(go);
  ASSERT_TRUE(first->WaitForOutput("driver: ok", kStepsLimit)) << first->Output();
  EXPECT_EQ(first->WaitForExit(kExitLimit), std::optional<int>(0)) << first->Output();
  // One goodbye by TCP, and its copy by UDP to the unit found by discovery.
  EXPECT_GE(Goodbyes(), 1u);
  EXPECT_LE(Goodbyes(), 2u);

  // The unit is free again: a second editor links to it and quits as well.
  sim->ClearReceivedFrames();
  const std::string goAgain = Signal("go-second");
  std::unique_ptr<EditorProcess> second = StartLinkedEditor(goAgain);
  ASSERT_FALSE(HasFailure());
  Raise(goAgain);
  ASSERT_TRUE(second->WaitForOutput("driver: ok", kStepsLimit)) << second->Output();
  EXPECT_EQ(second->WaitForExit(kExitLimit), std::optional<int>(0)) << second->Output();
  EXPECT_LE(Goodbyes(), 2u);
}

TEST_F(EditorQuit, offline_theFrameAndFileExitAskAndEndTheProgramWithoutSendingAnything) {
  for (const char* steps : {"close;ok", "menu:Exit;ok"}) {
    SCOPED_TRACE(steps);
    EditorProcess editor(steps, Environment());
    ASSERT_TRUE(editor.Started());
    ASSERT_TRUE(editor.WaitForOutput("driver: ok", kStepsLimit)) << editor.Output();
    EXPECT_EQ(editor.WaitForExit(kExitLimit), std::optional<int>(0)) << editor.Output();
  }
  EXPECT_EQ(Goodbyes(), 0u);
}
