#include <chrono>
#include <memory>

#include "components/LProgressBar.h"
#include "link/LUnitSession.h"
#include "link/LinkTransportFactory.h"
#include "link/ProcessState.h"
#include "platform/widgets/TLabel.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/UnitImage.h"
#include "tests/app/LiveWindowFixture.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/UnitSim.h"
#include "widgets/buttons/TRzBmpButton.h"

using namespace std::chrono_literals;

namespace {

constexpr auto kWindowReadOutLimit = 60s;

/// A main window over the real serial transport, on the pty of a simulated unit.
class MainWindowUnitSim : public ::testing::Test {
protected:
  void SetUp() override {
    UnitSimOptions options;
    options.pty = true;
    sim = std::make_unique<UnitSim>(options);
    ASSERT_TRUE(sim->Start()) << sim->LastError();
  }

  void Connect() {
    window.Session().SetComPortName(QString::fromStdString(sim->PtyPath()));
    window.Session().OpenSerialLink();
  }

  bool ReadOutDone() {
    return ProcessEventsUntil([&] { return Get<TTimer>("tmInLevelDet").Enabled(); }, kWindowReadOutLimit);
  }

  template <class T>
  T& Get(const char* name) {
    return *window.Controls().Find<T>(QString::fromLatin1(name));
  }
  int Meter(const char* name) { return Get<LProgressBar>(name).Position(); }

  static void Word(SimUnitState& state, int channel, std::size_t offset, std::uint16_t value) {
    WriteWord(state.image, UnitImage::ChannelRecord(channel) + offset, value);
  }

  std::unique_ptr<UnitSim> sim;
  LinkTransportFactory factory;
  PromptCountingWindow window{factory, nullptr};
};

TEST_F(MainWindowUnitSim, readOutShowsTheUnitsImageAndThenOnlyKeepAlivesAndPollsGoOut) {
  sim->ModifyState([](SimUnitState& state) {
    Word(state, 0, UnitImage::kInGain, 0);
    Word(state, 8, UnitImage::kOutFilter, 1);        // mode FIR
    state.image[UnitImage::ChannelRecord(8) + UnitImage::kOutFilter + 8] = 4;  // external coefficients
    Word(state, 8, UnitImage::kOutFilter + 14, 3000);
    state.currentPreset = 7;
  });
  Connect();
  ASSERT_TRUE(ReadOutDone());

  EXPECT_EQ(Get<TLabel>("lbPstNum").Caption(), "U07");
  EXPECT_EQ(Get<TLabel>("lbNowFirTapsOut6").Caption(), "1024");
  EXPECT_EQ(window.State().FirTaps[8], 1024);
  EXPECT_TRUE(Get<TRzBmpButton>("rzbMenuGain").Down());

  sim->ClearReceivedFrames();
  ASSERT_TRUE(ProcessEventsUntil([&] { return sim->ReceivedCount(CMD_LEVELS) >= 3; }, 10s));
  for (const SimReceivedFrame& frame : sim->ReceivedFrames()) {
    EXPECT_TRUE(frame.frame.code == CMD_LEVELS || frame.frame.code == CMD_KEEP_ALIVE) << int(frame.frame.code);
  }
}

TEST_F(MainWindowUnitSim, metersFollowTheUnitAndTheDisconnectClearsThem) {
  sim->ModifyState([](SimUnitState& state) {
    Word(state, 0, UnitImage::kInCompressor, 3);      // ratio 1:... not 1:1
    Word(state, 3, UnitImage::kOutLimiter, 2);        // ratio
    Word(state, 3, UnitImage::kOutLimiter + 8, 200);  // threshold below +20 dB
    state.levels.amplitudes[0] = 1.0f;
    state.levels.amplitudes[6] = 0.5f;  // word 6: Out3
    state.levels.activityMask = 0x0101;
    state.levels.idleCount = 48;
  });
  Connect();
  ASSERT_TRUE(ReadOutDone());
  ASSERT_TRUE(ProcessEventsUntil([&] { return Meter("pbLevelInA") == 8; }, 10s));
  EXPECT_EQ(Meter("pbLevelOut3"), 6);
  EXPECT_EQ(Meter("pbLimitInA"), 1);
  EXPECT_EQ(Meter("pbLimitBackupOut1"), 1);
  EXPECT_EQ(Get<TLabel>("lbDspMips").Caption(), "DSP:99.0%");
  EXPECT_TRUE(Get<TTimer>("tmMipsFlash").Enabled());

  sim->ModifyState([](SimUnitState& state) { state.levels.idleCount = 4809; });
  const std::size_t polls = sim->ReceivedCount(CMD_LEVELS);
  ASSERT_TRUE(ProcessEventsUntil([&] { return !Get<TTimer>("tmMipsFlash").Enabled(); }, 10s));
  EXPECT_GE(sim->ReceivedCount(CMD_LEVELS), polls + 3) << "three replies below the limit end the alarm";
  EXPECT_EQ(Get<TLabel>("lbDspMips").Font().Color(), clWhite);

  window.Session().Disconnect();
  EXPECT_FALSE(Get<TTimer>("tmInLevelDet").Enabled());
  EXPECT_EQ(Meter("pbLevelInA"), 0);
  EXPECT_EQ(Meter("pbLimitBackupOut1"), 0);
  EXPECT_EQ(Meter("pbLevelOut3"), 0);
}

TEST_F(MainWindowUnitSim, slowRepliesGetOnePollEachWithoutABacklog) {
  SimFault slow;
  slow.code = CMD_LEVELS;
  slow.delay = 700ms;
  Connect();
  ASSERT_TRUE(ReadOutDone());
  sim->AddFault(slow);
  sim->ClearReceivedFrames();
  const std::size_t repliesBefore = sim->RepliesSent();
  ASSERT_TRUE(ProcessEventsUntil([&] { return sim->RepliesSent() >= repliesBefore + 4; }, 20s));
  // Polls queued behind an outstanding one replace each other: at most one
  // more poll than answered replies has reached the unit.
  EXPECT_LE(sim->ReceivedCount(CMD_LEVELS), sim->RepliesSent() - repliesBefore + 1);
}

TEST_F(MainWindowUnitSim, adminLockWaitsASecondThenPromptsAndReadsNothing) {
  sim->ModifyState([](SimUnitState& state) { state.lock.adminLockSet = true; });
  Connect();
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Session().GetProcessState() == PROCESS_UNLOCK_PROMPT; }, 10s));
  EXPECT_EQ(window.unlockPrompts, 0);
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.unlockPrompts == 1; }, 5s));
  EXPECT_EQ(sim->ReceivedCount(CMD_READ_PRESET_DIRECTORY), 0u);
}

