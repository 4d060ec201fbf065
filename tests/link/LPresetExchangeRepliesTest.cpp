#include <string>
#include <vector>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "link/LPresetExchange.h"
#include "link/ProcessState.h"
#include "platform/files/WriteWholeFile.h"
#include "protocol/CommandCodes.h"
#include "protocol/FirSection.h"
#include "protocol/UnitFile.h"
#include "tests/link/RecordingPresetWindow.h"
#include "tests/link/SessionFixture.h"

namespace {

/// The exchange's reply handling over a fake link: each reply acts only on
/// the step in flight; short and stray ones leave a traffic line.
class PresetRepliesTest : public SessionFixture {
protected:
  void SetUp() override {
    session.SetPresetExchange(&exchange);
    OpenSerial();
    Reply(CMD_HELLO);
    ASSERT_TRUE(session.IsUnitOnline());
  }

  /// Codes of the frames sent since `from`.
  std::vector<int> CodesSince(std::size_t from) const {
    std::vector<int> codes;
    for (std::size_t i = from; i < serial->frames.size(); ++i) codes.push_back(serial->frames[i].bytes[5]);
    return codes;
  }

  int Ignored(const std::string& what) const {
    int count = 0;
    for (const std::string& line : window.With("Traffic " + what + " ignored")) count += !line.empty();
    return count;
  }

  RecordingPresetWindow files;
  LPresetExchange exchange{session, unit, window, files};
};

TEST_F(PresetRepliesTest, Upload_shortAndStraySlotTablesAreIgnored) {
  Reply(CMD_READ_EEPROM, std::vector<std::uint8_t>(31, 0));  // no upload yet
  EXPECT_EQ(Ignored("Reply 25"), 1);
  unit.SetPresetUsedFlags(std::vector<std::uint8_t>{0x00, 0xFF});
  exchange.UploadAllPresets();
  const std::size_t from = SentCount();

  Reply(CMD_READ_EEPROM, std::vector<std::uint8_t>(30, 0));
  EXPECT_EQ(Ignored("Reply 25"), 2);
  EXPECT_TRUE(CodesSince(from).empty());

  Reply(CMD_READ_EEPROM, std::vector<std::uint8_t>(31, 0));
  Reply(CMD_READ_EEPROM, std::vector<std::uint8_t>(31, 0));  // a second answer
  EXPECT_EQ(CodesSince(from), (std::vector<int>{CMD_SELECT_PRESET}));
  EXPECT_EQ(Ignored("Reply 25"), 3);
  EXPECT_EQ(session.GetProcessState(), PROCESS_PRESET_UPLOAD);

  Reply(CMD_ACK);
  std::vector<std::uint8_t> block(51, 0);
  block[0] = 0;
  Reply(CMD_READ_PRESET_BLOCK, block);
  Reply(CMD_READ_PRESET_BLOCK, block);  // dropped as not awaited, or ignored
  EXPECT_EQ(CodesSince(from), (std::vector<int>{CMD_SELECT_PRESET, CMD_READ_PRESET_BLOCK, CMD_READ_PRESET_BLOCK}));
  EXPECT_EQ(window.position, 1);
}

TEST_F(PresetRepliesTest, Download_duplicateEmptyAndStraySegmentRepliesAreIgnored) {
  std::array<std::uint8_t, 31> slots{};
  slots[3] = 0xFF;
  std::array<std::uint8_t, 30> used{};
  used[2] = 1;
  std::array<LUnitControl::StoredPreset, 30> stored{};
  stored[2].fill(0);
  stored[2][0] = 3;
  stored[2][1] = 0xFF;
  std::array<std::vector<std::uint8_t>, 30> sections;
  sections.fill(EncodeErasedFir());
  const std::vector<std::uint8_t> bytes = EncodeUnitFile(slots, used, stored, sections);
  QTemporaryDir folder;
  ASSERT_TRUE(WriteWholeFile(folder.filePath("one.unt"),
                             QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()))));
  Reply(CMD_DOWNLOAD, {0});  // nothing under way
  EXPECT_EQ(Ignored("Reply 37"), 1);

  files.answers.push_back(folder.filePath("one.unt"));
  exchange.DownloadUnitFile();
  const std::size_t from = SentCount();
  EXPECT_EQ(CodesSince(from - 2), (std::vector<int>{CMD_TRANSFER_MODE, CMD_FACTORY_RESET}));
  EXPECT_FALSE(files.enabled);
  Reply(CMD_ACK);  // factory reset
  Reply(CMD_ACK);  // slot table
  EXPECT_EQ(CodesSince(from), (std::vector<int>{CMD_WRITE_EEPROM, CMD_DOWNLOAD}));
  EXPECT_EQ(serial->frames.back().bytes[6], 0);  // segment 0
  EXPECT_EQ(serial->frames.back().bytes[7], 2);  // of preset 3 - 1

  Reply(CMD_DOWNLOAD, {0});
  Reply(CMD_DOWNLOAD, {0});  // a second answer would fork the chain
  Reply(CMD_DOWNLOAD, {});
  EXPECT_EQ(CodesSince(from), (std::vector<int>{CMD_WRITE_EEPROM, CMD_DOWNLOAD, CMD_DOWNLOAD}));
  EXPECT_EQ(Ignored("Reply 37"), 3);
  EXPECT_TRUE(exchange.IsTransferRunning());

  session.Disconnect();
  EXPECT_FALSE(exchange.IsTransferRunning());
  EXPECT_TRUE(files.enabled);
}

}  // namespace
