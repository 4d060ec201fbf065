#include <algorithm>
#include <chrono>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "tests/link/UsbGlueFixture.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/UnitSim.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kUsbReadOutLimit = 60s;
const std::string kUsbSimUnit = "0003:0168:0821.0001";

/// The editor's session over the USB transport and the HID glue, on the
/// fake HID device of a simulated unit.
class UnitSimUsbTest : public UsbGlueFixture {
protected:
  void SetUp() override {
    UnitSimOptions options;
    options.hid = true;
    sim = std::make_unique<UnitSim>(options);
    ASSERT_TRUE(sim->Start()) << sim->LastError();
    FakeHidDeviceSetup setup(kUsbSimUnit);
    setup.fd = sim->TakeHidPeer();
    PlugUnit(setup);
  }

  std::unique_ptr<UnitSim> sim;
};

TEST_F(UnitSimUsbTest, Connect_readsTheWholeUnitAsOverSerial) {
  sim->SetUnitId(7);
  sim->SetFirTaps(0, {300, 0, 0, 1019, 0, 0, 0, 12, 0});
  sim->ModifyState([](SimUnitState& state) {
    state.image[2] = 'U';
    state.image[1019] = 0x44;
    state.currentPreset = 3;
  });

  session.OpenUsbLink();
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("Refresh"); }, kUsbReadOutLimit));

  EXPECT_EQ(session.GetUnitId(), 7) << "the USB link takes the unit id of its replies";
  EXPECT_TRUE(session.IsUnitLinked());
  EXPECT_EQ(session.GetCurrentPreset(), 3);
  const SimImage image = sim->Image();
  EXPECT_TRUE(std::equal(image.begin() + 2, image.end(), unit.Image().Bytes().begin() + 2));
  EXPECT_NE(session.FirCoefficients().GetInputFirCoefficient(0, 0), 0.0f);
  EXPECT_TRUE(window.Has("LinkLabel USB"));
  EXPECT_EQ(window.Count("Refresh"), 1);
  EXPECT_EQ(sim->RejectedCount(), 0u);
}

TEST_F(UnitSimUsbTest, Unplug_whileReadingOutDisconnectsAndAsksForTheSearch) {
  session.OpenUsbLink();
  ASSERT_TRUE(ProcessEventsUntil([&] { return session.IsUnitLinked(); }, 10s));

  sim->DropLink(SimLink::Hid);
  fake->Unplug(kUsbSimUnit);

  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("ShowSearch"); }, 10s));
  EXPECT_FALSE(session.HasAnyTransport());
  EXPECT_FALSE(session.IsUnitOnline());
  EXPECT_EQ(glue.HidDevice(), nullptr);
}

}  // namespace
