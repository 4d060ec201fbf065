#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/link/UsbGlueFixture.h"
#include "tests/support/FixturePath.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tests/support/TestLatch.h"

namespace {

using namespace std::chrono_literals;

const std::vector<std::uint8_t> kUsbGlueHello{0x10, 0x02, 0x00, 0x01, 0x01, 0x10, 0x10, 0x03, 0x11};
const std::vector<std::uint8_t> kHelloReply{0x10, 0x02, 0x01, 0x01, 0x01, 0x10, 0x10, 0x03, 0x10};

std::vector<std::string> LinesWith(const std::vector<std::string>& lines, const std::string& prefix) {
  std::vector<std::string> found;
  std::copy_if(lines.begin(), lines.end(), std::back_inserter(found),
               [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
  return found;
}

/// An input report as the unit sends it: the frame, then other bytes.
std::vector<std::uint8_t> InputReport(const std::vector<std::uint8_t>& frame) {
  std::vector<std::uint8_t> report(64, 0xEE);
  std::copy(frame.begin(), frame.end(), report.begin());
  return report;
}

class UsbLinkTest : public UsbGlueFixture {
protected:
  /// Collects the unit's output reports until `count` arrived.
  bool CollectOutputs(std::size_t count, std::chrono::milliseconds limit = 5s) {
    return ProcessEventsUntil(
        [&] {
          for (std::vector<std::uint8_t>& report : TakeOutputs("unit")) {
            outputs.push_back(std::move(report));
          }
          return outputs.size() >= count;
        },
        limit);
  }

  /// Opens the USB link to a plugged unit and answers its hello.
  void Link() {
    PlugUnit(FakeHidDeviceSetup("unit"));
    session.OpenUsbLink();
    ASSERT_TRUE(CollectOutputs(1));
    SendInput("unit", InputReport(kHelloReply));
    ASSERT_TRUE(ProcessEventsUntil([&] { return session.IsUnitOnline(); }, 5s));
  }

  std::vector<std::vector<std::uint8_t>> outputs;
};

TEST_F(UsbLinkTest, Enumerate_checksOutOnlyTheUnitAndShowsDetectHid) {
  FakeHidDeviceSetup keyboard("keyboard");
  keyboard.vendorId = 0x046D;
  fake->Plug(keyboard);
  PlugUnit(FakeHidDeviceSetup("unit"));

  EXPECT_EQ(status.status, "Detect HID");
  EXPECT_EQ(glue.HidCtl().NumCheckedOutDevices(), 1);
  EXPECT_EQ(glue.HidCtl().NumCheckedInDevices(), 1);
}

TEST_F(UsbLinkTest, Enumerate_leavesAUnitWhoseReportDescriptorIsRefused) {
  FakeHidDeviceSetup damaged("damaged");
  std::ifstream file(FixturePath("hid/fixtures/report_bits_wrap.bin"), std::ios::binary);
  damaged.descriptor.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  ASSERT_FALSE(damaged.descriptor.empty());
  fake->Plug(damaged);
  PlugUnit(FakeHidDeviceSetup("unit"));

  EXPECT_EQ(glue.HidCtl().NumCheckedOutDevices(), 1);
  EXPECT_EQ(glue.HidCtl().NumCheckedInDevices(), 1);
  EXPECT_EQ(glue.HidDevice()->Caps().InputReportByteLength, 65);
}

TEST_F(UsbLinkTest, Hello_isOneOutputReportWithIdZeroAndFillerAndIsLogged) {
  PlugUnit(FakeHidDeviceSetup("unit"));

  session.OpenUsbLink();
  ASSERT_TRUE(CollectOutputs(1));

  std::vector<std::uint8_t> expected(65, 0x00);
  std::copy(kUsbGlueHello.begin(), kUsbGlueHello.end(), expected.begin() + 1);
  EXPECT_EQ(outputs[0], expected);
  // The line is logged once the write has returned.
  ASSERT_TRUE(ProcessEventsUntil([&] { return !LinesWith(traffic.Lines(), "USB W").empty(); }, 5s));
  EXPECT_EQ(LinesWith(traffic.Lines(), "USB W")[0], "USB W 00  10 02 00 01 01 10 10 03 11 ");
}

TEST_F(UsbLinkTest, NoReply_fourWritesThenLinkErrorZero) {
  PlugUnit(FakeHidDeviceSetup("unit"));

  session.OpenUsbLink();
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("ProbeResult 0"); }, 5s));
  CollectOutputs(0);

  EXPECT_EQ(outputs.size(), 4u) << "the hello and three resends";
  EXPECT_TRUE(std::all_of(outputs.begin(), outputs.end(), [&](const auto& report) { return report == outputs[0]; }));
  EXPECT_EQ(LinesWith(traffic.Lines(), "USB W").size(), 4u) << "every write is logged";
  EXPECT_FALSE(session.HasAnyTransport());
}

TEST_F(UsbLinkTest, InputReport_handsOverExactlyTheFrameAndLogsIt) {
  Link();

  EXPECT_EQ(LinesWith(traffic.Lines(), "USB R"), (std::vector<std::string>{"USB R 00  10 02 01 01 01 10 10 03 10 "}));
  ASSERT_TRUE(CollectOutputs(2)) << "the identity request follows the hello reply";
  EXPECT_EQ(outputs[1][6], 0x13);
}