TEST_F(MainWindowUnitSim, anAcknowledgementBeforeTheSecondIsOutCancelsThePrompt) {
  sim->ModifyState([](SimUnitState& state) { state.lock.adminLockSet = true; });
  Connect();
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Session().GetProcessState() == PROCESS_UNLOCK_PROMPT; }, 10s));
  window.SendCommand(CM_MCS_CMD(window.GetUnitId(), CMD_KEEP_ALIVE), false, 1);
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Session().GetProcessState() == PROCESS_IDLE; }, 5s));
  ASSERT_TRUE(ProcessEventsUntil([&] { return !Get<TTimer>("tmUnlockPrompt").Enabled(); }, 5s));
  EXPECT_EQ(window.unlockPrompts, 0);
}

TEST_F(MainWindowUnitSim, bothLocksLockTheMenusAtOnceAndThenPrompt) {
  sim->ModifyState([](SimUnitState& state) {
    state.lock.adminLockSet = true;
    state.lock.userLockSet = true;
    state.lock.permissions = {0x20, 0x00, 0x00};
  });
  Connect();
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Session().GetProcessState() == PROCESS_UNLOCK_PROMPT; }, 10s));
  EXPECT_FALSE(window.Form().MainMenu.Find(QStringLiteral("Save"))->Enabled);
  EXPECT_EQ(window.State().PanelLockPermissions[0], 0x20);
  EXPECT_TRUE(Get<TControl>("rzbMenuMatrix").Enabled()) << "the pages follow only after the read-out";
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.unlockPrompts == 1; }, 5s));
}

TEST_F(MainWindowUnitSim, userLockLocksTheMenusAtOnceAndThePagesAfterTheReadOut) {
  sim->ModifyState([](SimUnitState& state) {
    state.lock.userLockSet = true;
    state.lock.permissions = {0x10, 0x00, 0x03};
  });
  Connect();
  ASSERT_TRUE(ReadOutDone());
  EXPECT_FALSE(window.Form().MainMenu.Find(QStringLiteral("Open"))->Enabled);
  EXPECT_FALSE(Get<TControl>("isDelayInA").Enabled());
  EXPECT_TRUE(Get<TControl>("rzbMenuDelay").Enabled());
  EXPECT_TRUE(Get<TControl>("isDelayOut1").Enabled());
  EXPECT_FALSE(Get<TControl>("bStore").Enabled());
  EXPECT_FALSE(Get<TControl>("bRecall").Enabled());

  window.Session().Disconnect();
  EXPECT_TRUE(Get<TControl>("isDelayInA").Enabled());
  EXPECT_TRUE(Get<TControl>("bStore").Enabled());
  EXPECT_TRUE(window.Form().MainMenu.Find(QStringLiteral("Open"))->Enabled);
}

TEST_F(MainWindowUnitSim, lockReplyCutShortSaysGoodbyeAndGoesOffline) {
  SimFault cut;
  cut.code = CMD_LOCK_STATUS;
  cut.payloadLimit = 9;
  sim->AddFault(cut);
  Connect();
  ASSERT_TRUE(ProcessEventsUntil([&] { return sim->ReceivedCount(CMD_GOODBYE) >= 1; }, 10s));
  ASSERT_TRUE(ProcessEventsUntil([&] { return !window.Session().HasAnyTransport(); }, 10s));
  EXPECT_FALSE(window.Session().IsUnitLinked());
  EXPECT_EQ(sim->ReceivedCount(CMD_READ_PRESET_DIRECTORY), 0u);
}

}  // namespace
