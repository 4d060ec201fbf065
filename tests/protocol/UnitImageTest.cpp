#include <cstring>

#include <gtest/gtest.h>

#include "protocol/UnitImage.h"
#include "protocol/UnitRecords.h"

namespace {

const UnitImage& D() { return UnitImage::Default(); }

bool HasText(std::size_t offset, const char* text, std::size_t size) {
  return std::memcmp(D().Data() + offset, text, size) == 0;
}

TEST(UnitImage, recordOffsetsAreFixed) {
  EXPECT_EQ(UnitImage::ChannelRecord(2) + UnitImage::kInLinkMask, 284u);
  EXPECT_EQ(UnitImage::ChannelRecord(8) + UnitImage::kOutLinkMask, 908u);
  EXPECT_EQ(UnitImage::BandRecord(0, 7), 16u + 16u + 42u);
  EXPECT_EQ(UnitImage::BandRecord(8, 8), 286u + 520u + 32u + 48u);
  EXPECT_EQ(D().Word(284), 4);
  EXPECT_EQ(D().Word(908), 32);
  EXPECT_EQ(D().Word(910), 0);
}

TEST(UnitImage, defaultHoldsNamesWithoutTerminatorsWhereTheyFill) {
  EXPECT_TRUE(HasText(0, "\0\0Default Preset", 16));
  EXPECT_TRUE(HasText(16, "InA\0\0\0\0\0", 8));
  EXPECT_TRUE(HasText(286 + 104 * 5, "Out6\0\0\0\0", 8));
  EXPECT_TRUE(HasText(934, "InAFile\0", 8));
  EXPECT_TRUE(HasText(934 + 8 * 3, "Out1File", 8));
  EXPECT_TRUE(HasText(934 + 8 * 8, "Out6File", 8));
}

TEST(UnitImage, defaultInputRecord) {
  const std::size_t inB = 16 + 90;
  EXPECT_EQ(D().ReadRecord<GateRecord>(inB + 8), (GateRecord{0, 99, 15, 0}));
  const int freqs[] = {11, 48, 90, 131, 170, 209, 248, 290};
  for (int band = 0; band < 8; ++band) {
    EXPECT_EQ(D().ReadRecord<PeqBandRecord>(inB + 16 + 6 * band),
              (PeqBandRecord{120, static_cast<std::uint16_t>(freqs[band]), 35, 0}));
  }
  EXPECT_EQ(D().ReadRecord<CompressorRecord>(inB + 64), (CompressorRecord{0, 49, 499, 0, 220, 170, 35, 0}));
  EXPECT_EQ(D().Word(inB + 78), 512);
  EXPECT_EQ(D().Word(inB + 80), 1);
  EXPECT_EQ(D().Word(inB + 82), 280);
  EXPECT_EQ(D().Word(inB + 84), 0);
  EXPECT_EQ(D().Word(inB + 86), 0);
  EXPECT_EQ(D().Word(inB + 88), 2);
}

TEST(UnitImage, defaultOutputRecord) {
  const int routing[] = {1, 2, 4, 1, 2, 4};
  for (int k = 0; k < 6; ++k) {
    const std::size_t out = 286 + 104 * static_cast<std::size_t>(k);
    EXPECT_EQ(D().Word(out + 8), routing[k]);
    EXPECT_EQ(D().Word(out + 10), 280);
    EXPECT_EQ(D().Word(out + 14), 280);
    EXPECT_EQ(D().Word(out + 102), 1 << k);
  }
  const std::size_t out4 = 286 + 104 * 3;
  EXPECT_EQ(D().ReadRecord<OutputFilterRecord>(out4 + 16),
            (OutputFilterRecord{2, 0, 300, 0, 0, FirDesignRecord{0, 6, 110, 300, 512}}));
  EXPECT_EQ(D().ReadRecord<PeqBandRecord>(out4 + 32 + 6 * 8), (PeqBandRecord{120, 285, 35, 0}));
  EXPECT_EQ(D().ReadRecord<LimiterRecord>(out4 + 86), (LimiterRecord{15, 49, 499, 0, 220}));
  EXPECT_EQ(D().Word(out4 + 96), 280);
}

TEST(UnitImage, defaultTail) {
  for (std::size_t offset = 910; offset < 934; ++offset) {
    EXPECT_EQ(D().Byte(offset), 0) << offset;
  }
  EXPECT_EQ(D().Word(1006), 0);
  EXPECT_EQ(D().Byte(1008), 0);
  EXPECT_EQ(D().Byte(1009), 40);
  EXPECT_EQ(D().Byte(1010), 0);
  EXPECT_EQ(D().Byte(1011), 1);
  for (std::size_t offset = 1012; offset < 1020; ++offset) {
    EXPECT_EQ(D().Byte(offset), 0) << offset;
  }
}

TEST(UnitImage, recordsWriteLittleEndianWithoutMovingNeighbours) {
  UnitImage image = D();
  const std::size_t gate = 16 + 8;
  image.WriteRecord(gate, GateRecord{0x0102, 0x0304, 0x0506, 0x0708});
  EXPECT_EQ(image.Byte(gate), 0x02);
  EXPECT_EQ(image.Byte(gate + 7), 0x07);
  for (std::size_t offset = 0; offset < UnitImage::kSize; ++offset) {
    if (offset < gate || offset >= gate + GateRecord::kSize) {
      EXPECT_EQ(image.Byte(offset), D().Byte(offset)) << offset;
    }
  }
}

TEST(UnitImage, blocksAreAPlainCutOfTheImage) {
  EXPECT_EQ(D().Block(0).size(), 50u);
  EXPECT_EQ(D().Block(0).data(), D().Data());
  EXPECT_EQ(D().Block(19).data(), D().Data() + 950);
  EXPECT_EQ(D().Block(20).size(), 20u);
  EXPECT_EQ(D().Block(20).data(), D().Data() + 1000);
  EXPECT_TRUE(D().Block(21).empty());
  EXPECT_TRUE(D().Block(-1).empty());
}

}  // namespace