TEST_F(UsbLinkTest, ShortInputReport_isLoggedAndIgnored) {
  PlugUnit(FakeHidDeviceSetup("unit"));
  session.OpenUsbLink();
  ASSERT_TRUE(CollectOutputs(1));

  SendInput("unit", {0x10, 0x02, 0x01});
  SendInput("unit", InputReport(kHelloReply));
  ASSERT_TRUE(ProcessEventsUntil([&] { return session.IsUnitOnline(); }, 5s));

  EXPECT_EQ(LinesWith(traffic.Lines(), "USB R"),
            (std::vector<std::string>{"USB R 00  10 02 01 ", "USB R 00  10 02 01 01 01 10 10 03 10 "}));
}

TEST_F(UsbLinkTest, SecondUnit_reportsAndUnplugOfTheOtherUnitLeaveTheLinkAlone) {
  PlugUnit(FakeHidDeviceSetup("first"));
  fake->Plug(FakeHidDeviceSetup("second"));
  ASSERT_TRUE(ProcessEventsUntil([&] { return glue.HidCtl().NumCheckedOutDevices() == 2; }, 5s));
  TJvHidDevice* unit = glue.HidDevice();
  ASSERT_EQ(unit, glue.HidCtl().Device(1)) << "the later unit is the link's";
  session.OpenUsbLink();
  ASSERT_TRUE(ProcessEventsUntil([&] { return !TakeOutputs("second").empty(); }, 5s));

  SendInput("first", InputReport(kHelloReply));
  fake->Unplug("first");
  ASSERT_TRUE(ProcessEventsUntil([&] { return glue.HidCtl().Count() == 1; }, 5s));
  SendInput("second", InputReport(kHelloReply));
  ASSERT_TRUE(ProcessEventsUntil([&] { return session.IsUnitOnline(); }, 5s));

  EXPECT_EQ(glue.HidDevice(), unit);
  EXPECT_EQ(LinesWith(traffic.Lines(), "USB R").size(), 1u) << "the first unit's report was not taken";
  EXPECT_TRUE(session.HasTransport(LinkKind::Usb));
}

TEST_F(UsbLinkTest, Unplug_withoutLinkClearsTheDeviceAndShowsOffLine) {
  PlugUnit(FakeHidDeviceSetup("unit"));

  fake->Unplug("unit");
  ASSERT_TRUE(ProcessEventsUntil([&] { return glue.HidDevice() == nullptr; }, 5s));

  EXPECT_EQ(status.status, "OffLine");
  EXPECT_EQ(glue.HidCtl().Count(), 0) << "checked in and gone";
}

TEST_F(UsbLinkTest, Unplug_whileLinkedClosesTheLinkAndAsksForTheSearch) {
  Link();

  fake->Unplug("unit");
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("ShowSearch"); }, 5s));

  EXPECT_FALSE(session.HasAnyTransport());
  EXPECT_TRUE(window.Has("LinkBroken"));
  EXPECT_EQ(glue.HidDevice(), nullptr);
}

TEST_F(UsbLinkTest, Unplug_whileResendsAreWrittenTakesTheDeviceOnlyBetweenWrites) {
  PlugUnit(FakeHidDeviceSetup("unit"));
  session.OpenUsbLink();
  ASSERT_TRUE(CollectOutputs(2));

  fake->Unplug("unit");
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("ShowSearch"); }, 5s));

  EXPECT_EQ(glue.HidDevice(), nullptr);
  EXPECT_EQ(glue.HidCtl().Count(), 0);
  EXPECT_FALSE(session.HasAnyTransport());
}

// The hello's output report is held inside the device write while the
// unit is unplugged: the GUI thread handles the unplug at once, and the
// device is checked in only after the write let go of it.
TEST_F(UsbLinkTest, Unplug_duringAHeldWriteNeitherWaitsForItNorTakesTheDeviceFromUnderIt) {
  auto latch = std::make_shared<TestLatch>();
  FakeHidDeviceSetup setup("unit");
  setup.writeLatch = latch;
  PlugUnit(setup);
  latch->Close();
  session.OpenUsbLink();
  ASSERT_TRUE(latch->WaitUntilHolding());

  fake->Unplug("unit");
  ASSERT_TRUE(ProcessEventsUntil([&] { return glue.HidDevice() == nullptr; }, 3s));
  EXPECT_TRUE(latch->IsHolding()) << "the unplug waited for the device write";
  EXPECT_EQ(glue.HidCtl().Count(), 1) << "checked in only after the write";

  latch->Open();
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("ShowSearch"); }, 5s));
  EXPECT_EQ(glue.HidCtl().Count(), 0);
  EXPECT_FALSE(session.HasAnyTransport());
}

TEST_F(UsbLinkTest, ReadError_isShownAfterTheHandOverWithTheSystemsText) {
  glue.HidCtlDeviceDataError(nullptr, ENODEV);
  EXPECT_TRUE(status.readErrors.empty()) << "not from inside the read thread's hand-over";

  ASSERT_TRUE(ProcessEventsUntil([&] { return !status.readErrors.empty(); }, 5s));
  EXPECT_EQ(status.readErrors, (std::vector<std::string>{"READ ERROR: No such device"}));
}

TEST_F(UsbLinkTest, Replug_whileRunningIsCheckedOutAgain) {
  PlugUnit(FakeHidDeviceSetup("unit"));
  fake->Unplug("unit");
  ASSERT_TRUE(ProcessEventsUntil([&] { return glue.HidDevice() == nullptr; }, 5s));

  PlugUnit(FakeHidDeviceSetup("unit-2"));

  EXPECT_EQ(status.status, "Detect HID");
}

}  // namespace
