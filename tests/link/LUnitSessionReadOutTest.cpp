#include <array>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/ProcessState.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/FirBlockMap.h"
#include "tests/link/SessionFixture.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tests/protocol/FirAreaFixture.h"

namespace {

using namespace std::chrono_literals;

std::vector<std::uint8_t> NameReply(int index, const std::string& name) {
  std::vector<std::uint8_t> payload{static_cast<std::uint8_t>(index)};
  payload.insert(payload.end(), name.begin(), name.end());
  payload.resize(15, 0);
  return payload;
}

std::vector<std::uint8_t> ImageBlock(const UnitImage& image, int block) {
  std::vector<std::uint8_t> payload{static_cast<std::uint8_t>(block)};
  const auto bytes = image.Block(block);
  payload.insert(payload.end(), bytes.begin(), bytes.end());
  return payload;
}

class ReadOutTest : public SessionFixture {
protected:
  void SetUp() override {
    OpenSerial();
    window.calls.clear();
  }

  /// Sends the request for `index` of a read sequence, as the chain before
  /// it would have: only its reply is taken.
  void Ask(int code, int index) { session.SendCommand(CM_MCS_CMD(1, code, index), true); }

  /// Answers the last FIR or image request from `area` and `image` until
  /// the read-out sends something else.
  void AnswerBlocks(const FirAreaFixture& area, const UnitImage& image) {
    for (int guard = 0; guard < 2000; ++guard) {
      const auto& frame = serial->frames.back().bytes;
      if (frame[5] == CMD_READ_FIR_BLOCK) {
        Reply(CMD_READ_FIR_BLOCK, area.Reply(frame[7] + 256 * frame[8]));
      } else if (frame[5] == CMD_READ_IMAGE_BLOCK) {
        Reply(CMD_SELECT_PRESET, ImageBlock(image, frame[6]));
      } else {
        return;
      }
    }
  }

  std::vector<int> RequestedFirBlocks(std::size_t from) const {
    std::vector<int> blocks;
    for (std::size_t i = from; i < serial->frames.size(); ++i) {
      const auto& frame = serial->frames[i].bytes;
      if (frame[5] == CMD_READ_FIR_BLOCK) {
        blocks.push_back(frame[7] + 256 * frame[8]);
      }
    }
    return blocks;
  }
};

TEST_F(ReadOutTest, PresetDirectoryReply_marksUsedPresetsAndAsksTheCurrentPreset) {
  std::vector<std::uint8_t> directory(30, 0);
  directory[4] = 255;

  Reply(CMD_READ_PRESET_DIRECTORY, directory);

  EXPECT_EQ(SentSince(serial, 1), (std::vector<std::string>{"14"}));
  EXPECT_TRUE(serial->frames.back().forceAppend);
  for (int n = 0; n < 30; ++n) {
    EXPECT_EQ(unit.IsPresetUsed(n), n == 4) << n;
  }
  EXPECT_EQ(window.recallRows[30], "Default Preset");
  EXPECT_EQ(window.storeRows[0], "Default Preset");
  EXPECT_TRUE(window.recallRows[0].isEmpty()) << "the factory row is not touched";
}

TEST_F(ReadOutTest, CurrentPresetReply_keepsThePresetAndAsksTheFirstName) {
  Reply(CMD_CURRENT_PRESET, {7});

  EXPECT_EQ(session.GetCurrentPreset(), 7);
  EXPECT_EQ(SentSince(serial, 1), (std::vector<std::string>{"29 00"}));
}

TEST_F(ReadOutTest, PresetNameReply_showsTheNameWithBlanksAndAsksTheNext) {
  Ask(CMD_READ_PRESET_NAME, 3);
  Reply(CMD_READ_PRESET_NAME, NameReply(3, "A"));

  EXPECT_EQ(window.recallRows[4], QByteArray("A") + QByteArray(13, ' '));
  EXPECT_EQ(window.storeRows[3], window.recallRows[4]);
  EXPECT_EQ(SentSince(serial, 2), (std::vector<std::string>{"29 04"}));
}

TEST_F(ReadOutTest, PresetNameReply_afterTheLastNameStartsTheFirRead) {
  Ask(CMD_READ_PRESET_NAME, 29);
  Reply(CMD_READ_PRESET_NAME, NameReply(29, "Last"));

  EXPECT_EQ(SentSince(serial, 2), (std::vector<std::string>{"56 00 00 00"}));
  EXPECT_TRUE(serial->frames.back().forceAppend);
  EXPECT_EQ(window.calls, (std::vector<std::string>{"Status SID_UPLOAD_FIR_COEFFICIENT", "Max 946", "Position 0"}));
}

TEST_F(ReadOutTest, PresetNameReply_outsideTheListsEndsTheChain) {
  Ask(CMD_READ_PRESET_NAME, 30);
  Reply(CMD_READ_PRESET_NAME, NameReply(30, "X"));
  Ask(CMD_READ_PRESET_NAME, 200);
  Reply(CMD_READ_PRESET_NAME, NameReply(200, "X"));

  EXPECT_EQ(serial->frames.size(), 3u);
  EXPECT_TRUE(window.calls.empty());
}

struct ShortCase {
  int code;
  std::vector<std::uint8_t> payload;
};

TEST_F(ReadOutTest, ShortReplies_areIgnoredWithOneTrafficLineEach) {
  const std::vector<ShortCase> cases{
      {CMD_READ_PRESET_DIRECTORY, std::vector<std::uint8_t>(29, 255)},
      {CMD_CURRENT_PRESET, {}},
      {CMD_READ_PRESET_NAME, std::vector<std::uint8_t>(14, 1)},
      {CMD_READ_FIR_BLOCK, {0, 0}},
      {CMD_SELECT_PRESET, std::vector<std::uint8_t>(50, 0)},
      {CMD_LEVELS, std::vector<std::uint8_t>(41, 0)},
      {CMD_PASS_SUBMIT, {0}},
      {CMD_TRANSFER_MODE, {}},
  };
  session.SetBulkMode(BULK_SETTING_FILE);
  const UnitImage image = unit.Image();

  for (const ShortCase& c : cases) {
    window.calls.clear();
    Reply(c.code, c.payload);
    EXPECT_EQ(window.With("Traffic").size(), 1u) << c.code;
    EXPECT_EQ(window.calls.size() - window.With("RestoreFolder").size(), 1u) << c.code;
  }
  EXPECT_EQ(serial->frames.size(), 1u);
  EXPECT_EQ(unit.Image(), image);
  EXPECT_EQ(session.GetBulkMode(), BULK_SETTING_FILE);
}

TEST_F(ReadOutTest, FirRead_ofIdentitiesAsksOnlyEachChannelsStartBlockThenTheImage) {
  const FirAreaFixture area({0, 0, 0, 0, 0, 0, 0, 0, 0});
  session.FirCoefficients().SetWord(10, 0x1234);
  Ask(CMD_READ_PRESET_NAME, 29);
  Reply(CMD_READ_PRESET_NAME, NameReply(29, ""));
  const std::size_t start = serial->frames.size() - 1;

  for (int i = 0; i < 9; ++i) {
    const auto& frame = serial->frames.back().bytes;
    Reply(CMD_READ_FIR_BLOCK, area.Reply(frame[7] + 256 * frame[8]));
  }

  EXPECT_EQ(RequestedFirBlocks(start), (std::vector<int>{0, 157, 315, 472, 551, 630, 708, 787, 866}));
  EXPECT_EQ(CodeAndPayload(serial->frames.back().bytes), "27 00");
  EXPECT_EQ(session.FirCoefficients(), area.expected);
  const auto tail = std::vector<std::string>(window.calls.end() - 3, window.calls.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"Status SID_UPLOAD_PARAMETER", "Max 21", "Position 0"}));
}

