#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "protocol/CommandCodes.h"
#include "protocol/FirBlockMap.h"
#include "protocol/FirCoefficientStore.h"
#include "protocol/FirSection.h"
#include "protocol/PresetFileFormat.h"
#include "protocol/UnitFile.h"
#include "protocol/UnitImage.h"
#include "protocol/UnitRecords.h"
#include "tests/protocol/ImageFirSettings.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr int kPresets = LUnitControl::kPresetCount;

std::size_t RecordAt(int k) { return 47 + 50161 * static_cast<std::size_t>(k); }

std::size_t WordAt(int k, int channel, int j) {
  return RecordAt(k) + 1007 + 4 * static_cast<std::size_t>(FirBlockMap::ChannelStart(channel) + j);
}

void PutRecordWord(Bytes& bytes, std::size_t offset, std::uint32_t word) {
  for (int i = 0; i < 4; ++i) {
    bytes[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(word >> (8 * i));
  }
}

/// Presets 2 and 5 used: preset 2 with 2045 taps on InB and a type-4 Out1
/// of 1024 taps, preset 5 all identities.
class UnitFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (int n = 0; n < 31; ++n) slotTable[static_cast<std::size_t>(n)] = n == 2 || n == 5 ? 0xFF : 0;
    used[1] = used[4] = 1;
    for (int channel = 0; channel < 9; ++channel) fir.SetIdentity(channel);
    for (int k = 0; k < 2045; ++k) fir.SetWord(FirBlockMap::ChannelStart(1) + k, std::bit_cast<std::uint32_t>(0.001f * k));
    for (int k = 0; k < 1024; ++k) fir.SetWord(FirBlockMap::ChannelStart(3) + k, std::bit_cast<std::uint32_t>(-0.002f * k));
    image = UnitImage::Default();
    image.SetByte(0, 0xFF);
    SetInputTaps(image, 1, 2045);
    SetOutputFir(image, 3, 4, 1024);
    image.SetByte(1006, 0x77);  // not in the file
    for (auto& section : sections) section = EncodeErasedFir();
    slots[1][0] = 2;
    std::copy(image.Bytes().begin(), image.Bytes().end(), slots[1].begin() + 1);
    sections[1] = EncodePresetFir(fir, image);
    UnitImage plain = UnitImage::Default();
    plain.SetByte(0, 0xFF);
    slots[4][0] = 5;
    std::copy(plain.Bytes().begin(), plain.Bytes().end(), slots[4].begin() + 1);
    FirCoefficientStore identity;
    for (int channel = 0; channel < 9; ++channel) identity.SetIdentity(channel);
    sections[4] = EncodePresetFir(identity, plain);
    file = EncodeUnitFile(slotTable, used, slots, sections);
  }

  UnitImage image;  // preset 2
  FirCoefficientStore fir;
  std::array<std::uint8_t, 31> slotTable{};
  std::array<std::uint8_t, kPresets> used{};
  std::array<LUnitControl::StoredPreset, kPresets> slots{};
  std::array<Bytes, kPresets> sections;
  Bytes file;
};

TEST_F(UnitFileTest, Layout_headerSlotTableRecordsAndLineEnds) {
  ASSERT_EQ(file.size(), 1504877u);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 16), "***KRV-71V010***");
  EXPECT_TRUE(std::equal(slotTable.begin(), slotTable.end(), file.begin() + 16));
  for (int k = 0; k < kPresets; ++k) {
    const std::size_t r = RecordAt(k);
    EXPECT_EQ(file[r + 50159], 0x0D) << k;
    EXPECT_EQ(file[r + 50160], 0x0A) << k;
    if (k == 1 || k == 4) {
      EXPECT_EQ(file[r], k + 1);
      EXPECT_TRUE(std::equal(slots[static_cast<std::size_t>(k)].begin() + 1, slots[static_cast<std::size_t>(k)].begin() + 1007, file.begin() + static_cast<long>(r) + 1));
    } else {
      EXPECT_TRUE(std::all_of(file.begin() + static_cast<long>(r), file.begin() + static_cast<long>(r) + 1007, [](std::uint8_t b) { return b == 'd'; })) << k;
      EXPECT_TRUE(std::all_of(file.begin() + static_cast<long>(r) + 1007, file.begin() + static_cast<long>(r) + 50159, [](std::uint8_t b) { return b == 0xFF; })) << k;
    }
  }
  // Taps at record +95 + 90c and +317 + 104o.
  EXPECT_EQ(file[RecordAt(1) + 95 + 90] | file[RecordAt(1) + 96 + 90] << 8, 2045);
  EXPECT_EQ(file[RecordAt(1) + 317] | file[RecordAt(1) + 318] << 8, 1024);
  EXPECT_TRUE(ParseUnitFile(file));
}

