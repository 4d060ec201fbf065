#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/ProcessState.h"
#include "protocol/CommandCodes.h"
#include "protocol/UnitFile.h"
#include "protocol/UnitImage.h"
#include "tests/link/PresetExchangeFixture.h"
#include "tools/unitsim/SimUnitImage.h"

namespace {

using namespace std::chrono_literals;
using namespace SimImageLayout;

/// Preset n of the simulated unit: the factory image named "Preset nn";
/// preset 3 carries a 2048-tap InA, a 2045-tap InB and a 1024-tap type-4
/// Out1, its image taps matching.
void StorePresets(UnitSim& unitSim, const std::vector<int>& presets) {
  for (const int n : presets) {
    SimImage image = MakeDefaultImage();
    const std::string name = "Preset " + std::to_string(100 + n).substr(1);
    std::copy(name.begin(), name.end(), image.begin() + 2);
    if (n == 3) {
      WriteWord(image, ChannelRecord(0) + kInFirTaps, 2048);
      WriteWord(image, ChannelRecord(1) + kInFirTaps, 2045);
      image[ChannelRecord(3) + kOutFilter + kFilterFirType] = 4;
      WriteWord(image, ChannelRecord(3) + kOutFilter + kFilterFirTaps, 1024);
      unitSim.SetFirTaps(3, {2048, 2045, 0, 1024, 0, 0, 0, 0, 0});
    }
    unitSim.SetPreset(n, image);
  }
}

/// FIR of the current setting, unlike every preset's, so that a preset's FIR
/// read into the current setting's store shows.
constexpr std::array<int, 9> kCurrentFirTaps{300, 0, 0, 0, 0, 200, 0, 0, 0};

std::vector<std::uint8_t> ToByteVector(const QByteArray& bytes) {
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

/// Commands the unit received, as codes, from the first of `from` on.
std::vector<int> CodesFrom(const UnitSim& unitSim, int from) {
  std::vector<int> codes;
  for (const SimReceivedFrame& frame : unitSim.ReceivedFrames()) {
    if (!codes.empty() || frame.frame.code == from) {
      codes.push_back(frame.frame.code);
    }
  }
  return codes;
}

std::vector<int> Positions(const RecordingLinkWindow& window) {
  std::vector<int> positions;
  for (const std::string& line : window.With("Position ")) {
    positions.push_back(std::stoi(line.substr(9)));
  }
  return positions;
}

class PresetTransferTest : public PresetExchangeFixture {
protected:
  /// Uploads into `name`; the file's bytes.
  QByteArray Upload(const QString& name) {
    window.answers.push_back(Path(name));
    exchange.UploadAllPresets();
    EXPECT_TRUE(ProcessEventsUntil([&] { return !exchange.IsTransferRunning(); }, kTransferLimit));
    return Contents(Path(name.left(name.lastIndexOf('.')) + ".unt"));
  }
};

TEST_F(PresetTransferTest, UploadDownloadUpload_allThirtyPresetsRoundTripThroughAFreshUnit) {
  std::vector<int> all(30);
  std::iota(all.begin(), all.end(), 1);
  StorePresets(*sim, all);
  sim->SetFirTaps(0, kCurrentFirTaps);
  ConnectTo(*sim);
  const FirCoefficientStore before = session.FirCoefficients();

  window.calls.clear();
  const QByteArray file = Upload("show.UNT");

  ASSERT_EQ(file.size(), 1504877);
  EXPECT_EQ(session.FirCoefficients(), before);
  const std::vector<int> upload = Positions(window);
  EXPECT_GT(upload.size(), 30u * 21);
  EXPECT_TRUE(std::is_sorted(upload.begin(), upload.end()));
  EXPECT_EQ(upload.back(), 30 * 966);
  EXPECT_TRUE(window.Has("Open unt") == false && window.Has("Save unt"));
  ASSERT_TRUE(ProcessEventsUntil([&] { return sim->ReceivedCount(CMD_SELECT_PRESET) >= 31; }, 5s));
  const auto frames = sim->ReceivedFrames();
  const auto last = std::find_if(frames.rbegin(), frames.rend(),
                                 [](const SimReceivedFrame& f) { return f.frame.code == CMD_SELECT_PRESET; });
  EXPECT_EQ(last->frame.payload, (std::vector<std::uint8_t>{31})) << "the end of the upload";
  const auto staged = ParseUnitFile(ToByteVector(file));
  ASSERT_TRUE(staged);

  // Into a fresh unit.
  session.Disconnect();
  std::unique_ptr<UnitSim> fresh = StartSim();
  ASSERT_TRUE(fresh);
  fresh->SetFirTaps(0, kCurrentFirTaps);
  ConnectTo(*fresh);
  window.calls.clear();
  window.answers.push_back(Path("show.unt"));
  exchange.DownloadUnitFile();
  ASSERT_TRUE(ProcessEventsUntil([&] { return !session.HasAnyTransport(); }, kTransferLimit));

  const SimUnitState state = fresh->State();
  EXPECT_TRUE(std::equal(state.slotTable.begin() + 1, state.slotTable.end(), staged->eepromBytes.begin() + 1));
  for (int k = 0; k < 30; ++k) {
    const auto record = staged->Record(k);
    const SimImage& image = state.presets[static_cast<std::size_t>(k)];
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 1006, record.begin() + 1)) << "preset " << k + 1;
    EXPECT_TRUE(std::equal(image.begin() + 1006, image.end(), UnitImage::Default().Bytes().begin() + 1006));
    const auto& area = state.firAreas[static_cast<std::size_t>(k + 1)].Bytes();
    EXPECT_TRUE(std::equal(area.begin(), area.end(), record.begin() + 1007)) << "FIR of preset " << k + 1;
  }
  EXPECT_EQ(session.FirCoefficients(), before);
  EXPECT_TRUE(window.enabled);
  EXPECT_TRUE(window.Has("WindowDisabled"));
  EXPECT_TRUE(window.Has("ShowProgressModeless"));
  const std::vector<int> download = Positions(window);
  EXPECT_GT(download.size(), 30u * 21);
  EXPECT_GE(fresh->ReceivedCount(CMD_MCU_RESET), 1u);
  EXPECT_FALSE(window.Has("Info SID_INFO_ERROR_DOWNLAOD"));

