#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "fuzz/support/PlotFuzzChoice.h"

namespace {

/// The file kind a plot_files seed's name says it holds.
PlotFuzzFile PlotSeedKindByName(const std::string& name) {
  const std::pair<const char*, PlotFuzzFile> prefixes[] = {
      {"channel_properties", PlotFuzzFile::ChannelProperties},
      {"channel_", PlotFuzzFile::ChannelData},
      {"annotations", PlotFuzzFile::Annotations},
      {"description", PlotFuzzFile::Description},
      {"properties", PlotFuzzFile::Properties},
      {"data", PlotFuzzFile::Data}};
  for (const auto& [prefix, kind] : prefixes) {
    if (name.rfind(prefix, 0) == 0) {
      return kind;
    }
  }
  return PlotFuzzFile::Count;
}

}  // namespace

// Each seed reaches the loader and the plot kind its name gives.
TEST(PlotFilesSeeds, EachSeedPicksTheFileAndPlotOfItsName) {
  const std::filesystem::path dir = std::filesystem::path(KRV_FUZZ_DIR) / "corpus" / "plot_files";
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    SCOPED_TRACE(name);
    std::ifstream in(entry.path(), std::ios::binary);
    char first = 0;
    ASSERT_TRUE(in.get(first));
    const PlotFuzzChoice choice = DecodePlotFuzzChoice(static_cast<std::uint8_t>(first));
    const PlotFuzzFile expected = PlotSeedKindByName(name);
    ASSERT_NE(expected, PlotFuzzFile::Count) << "a seed name that names no file kind";
    EXPECT_EQ(static_cast<int>(choice.kind), static_cast<int>(expected));
    EXPECT_EQ(choice.xy, name.find("_xy") != std::string::npos);
  }
}

// The kind, the plot and the clearing are separate bits of the first byte.
TEST(PlotFilesSeeds, KindPlotAndClearingAreIndependentBits) {
  for (int kind = 0; kind < static_cast<int>(PlotFuzzFile::Count); ++kind) {
    for (const std::uint8_t flags : {0x00, 0x40, 0x80, 0xC0}) {
      const PlotFuzzChoice choice = DecodePlotFuzzChoice(static_cast<std::uint8_t>(kind | flags));
      EXPECT_EQ(static_cast<int>(choice.kind), kind) << int(flags);
      EXPECT_EQ(choice.xy, (flags & 0x40) != 0);
      EXPECT_EQ(choice.clear, (flags & 0x80) != 0);
    }
  }
}