TEST_F(UnitFileTest, Parse_refusesDamagedOrHostileFiles) {
  struct Case {
    const char* name;
    std::function<void(Bytes&)> damage;
  };
  const Case cases[] = {
      {"30,256 bytes", [](Bytes& b) { b.resize(30256); }},
      {"30,257 bytes", [](Bytes& b) { b.resize(30257); }},
      {"one byte short", [](Bytes& b) { b.pop_back(); }},
      {"one byte long", [](Bytes& b) { b.push_back(0); }},
      {"header off", [](Bytes& b) { b[0] = '#'; }},
      {"record 3 shifted", [](Bytes& b) { b.insert(b.begin() + static_cast<long>(RecordAt(2)), 'd'); b.pop_back(); }},
      {"used record numbered 0", [](Bytes& b) { b[RecordAt(1)] = 0; }},
      {"used record numbered d", [](Bytes& b) { b[RecordAt(1)] = 'd'; }},
      {"used record numbered 31", [](Bytes& b) { b[RecordAt(1)] = 31; }},
      {"taps 0 with coefficients", [](Bytes& b) { b[RecordAt(1) + 185] = 0; b[RecordAt(1) + 186] = 0; }},
      {"coefficients in a d record", [](Bytes& b) { PutRecordWord(b, WordAt(7, 0, 0), 0); }},
      {"NaN within the count", [](Bytes& b) { PutRecordWord(b, WordAt(1, 1, 2044), 0x7FC00000u); }},
      {"infinity within the count", [](Bytes& b) { PutRecordWord(b, WordAt(1, 3, 3), 0x7F800000u); }},
  };
  for (const Case& c : cases) {
    Bytes damaged = file;
    c.damage(damaged);
    EXPECT_FALSE(ParseUnitFile(damaged)) << c.name;
  }
  Bytes beyond = file;
  PutRecordWord(beyond, WordAt(1, 1, 2046), 0x7FC00000u);  // after the count: never sent
  EXPECT_TRUE(ParseUnitFile(beyond));
}

/// What a unit keeps of a download's FIR phase: each preset's coefficients
/// as its CMD_FIR_EXT_EEPROM blocks carry them (12 big-endian floats a block).
std::array<FirCoefficientStore, kPresets> UnitFileStoredFir(const UnitFileFirPhase& phase) {
  std::array<FirCoefficientStore, kPresets> stored;
  for (auto& fir : stored) {
    for (int channel = 0; channel < 9; ++channel) fir.SetIdentity(channel);
  }
  for (const LCmd& command : phase.commands) {
    if (command.GetCode() != CMD_FIR_EXT_EEPROM) continue;
    const auto& p = command.GetPayload();
    FirCoefficientStore& fir = stored[static_cast<std::size_t>(p[0] - 1)];
    const int start = FirBlockMap::ChannelStart(p[1]) + 12 * p[2];
    for (std::size_t i = 5; i + 4 <= p.size(); i += 4) {
      const std::uint32_t word = std::uint32_t(p[i]) << 24 | std::uint32_t(p[i + 1]) << 16 | std::uint32_t(p[i + 2]) << 8 | p[i + 3];
      fir.SetWord(start + static_cast<int>((i - 5) / 4), word);
    }
  }
  return stored;
}

