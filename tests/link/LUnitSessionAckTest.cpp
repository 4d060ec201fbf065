#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/ProcessState.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "tests/link/SessionFixture.h"

namespace {

struct AckCase {
  const char* name;
  int state;
  int bulk;
  std::vector<std::string> sent;  ///< codes and payloads, in order
  bool forceAppend;               ///< of every frame sent
  int newState;
  std::vector<std::string> windowCalls;  ///< every window and exchange call, in order
  int timeout;                           ///< 0: unchanged
};

void PrintTo(const AckCase& c, std::ostream* os) { *os << c.name; }

class AckTableTest : public SessionFixture, public ::testing::WithParamInterface<AckCase> {};

TEST_P(AckTableTest, Ack_continuesTheExchangeOfTheProcessState) {
  const AckCase& c = GetParam();
  session.SetPresetExchange(&window);
  OpenSerial();
  window.max = 946;
  window.position = 5;
  session.SetCurrentPreset(7);
  for (int i = 0; i < 31; ++i) {
    session.UnitFileEepromBytes()[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
  }
  session.SetProcessState(c.state);
  session.SetBulkMode(c.bulk);
  const std::size_t before = SentCount();
  serial->timeout = 0;
  window.calls.clear();

  Reply(CMD_ACK);

  EXPECT_EQ(SentSince(serial, before), c.sent);
  for (std::size_t i = before; i < serial->frames.size(); ++i) {
    EXPECT_EQ(serial->frames[i].forceAppend, c.forceAppend) << "frame " << i - before;
  }
  EXPECT_EQ(session.GetProcessState(), c.newState);
  EXPECT_EQ(session.GetBulkMode(), c.bulk);
  EXPECT_EQ(window.calls, c.windowCalls);
  EXPECT_EQ(serial->timeout, c.timeout);
}

const char* const kSlotTableWrite =
    "1A 01 00 1E 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F";

INSTANTIATE_TEST_SUITE_P(
    States, AckTableTest,
    ::testing::Values(
        AckCase{"recall",
                PROCESS_RECALL_PRESET,
                0,
                {"56 00 00 00"},
                true,
                PROCESS_IDLE,
                {"StopPresetLoad", "Position 946", "CloseProgress", "Status SID_UPLOAD_FIR_COEFFICIENT", "Max 946",
                 "Position 0"},
                5000},
        AckCase{"store", PROCESS_STORE_PRESET, 0, {"21 07"}, true, PROCESS_STORE_PRESET_END, {"Position 1"}, 10000},
        AckCase{"factory reset", PROCESS_RELOAD_AFTER_FACTORY_RESET, 0, {"22"}, true, PROCESS_IDLE, {}, 5000},
        AckCase{"preset upload", PROCESS_PRESET_UPLOAD, 0, {"28 00"}, true, PROCESS_IDLE, {}, 5000},
        AckCase{"preset download", PROCESS_PRESET_DOWNLOAD, 0, {}, true, PROCESS_IDLE, {"DownloadNext"}, 0},
        AckCase{"link change", PROCESS_RELOAD_AFTER_LINK, 0, {"22"}, true, PROCESS_IDLE, {}, 5000},
        AckCase{"unlock prompt pending", PROCESS_UNLOCK_PROMPT, 0, {}, true, PROCESS_IDLE, {}, 0},
        AckCase{"store confirmed",
                PROCESS_STORE_PRESET_END,
                0,
                {"12"},
                false,
                PROCESS_IDLE,
                {"Position 946", "CloseProgress", "LevelPoll"},
                0},
        AckCase{"unit-file download start",
                PROCESS_UNIT_FILE_DOWNLOAD,
                0,
                {kSlotTableWrite},
                true,
                PROCESS_PRESET_DOWNLOAD,
                {"StopPresetLoad", "Max 28950", "Position 0", "Status SID_DOWNLOAD_PRESET"},
                0},
        AckCase{"idle", PROCESS_IDLE, BULK_NONE, {}, true, PROCESS_IDLE, {}, 0},
        AckCase{"idle, setting file", PROCESS_IDLE, BULK_SETTING_FILE, {}, true, PROCESS_IDLE, {"Position 6"}, 0},
        AckCase{"idle, unit-file FIR", PROCESS_IDLE, BULK_UNIT_FILE_FIR, {}, true, PROCESS_IDLE, {"Position 6"}, 0},
        AckCase{"unknown state", 7, BULK_SETTING_FILE, {}, true, PROCESS_IDLE, {"Position 6"}, 0}),
    [](const ::testing::TestParamInfo<AckCase>& info) { return "case" + std::to_string(info.index); });

TEST_F(SessionFixture, Ack_storeThenConfirmSendsTheStoreAndEndsWithTheKeepAlive) {
  OpenSerial();
  session.SetCurrentPreset(12);
  session.SetProcessState(PROCESS_STORE_PRESET);
  const std::size_t before = SentCount();

  Reply(CMD_ACK);
  EXPECT_EQ(session.GetProcessState(), PROCESS_STORE_PRESET_END);
  Reply(CMD_ACK);

  EXPECT_EQ(SentSince(serial, before), (std::vector<std::string>{"21 0C", "12"}));
  EXPECT_EQ(session.GetProcessState(), PROCESS_IDLE);
  EXPECT_TRUE(window.Has("CloseProgress"));
}

TEST_F(SessionFixture, LevelsReply_endsASettingFileOnlyPastPositionTen) {
  OpenSerial();
  session.SetBulkMode(BULK_SETTING_FILE);
  window.position = 10;
  const std::size_t before = SentCount();

  Reply(CMD_LEVELS, std::vector<std::uint8_t>(42, 0));
  EXPECT_EQ(session.GetBulkMode(), BULK_SETTING_FILE);
  EXPECT_TRUE(SentSince(serial, before).empty());

  window.position = 11;
  Reply(CMD_LEVELS, std::vector<std::uint8_t>(42, 0));
  EXPECT_EQ(session.GetBulkMode(), BULK_NONE);
  EXPECT_EQ(SentSince(serial, before), (std::vector<std::string>{"12"}));
  EXPECT_FALSE(serial->frames.back().forceAppend);
  EXPECT_EQ(window.Count("Levels"), 2);
  EXPECT_TRUE(window.Has("CloseProgress"));
}

TEST_F(SessionFixture, LevelsReply_cutShortShowsNothingButStillEndsASettingFile) {
  OpenSerial();
  session.SetBulkMode(BULK_SETTING_FILE);
  window.position = 11;
  const std::size_t before = SentCount();

  Reply(CMD_LEVELS, std::vector<std::uint8_t>(41, 0));

  EXPECT_EQ(window.Count("Levels"), 0);
  EXPECT_EQ(window.With("Traffic").size(), 1u);
  EXPECT_EQ(session.GetBulkMode(), BULK_NONE);
  EXPECT_EQ(SentSince(serial, before), (std::vector<std::string>{"12"}));
}

TEST_F(SessionFixture, TransferModeReply_endsABulkTransferOnlyWhileOneRuns) {
  OpenSerial();
  window.max = 300;
  const std::size_t before = SentCount();

  Reply(CMD_TRANSFER_MODE, {1});
  EXPECT_TRUE(SentSince(serial, before).empty());
  EXPECT_TRUE(window.calls.empty() || !window.Has("CloseProgress"));

  session.SetBulkMode(BULK_SETTING_FILE);
  Reply(CMD_TRANSFER_MODE, {0});
  EXPECT_EQ(session.GetBulkMode(), BULK_SETTING_FILE);

  Reply(CMD_TRANSFER_MODE, {1});
  EXPECT_EQ(session.GetBulkMode(), BULK_NONE);
  EXPECT_EQ(SentSince(serial, before), (std::vector<std::string>{"12"}));
  EXPECT_EQ(window.position, 300);
  EXPECT_TRUE(window.Has("CloseProgress"));
}

TEST_F(SessionFixture, HelloReply_duringUnitFileFirPhaseEndsTheDownloadInsteadOfAHandshake) {
  session.SetPresetExchange(&window);
  OpenSerial();
  session.SetBulkMode(BULK_UNIT_FILE_FIR);
  const std::size_t before = SentCount();

  Reply(CMD_HELLO);

  EXPECT_EQ(session.GetBulkMode(), BULK_NONE);
  EXPECT_TRUE(window.Has("DownloadEnd"));
  EXPECT_TRUE(SentSince(serial, before).empty());
  EXPECT_TRUE(session.IsAwaitingHello());
}

TEST_F(SessionFixture, EepromReply_handsOnAtMostTheSlotTable) {
  session.SetPresetExchange(&window);
  OpenSerial();

  Reply(CMD_READ_EEPROM, std::vector<std::uint8_t>(12, 1));
  Reply(CMD_READ_EEPROM, std::vector<std::uint8_t>(60, 1));

  EXPECT_EQ(window.With("EepromReply"), (std::vector<std::string>{"EepromReply 12", "EepromReply 31"}));
}

TEST_F(SessionFixture, PassSubmitReply_handsTheUnitLockVerdictToTheDialog) {
  OpenSerial();

  Reply(CMD_PASS_SUBMIT, {1, 2});
  Reply(CMD_PASS_SUBMIT, {0, 2});

  EXPECT_EQ(window.With("Verdict"), (std::vector<std::string>{"Verdict 2"}));
}

}  // namespace

namespace {

// A late unit answers a resent frame twice, and edits sent during an
// exchange are acknowledged too: only the acknowledgement of the frame the
// step sent moves the exchange on.
TEST_F(SessionFixture, Ack_movesTheStoreOnOnlyForTheFrameTheStepAwaits) {
  OpenSerial();
  const auto ack = [&](ReplyOrigin origin) { session.HandleReply(ReplyFrame(1, CMD_ACK), origin); };
  session.SetProcessState(PROCESS_STORE_PRESET);
  session.SendCommand(CM_MCS_CMD(1, CMD_PRESET_NAME), true);

  ack({true, CMD_PRESET_NAME});
  ASSERT_EQ(session.GetProcessState(), PROCESS_STORE_PRESET_END);
  ASSERT_EQ(CodeAndPayload(serial->frames.back().bytes), "21 00");
  window.calls.clear();

  ack({false, 0});               // the name's second answer
  ack({true, CMD_GAIN});         // an edit's answer
  EXPECT_EQ(session.GetProcessState(), PROCESS_STORE_PRESET_END);
  EXPECT_FALSE(window.Has("CloseProgress"));
  EXPECT_EQ(window.With("Traffic").size(), 2u);

  ack({true, CMD_STORE_PRESET});
  EXPECT_EQ(session.GetProcessState(), PROCESS_IDLE);
  EXPECT_TRUE(window.Has("CloseProgress"));
  EXPECT_EQ(CodeAndPayload(serial->frames.back().bytes), "12");
}

TEST_F(SessionFixture, Ack_secondAnswerDoesNotCountTwiceInABulkTransfer) {
  OpenSerial();
  session.SetBulkMode(BULK_SETTING_FILE);
  window.position = 3;

  session.HandleReply(ReplyFrame(1, CMD_ACK), {true, CMD_GAIN});
  session.HandleReply(ReplyFrame(1, CMD_ACK), {false, 0});

  EXPECT_EQ(window.position, 4);
}

}  // namespace
