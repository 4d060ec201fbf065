#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/LCmd.h"
#include "tests/protocol/HexBytes.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(SerializeCommand, framesGenericCommandsExactly) {
  struct Case {
    CM_MCS_CMD command;
    const char* frame;
  };
  const Case cases[] = {
      {CM_MCS_CMD(1, CMD_HELLO), "10 02 00 01 01 10 10 03 11"},
      {CM_MCS_CMD(1, CMD_DISCOVERY), "10 02 00 01 01 16 10 03 17"},
      {CM_MCS_CMD(7, CMD_RECALL_PRESET, 3), "10 02 00 07 02 20 03 10 03 27"},
      {CM_MCS_CMD(1, CMD_COPY_CHANNEL, 0x103, 0x204), "10 02 00 01 03 2A 03 04 10 03 2E"},
      {CM_MCS_CMD(2, CMD_SOURCE_TYPE, 0, 1, 2), "10 02 00 02 04 5E 00 01 02 10 03 5A"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Hex(SerializeCommand(c.command, SERIALIZE_FRAME)), c.frame);
  }
}

TEST(SerializeCommand, frameLengthFollowsPayloadAndChecksumIsXorOfAllBytes) {
  LCmd command(3, CMD_PEQ);
  for (int n = 0; n <= 300; n += 37) {
    command.GetPayload().assign(static_cast<std::size_t>(n), 0x5A);
    const Bytes frame = SerializeCommand(command, SERIALIZE_FRAME);
    ASSERT_EQ(frame.size(), static_cast<std::size_t>(n) + 9);
    EXPECT_EQ(frame[4], static_cast<std::uint8_t>((n + 1) & 0xFF));
    std::uint8_t all = 0;
    for (const std::uint8_t byte : frame) {
      all ^= byte;
    }
    EXPECT_EQ(all, 0) << "payload of " << n;
  }
}

TEST(SerializeCommand, modeZeroGivesPayloadAndOtherModesNothing) {
  const CM_MCS_CMD command(1, CMD_COPY_CHANNEL, 4, 5);
  EXPECT_EQ(Hex(SerializeCommand(command, SERIALIZE_PAYLOAD)), "04 05");
  EXPECT_TRUE(SerializeCommand(command, 2).empty());
  EXPECT_TRUE(SerializeCommand(command, -1).empty());
}

TEST(LCmdParse, payloadWithMarkerBytesIsReadByLength) {
  LCmd sent(9, CMD_SELECT_PRESET);
  sent.GetPayload() = {0x10, 0x03, 0x10, 0x02, 0x10, 0x03};
  const LCmd parsed(SerializeCommand(sent, SERIALIZE_FRAME), true);
  EXPECT_EQ(parsed.GetCode(), CMD_SELECT_PRESET);
  EXPECT_EQ(parsed.GetPayload(), sent.GetPayload());
}

TEST(LCmdParse, takesUnitIdFromByteTwoAndIgnoresChecksum) {
  for (const int checksum : {0x00, 0x3C, 0xFF}) {
    const Bytes frame = {0x10, 0x02, 0x05, 0x00, 0x02, 0x2A, 0x07, 0x10, 0x03, static_cast<std::uint8_t>(checksum)};
    const LCmd parsed(frame, true);
    EXPECT_EQ(parsed.GetUnitId(), 5);
    EXPECT_EQ(parsed.GetCode(), 42);
    EXPECT_EQ(Hex(parsed.GetPayload()), "07");
  }
}

TEST(LCmdParse, frameWithoutEndMarkersTakesCodeFromByteZero) {
  const Bytes frame = {0x10, 0x02, 0x05, 0x00, 0x03, 0x2A, 0x07, 0x08, 0x11, 0x04, 0x00};
  const LCmd parsed(frame, true);
  EXPECT_EQ(parsed.GetCode(), 16);
  EXPECT_EQ(parsed.GetUnitId(), 0);
  EXPECT_EQ(Hex(parsed.GetPayload()), "07 08");
}

TEST(LCmdParse, badStartMarkersFailTheMarkerTest) {
  const Bytes frames[] = {
      {0x11, 0x02, 0x05, 0x00, 0x01, 0x2A, 0x10, 0x03, 0x00},
      {0x10, 0x12, 0x05, 0x00, 0x01, 0x2A, 0x10, 0x03, 0x00},
  };
  for (const Bytes& frame : frames) {
    const LCmd parsed(frame, true);
    EXPECT_EQ(parsed.GetCode(), frame[0]);
    EXPECT_EQ(parsed.GetUnitId(), 0);
  }
}

// A serial link can deliver an 8-byte frame whose length byte is 0: it holds
// no code byte (byte 5 is its end marker) and no payload.
TEST(LCmdParse, lengthZeroFrameHoldsNoCodeAndNoPayload) {
  const Bytes frame = {0x10, 0x02, 0x01, 0x01, 0x00, 0x10, 0x03, 0x01};
  const LCmd parsed(frame, true);
  EXPECT_EQ(parsed.GetUnitId(), 1);
  EXPECT_EQ(parsed.GetCode(), 0);
  EXPECT_TRUE(parsed.GetPayload().empty());
}

// Whatever the length byte claims, the payload never reaches past the bytes.
TEST(LCmdParse, lengthByteBeyondTheBytesNeverReadsOutOfBounds) {
  const Bytes cases[] = {
      {},
      {0x10},
      {0x10, 0x02, 0x01, 0x01, 0xFF},
      {0x10, 0x02, 0x01, 0x01, 0xFF, 0x2A, 0x10, 0x03},
      {0x10, 0x02, 0x01, 0x01, 0xFF, 0x2A, 0x01, 0x02, 0x03, 0x10, 0x03, 0x00},
  };
  for (const Bytes& frame : cases) {
    const LCmd parsed(frame, true);
    const std::size_t room = frame.size() > 8 ? frame.size() - 8 : 0;
    EXPECT_LE(parsed.GetPayload().size(), room);
  }
}

TEST(LCmdParse, unframedBytesBecomeThePayload) {
  const Bytes bytes = {0x10, 0x02, 0x05};
  const LCmd parsed(bytes, false);
  EXPECT_EQ(parsed.GetPayload(), bytes);
  EXPECT_EQ(parsed.GetCode(), 0);
  EXPECT_EQ(parsed.GetUnitId(), 0);
}

}  // namespace
