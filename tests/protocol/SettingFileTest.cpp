#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "protocol/CommandCodes.h"
#include "protocol/FirBlockMap.h"
#include "protocol/FirCoefficientStore.h"
#include "protocol/FirSenders.h"
#include "protocol/PresetFileFormat.h"
#include "protocol/SettingFile.h"
#include "protocol/UnitImage.h"
#include "protocol/UnitRecords.h"
#include "tests/protocol/ImageFirSettings.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutWord(Bytes& bytes, std::size_t offset, std::uint32_t word) {
  for (int i = 0; i < 4; ++i) {
    bytes[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(word >> (8 * i));
  }
}

std::size_t FirWordOffset(int channel, int k) {
  return SettingFile::kFirOffset + 4 * static_cast<std::size_t>(FirBlockMap::ChannelStart(channel) + k);
}

/// A setting with coefficients on InA (2048 taps), InB (2045), Out1 (type 4,
/// 1024 taps) and Out2 (type 0, tap word 27); the rest identities.
class SettingFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    image = UnitImage::Default();
    for (int channel = 0; channel < 9; ++channel) {
      fir.SetIdentity(channel);
    }
    Fill(0, 2048);
    Fill(1, 2045);
    Fill(3, 1024);
    Fill(4, 27);
    SetInputTaps(image, 0, 2048);
    SetInputTaps(image, 1, 2045);
    SetOutputFir(image, 3, 4, 1024);
    SetOutputFir(image, 4, 0, 27);
    file = EncodeSettingFile(image, fir);
  }

  void Fill(int channel, int taps) {
    for (int k = 0; k < taps; ++k) {
      const float value = std::sin(0.01f * static_cast<float>(k + 1 + 100 * channel)) * 0.5f;
      fir.SetWord(FirBlockMap::ChannelStart(channel) + k, std::bit_cast<std::uint32_t>(value));
    }
  }

  UnitImage image;
  FirCoefficientStore fir;
  Bytes file;
};

TEST_F(SettingFileTest, Layout_imageShiftedByFourteenFirPerChannelLineEndLast) {
  ASSERT_EQ(file.size(), SettingFile::kSize);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 16), "***KRV-71V010***");
  // Image byte n lies at file offset n + 14.
  EXPECT_EQ(file[108] | file[109] << 8, 2048);  // InA FIR taps
  EXPECT_EQ(file[324], 4);                      // Out1 FIR type
  for (std::size_t n = 2; n < 1006; ++n) {
    ASSERT_EQ(file[n + 14], image.Byte(n)) << n;
  }
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(FirWordOffset(c, 0), 1020 + 8192 * static_cast<std::size_t>(c));
  }
  for (int o = 0; o < 6; ++o) {
    EXPECT_EQ(FirWordOffset(o + 3, 0), 25596 + 4096 * static_cast<std::size_t>(o));
  }
  EXPECT_EQ(PresetFileFormat::ReadWord(file, FirWordOffset(1, 2044)), fir.ChannelWord(1, 2044));
  EXPECT_EQ(PresetFileFormat::ReadWord(file, FirWordOffset(1, 2045)), 0xFFFFFFFFu);
  EXPECT_EQ(PresetFileFormat::ReadWord(file, FirWordOffset(2, 0)), 0xFFFFFFFFu);
  EXPECT_EQ(PresetFileFormat::ReadWord(file, FirWordOffset(4, 26)), fir.ChannelWord(4, 26));
  EXPECT_EQ(file[50172], 0x0D);
  EXPECT_EQ(file[50173], 0x0A);
}

TEST_F(SettingFileTest, OutputWriterRule_typeAndTapWordDecide) {
  struct Case {
    int type;
    int taps;
    bool written;
  };
  for (const Case c : {Case{2, 512, false}, Case{0, 26, false}, Case{0, 27, true}, Case{4, 100, true},
                       Case{1, 100, false}, Case{5, 2000, true}}) {
    UnitImage edited = image;
    SetOutputFir(edited, 4, c.type, c.taps);
    const Bytes bytes = EncodeSettingFile(edited, fir);
    EXPECT_EQ(PresetFileFormat::ReadWord(bytes, FirWordOffset(4, 0)) != 0xFFFFFFFFu, c.written)
        << "type " << c.type << " taps " << c.taps;
    // A tap word beyond the channel is clamped: the section keeps its size.
    EXPECT_EQ(bytes.size(), SettingFile::kSize);
  }
}

