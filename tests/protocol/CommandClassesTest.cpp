#include <array>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "protocol/CommandCodes.h"
#include "protocol/commands/ChannelCommands.h"
#include "protocol/commands/FirCommands.h"
#include "protocol/commands/ProcessingCommands.h"
#include "protocol/commands/UnitCommands.h"
#include "tests/protocol/HexBytes.h"

namespace {

struct Case {
  const char* name;
  LCmd command;
  int code;
  const char* payload;
};

TEST(CommandClasses, buildTheirCodeAndExactPayload) {
  const PeqBandRecord band{0x0102, 0x0304, 35, 7};
  const CompressorRecord comp{0, 49, 499, 0, 220, 170, 35, 2};
  const GateRecord gate{0, 99, 15, 0x0180};
  const LimiterRecord limit{15, 49, 499, 0, 220};
  const FirDesignRecord fir{3, 6, 110, 300, 0x0201};
  const std::array<std::uint8_t, 3> permissions{1, 2, 4};
  const Case cases[] = {
      {"gain", CM_MCS_GAIN(1, 4, 280), 0x34, "04 18 01"},
      {"mute keeps flag", CM_MCS_MUTE(1, 2, 7), 0x35, "02 07"},
      {"polarity is 0/1", CM_MCS_POLARITY(1, 2, 7), 0x36, "02 01"},
      {"polarity off", CM_MCS_POLARITY(1, 2, 0), 0x36, "02 00"},
      {"delay", CM_MCS_DELAY(1, 5, 65280), 0x38, "05 00 FF"},
      {"delay unit", CM_MCS_DELAYUNIT(1, 2), 0x15, "02"},
      {"matrix low byte", CM_MCS_MATRIX(1, 4, 0x0105), 0x3A, "04 05"},
      {"mix", CM_MCS_MIX(1, 8, 2, 280), 0x41, "08 02 18 01"},
      {"channel name padded", CM_MCS_CHANNEL_NAME(1, 3, "Out1"), 0x3D, "03 4F 75 74 31 00 00 00 00"},
      {"channel name cut", CM_MCS_CHANNEL_NAME(1, 0, "ABCDEFGHIJ"), 0x3D, "00 41 42 43 44 45 46 47 48"},
      {"peq", CM_MCS_PEQ(1, 3, 8, band, 1), 0x33, "03 08 02 01 04 03 23 07 01"},
      {"low pass is the high cut", CM_MCS_LOW_PASS(1, 6, 300, 10), 0x31, "06 2C 01 0A"},
      {"high pass is the low cut", CM_MCS_HIGH_PASS(1, 6, 5, 1), 0x32, "06 05 00 01"},
      {"comp", CM_MCS_COMP(1, 0, comp), 0x30, "00 00 00 31 00 F3 01 00 00 DC 00 AA 00 23 02"},
      {"gate", CM_MCS_GATE(1, 2, gate), 0x3E, "02 00 00 63 00 0F 00 80 01"},
      {"limit", CM_MCS_LIMIT(1, 8, limit), 0x3F, "08 0F 00 31 00 F3 01 00 00 DC 00"},
      {"fir", CM_MCS_FIR(1, 4, fir), 0x4B, "04 03 06 6E 00 2C 01 01 02"},
      {"fir name", CM_MCS_FIR_NAME(1, 8, "Out6File"), 0x5B, "08 4F 75 74 36 46 69 6C 65"},
      {"mcu reset", CM_MCS_MCU_RESET(1), 0x04, ""},
      {"read eeprom", CM_MCS_READ_EEPROM(1, 0x0102, 31), 0x19, "02 01 1F"},
      {"preset name", CM_MCS_PRESETNAME(1, "Default Preset"), 0x26,
       "44 65 66 61 75 6C 74 20 50 72 65 73 65 74"},
      {"pass submit", CM_MCS_PASS_SUBMIT(1, 0, "1234"), 0x2D, "00 31 32 33 34"},
      {"set lock", CM_MCS_SET_LOCK(1, "12", 1), 0x2F, "31 32 00 00 01"},
      {"set user lock", CM_MCS_SET_USER_LOCK(1, "abcdef", permissions, 0), 0x5C, "61 62 63 64 01 02 04 00"},
      {"work mode", CM_MCS_WORK_MODE(1, 3, 12, 40), 0x39, "03 0C 28"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.command.GetCode(), c.code) << c.name;
    EXPECT_EQ(c.command.GetUnitId(), 1) << c.name;
    EXPECT_EQ(Hex(c.command.GetPayload()), c.payload) << c.name;
  }
}

TEST(CommandClasses, firBlocksCarryTwelveCoefficientsBigEndianAndAShortLastBlock) {
  std::vector<float> coefficients(30, 0.0f);
  coefficients[24] = 1.0f;
  coefficients[29] = -2.0f;
  const CM_MCS_EXT_FIR last(1, 3, 2, 30, std::span<const float>(coefficients).subspan(24));
  EXPECT_EQ(last.GetCode(), CMD_EXT_FIR);
  EXPECT_EQ(Hex(last.GetPayload()),
            "03 02 1E 00 3F 80 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 C0 00 00 00");

  const CM_MCS_EXT_FIR full(1, 0, 1, 24, std::span<const float>(coefficients).subspan(12));
  EXPECT_EQ(full.GetPayload().size(), 4u + 4u * 12u);

  const CM_MCS_FIR_EXT_EEPROM stored(1, 30, 8, 2, 30, std::span<const float>(coefficients).subspan(24));
  EXPECT_EQ(stored.GetCode(), CMD_FIR_EXT_EEPROM);
  EXPECT_EQ(Hex(std::vector<std::uint8_t>(stored.GetPayload().begin(), stored.GetPayload().begin() + 9)),
            "1E 08 02 1E 00 3F 80 00 00");
  EXPECT_EQ(stored.GetPayload().size(), 5u + 4u * 6u);
}

// A block at or past the tap count carries no coefficients; a block is
// never read past the coefficients handed in, and what they lack is sent
// as zeros so the block is as long as the tap count says.
TEST(CommandClasses, firBlockBeyondTheTapsIsEmptyAndShortDataIsPaddedWithZeros) {
  const std::vector<float> coefficients(5, 0.5f);
  EXPECT_EQ(FirBlockCoefficientCount(3, 30), 0);
  EXPECT_EQ(CM_MCS_EXT_FIR(1, 0, 3, 30, coefficients).GetPayload().size(), 4u);
  const CM_MCS_EXT_FIR padded(1, 0, 0, 30, coefficients);
  ASSERT_EQ(padded.GetPayload().size(), 4u + 4u * 12u);
  EXPECT_EQ(Hex(std::vector<std::uint8_t>(padded.GetPayload().begin() + 20, padded.GetPayload().begin() + 28)),
            "3F 00 00 00 00 00 00 00");
  EXPECT_EQ(CM_MCS_FIR_EXT_EEPROM(1, 2, 0, 1, 15, coefficients).GetPayload().size(), 5u + 4u * 3u);
}

TEST(CommandClasses, eepromWriteCountIsSignedAndDownloadSendsSegmentFirst) {
  const std::vector<std::uint8_t> data(200, 0xAB);
  EXPECT_EQ(CM_MCS_WRITE_EEPROM(1, 0, 30, data).GetPayload().size(), 33u);
  const CM_MCS_WRITE_EEPROM negative(1, 0, 200, data);
  EXPECT_EQ(Hex(negative.GetPayload()), "00 00 C8");

  const CM_MCS_DOWNLOAD download(1, 7, 20, 20, data);
  EXPECT_EQ(download.GetCode(), CMD_DOWNLOAD);
  ASSERT_EQ(download.GetPayload().size(), 22u);
  EXPECT_EQ(download.GetPayload()[0], 20);
  EXPECT_EQ(download.GetPayload()[1], 7);
}

TEST(CommandClasses, shortDataIsPaddedToTheStatedCount) {
  const std::vector<std::uint8_t> data(10, 0xAB);
  const CM_MCS_DOWNLOAD download(1, 7, 0, 50, data);
  ASSERT_EQ(download.GetPayload().size(), 52u);
  EXPECT_EQ(download.GetPayload()[11], 0xAB);
  EXPECT_EQ(download.GetPayload()[12], 0x00);
  const CM_MCS_WRITE_EEPROM eeprom(1, 1, 30, data);
  ASSERT_EQ(eeprom.GetPayload().size(), 33u);
  EXPECT_EQ(eeprom.GetPayload()[2], 30);
  EXPECT_EQ(eeprom.GetPayload()[32], 0x00);
}

}  // namespace
