#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/TfmMain.h"
#include "dialogs/TfmInformation.h"
#include "dialogs/TfmProcess.h"
#include "editors/fir/FirEditing.h"
#include "link/LUnitSession.h"
#include "platform/widgets/FileChooser.h"
#include "protocol/CommandCodes.h"
#include "tests/app/PtyUnitWindow.h"
#include "tests/app/FilterEditingTestSupport.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/UnitSim.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/smooth/TAdvProgressBar.h"

using namespace std::chrono_literals;

namespace {

/// One window linked over a pty to a simulated unit for the suite; the last
/// test closes the link.
class FirTransferProgressUnit : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    unit = new PtyUnitWindow;
    window = &unit->Window();
    sim = &unit->Sim();
    information = unit->Add<TfmInformation>(*window);
    process = unit->Add<TfmProcess>(*window);
    window->show();
    ASSERT_TRUE(unit->StartUnit());
    ASSERT_TRUE(LinkInputPairAndReadOut(*window, *sim));
  }
  static void TearDownTestSuite() {
    FileChooser::SetHook({});
    delete unit;
    unit = nullptr;
    window = nullptr;
    sim = nullptr;
    information = nullptr;
    process = nullptr;
  }

  void SetUp() override {
    ASSERT_NE(window, nullptr);
    sim->ClearReceivedFrames();
  }
  void TearDown() override {
    sim->ClearFaults();
    FileChooser::SetHook({});
  }

  /// The unit answers every coefficient block `delay` late.
  static void DelayBlockReplies(std::chrono::milliseconds delay) {
    SimFault fault;
    fault.code = CMD_EXT_FIR;
    fault.delay = delay;
    sim->AddFault(fault);
  }

  /// Imports `taps` small coefficients into an output through its open button.
  void Import(const QString& button, int taps) {
    {
      std::ofstream out(m_file, std::ios::binary | std::ios::trunc);
      for (int k = 0; k < taps; ++k) out << "0.0" << (k % 9 + 1) << "\r\n";
    }
    const QString path = QString::fromStdString(m_file.string());
    FileChooser::SetHook([path](const FileChoice&) -> std::optional<QString> { return path; });
    window->Controls().Find<TRzButton>(button)->Click();
    FileChooser::SetHook({});
  }

  static PtyUnitWindow* unit;
  static TfmMain* window;
  static TfmInformation* information;
  static TfmProcess* process;
  static UnitSim* sim;
  QTemporaryDir m_folder;
  std::filesystem::path m_file = m_folder.filePath(QStringLiteral("Progress.csv")).toStdString();
};

PtyUnitWindow* FirTransferProgressUnit::unit = nullptr;
TfmMain* FirTransferProgressUnit::window = nullptr;
TfmInformation* FirTransferProgressUnit::information = nullptr;
TfmProcess* FirTransferProgressUnit::process = nullptr;
UnitSim* FirTransferProgressUnit::sim = nullptr;

TEST_F(FirTransferProgressUnit, followsTheAnswersToTheBlocksAndClosesAfterTheLast) {
  DelayBlockReplies(150ms);
  Import(QStringLiteral("sbOpenFirFileOut3"), 30);
  ASSERT_TRUE(process->isVisible());
  EXPECT_FALSE(process->isModal());
  EXPECT_TRUE(window->isEnabled());
  EXPECT_EQ(process->ProgressBar->Max(), 3);
  std::vector<int> seen{process->ProgressBar->Position()};
  ASSERT_TRUE(ProcessEventsUntil(
      [&] {
        if (seen.back() != process->ProgressBar->Position()) seen.push_back(process->ProgressBar->Position());
        return !process->isVisible();
      },
      20s));
  EXPECT_EQ(seen.front(), 0);
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  EXPECT_EQ(process->ProgressBar->Position(), 3);
  EXPECT_EQ(sim->ReceivedCount(CMD_EXT_FIR), 3u);

  // One block needs no window.
  Import(QStringLiteral("sbOpenFirFileOut4"), 12);
  EXPECT_FALSE(process->isVisible());
}

TEST_F(FirTransferProgressUnit, leavesTheWindowToATransferThatTookItOver) {
  DelayBlockReplies(150ms);
  Import(QStringLiteral("sbOpenFirFileOut6"), 30);
  ASSERT_TRUE(process->isVisible());
  window->SetProgressMax(50);  // another transfer shows its own progress
  window->SetProgressPosition(7);
  ASSERT_TRUE(ProcessEventsUntil([] { return !window->Fir().Progress().IsFollowing(); }, 5s));
  const auto allAnswered = [] {
    const std::optional<OpenLinkFrames> link = window->Session().OpenLinkFrameCount();
    return link && link->count.answered == link->count.handedIn;
  };
  ASSERT_TRUE(ProcessEventsUntil(allAnswered, 20s));
  EXPECT_TRUE(process->isVisible());
  EXPECT_EQ(process->ProgressBar->Position(), 7);
  window->CloseProgress();
}

TEST_F(FirTransferProgressUnit, closesWhenTheLinkCloses) {
  DelayBlockReplies(3000ms);
  Import(QStringLiteral("sbOpenFirFileOut5"), 40);
  ASSERT_TRUE(process->isVisible());
  EXPECT_EQ(process->ProgressBar->Max(), 4);
  window->Session().Disconnect();
  EXPECT_TRUE(ProcessEventsUntil([] { return !process->isVisible(); }, 10s));
  EXPECT_LT(process->ProgressBar->Position(), 4);
}

}  // namespace