TEST_F(SettingFileTest, RoundTrip_saveOpenSaveIsIdentical_oddNameBytesIncluded) {
  const std::uint8_t odd[] = {0x00, 0x0D, 0x0A, 0xFF};
  for (std::size_t i = 0; i < 4; ++i) {
    image.SetByte(UnitImage::kPresetName + i, odd[i]);
  }
  file = EncodeSettingFile(image, fir);
  const auto staged = ParseSettingFile(file);
  ASSERT_TRUE(staged);
  UnitImage loaded;
  loaded.SetByte(0, 0x12);
  loaded.SetByte(1010, 0x34);
  FirCoefficientStore loadedFir;
  LoadUnitImage(loaded, loadedFir, *staged, 1);
  EXPECT_EQ(EncodeSettingFile(loaded, loadedFir), file);
  EXPECT_EQ(loaded.Byte(0), 0x12);  // not in the file: kept
  EXPECT_EQ(loaded.Byte(1010), 0x34);
  for (int k = 0; k < 2045; ++k) {
    ASSERT_EQ(loadedFir.ChannelWord(1, k), fir.ChannelWord(1, k)) << k;
  }
  EXPECT_EQ(loadedFir.Coefficient(1, 2045), 0.0f);
  EXPECT_EQ(loadedFir.Coefficient(2, 0), 1.0f);
}

TEST_F(SettingFileTest, Parse_refusesWrongSizeAndHeader) {
  struct Case {
    const char* name;
    std::function<void(Bytes&)> damage;
  };
  const Case cases[] = {
      {"empty", [](Bytes& b) { b.clear(); }},
      {"50,173 bytes", [](Bytes& b) { b.pop_back(); }},
      {"50,175 bytes", [](Bytes& b) { b.push_back(0); }},
      {"header off by one", [](Bytes& b) { b[15] = '#'; }},
  };
  for (const Case& c : cases) {
    Bytes damaged = file;
    c.damage(damaged);
    EXPECT_FALSE(ParseSettingFile(damaged)) << c.name;
  }
  Bytes unitSized(1504877, 0);
  std::copy(file.begin(), file.begin() + 16, unitSized.begin());
  EXPECT_FALSE(ParseSettingFile(unitSized));
}

TEST_F(SettingFileTest, RoundTrip_tapCountsAboveTheChannelOpenAndSaveTheSameBytes) {
  struct Case {
    int channel;
    int type;  // -1: an input
    int taps;
  };
  for (const Case c : {Case{0, -1, 3000}, Case{1, -1, 2049}, Case{3, 4, 3000}, Case{4, 0, 1025}, Case{3, 9, 0xFFFF}}) {
    UnitImage edited = image;
    if (c.type < 0) {
      SetInputTaps(edited, c.channel, c.taps);
    } else {
      SetOutputFir(edited, c.channel, c.type, c.taps);
    }
    const Bytes saved = EncodeSettingFile(edited, fir);
    const auto staged = ParseSettingFile(saved);
    ASSERT_TRUE(staged) << "channel " << c.channel << " taps " << c.taps;
    EXPECT_EQ(staged->channels[static_cast<std::size_t>(c.channel)], FirChannelLoad::Coefficients);
    UnitImage loaded;
    FirCoefficientStore loadedFir;
    LoadUnitImage(loaded, loadedFir, *staged, 1);
    EXPECT_EQ(ImageFirTaps(loaded, c.channel), c.taps);  // the image keeps what the unit reported
    EXPECT_EQ(EncodeSettingFile(loaded, loadedFir), saved) << "channel " << c.channel << " taps " << c.taps;
  }
}

TEST_F(SettingFileTest, RoundTrip_outputsHoldingAUnitImpulseAndOneMoreCoefficientSaveTheSameBytes) {
  struct Case {
    int type;
    int taps;
  };
  // What a unit may hold for a designed or switched-off FIR: 1.0, then one
  // coefficient that is not zero; the tap word at its extremes.
  for (const Case c : {Case{2, 0}, Case{0, 0}, Case{3, 1}, Case{1, 0xFFFF}, Case{0, 27}, Case{4, 1}, Case{4, 0}}) {
    UnitImage edited = image;
    FirCoefficientStore held = fir;
    SetOutputFir(edited, 5, c.type, c.taps);
    held.SetIdentity(5);
    held.SetWord(FirBlockMap::ChannelStart(5) + 1, std::bit_cast<std::uint32_t>(0.5f));
    const Bytes saved = EncodeSettingFile(edited, held);
    const auto staged = ParseSettingFile(saved);
    ASSERT_TRUE(staged) << "type " << c.type << " taps " << c.taps;
    UnitImage loaded;
    FirCoefficientStore loadedFir;
    LoadUnitImage(loaded, loadedFir, *staged, 1);
    EXPECT_EQ(EncodeSettingFile(loaded, loadedFir), saved) << "type " << c.type << " taps " << c.taps;
  }
}

TEST_F(SettingFileTest, Parse_tapCountsAboveTheChannelPassForIdentities) {
  Bytes edited = file;
  PutWord(edited, FirWordOffset(2, 0), 0xFFFFFFFFu);
  edited[108 + 180] = 0xFF;  // InC taps 0xFF.. with an identity
  edited[109 + 180] = 0xFF;
  EXPECT_TRUE(ParseSettingFile(edited));
}