TEST_F(UnitFileTest, RoundTrip_tapWordsTheWriterDoesNotFollowOpenAndSaveTheSameBytes) {
  struct Case {
    int channel;
    int type;  // -1: an input
    int taps;
    float second;  // not 0: the channel holds 1.0 and this, the rest zeros
  };
  // Counts above the channel, as a unit may report them; and outputs of a
  // designed or switched-off FIR, whose two kept coefficients do not follow
  // the tap word.
  for (const Case c : {Case{1, -1, 3000, 0}, Case{1, -1, 2049, 0}, Case{3, 4, 3000, 0}, Case{3, 0, 1025, 0},
                       Case{3, 7, 0xFFFF, 0}, Case{5, 2, 0, 0.5f}, Case{5, 0, 0, -0.25f}, Case{6, 3, 1, 0.5f},
                       Case{8, 1, 0xFFFF, 0.5f}, Case{7, 0, 500, 0.125f}}) {
    UnitImage edited = image;
    FirCoefficientStore held = fir;
    if (c.type < 0) {
      SetInputTaps(edited, c.channel, c.taps);
    } else {
      SetOutputFir(edited, c.channel, c.type, c.taps);
    }
    if (c.second != 0) {
      held.SetIdentity(c.channel);
      held.SetWord(FirBlockMap::ChannelStart(c.channel) + 1, std::bit_cast<std::uint32_t>(c.second));
    }
    std::copy(edited.Bytes().begin(), edited.Bytes().end(), slots[1].begin() + 1);
    sections[1] = EncodePresetFir(held, edited);
    const Bytes saved = EncodeUnitFile(slotTable, used, slots, sections);
    const auto staged = ParseUnitFile(saved);
    ASSERT_TRUE(staged) << "channel " << c.channel << " type " << c.type << " taps " << c.taps;
    // Open sends the records and coefficients to the unit; saving reads them back.
    const auto unitFir = UnitFileStoredFir(BuildUnitFileFirPhase(*staged, 1));
    std::array<Bytes, kPresets> readBack = sections;
    readBack[1] = EncodePresetFir(unitFir[1], edited);
    EXPECT_EQ(EncodeUnitFile(slotTable, used, slots, readBack), saved)
        << "channel " << c.channel << " type " << c.type << " taps " << c.taps;
  }
}

TEST_F(UnitFileTest, DownloadSegment_presetFromTheRecordIndexTailFromTheDefaultImage) {
  Bytes edited = file;
  const auto staged = ParseUnitFile(edited);
  ASSERT_TRUE(staged);
  const LCmd first = DownloadSegment(*staged, 1, 1, 0);
  ASSERT_EQ(first.GetPayload().size(), 52u);
  EXPECT_EQ(first.GetPayload()[0], 0);  // segment
  EXPECT_EQ(first.GetPayload()[1], 1);  // preset 2 - 1
  EXPECT_EQ(first.GetPayload()[2], 0xFF);
  const LCmd last = DownloadSegment(*staged, 1, 1, 20);
  const auto& p = last.GetPayload();
  ASSERT_EQ(p.size(), 22u);
  EXPECT_EQ(p[0], 20);
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(p[2 + i], slots[1][1001 + i]) << i;
  for (std::size_t i = 6; i < 20; ++i) EXPECT_EQ(p[2 + i], UnitImage::Default().Byte(1000 + i)) << i;
}

TEST_F(UnitFileTest, FirPhase_erasesIdentitiesWritesCoefficientsCountsProgress) {
  const auto staged = ParseUnitFile(file);
  ASSERT_TRUE(staged);
  EXPECT_TRUE(staged->IsUsed(1));
  EXPECT_FALSE(staged->IsUsed(0));
  const UnitFileFirPhase phase = BuildUnitFileFirPhase(*staged, 1);
  std::set<int> erased;
  int blocks = 0;
  for (const LCmd& command : phase.commands) {
    const auto& p = command.GetPayload();
    if (command.GetCode() == CMD_ERASE_FIR_SECTOR) {
      erased.insert(p[0] | p[1] << 8);
    } else {
      ASSERT_EQ(command.GetCode(), CMD_FIR_EXT_EEPROM);
      EXPECT_EQ(p[0], 2);  // preset 2 only
      ++blocks;
    }
  }
  EXPECT_EQ(blocks, 171 + 86);
  // Record 1 (preset 1) all identities: sectors 12 to 23.
  for (int s = 12; s < 24; ++s) EXPECT_TRUE(erased.count(s)) << s;
  EXPECT_FALSE(erased.count(26));  // preset 2, InB written
  EXPECT_FALSE(erased.count(30));  // preset 2, Out1 written
  EXPECT_EQ(erased.size(), 30u * 12 - 2 - 1);
  EXPECT_EQ(phase.progress, 29 * (3 * 155 + 6 * 77) + (2 * 155 + 5 * 77) + 2);
}

TEST_F(UnitFileTest, UnusedRecordWithImageBytesIsStillNotDownloaded) {
  Bytes edited = file;
  edited[RecordAt(6) + 1] = 0x00;  // byte 1 not FF: passed over
  const auto staged = ParseUnitFile(edited);
  ASSERT_TRUE(staged);
  EXPECT_FALSE(staged->IsUsed(6));
}

}  // namespace