TEST_F(ReadOutTest, FirRead_asksTheBlockNumberLowByteFirstAndShowsProgress) {
  const FirAreaFixture area({2048, 2048, 0, 0, 0, 0, 0, 0, 0});
  window.max = 946;
  session.StartFirRead(1, 0);

  Reply(CMD_READ_FIR_BLOCK, area.Reply(0));
  for (int block = 1; block < 256; ++block) {
    Reply(CMD_READ_FIR_BLOCK, area.Reply(block));
  }

  EXPECT_EQ(CodeAndPayload(serial->frames.back().bytes), "56 00 00 01");
  EXPECT_EQ(window.position, 255);
}

TEST_F(ReadOutTest, ReadOut_blockTwentyDecodesTheImageAndEndsTheChain) {
  UnitImage source = UnitImage::Default();
  source.SetByte(0, 0xAA);
  source.SetByte(1, 0xBB);
  source.SetText(UnitImage::kPresetName, "Stage left", 14);
  source.SetWord(UnitImage::ChannelRecord(4) + UnitImage::kOutGain, 123);
  source.SetByte(1019, 0x42);
  const FirAreaFixture area({0, 2045, 0, 13, 0, 0, 0, 0, 1024});
  Ask(CMD_READ_PRESET_NAME, 29);
  Reply(CMD_READ_PRESET_NAME, NameReply(29, ""));

  AnswerBlocks(area, source);

  EXPECT_EQ(CodeAndPayload(serial->frames.back().bytes), "12");
  EXPECT_FALSE(serial->frames.back().forceAppend);
  EXPECT_EQ(session.FirCoefficients(), area.expected);
  UnitImage expected = source;
  expected.SetByte(0, UnitImage::Default().Byte(0));
  expected.SetByte(1, UnitImage::Default().Byte(1));
  EXPECT_EQ(unit.Image(), expected);
  EXPECT_EQ(window.Count("Refresh"), 1);
  const auto tail = std::vector<std::string>(window.calls.end() - 8, window.calls.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"RestoreFolder", "Position 21", "CloseProgress", "Refresh", "LevelPoll",
                                            "LinkControlsOn", "ButtonUp", "ButtonDown"}));
}