  // And back out again.
  ConnectTo(*fresh);
  EXPECT_EQ(Upload("again.unt"), file);
}

TEST_F(PresetTransferTest, Upload_presetsTwoAndFive_selectsEachReadsItsBlocksAndArea) {
  StorePresets(*sim, {2, 5});
  ConnectTo(*sim);
  sim->ClearReceivedFrames();
  window.calls.clear();

  const QByteArray file = Upload("two");

  ASSERT_EQ(file.size(), 1504877);
  std::vector<int> expected{CMD_READ_EEPROM, CMD_SELECT_PRESET};
  expected.insert(expected.end(), 21, CMD_READ_PRESET_BLOCK);
  expected.insert(expected.end(), 9, CMD_READ_FIR_BLOCK);
  expected.push_back(CMD_SELECT_PRESET);
  expected.insert(expected.end(), 21, CMD_READ_PRESET_BLOCK);
  expected.insert(expected.end(), 9, CMD_READ_FIR_BLOCK);
  ASSERT_TRUE(ProcessEventsUntil([&] { return sim->ReceivedCount(CMD_SELECT_PRESET) >= 3; }, 5s));
  std::vector<int> codes = CodesFrom(*sim, CMD_READ_EEPROM);
  codes.erase(std::remove(codes.begin(), codes.end(), CMD_KEEP_ALIVE), codes.end());
  expected.push_back(CMD_SELECT_PRESET);
  EXPECT_EQ(codes, expected);
  EXPECT_TRUE(window.Has("Max 1932"));
  EXPECT_EQ(Positions(window).back(), 1932);
  const auto staged = ParseUnitFile(ToByteVector(file));
  ASSERT_TRUE(staged);
  for (int k = 0; k < 30; ++k) {
    const auto record = staged->Record(k);
    const bool used = k == 1 || k == 4;
    EXPECT_EQ(record[0], used ? k + 1 : 'd') << k;
    EXPECT_EQ(record[1], used ? 0xFF : 'd') << k;
  }
}

