#include <algorithm>
#include <array>
#include <bit>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "protocol/FirBlockMap.h"
#include "protocol/FirBlockReader.h"
#include "protocol/FirCoefficientStore.h"
#include "tests/protocol/FirAreaFixture.h"

namespace {

/// Reads an area as the editor does: block 0, then the block after the one
/// each reply counts as, until the last. Returns the blocks asked for.
std::vector<int> ReadArea(FirBlockReader& reader, const FirAreaFixture& area) {
  std::vector<int> requested;
  reader.Start();
  int next = 0;
  while (requested.size() < 2 * FirBlockMap::kBlockCount) {
    requested.push_back(next);
    const auto block = reader.ReadBlock(area.Reply(next));
    if (!block || *block >= FirBlockMap::kLastBlock) {
      break;
    }
    next = *block + 1;
  }
  return requested;
}

int FirstMismatch(const FirCoefficientStore& actual, const FirCoefficientStore& expected) {
  for (int i = 0; i < FirCoefficientStore::kSize; ++i) {
    if (actual.Word(i) != expected.Word(i)) {
      return i;
    }
  }
  return -1;
}

TEST(FirBlockReaderTest, ReadArea_nineIdentitiesAskForEachChannelsStartBlockOnly) {
  FirCoefficientStore store;
  store.SetWord(5, 0x12345678);
  FirBlockReader reader(store);
  const FirAreaFixture area({0, 0, 0, 0, 0, 0, 0, 0, 0});

  EXPECT_EQ(ReadArea(reader, area), (std::vector<int>{0, 157, 315, 472, 551, 630, 708, 787, 866}));
  EXPECT_EQ(FirstMismatch(store, area.expected), -1);
  EXPECT_EQ(store.GetInputFirCoefficient(1, 0), 1.0f);
  EXPECT_EQ(store.GetOutputFirCoefficient(5, 1023), 0.0f);
}

TEST(FirBlockReaderTest, ReadBlock_markerAsFirstWordMakesAnIdentityAndSkipsToTheNextChannel) {
  FirCoefficientStore store;
  FirBlockReader reader(store);
  reader.Start();
  std::vector<std::uint8_t> reply{0, 0, 0};
  reply.resize(3 + 52, 0xFF);

  EXPECT_EQ(reader.ReadBlock(reply), 156);
  EXPECT_EQ(reader.BlockOffset(), 28);
  EXPECT_EQ(reader.ReadPosition(), 2048);
  EXPECT_EQ(store.GetInputFirCoefficient(0, 0), 1.0f);
}

TEST(FirBlockReaderTest, ReadBlock_takesTheBlockNumberHighByteFirst) {
  FirCoefficientStore store;
  FirBlockReader reader(store);
  reader.Start();
  std::vector<std::uint8_t> reply{0, 0x00, 0x01};
  reply.resize(3 + 52, 0x01);

  EXPECT_EQ(reader.ReadBlock(reply), 1);
  EXPECT_EQ(reader.BlockOffset(), 0);
}

TEST(FirBlockReaderTest, ReadBlock_refusesAReplyWithoutBlockNumber) {
  FirCoefficientStore store;
  FirBlockReader reader(store);
  reader.Start();
  const std::vector<std::uint8_t> reply{0, 0};

  EXPECT_FALSE(reader.ReadBlock(reply).has_value());
  EXPECT_EQ(reader.ReadPosition(), 0);
}

TEST(FirBlockReaderTest, ReadBlock_refusesABlockCutShortAndReadsItWhole) {
  FirCoefficientStore store;
  FirBlockReader reader(store);
  const FirAreaFixture area({100, 0, 0, 0, 0, 0, 0, 0, 0});
  reader.Start();
  ASSERT_EQ(reader.ReadBlock(area.Reply(0)), 0);
  std::vector<std::uint8_t> cut = area.Reply(1);
  cut.resize(3 + 51);

  EXPECT_FALSE(reader.ReadBlock(cut).has_value());
  EXPECT_EQ(reader.ReadPosition(), 13);
  EXPECT_EQ(store.Word(13), 0u);
  EXPECT_EQ(reader.ReadBlock(area.Reply(1)), 1);
  EXPECT_EQ(reader.ReadPosition(), 26);
  std::vector<std::uint8_t> last = area.Reply(945);
  last.resize(3 + 11);
  EXPECT_FALSE(reader.ReadBlock(last).has_value()) << "the last block carries 12 bytes";
}

TEST(FirBlockReaderTest, ReadBlock_storesNothingBeyondTheArea) {
  FirCoefficientStore store;
  FirBlockReader reader(store);
  const FirAreaFixture area({5, 5, 5, 5, 5, 5, 5, 5, 1024});
  ReadArea(reader, area);
  // Block 945 with a full 52 bytes, the last 40 of them past the area.
  std::vector<std::uint8_t> reply = area.Reply(945);
  reply.resize(3 + 52, 0x3F);

  EXPECT_EQ(reader.ReadBlock(reply), 945);
  EXPECT_EQ(FirstMismatch(store, area.expected), -1);
}

struct AreaCase {
  const char* name;
  std::array<int, 9> taps;
  std::vector<int> requestedPrefix;  ///< first blocks asked for (empty: not checked)
};

void PrintTo(const AreaCase& c, std::ostream* os) { *os << c.name; }

class FirBlockReaderAreaTest : public ::testing::TestWithParam<AreaCase> {};

TEST_P(FirBlockReaderAreaTest, ReadArea_copiesEveryChannelInStep) {
  const AreaCase& c = GetParam();
  FirCoefficientStore store;
  FirBlockReader reader(store);
  const FirAreaFixture area(c.taps);

  const std::vector<int> requested = ReadArea(reader, area);

  EXPECT_EQ(FirstMismatch(store, area.expected), -1) << c.name;
  ASSERT_GE(requested.size(), c.requestedPrefix.size()) << c.name;
  EXPECT_TRUE(std::equal(c.requestedPrefix.begin(), c.requestedPrefix.end(), requested.begin())) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Areas, FirBlockReaderAreaTest,
    ::testing::Values(
        AreaCase{"input 0 with 13 taps ends in block 1", {13, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 1, 157, 315}},
        AreaCase{"every channel full", {2048, 2048, 2048, 1024, 1024, 1024, 1024, 1024, 1024}, {0, 1, 2, 3}},
        AreaCase{"InA 2041 ends where InB starts", {2041, 300, 0, 0, 0, 0, 0, 0, 0}, {}},
        AreaCase{"InA 2045 ends where InB starts", {2045, 2045, 0, 0, 0, 0, 0, 0, 0}, {}},
        AreaCase{"InA 2047 ends where InB starts", {2047, 5, 0, 0, 0, 0, 0, 0, 0}, {}},
        AreaCase{"InB 2047 ends where InC starts", {0, 2047, 7, 0, 0, 0, 0, 0, 0}, {0, 157}},
        AreaCase{"InC 2040 ends where Out1 starts", {0, 0, 2040, 9, 0, 0, 0, 0, 0}, {}},
        AreaCase{"InC 2047", {0, 0, 2047, 0, 0, 0, 0, 0, 0}, {}},
        AreaCase{"Out1 1019 and 1023", {0, 0, 0, 1019, 1023, 0, 0, 0, 0}, {}},
        AreaCase{"Out2 1022", {0, 0, 0, 0, 1022, 3, 0, 0, 0}, {}},
        AreaCase{"Out3 1012", {0, 0, 0, 0, 0, 1012, 4, 0, 0}, {}},
        AreaCase{"Out4 1015", {0, 0, 0, 0, 0, 0, 1015, 1, 0}, {}},
        AreaCase{"Out5 1018 and Out6 1023", {0, 0, 0, 0, 0, 0, 0, 1018, 1023}, {}},
        AreaCase{"Out6 ends in block 900", {0, 0, 0, 0, 0, 0, 0, 0, 442}, {0, 157, 315, 472, 551, 630, 708, 787, 866}}),
    [](const ::testing::TestParamInfo<AreaCase>& info) { return "case" + std::to_string(info.index); });

TEST(FirBlockReaderTest, ReadArea_marksOfTheFinishedChannelKeepTheNextChannelsFirstBlock) {
  // InA with 2045 taps: its marker is word 4 of block 157, where InB starts
  // at byte 28; InB must be read from that very block.
  FirCoefficientStore store;
  FirBlockReader reader(store);
  const FirAreaFixture area({2045, 100, 0, 0, 0, 0, 0, 0, 0});

  const std::vector<int> requested = ReadArea(reader, area);

  EXPECT_EQ(std::count(requested.begin(), requested.end(), 157), 1);
  EXPECT_EQ(store.GetInputFirCoefficient(0, 2044), FirAreaFixture::Value(0, 2044));
  EXPECT_EQ(store.GetInputFirCoefficient(0, 2045), 0.0f);
  EXPECT_EQ(store.GetInputFirCoefficient(1, 0), FirAreaFixture::Value(1, 0));
  EXPECT_EQ(store.GetInputFirCoefficient(1, 99), FirAreaFixture::Value(1, 99));
  EXPECT_EQ(store.GetInputFirCoefficient(1, 100), 0.0f);
}

}  // namespace
