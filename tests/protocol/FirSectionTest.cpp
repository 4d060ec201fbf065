#include <bit>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "protocol/FirBlockMap.h"
#include "protocol/FirCoefficientStore.h"
#include "protocol/FirSection.h"
#include "protocol/UnitImage.h"
#include "protocol/UnitRecords.h"
#include "tests/protocol/ImageFirSettings.h"

namespace {

constexpr std::uint32_t kMarker = 0xFFFFFFFFu;

std::uint32_t WordAt(const std::vector<std::uint8_t>& section, int index) {
  const std::size_t at = 4 * static_cast<std::size_t>(index);
  return static_cast<std::uint32_t>(section[at]) | static_cast<std::uint32_t>(section[at + 1]) << 8 |
         static_cast<std::uint32_t>(section[at + 2]) << 16 | static_cast<std::uint32_t>(section[at + 3]) << 24;
}

/// Number of leading words of a channel that are not markers, and whether
/// every word after them is a marker.
int WrittenCoefficients(const std::vector<std::uint8_t>& section, int channel) {
  const int start = FirBlockMap::ChannelStart(channel);
  int written = 0;
  while (written < FirBlockMap::ChannelTaps(channel) && WordAt(section, start + written) != kMarker) {
    ++written;
  }
  for (int k = written; k < FirBlockMap::ChannelTaps(channel); ++k) {
    EXPECT_EQ(WordAt(section, start + k), kMarker) << "channel " << channel << " word " << k;
  }
  return written;
}

void SetValue(FirCoefficientStore& fir, int channel, int k, float value) {
  fir.SetWord(FirBlockMap::ChannelStart(channel) + k, std::bit_cast<std::uint32_t>(value));
}

class FirSectionTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (int channel = 0; channel < 9; ++channel) {
      fir.SetIdentity(channel);
    }
  }
  FirCoefficientStore fir;
  UnitImage image = UnitImage::Default();
};

TEST_F(FirSectionTest, EncodePresetFir_unitImpulsesGiveAnAllMarkerSection) {
  const auto section = EncodePresetFir(fir, image);

  EXPECT_EQ(section, EncodeErasedFir());
  EXPECT_EQ(section.size(), 49152u);
}

TEST_F(FirSectionTest, EncodePresetFir_outputOfADesignedTypeConsidersTwoCoefficients) {
  SetOutputFir(image, 3, 2, 512);
  SetValue(fir, 3, 1, 0.5f);
  SetValue(fir, 3, 2, 0.25f);

  auto section = EncodePresetFir(fir, image);
  EXPECT_EQ(WrittenCoefficients(section, 3), 2);
  EXPECT_EQ(WordAt(section, FirBlockMap::ChannelStart(3)), std::bit_cast<std::uint32_t>(1.0f));
  EXPECT_EQ(WordAt(section, FirBlockMap::ChannelStart(3) + 1), std::bit_cast<std::uint32_t>(0.5f));

  SetValue(fir, 3, 1, 0.0f);
  section = EncodePresetFir(fir, image);
  EXPECT_EQ(WrittenCoefficients(section, 3), 0);
}

TEST_F(FirSectionTest, EncodePresetFir_writesTheTapCountWhenTheFirstCoefficientIsNotOne) {
  SetOutputFir(image, 8, 1, 30);
  SetValue(fir, 8, 0, 0.75f);
  SetInputTaps(image, 1, 13);
  SetValue(fir, 1, 12, 0.125f);

  const auto section = EncodePresetFir(fir, image);

  EXPECT_EQ(WrittenCoefficients(section, 8), 30);
  EXPECT_EQ(WrittenCoefficients(section, 1), 13);
  EXPECT_EQ(WordAt(section, FirBlockMap::ChannelStart(1) + 12), std::bit_cast<std::uint32_t>(0.125f));
}

TEST_F(FirSectionTest, EncodePresetFir_clampsTapCountsToTheChannel) {
  SetInputTaps(image, 0, 60000);
  SetValue(fir, 0, 2047, 0.5f);
  SetOutputFir(image, 4, 4, 5000);
  SetValue(fir, 4, 1023, 0.5f);

  const auto section = EncodePresetFir(fir, image);

  ASSERT_EQ(section.size(), 49152u);
  EXPECT_EQ(WrittenCoefficients(section, 0), 2048);
  EXPECT_EQ(WrittenCoefficients(section, 4), 1024);
  EXPECT_EQ(WordAt(section, FirBlockMap::ChannelStart(1)), kMarker);
}

TEST_F(FirSectionTest, EncodePresetFir_inputWithoutTapsIsAllMarkers) {
  SetInputTaps(image, 2, 0);
  SetValue(fir, 2, 0, 0.5f);

  EXPECT_EQ(WrittenCoefficients(EncodePresetFir(fir, image), 2), 0);
}

TEST(FirBlockMapTest, ChannelSectors_followTheAreaLayout) {
  EXPECT_EQ(FirBlockMap::ChannelSectors(3, 1), (std::vector<int>{38, 39}));
  EXPECT_EQ(FirBlockMap::ChannelSectors(0, 8), (std::vector<int>{11}));
  EXPECT_EQ(FirBlockMap::ChannelSectors(30, 3), (std::vector<int>{366}));
}

TEST(FirBlockMapTest, StartTablesPointAtEachChannelsFirstWord) {
  for (int channel = 0; channel < 9; ++channel) {
    EXPECT_EQ(FirBlockMap::FirStartBlock[channel] * 52 + FirBlockMap::FirStartByte[channel],
              4 * FirBlockMap::ChannelStart(channel));
  }
}

}  // namespace
