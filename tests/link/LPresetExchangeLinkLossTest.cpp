#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <QDir>
#include <QTimer>

#include <gtest/gtest.h>

#include "link/ProcessState.h"
#include "protocol/CommandCodes.h"
#include "protocol/SettingFile.h"
#include "tests/link/PresetExchangeFixture.h"
#include "tools/unitsim/SimUnitImage.h"

namespace {

using namespace std::chrono_literals;

/// Whether a progress window is still up: the last show after the last close.
bool ProgressShown(const RecordingLinkWindow& window) {
  for (auto line = window.calls.rbegin(); line != window.calls.rend(); ++line) {
    if (*line == "CloseProgress") return false;
    if (*line == "ShowProgressModal" || *line == "ShowProgressModeless") return true;
  }
  return false;
}

/// Whether the progress bar still moves on its own: a timer of the count's
/// 10 ms interval, started after the count's, fires after it, so five of its
/// ticks leave room for the count's ticks.
bool ProgressStillCounts(const RecordingLinkWindow& window) {
  const std::size_t before = window.With("Position").size();
  QTimer probe;
  int ticks = 0;
  QObject::connect(&probe, &QTimer::timeout, [&] { ++ticks; });
  probe.start(10);
  EXPECT_TRUE(ProcessEventsUntil([&] { return ticks >= 5; }, 5s));
  return window.With("Position").size() != before;
}

class PresetLinkLossTest : public PresetExchangeFixture {
protected:
  struct Case {
    const char* name;
    std::uint8_t code;  ///< the command whose reply never comes: the link drops
    int skip;
    std::function<void()> start;
    bool download;
  };

  void Run(const Case& c) {
    SCOPED_TRACE(c.name);
    ConnectTo(*sim);
    SimFault drop;
    drop.code = c.code;
    drop.skip = c.skip;
    drop.times = 1;
    drop.dropLink = true;
    sim->AddFault(drop);
    window.calls.clear();
    window.answers.clear();
    const std::size_t identities = sim->ReceivedCount(CMD_IDENTITY);

    c.start();

    ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("ShowSearch"); }, 30s));
    EXPECT_FALSE(session.IsUnitOnline());
    EXPECT_FALSE(ProgressShown(window));
    EXPECT_TRUE(window.enabled);
    EXPECT_EQ(session.GetBulkMode(), 0);
    EXPECT_EQ(session.GetProcessState(), 0);
    EXPECT_EQ(session.GetFirReadPreset(), 0);
    EXPECT_FALSE(exchange.IsTransferRunning());
    EXPECT_FALSE(QFile::exists(Path("lost.unt")));
    EXPECT_FALSE(ProgressStillCounts(window)) << "tmPresetLoadCount stopped";
    if (c.download) {
      ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("Info SID_INFO_ERROR_DOWNLAOD"); }, 5s));
      const auto offline = std::find(window.calls.begin(), window.calls.end(), "OfflineCaption");
      const auto info = std::find(window.calls.begin(), window.calls.end(), "Info SID_INFO_ERROR_DOWNLAOD");
      EXPECT_LT(offline, info) << "shown after the disconnect";
      EXPECT_EQ(window.Count("Info SID_INFO_ERROR_DOWNLAOD"), 1);
    } else {
      EXPECT_TRUE(window.With("Info").empty());
    }

    ASSERT_TRUE(sim->ReopenLink(SimLink::Pty));
    sim->ClearFaults();
    ConnectTo(*sim);
    EXPECT_EQ(sim->ReceivedCount(CMD_IDENTITY), identities + 1) << "a normal handshake";
  }
};

TEST_F(PresetLinkLossTest, DroppedLink_endsEveryExchangeCleanly) {
  SimImage image = MakeDefaultImage();
  sim->SetPreset(1, image);
  sim->SetPreset(2, image);
  sim->SetFirTaps(2, {300, 0, 0, 100, 0, 0, 0, 0, 0});
  ConnectTo(*sim);
  window.answers.push_back(Path("good.unt"));
  exchange.UploadAllPresets();
  ASSERT_TRUE(ProcessEventsUntil([&] { return !exchange.IsTransferRunning(); }, kTransferLimit));
  ASSERT_TRUE(QFile::exists(Path("good.unt")));
  const std::vector<std::uint8_t> setting = EncodeSettingFile(unit.Image(), session.FirCoefficients());
  ASSERT_TRUE(WriteFile(Path("good.prs"), QByteArray(reinterpret_cast<const char*>(setting.data()),
                                                     static_cast<qsizetype>(setting.size()))));
  session.Disconnect();

  const auto download = [&] {
    window.answers.push_back(Path("good.unt"));
    exchange.DownloadUnitFile();
  };
  const Case cases[] = {
      {"upload FIR", CMD_READ_FIR_BLOCK, 3,
       [&] {
         window.answers.push_back(Path("lost.unt"));
         exchange.UploadAllPresets();
       },
       false},
      {"upload blocks", CMD_READ_PRESET_BLOCK, 4,
       [&] {
         window.answers.push_back(Path("lost.unt"));
         exchange.UploadAllPresets();
       },
       false},
      {"download segments", CMD_DOWNLOAD, 5, download, true},
      {"download FIR", CMD_FIR_EXT_EEPROM, 5, download, true},
      {"setting-file bulk", CMD_PEQ, 3,
       [&] {
         window.answers.push_back(Path("good.prs"));
         exchange.OpenSettingFile();
       },
       false},
      {"recall before its acknowledgement", CMD_RECALL_PRESET, 0, [&] { exchange.RecallPreset(2); }, false},
      {"recall read-back", CMD_READ_IMAGE_BLOCK, 2, [&] { exchange.RecallPreset(2); }, false},
  };
  for (const Case& c : cases) {
    Run(c);
    session.Disconnect();
  }
}

}  // namespace
