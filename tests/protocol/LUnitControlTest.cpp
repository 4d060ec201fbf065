#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "protocol/LUnitControl.h"
#include "tests/protocol/HexBytes.h"
#include "tests/protocol/RecordingUnitHost.h"

namespace {

// Record offsets: InA 16, InB 106, InC 196; Out1..Out6 286, 390, 494, 598, 702, 806.

struct SetterCase {
  const char* name;
  std::function<void(LUnitControl&)> call;
  std::function<void(UnitImage&)> expectedChange;
  int code;  // 0: nothing sent
  const char* payload;
  bool forceAppend;
};

void PutText(UnitImage& image, std::size_t offset, const char* text) { image.SetText(offset, text, 8); }

class LUnitControlTest : public ::testing::Test {
protected:
  void SetUp() override { host.unitId = 7; }

  void ExpectOnlyChanges(const std::function<void(UnitImage&)>& change, const char* name) {
    UnitImage expected = UnitImage::Default();
    change(expected);
    for (std::size_t offset = 0; offset < UnitImage::kSize; ++offset) {
      EXPECT_EQ(model.Image().Byte(offset), expected.Byte(offset)) << name << " at byte " << offset;
    }
  }

  void ExpectSent(int code, const char* payload, bool forceAppend, const char* name) {
    ASSERT_EQ(host.sent.size(), 1u) << name;
    const LCmd parsed(host.sent[0].frame, true);
    EXPECT_EQ(host.sent[0].frame[3], 7) << name;
    EXPECT_EQ(parsed.GetCode(), code) << name;
    EXPECT_EQ(Hex(parsed.GetPayload()), payload) << name;
    EXPECT_EQ(host.sent[0].forceAppend, forceAppend) << name;
  }