TEST_F(SettingFileTest, OutOfRangeWords_identityFirstWordSilentLaterMarked) {
  const std::uint32_t nan = 0x7FC00001u;
  const std::uint32_t inf = std::bit_cast<std::uint32_t>(std::numeric_limits<float>::infinity());
  const std::uint32_t big = std::bit_cast<std::uint32_t>(50.5f);
  for (const std::uint32_t word : {big, inf, nan}) {
    Bytes edited = file;
    PutWord(edited, FirWordOffset(0, 0), word);
    PutWord(edited, FirWordOffset(3, 7), word);
    const auto staged = ParseSettingFile(edited);
    ASSERT_TRUE(staged) << std::hex << word;
    EXPECT_EQ(staged->channels[0], FirChannelLoad::Identity);
    EXPECT_EQ(staged->channels[3], FirChannelLoad::OutOfRange);
    EXPECT_EQ(staged->channels[1], FirChannelLoad::Coefficients);
    EXPECT_EQ(staged->fir.Coefficient(3, 0), 1.0f);
    EXPECT_EQ(staged->fir.Coefficient(3, 6), 0.0f);
  }
  Bytes exact = file;
  PutWord(exact, FirWordOffset(0, 5), std::bit_cast<std::uint32_t>(50.0f));
  EXPECT_EQ(ParseSettingFile(exact)->channels[0], FirChannelLoad::Coefficients);
}

/// The loader's commands as "code" or "code x count" runs.
std::string CodeRuns(const std::vector<LCmd>& commands) {
  std::string text;
  for (std::size_t i = 0; i < commands.size();) {
    std::size_t j = i;
    while (j < commands.size() && commands[j].GetCode() == commands[i].GetCode()) {
      ++j;
    }
    text += (text.empty() ? "" : " ") + std::to_string(commands[i].GetCode());
    if (j - i > 1) {
      text += "x" + std::to_string(j - i);
    }
    i = j;
  }
  return text;
}

TEST_F(SettingFileTest, Loader_ordersMutesRecordsBandsNamesFirAndRestores) {
  image.SetWord(UnitImage::kSourcePairMask, 0x100);
  image.SetWord(UnitImage::kInputMuteMask, 0x2);
  image.SetWord(UnitImage::ChannelRecord(1) + UnitImage::kInFirBypass, 1);
  file = EncodeSettingFile(image, fir);
  UnitImage loaded = UnitImage::Default();
  FirCoefficientStore loadedFir;
  const std::vector<LCmd> commands = LoadUnitImage(loaded, loadedFir, *ParseSettingFile(file), 1);
  const std::string input = "61 62 48 79 52 54 56 59";
  const std::string output = "61 58 65x3 50 49 76 63 52 54 56 59";
  std::string expected = "53x9 38";
  for (int c = 0; c < 3; ++c) expected += " " + input;
  for (int o = 0; o < 6; ++o) expected += " " + output;
  // Fir: InA 171 blocks, InB 171, InC erased (2), Out1 86 blocks, Out2 3
  // blocks, Out3-Out6 erased (1 each).
  expected += " 93x9 51x78 91x9 78x342 88x2 78x89 88x4 79x3";
  for (int o = 0; o < 6; ++o) expected += " 75 76";
  expected += " 53x9";
  EXPECT_EQ(CodeRuns(commands), expected);
  const auto payload = [&](std::size_t i) { return commands[i].GetPayload(); };
  EXPECT_EQ(payload(9 + 1 + 24 + 78 + 8), (std::vector<std::uint8_t>{8, 1}));  // source pair 8
  const std::size_t end = commands.size();
  EXPECT_EQ(payload(end - 8), (std::vector<std::uint8_t>{1, 1}));  // InB muted as stored
  EXPECT_EQ(payload(end - 9), (std::vector<std::uint8_t>{0, 0}));
  EXPECT_EQ(payload(end - 9 - 12 - 2), (std::vector<std::uint8_t>{1, 1}));  // InB FIR bypass as stored
  // InC erased in the current area: sectors 4 and 5.
  const std::size_t erase = 9 + 1 + 24 + 78 + 9 + 78 + 9 + 342;
  EXPECT_EQ(payload(erase), (std::vector<std::uint8_t>{4, 0}));
  EXPECT_EQ(payload(erase + 1), (std::vector<std::uint8_t>{5, 0}));
}

TEST(PresetFileFormat, WithExtension_stripsOnlyATrailingExtension) {
  using PresetFileFormat::WithExtension;
  EXPECT_EQ(WithExtension("show.UNT", "unt"), "show.unt");
  EXPECT_EQ(WithExtension("show", "unt"), "show.unt");
  EXPECT_EQ(WithExtension("a.untold.unt", "unt"), "a.untold.unt");
  EXPECT_EQ(WithExtension("a.untold", "unt"), "a.untold.unt");
  EXPECT_EQ(WithExtension("a.Prs", "prs"), "a.Prs.prs");
  EXPECT_EQ(WithExtension("dir.prs/a", "prs"), "dir.prs/a.prs");
}

}  // namespace
