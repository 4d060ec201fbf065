#include <gtest/gtest.h>

#include "tools/unitsim/SimFirArea.h"
#include "tools/unitsim/SimUnitImage.h"

namespace {

using namespace SimImageLayout;

TEST(SimUnitImage, DefaultImage_holdsTheFactoryFieldsAtTheirOffsets) {
  const SimImage image = MakeDefaultImage();
  EXPECT_EQ(std::string(image.begin() + 2, image.begin() + 16), "Default Preset");
  EXPECT_EQ(ReadWord(image, 284), 4);   // InC's link mask
  EXPECT_EQ(ReadWord(image, 908), 32);  // Out6's link mask
  EXPECT_EQ(ReadWord(image, 910), 0);
  EXPECT_EQ(std::string(image.begin() + kFirNames + 8 * 8, image.begin() + kFirNames + 9 * 8), "Out6File");
  EXPECT_EQ(std::string(image.begin() + kFirNames, image.begin() + kFirNames + 8), std::string("InAFile\0", 8));
  EXPECT_EQ(ReadWord(image, ChannelRecord(1) + kInBands + 6 * 4 + 2), 170);
  EXPECT_EQ(image[ChannelRecord(2) + kInCompressor + 12], 35);
  EXPECT_EQ(ReadWord(image, ChannelRecord(6) + kOutRouting), 1);  // Out4 from InA
  EXPECT_EQ(ReadWord(image, ChannelRecord(8) + kOutFilter + kFilterHighCut), 300);
  EXPECT_EQ(ReadWord(image, ChannelRecord(3) + kOutLimiter + 2), 49);
  EXPECT_EQ(ReadWord(image, ChannelRecord(0) + kInGain), 280);
  EXPECT_EQ(image[kTestLevel], 40);
  EXPECT_EQ(image[kDanteAvailable], 1);
}

TEST(SimUnitImage, ImageBlocks_cutTheImageInFiftiesAndTwentyAtTheEnd) {
  SimImage image = MakeDefaultImage();
  image[1019] = 0x77;
  EXPECT_EQ(ImageBlockPayload(image, 0).size(), 51u);
  const auto last = ImageBlockPayload(image, 20);
  ASSERT_EQ(last.size(), 21u);
  EXPECT_EQ(last[0], 20);
  EXPECT_EQ(last.back(), 0x77);
  EXPECT_EQ(ImageBlockPayload(image, 21), std::vector<std::uint8_t>{21});
}

TEST(SimFirArea, BlocksFollowTheBlockMapAndErasedMemoryReadsAsMarkers) {
  SimFirArea area;
  EXPECT_EQ(area.Block(0).size(), 52u);
  EXPECT_EQ(area.Block(945).size(), 12u);
  EXPECT_TRUE(area.Block(946).empty());
  EXPECT_EQ(area.Word(8, 0), SimFirArea::kMarker);
  // Channel starts as the block map gives them: InB begins at byte 28 of block 157.
  area.FillChannel(1, 1);
  EXPECT_NE(area.Block(157)[28], 0xFF);
  EXPECT_EQ(area.Block(157)[32], 0xFF);
}

TEST(SimFirArea, FillChannel_endsTheCoefficientsWithTheMarker) {
  SimFirArea area;
  area.FillChannel(0, 13);
  for (int k = 0; k < 13; ++k) {
    EXPECT_NE(area.Word(0, k), SimFirArea::kMarker);
  }
  EXPECT_EQ(area.Word(0, 13), SimFirArea::kMarker);
  const auto block1 = area.Block(1);
  EXPECT_EQ(std::vector<std::uint8_t>(block1.begin(), block1.begin() + 4), std::vector<std::uint8_t>(4, 0xFF));
}

TEST(SimFirArea, WriteCoefficients_storesLowByteFirstAndMarksTheEnd) {
  SimFirArea area;
  const std::uint8_t one[] = {0x3F, 0x80, 0x00, 0x00, 0x3F, 0x00, 0x00, 0x00};
  area.WriteCoefficients(4, 24, 26, one, 2);
  EXPECT_EQ(area.Word(4, 24), 0x3F800000u);
  EXPECT_EQ(area.Word(4, 25), 0x3F000000u);
  EXPECT_EQ(area.Word(4, 26), SimFirArea::kMarker);
  const std::size_t byte = 4 * static_cast<std::size_t>(SimFirArea::ChannelStartWord(4) + 24);
  EXPECT_EQ(area.Bytes()[byte + 2], 0x80);
  EXPECT_EQ(area.Bytes()[byte + 3], 0x3F);
}

TEST(SimFirArea, FullChannelGetsNoMarkerAndWritesStayInsideTheChannel) {
  SimFirArea area;
  area.FillChannel(3, 0);
  std::vector<std::uint8_t> zeros(4 * 12, 0);
  area.WriteCoefficients(3, 1020, 1024, zeros.data(), 12);
  EXPECT_EQ(area.Word(3, 1023), 0u);
  EXPECT_EQ(area.Word(4, 0), SimFirArea::kMarker);
}

TEST(SimFirArea, EraseSector_fillsFourKilobytesWithFF) {
  SimFirArea area;
  area.FillChannel(8, 1024);
  area.EraseSector(11);
  EXPECT_EQ(area.Word(8, 0), SimFirArea::kMarker);
  EXPECT_EQ(area.Word(8, 1023), SimFirArea::kMarker);
}

}  // namespace
