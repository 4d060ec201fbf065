#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "protocol/DecodeUploadBlocks.h"
#include "protocol/LUnitControl.h"
#include "tests/protocol/RecordingUnitHost.h"

namespace {

std::vector<std::uint8_t> Block(int block, std::size_t dataBytes, std::uint8_t fill) {
  std::vector<std::uint8_t> payload{static_cast<std::uint8_t>(block)};
  payload.resize(1 + dataBytes, fill);
  return payload;
}

class DecodeUploadBlocksTest : public ::testing::Test {
protected:
  RecordingUnitHost host;
  LUnitControl unit{host};
};

TEST_F(DecodeUploadBlocksTest, LastBlockCopiesTheStreamIntoTheImageExceptBytesZeroAndOne) {
  unit.Image().SetByte(0, 0x11);
  unit.Image().SetByte(1, 0x22);
  const UnitImage before = unit.Image();
  for (int block = 0; block < 20; ++block) {
    ASSERT_TRUE(DecodeUploadBlocks(unit, Block(block, 50, static_cast<std::uint8_t>(block + 1))));
  }
  EXPECT_EQ(unit.Image(), before) << "the image changes only at the last block";

  ASSERT_TRUE(DecodeUploadBlocks(unit, Block(20, 20, 0x77)));

  EXPECT_EQ(unit.Image().Byte(0), 0x11);
  EXPECT_EQ(unit.Image().Byte(1), 0x22);
  EXPECT_EQ(unit.Image().Byte(2), 1);
  EXPECT_EQ(unit.Image().Byte(50), 2);
  EXPECT_EQ(unit.Image().Byte(999), 20);
  EXPECT_EQ(unit.Image().Byte(1019), 0x77);
}

TEST_F(DecodeUploadBlocksTest, RefusesBlocksOutsideTheImageAndShortBlocks) {
  const UnitImage before = unit.Image();
  const auto stream = unit.ImageBlockStream();

  EXPECT_FALSE(DecodeUploadBlocks(unit, Block(21, 50, 0x55)));
  EXPECT_FALSE(DecodeUploadBlocks(unit, Block(255, 50, 0x55)));
  EXPECT_FALSE(DecodeUploadBlocks(unit, Block(3, 49, 0x55)));
  EXPECT_FALSE(DecodeUploadBlocks(unit, Block(20, 19, 0x55)));
  EXPECT_FALSE(DecodeUploadBlocks(unit, {}));

  EXPECT_EQ(unit.Image(), before);
  EXPECT_EQ(unit.ImageBlockStream(), stream);
}

TEST_F(DecodeUploadBlocksTest, LastBlockWithAFullBlockOfDataStopsAtTheImageEnd) {
  EXPECT_TRUE(DecodeUploadBlocks(unit, Block(20, 50, 0x66)));
  EXPECT_EQ(unit.Image().Byte(1019), 0x66);
}

}  // namespace