  RecordingUnitHost host;
  LUnitControl model{host};
};

TEST_F(LUnitControlTest, everySetterStoresItsFieldAndSendsOneCommand) {
  const OutputFilterRecord filter{9, 0x0105, 0x0207, 3, 4, FirDesignRecord{1, 2, 3, 4, 5}};
  const FirDesignRecord fir{1, 2, 0x0304, 0x0506, 0x0708};
  const SetterCase cases[] = {
      {"compressor", [](LUnitControl& m) { m.SetCompressor(1, {1, 2, 3, 4, 5, 6, 7, 8}); },
       [](UnitImage& e) { e.WriteRecord(170, CompressorRecord{1, 2, 3, 4, 5, 6, 7, 8}); }, 0x30,
       "01 01 00 02 00 03 00 04 00 05 00 06 00 07 08", false},
      {"gate", [](LUnitControl& m) { m.SetGate(2, {1, 2, 3, 4}); },
       [](UnitImage& e) { e.WriteRecord(204, GateRecord{1, 2, 3, 4}); }, 0x3E, "02 01 00 02 00 03 00 04 00", false},
      {"limiter", [](LUnitControl& m) { m.SetLimiter(8, {1, 2, 3, 4, 5}); },
       [](UnitImage& e) { e.WriteRecord(892, LimiterRecord{1, 2, 3, 4, 5}); }, 0x3F,
       "08 01 00 02 00 03 00 04 00 05 00", false},
      {"polarity keeps the flag, sends 1", [](LUnitControl& m) { m.SetPolarity(3, 7); },
       [](UnitImage& e) { e.SetWord(384, 7); }, 0x36, "03 01", false},
      {"peq band and bypass bit", [](LUnitControl& m) { m.SetPeqBand(4, 8, {0x0102, 0x0304, 5, 6}, 1); },
       [](UnitImage& e) {
         e.WriteRecord(470, PeqBandRecord{0x0102, 0x0304, 5, 6});
         e.SetWord(924, 0x0100);
       },
       0x33, "04 08 02 01 04 03 05 06 01", false},
      {"low cut", [&](LUnitControl& m) { m.SetHighPass(5, filter); },
       [](UnitImage& e) {
         e.SetWord(512, 0x0105);
         e.SetByte(516, 3);
       },
       0x32, "05 05 01 03", false},
      {"high cut", [&](LUnitControl& m) { m.SetLowPass(5, filter); },
       [](UnitImage& e) {
         e.SetWord(514, 0x0207);
         e.SetByte(517, 4);
       },
       0x31, "05 07 02 04", false},
      {"designed fir", [&](LUnitControl& m) { m.SetOutputFir(6, fir); },
       [&](UnitImage& e) { e.WriteRecord(622, fir); }, 0x4B, "06 01 02 04 03 06 05 08 07", true},
      {"whole filter record", [&](LUnitControl& m) { m.SetOutputFirRecord(7, filter); },
       [&](UnitImage& e) { e.WriteRecord(718, filter); }, 0, "", false},
      {"input fir taps", [](LUnitControl& m) { m.SetInputFirTaps(0, 2048); },
       [](UnitImage& e) { e.SetWord(94, 2048); }, 0, "", false},
      {"input fir bypass", [](LUnitControl& m) { m.SetInputFirBypass(0, 0); },
       [](UnitImage& e) { e.SetWord(96, 0); }, 0x4F, "00 00", true},
      {"gain", [](LUnitControl& m) { m.SetGain(4, 400); }, [](UnitImage& e) { e.SetWord(486, 400); }, 0x34,
       "04 90 01", false},
      {"delay", [](LUnitControl& m) { m.SetDelay(0, 65280); }, [](UnitImage& e) { e.SetWord(102, 65280); }, 0x38,
       "00 00 FF", false},
      {"mute output", [](LUnitControl& m) { m.SetMute(7, 1); }, [](UnitImage& e) { e.SetWord(912, 0x10); }, 0x35,
       "07 01", false},
      {"mute input", [](LUnitControl& m) { m.SetMute(1, 3); }, [](UnitImage& e) { e.SetWord(910, 0x02); }, 0x35,
       "01 03", false},
      {"delay unit", [](LUnitControl& m) { m.SetDelayUnit(2); }, [](UnitImage& e) { e.SetByte(1010, 2); }, 0x15,
       "02", false},
      {"routing sends the whole mask", [](LUnitControl& m) { m.SetRouting(4, 2, 1); },
       [](UnitImage& e) { e.SetWord(398, 6); }, 0x3A, "04 06", false},
      {"mix level", [](LUnitControl& m) { m.SetMixLevel(3, 1, 80); }, [](UnitImage& e) { e.SetWord(298, 80); },
       0x41, "03 01 50 00", false},
      {"link mask", [](LUnitControl& m) { m.SetLinkMask(1, 0x0103); }, [](UnitImage& e) { e.SetWord(194, 0x0103); },
       0x3B, "01 03", true},
      {"source pair", [](LUnitControl& m) { m.SetSourcePair(5, 1); }, [](UnitImage& e) { e.SetWord(914, 0x20); },
       0x5D, "05 01", true},
      {"channel name", [](LUnitControl& m) { m.SetChannelName(3, "Sub"); },
       [](UnitImage& e) { PutText(e, 286, "Sub"); }, 0x3D, "03 53 75 62 00 00 00 00 00", true},
      {"fir name", [](LUnitControl& m) { m.SetFirName(8, "LongName9"); },
       [](UnitImage& e) { PutText(e, 998, "LongName"); }, 0x5B, "08 4C 6F 6E 67 4E 61 6D 65", true},
      {"input eq bypass mask", [](LUnitControl& m) { m.SetEqBypassMask(2, 5); },
       [](UnitImage& e) { e.SetWord(1016, 5); }, 0, "", false},
      {"output eq bypass mask", [](LUnitControl& m) { m.SetEqBypassMask(3, 9); },
       [](UnitImage& e) { e.SetWord(1018, 9); }, 0, "", false},
  };
  for (const SetterCase& c : cases) {
    model.Image() = UnitImage::Default();
    host.sent.clear();
    c.call(model);
    ExpectOnlyChanges(c.expectedChange, c.name);
    if (c.code == 0) {
      EXPECT_TRUE(host.sent.empty()) << c.name;
    } else {
      ExpectSent(c.code, c.payload, c.forceAppend, c.name);
    }
  }
}

TEST_F(LUnitControlTest, filterSettersMarkTheCurveEvenWhileRefreshing) {
  host.refreshing = true;
  model.SetPeqBand(0, 0, {}, 0);
  model.SetHighPass(3, {});
  model.SetLowPass(4, {});
  model.SetOutputFir(5, {});
  model.SetGain(6, 10);
  EXPECT_EQ(host.dirtyChannels, (std::vector<int>{0, 3, 4, 5}));
  EXPECT_TRUE(host.sent.empty());
}

TEST_F(LUnitControlTest, refreshingStoresButSendsNothing) {
  host.refreshing = true;
  model.SetMute(0, 1);
  model.SetLinkMask(4, 3);
  EXPECT_TRUE(model.GetMute(0));
  EXPECT_EQ(model.GetLinkMask(4), 3u);
  EXPECT_TRUE(host.sent.empty());
}

TEST_F(LUnitControlTest, linkedEditStoresIntoTheGroupAndSendsForTheEditedChannel) {
  model.Image().SetWord(16 + 88, 0b011);
  model.Image().SetWord(106 + 88, 0);
  model.SetGain(1, 300);
  EXPECT_EQ(model.GetGain(0), 300);
  EXPECT_EQ(model.GetGain(1), 300);
  EXPECT_EQ(model.GetGain(2), 280);
  ExpectSent(0x34, "01 2C 01", false, "linked gain");

  model.Image().SetWord(286 + 102, 0b101001);  // Out1 holds Out4 and Out6
  model.Image().SetWord(598 + 102, 0);
  model.Image().SetWord(806 + 102, 0);
  host.sent.clear();
  model.SetMute(8, 1);
  EXPECT_EQ(model.Image().Word(912), 0b101001);
  ExpectSent(0x35, "08 01", false, "linked mute");
}

TEST_F(LUnitControlTest, linkGroupOfEveryMaskShape) {
  struct Case {
    const char* name;
    std::vector<std::pair<int, unsigned>> masks;
    int channel;
    unsigned group;
    int count;
  };
  const Case cases[] = {
      {"unlinked", {}, 4, 0b000010, 1},
      {"leader", {{0, 0b111}, {1, 0}, {2, 0}}, 0, 0b111, 3},
      {"member", {{0, 0b101}, {2, 0}}, 2, 0b101, 2},
      {"member of an output group", {{4, 0b011010}, {6, 0}, {7, 0}}, 7, 0b011010, 3},
      {"foreign bits stay out of the count", {{3, 0x0101}}, 3, 0x0101, 1},
      // Damaged masks: the edited channel always belongs to its own group.
      {"no lower channel claims it", {{1, 0b100}}, 1, 0b011, 2},
      {"first channel without its own bit", {{0, 0b110}}, 0, 0b111, 3},
      {"output without claim takes the channel below", {{5, 0}, {4, 0b000010}}, 5, 0b000110, 2},
  };
  for (const Case& c : cases) {
    model.Image() = UnitImage::Default();
    for (const auto& [channel, mask] : c.masks) {
      model.Image().SetWord(UnitImage::ChannelRecord(channel) + (channel < 3 ? 88 : 102), mask);
    }
    EXPECT_EQ(model.GetLinkGroup(c.channel), c.group) << c.name;
    EXPECT_EQ(model.CountLinkGroup(c.channel), c.count) << c.name;
  }
}

// A damaged mask must never let an edit skip the channel it was made on
// while the command for that channel goes out.
TEST_F(LUnitControlTest, damagedMaskStillStoresIntoTheEditedChannel) {
  model.Image().SetWord(106 + 88, 0b100);
  model.SetDelay(1, 960);
  EXPECT_EQ(model.GetDelay(1), 960);
  EXPECT_EQ(model.GetDelay(0), 960);
  EXPECT_EQ(model.GetDelay(2), 0);
}

TEST_F(LUnitControlTest, firNameSlotBeyondTheNamesStoresAndSendsNothing) {
  for (const int slot : {9, 10, -1}) {
    model.SetFirName(slot, "Bad");
  }
  EXPECT_EQ(model.Image(), UnitImage::Default());
  EXPECT_TRUE(host.sent.empty());
}

TEST_F(LUnitControlTest, wrongKindOrRangeNeverWritesOutsideItsRecords) {
  model.SetHighPass(1, {0, 5, 6, 7, 8, {}});
  model.SetInputFirBypass(4, 0);
  model.SetGain(9, 100);
  model.SetCompressor(3, {});
  model.SetRouting(3, 3, 1);
  model.SetPeqBand(0, 8, {}, 1);
  EXPECT_EQ(model.Image(), UnitImage::Default());
  // The crossover and FIR bypass setters still send for the channel given.
  ASSERT_EQ(host.sent.size(), 2u);
  EXPECT_EQ(LCmd(host.sent[0].frame, true).GetCode(), 0x32);
  EXPECT_EQ(LCmd(host.sent[1].frame, true).GetCode(), 0x4F);
  EXPECT_EQ(model.GetGain(9), 0);
  EXPECT_TRUE(model.GetChannelNameField(-1).empty());
}

TEST_F(LUnitControlTest, gettersReadTheImage) {
  model.Image().SetWord(912, 0b100000);
  model.Image().SetWord(916 + 2 * 8, 0b10);
  model.Image().SetByte(1012, 2);
  model.Image().SetByte(1014, 0b100);
  model.Image().SetByte(1015, 0b10);
  model.Image().SetWord(914, 0b1000);
  EXPECT_TRUE(model.GetMute(8));
  EXPECT_FALSE(model.GetMute(7));
  EXPECT_TRUE(model.IsPeqBandBypassed(8, 1));
  EXPECT_FALSE(model.IsPeqBandBypassed(8, 0));
  EXPECT_EQ(model.GetInputPairSource(0), 2);
  EXPECT_EQ(model.GetOutputPairSource(2), 1);
  EXPECT_EQ(model.GetDanteOutputSource(1), 1);
  EXPECT_TRUE(model.IsSourcePaired(3));
  EXPECT_EQ(model.GetOutputFilters(0), OutputFilterRecord{});
  EXPECT_EQ(model.GetOutputFilters(3).fir.taps, 512);
  EXPECT_EQ(model.GetInputFirTaps(2), 512);
  EXPECT_TRUE(model.GetInputFirBypass(2));
  EXPECT_EQ(model.GetMixLevel(8, 2), 280);
  EXPECT_EQ(model.GetRoutingMask(8), 4u);
  EXPECT_EQ(model.GetTestLevel(), 40);
  EXPECT_EQ(model.GetDanteAvailable(), 1);
  EXPECT_EQ(model.GetDefaultPeqBand(3, 0), (PeqBandRecord{120, 31, 35, 0}));
  EXPECT_EQ(Hex({model.GetFirNameField(3).begin(), model.GetFirNameField(3).end()}), "4F 75 74 31 46 69 6C 65");
  EXPECT_EQ(model.GetPresetNameField().size(), 14u);
}

TEST_F(LUnitControlTest, copyChannelRecordKeepsIdentityAndCopiesProcessingAndBits) {
  model.SetGain(3, 100);
  model.SetPeqBand(3, 2, {1, 2, 3, 4}, 1);
  model.SetMute(3, 1);
  model.SetEqBypassMask(3, 0b000001);
  model.SetRouting(5, 0, 1);
  model.SetMixLevel(5, 0, 10);
  model.SetChannelName(5, "Keep");
  model.SetMute(5, 0);
  model.Image().SetWord(494 + 102, 0b100);
  host.sent.clear();
  const UnitImage before = model.Image();

  model.CopyChannelRecord(3, 5);

  EXPECT_TRUE(host.sent.empty());
  EXPECT_EQ(model.GetGain(5), 100);
  EXPECT_EQ(model.GetPeqBand(5, 2), (PeqBandRecord{1, 2, 3, 4}));
  EXPECT_TRUE(model.IsPeqBandBypassed(5, 2));
  EXPECT_TRUE(model.GetMute(5));
  EXPECT_EQ(model.GetEqBypassMask(5), 0b000101u);
  for (std::size_t offset = 494; offset < 494 + 16; ++offset) {
    EXPECT_EQ(model.Image().Byte(offset), before.Byte(offset)) << "name, routing or mix at " << offset;
  }
  EXPECT_EQ(model.GetLinkMask(5), 0b100u);

  model.SetMute(0, 1);
  model.CopyChannelRecord(1, 0);
  EXPECT_FALSE(model.GetMute(0));
  const UnitImage afterInputs = model.Image();
  model.CopyChannelRecord(0, 3);
  EXPECT_EQ(model.Image(), afterInputs);
}

TEST_F(LUnitControlTest, presetDirectoryFlagsAndName) {
  std::vector<std::uint8_t> payload(30, 0x00);
  payload[0] = 0xFF;
  payload[2] = 0xFF;
  model.SetPresetUsedFlags(payload);
  EXPECT_TRUE(model.IsPresetUsed(0));
  EXPECT_FALSE(model.IsPresetUsed(1));
  EXPECT_TRUE(model.IsPresetUsed(2));

  model.SetPresetUsedFlags(std::vector<std::uint8_t>{0x00, 0xFF});
  EXPECT_TRUE(model.IsPresetUsed(1));
  EXPECT_FALSE(model.IsPresetUsed(29));
  model.MarkPresetUsed(29);
  model.MarkPresetUsed(30);
  EXPECT_TRUE(model.IsPresetUsed(29));
  EXPECT_FALSE(model.IsPresetUsed(30));

  const std::vector<std::uint8_t> name = {'M', 'y', ' ', 'H', 'a', 'l', 'l', ' ', 'P', 'r', 'e', 's', 'e', 't', 'X'};
  model.SetPresetName(name);
  EXPECT_EQ(Hex({model.GetPresetNameField().begin(), model.GetPresetNameField().end()}),
            "4D 79 20 48 61 6C 6C 20 50 72 65 73 65 74");
  model.SetPresetName(std::vector<std::uint8_t>{'A'});
  EXPECT_EQ(Hex({model.GetPresetNameField().begin(), model.GetPresetNameField().end()}),
            "41 00 00 00 00 00 00 00 00 00 00 00 00 00");
}

TEST_F(LUnitControlTest, presetBlocksFillTheSlotAtTheLastBlockAndRefuseWhatDoesNotFit) {
  for (int block = 0; block < 21; ++block) {
    std::vector<std::uint8_t> payload(block < 20 ? 51 : 21, static_cast<std::uint8_t>(block + 1));
    payload[0] = static_cast<std::uint8_t>(block);
    EXPECT_TRUE(model.StorePresetBlock(30, payload)) << block;
  }
  const auto& slot = model.StoredPresetSlots()[29];
  EXPECT_EQ(slot[0], 30);
  EXPECT_EQ(slot[1], 1);
  EXPECT_EQ(slot[1 + 999], 20);
  EXPECT_EQ(slot[1 + 1019], 21);

  const auto before = model.StoredPresetSlots();
  const std::vector<std::vector<std::uint8_t>> refused{
      {}, std::vector<std::uint8_t>(50, 0), std::vector<std::uint8_t>(51, 21), std::vector<std::uint8_t>(20, 20)};
  for (const auto& payload : refused) {
    EXPECT_FALSE(model.StorePresetBlock(30, payload)) << payload.size();
  }
  std::vector<std::uint8_t> last(21, 0);
  last[0] = 20;
  EXPECT_FALSE(model.StorePresetBlock(31, last)) << "slot 30 of 0-29";
  EXPECT_FALSE(model.StorePresetBlock(0, last));
  EXPECT_EQ(model.StoredPresetSlots(), before);

  model.SetEepromBytes(std::vector<std::uint8_t>(40, 0xAB));
  EXPECT_EQ(model.UnitSlotTable()[30], 0xAB);
}

}  // namespace