TEST_F(PresetTransferTest, Upload_onlyPresetThirty_oneSelectThenTheEnd) {
  StorePresets(*sim, {30});
  ConnectTo(*sim);
  sim->ClearReceivedFrames();

  ASSERT_EQ(Upload("last.unt").size(), 1504877);

  ASSERT_TRUE(ProcessEventsUntil([&] { return sim->ReceivedCount(CMD_SELECT_PRESET) >= 2; }, 5s));
  std::vector<std::vector<std::uint8_t>> selects;
  for (const SimReceivedFrame& frame : sim->ReceivedFrames()) {
    if (frame.frame.code == CMD_SELECT_PRESET) selects.push_back(frame.frame.payload);
  }
  EXPECT_EQ(selects, (std::vector<std::vector<std::uint8_t>>{{30}, {31}}));
}

TEST_F(PresetTransferTest, Upload_withoutUsedPresetsOrOffline_saysSoAndSendsNothing) {
  exchange.UploadAllPresets();
  EXPECT_EQ(window.With("Info"), (std::vector<std::string>{"Info SID_INFO_CON_FIRST"}));
  ConnectTo(*sim);
  sim->ClearReceivedFrames();
  exchange.UploadAllPresets();
  EXPECT_EQ(window.With("Info").back(), "Info SID_INFO_NO_SAVE_EXIST");
  EXPECT_EQ(sim->ReceivedCount(CMD_READ_EEPROM), 0u);
}

TEST_F(PresetTransferTest, StoreAndRecall_sendNameStoreAndRecallThenReadBack) {
  ConnectTo(*sim);
  sim->ClearReceivedFrames();
  window.calls.clear();

  exchange.StorePreset(4, QByteArray("Stage         "));

  EXPECT_TRUE(window.Has("Labels U05 [Stage         ]"));
  ASSERT_TRUE(WaitForIdle(10s));
  std::vector<std::string> sent;
  for (const SimReceivedFrame& frame : sim->ReceivedFrames()) {
    if (frame.frame.code == CMD_KEEP_ALIVE) continue;
    sent.push_back(std::to_string(frame.frame.code) + " " +
                   std::string(frame.frame.payload.begin(), frame.frame.payload.end()));
  }
  EXPECT_EQ(sent, (std::vector<std::string>{"38 Stage         ", "33 \x05"}));
  EXPECT_EQ(session.GetCurrentPreset(), 5);
  EXPECT_TRUE(unit.IsPresetUsed(4));
  EXPECT_TRUE(sim->State().IsPresetUsed(5));

  sim->ClearReceivedFrames();
  const int refreshes = window.Count("Refresh");
  exchange.RecallPreset(0);
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Count("Refresh") > refreshes; }, kReadOutLimit));
  ASSERT_EQ(sim->ReceivedCount(CMD_RECALL_PRESET), 1u);
  for (const SimReceivedFrame& frame : sim->ReceivedFrames()) {
    if (frame.frame.code == CMD_RECALL_PRESET) {
      EXPECT_EQ(frame.frame.payload, (std::vector<std::uint8_t>{0}));
    }
    if (frame.frame.code != CMD_KEEP_ALIVE) {
      EXPECT_EQ(frame.frame.code, CMD_RECALL_PRESET) << "the recall goes first";
      break;
    }
  }
  EXPECT_EQ(session.GetCurrentPreset(), 0);
  EXPECT_EQ(session.GetProcessState(), 0);
}

TEST_F(PresetTransferTest, StoreAndRecall_offline_changeNothing) {
  const UnitImage image = unit.Image();
  exchange.StorePreset(4, QByteArray("Stage         "));
  exchange.RecallPreset(3);
  EXPECT_EQ(unit.Image(), image);
  EXPECT_EQ(session.GetProcessState(), 0);
  EXPECT_EQ(session.GetCurrentPreset(), 0);
  EXPECT_FALSE(unit.IsPresetUsed(4));
  EXPECT_TRUE(window.calls.empty());
}

}  // namespace
