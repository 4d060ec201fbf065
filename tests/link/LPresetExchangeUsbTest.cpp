#include <algorithm>
#include <chrono>
#include <memory>
#include <string>

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "link/LPresetExchange.h"
#include "protocol/UnitFile.h"
#include "tests/link/RecordingPresetWindow.h"
#include "tests/link/UsbGlueFixture.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/SimUnitImage.h"
#include "tools/unitsim/UnitSim.h"

namespace {

using namespace std::chrono_literals;
using namespace SimImageLayout;

const std::string kUnit = "0003:0168:0821.0001";

/// The preset exchange over the USB transport and the HID glue, on the fake
/// HID device of a simulated unit.
class PresetExchangeUsbTest : public UsbGlueFixture {
protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    session.SetPresetExchange(&exchange);
    UnitSimOptions options;
    options.hid = true;
    sim = std::make_unique<UnitSim>(options);
    ASSERT_TRUE(sim->Start()) << sim->LastError();
    FakeHidDeviceSetup setup(kUnit);
    setup.fd = sim->TakeHidPeer();
    PlugUnit(setup);
  }

  void Connect() {
    const int refreshes = window.Count("Refresh");
    session.OpenUsbLink();
    ASSERT_TRUE(ProcessEventsUntil([&] { return window.Count("Refresh") > refreshes; }, 60s));
  }

  QTemporaryDir folder;
  std::unique_ptr<UnitSim> sim;
  RecordingPresetWindow files;
  LPresetExchange exchange{session, unit, window, files};
};

TEST_F(PresetExchangeUsbTest, UploadThenDownload_restoresTheWipedPresets) {
  SimImage image = MakeDefaultImage();
  WriteWord(image, ChannelRecord(0) + kInFirTaps, 700);
  image[2] = 'H';
  sim->SetPreset(2, image);
  sim->SetFirTaps(2, {700, 0, 0, 0, 0, 0, 0, 0, 0});
  sim->SetPreset(29, MakeDefaultImage());
  Connect();
  const QString path = folder.filePath("usb.unt");
  files.answers.push_back(path);
  exchange.UploadAllPresets();
  ASSERT_TRUE(ProcessEventsUntil([&] { return !exchange.IsTransferRunning(); }, 60s));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  ASSERT_EQ(bytes.size(), 1504877);
  const SimUnitState before = sim->State();
  sim->ModifyState([](SimUnitState& state) {
    state.slotTable.fill(0);
    state.presets.fill(MakeDefaultImage());
    for (std::size_t area = 1; area < state.firAreas.size(); ++area) state.firAreas[area] = SimFirArea();
  });

  files.answers.push_back(path);
  exchange.DownloadUnitFile();
  ASSERT_TRUE(ProcessEventsUntil([&] { return !session.HasAnyTransport(); }, 60s));

  const SimUnitState after = sim->State();
  EXPECT_EQ(after.slotTable, before.slotTable);
  for (const int k : {1, 28}) {
    EXPECT_TRUE(std::equal(after.presets[k].begin(), after.presets[k].begin() + 1006, before.presets[k].begin()));
    EXPECT_EQ(after.firAreas[static_cast<std::size_t>(k + 1)].Bytes(), before.firAreas[static_cast<std::size_t>(k + 1)].Bytes());
  }
  EXPECT_EQ(sim->RejectedCount(), 0u);
  EXPECT_TRUE(files.enabled);
}

}  // namespace