TEST_F(ReadOutTest, ProcessShow_showsTheProgressWhileTheReadRuns) {
  const FirAreaFixture area({2048, 2048, 2048, 1024, 1024, 1024, 1024, 1024, 1024});
  Ask(CMD_READ_PRESET_NAME, 29);
  Reply(CMD_READ_PRESET_NAME, NameReply(29, ""));
  Reply(CMD_READ_FIR_BLOCK, area.Reply(0));

  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("ShowProgressModal"); }, 2s));
}

TEST_F(ReadOutTest, ProcessShow_aReadOutThatHasEndedLeavesNoProgressWindow) {
  const FirAreaFixture area({0, 0, 0, 0, 0, 0, 0, 0, 0});
  Ask(CMD_READ_PRESET_NAME, 29);
  Reply(CMD_READ_PRESET_NAME, NameReply(29, ""));

  AnswerBlocks(area, UnitImage::Default());
  ASSERT_EQ(window.Count("Refresh"), 1);

  EXPECT_FALSE(ProcessEventsUntil([&] { return window.Has("ShowProgressModal"); }, 400ms));
}

TEST_F(ReadOutTest, PresetFirRead_asksTheUploadPresetsBlocksAndHandsOnAtTheEnd) {
  session.SetPresetExchange(&window);
  session.SetUploadPreset(4);
  session.SetFirReadPreset(4);
  const FirAreaFixture area({0, 0, 0, 0, 0, 0, 0, 0, 0});
  session.StartFirRead(1, 4);
  window.position = 0;
  window.max = 1000;

  Reply(CMD_READ_FIR_BLOCK, area.Reply(0));
  EXPECT_EQ(CodeAndPayload(serial->frames.back().bytes), "56 04 9D 00");
  EXPECT_EQ(window.position, 1);
  for (const int block : {157, 315, 472, 551, 630, 708, 787, 866}) {
    Reply(CMD_READ_FIR_BLOCK, area.Reply(block));
  }

  EXPECT_TRUE(window.Has("PresetFirDone 1"));
  EXPECT_EQ(session.PresetFirCoefficients(), area.expected);
  EXPECT_EQ(session.FirCoefficients(), FirCoefficientStore()) << "a stored preset's read leaves the setting's";
  EXPECT_FALSE(window.Has("ShowProgressModal"));
}

struct StaleCase {
  const char* name;
  int request;  ///< code of the request
  int reply;    ///< code of its reply
  int asked;    ///< block or index asked for
  std::function<std::vector<std::uint8_t>(int)> payload;  ///< a reply for a block or index
};

// A late unit answers a resent request twice: the copy, and a reply for a
// block or index other than the one asked for, take no step.
TEST_F(ReadOutTest, RepliesNotAwaited_areDroppedWithATrafficLineAndTakeNoStep) {
  const FirAreaFixture area({2048, 2048, 2048, 1024, 1024, 1024, 1024, 1024, 1024});
  const std::vector<StaleCase> cases{
      {"name", CMD_READ_PRESET_NAME, CMD_READ_PRESET_NAME, 4, [](int n) { return NameReply(n, "N"); }},
      {"image", CMD_READ_IMAGE_BLOCK, CMD_SELECT_PRESET, 4, [](int n) { return ImageBlock(UnitImage::Default(), n); }},
      {"fir", CMD_READ_FIR_BLOCK, CMD_READ_FIR_BLOCK, 4, [&](int n) { return area.Reply(n); }},
  };
  for (const StaleCase& c : cases) {
    session.StartFirRead(1, 0);  // the FIR reader's cursor at the area's start
    if (c.request == CMD_READ_FIR_BLOCK) {
      session.SendCommand(CM_MCS_CMD(1, CMD_READ_FIR_BLOCK, 0, c.asked, 0), true);
    } else {
      Ask(c.request, c.asked);
    }
    const std::size_t sent = serial->frames.size();
    window.calls.clear();

    Reply(c.reply, c.payload(c.asked - 1));
    Reply(c.reply, c.payload(c.asked));
    Reply(c.reply, c.payload(c.asked));

    EXPECT_EQ(serial->frames.size(), sent + 1) << c.name << ": one step, for the block asked for";
    EXPECT_EQ(window.With("Traffic").size(), 2u) << c.name;
  }
}

TEST_F(ReadOutTest, BlockRequests_carryTheUnitIdOfTheReplyTheyAnswer) {
  session.CloseAllTransports();
  session.OpenUsbLink();
  FakeLinkRecord* usb = factory.Last(LinkKind::Usb);

  Ask(CMD_READ_IMAGE_BLOCK, 3);
  Reply(CMD_SELECT_PRESET, ImageBlock(UnitImage::Default(), 3), 255);
  Reply(CMD_CURRENT_PRESET, {2}, 255);

  ASSERT_EQ(usb->frames.size(), 4u) << ::testing::PrintToString(SentSince(usb, 0));
  EXPECT_EQ(CodeAndPayload(usb->frames[2].bytes), "27 04");
  EXPECT_EQ(usb->frames[2].bytes[3], 255);
  EXPECT_EQ(usb->frames[3].bytes[3], 1) << "other requests carry UnitId";
}

}  // namespace
