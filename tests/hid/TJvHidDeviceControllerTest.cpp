#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hid/HidError.h"
#include "hid/TJvHidPnPInfo.h"
#include "platform/io/HidrawSystem.h"
#include "tests/hid/HidTestSupport.h"
#include "tests/support/ProcessEventsUntil.h"

namespace {

using namespace std::chrono_literals;

TEST_F(ControllerFixture, StartUp_raisesOneDeviceChangeEvenWithoutDevices) {
  Start();
  ProcessEventsUntil([] { return false; }, 50ms);

  EXPECT_EQ(deviceChanges, 1);
  EXPECT_EQ(controller->Count(), 0);
}

TEST_F(ControllerFixture, StartUp_listsPluggedDevicesAndAnnouncesEachArrival) {
  fake->Plug(FakeHidDeviceSetup("0003:0168:0821.0001"));
  fake->Plug(FakeHidDeviceSetup("0003:0168:0821.0002"));
  std::vector<std::string> arrivals;
  controller = std::make_unique<TJvHidDeviceController>(fake);
  controller->SetOnArrival([&](TJvHidDevice* device) { arrivals.push_back(device->PnPInfo()->DeviceID()); });

  ASSERT_TRUE(ProcessEventsUntil([&] { return arrivals.size() == 2; }));
  EXPECT_EQ(arrivals, (std::vector<std::string>{"0003:0168:0821.0001", "0003:0168:0821.0002"}));
  EXPECT_EQ(controller->NumCheckedInDevices(), 2);
  EXPECT_EQ(controller->Device(0)->Attributes().VendorID, 0x0168);
  EXPECT_EQ(controller->Device(0)->Attributes().ProductID, 0x0821);
}

TEST_F(ControllerFixture, DeviceChange_broadcastThatFindsNothingNewRaisesNoEvent) {
  fake->Plug(FakeHidDeviceSetup("a"));
  Start();
  // Interfaces that cannot be identified change nothing; the controller's
  // attempt to open one shows that the broadcast was handled.
  const auto plugMute = [&](const std::string& id) {
    FakeHidDeviceSetup mute(id);
    mute.identifiable = false;
    fake->Plug(mute);
    return ProcessEventsUntil([&] { return fake->OpenCount(id, HidAccess::ReadWrite) > 0; });
  };
  ASSERT_TRUE(plugMute("mute-1"));
  const int before = deviceChanges;

  ASSERT_TRUE(plugMute("mute-2"));

  EXPECT_EQ(deviceChanges, before);
  EXPECT_EQ(controller->Count(), 1);
}

TEST_F(ControllerFixture, DeviceChange_skipsInterfacesThatCannotBeIdentified) {
  FakeHidDeviceSetup mute = FakeHidDeviceSetup("mute");
  mute.identifiable = false;
  fake->Plug(mute);
  fake->Plug(FakeHidDeviceSetup("unit"));
  Start();

  ASSERT_EQ(controller->Count(), 1);
  EXPECT_EQ(controller->Device(0)->PnPInfo()->DeviceID(), "unit");
}

TEST_F(ControllerFixture, Unplug_ofCheckedOutDeviceCallsUnplugAndRemovalAndKeepsItListed) {
  fake->Plug(FakeHidDeviceSetup("unit"));
  Start();
  std::vector<std::string> calls;
  controller->SetOnDeviceUnplug([&](TJvHidDevice*) { calls.push_back("unplug"); });
  controller->SetOnRemoval([&](TJvHidDevice*) { calls.push_back("removal"); });
  TJvHidDevice* device = nullptr;
  ASSERT_TRUE(controller->CheckOutByID(device, 0x0168, 0x0821));

  fake->Unplug("unit");
  ASSERT_TRUE(ProcessEventsUntil([&] { return calls.size() == 2; }));

  EXPECT_EQ(calls, (std::vector<std::string>{"unplug", "removal"}));
  EXPECT_EQ(controller->Count(), 1);
  EXPECT_FALSE(device->IsPluggedIn());
  EXPECT_EQ(controller->NumUnpluggedDevices(), 1);
  EXPECT_EQ(controller->NumCheckedOutDevices(), 0);

  controller->DeviceChange();
  EXPECT_EQ(calls, (std::vector<std::string>{"unplug", "removal", "removal"})) << "no second unplug";

  controller->CheckIn(device);
  EXPECT_EQ(device, nullptr);
  EXPECT_EQ(controller->Count(), 0);
  EXPECT_EQ(controller->NumUnpluggedDevices(), 0);
}

TEST_F(ControllerFixture, Unplug_ofCheckedInDeviceDropsIt) {
  fake->Plug(FakeHidDeviceSetup("unit"));
  Start();

  fake->Unplug("unit");
  ASSERT_TRUE(ProcessEventsUntil([&] { return controller->Count() == 0; }));
  EXPECT_EQ(controller->NumCheckedInDevices(), 0);
}

TEST_F(ControllerFixture, Unplug_handlerThatChecksTheDeviceInLeavesAConsistentList) {
  fake->Plug(FakeHidDeviceSetup("unit"));
  fake->Plug(FakeHidDeviceSetup("other"));
  Start();
  TJvHidDevice* device = nullptr;
  controller->SetOnDeviceUnplug([&](TJvHidDevice*) { controller->CheckIn(device); });
  ASSERT_TRUE(controller->CheckOutByIndex(device, 0));

  fake->Unplug("unit");
  ASSERT_TRUE(ProcessEventsUntil([&] { return device == nullptr; }));

  ASSERT_EQ(controller->Count(), 1);
  EXPECT_EQ(controller->Device(0)->PnPInfo()->DeviceID(), "other");
}

TEST_F(ControllerFixture, Replug_beforeCheckInAddsANewObjectForTheInterface) {
  FakeHidDeviceSetup setup = FakeHidDeviceSetup("unit");
  fake->Plug(setup);
  Start();
  TJvHidDevice* device = nullptr;
  ASSERT_TRUE(controller->CheckOut(device));
  fake->Unplug("unit");
  ASSERT_TRUE(ProcessEventsUntil([&] { return !device->IsPluggedIn(); }));

  fake->Plug(FakeHidDeviceSetup("unit"));
  ASSERT_TRUE(ProcessEventsUntil([&] { return controller->Count() == 2; }));

  EXPECT_NE(controller->Device(1), device);
  EXPECT_TRUE(controller->Device(1)->IsPluggedIn());
}

TEST_F(ControllerFixture, CheckOut_twoUnitsTakesTheFirstAndEnumerateOffersBothInOrder) {
  fake->Plug(FakeHidDeviceSetup("first"));
  fake->Plug(FakeHidDeviceSetup("second"));
  Start();
  std::vector<int> offered;
  controller->SetOnEnumerate([&](TJvHidDevice*, int index) {
    offered.push_back(index);
    return true;
  });

  EXPECT_EQ(controller->Enumerate(), 2);
  EXPECT_EQ(offered, (std::vector<int>{0, 1}));

  TJvHidDevice* device = nullptr;
  ASSERT_TRUE(controller->CheckOutByID(device, 0x0168, 0x0821));
  EXPECT_EQ(device->PnPInfo()->DeviceID(), "first");
  EXPECT_EQ(controller->NumCheckedOutDevices(), 1);
  EXPECT_EQ(controller->NumCheckedInDevices(), 1);
  TJvHidDevice* again = nullptr;
  EXPECT_FALSE(controller->CheckOutByIndex(again, 0));
  EXPECT_EQ(again, nullptr);
  EXPECT_FALSE(controller->CheckOutByIndex(again, 2));
  EXPECT_TRUE(controller->CheckOutByID(again, 0x0168, -1));
  EXPECT_EQ(again->PnPInfo()->DeviceID(), "second");
}

TEST_F(ControllerFixture, Enumerate_stopsAtTheFirstRefusal) {
  fake->Plug(FakeHidDeviceSetup("first"));
  fake->Plug(FakeHidDeviceSetup("second"));
  Start();

  EXPECT_EQ(controller->Enumerate(), 1) << "no handler: the first device only";
  int calls = 0;
  controller->SetOnEnumerate([&](TJvHidDevice*, int) {
    ++calls;
    return false;
  });
  EXPECT_EQ(controller->Enumerate(), 1);
  EXPECT_EQ(calls, 1);
}

TEST_F(ControllerFixture, Destroying_aCheckedOutPluggedDeviceLeavesAFreshCheckedInObject) {
  fake->Plug(FakeHidDeviceSetup("unit"));
  Start();
  TJvHidDevice* device = nullptr;
  ASSERT_TRUE(controller->CheckOut(device));
  device->SetThreadSleepTime(250);

  delete device;

  ASSERT_EQ(controller->Count(), 1);
  EXPECT_FALSE(controller->Device(0)->IsCheckedOut());
  EXPECT_EQ(controller->Device(0)->ThreadSleepTime(), 250);
  EXPECT_EQ(controller->NumCheckedInDevices(), 1);
  EXPECT_EQ(controller->NumCheckedOutDevices(), 0);
}

TEST_F(ControllerFixture, Handlers_passOnOnlyToDevicesHoldingThePreviousOne) {
  fake->Plug(FakeHidDeviceSetup("first"));
  fake->Plug(FakeHidDeviceSetup("second"));
  Start();
  const TJvHidPlugEvent own = [](TJvHidDevice*) {};
  controller->Device(1)->SetOnUnplug(own);
  const TJvHidPlugEvent shared = [](TJvHidDevice*) {};

  controller->SetOnDeviceUnplug(shared);

  EXPECT_EQ(controller->Device(0)->OnUnplug(), shared);
  EXPECT_EQ(controller->Device(1)->OnUnplug(), own);
}

TEST_F(ControllerFixture, CheckOutByName_usesOnlyStringsTheDeviceAlreadyRead) {
  FakeHidDeviceSetup setup = FakeHidDeviceSetup("unit");
  setup.strings[HidStringKind::Product] = "KRV-71";
  fake->Plug(setup);
  Start();
  TJvHidDevice* device = nullptr;

  EXPECT_FALSE(controller->CheckOutByProductName(device, u"KRV-71"));
  EXPECT_EQ(controller->CountByProductName(u""), 0);
  controller->SetOnEnumerate([](TJvHidDevice* offered, int) {
    offered->ProductName();
    return true;
  });
  controller->Enumerate();
  EXPECT_EQ(controller->CountByProductName(u"KRV-71"), 1);
  EXPECT_TRUE(controller->CheckOutByProductName(device, u"KRV-71"));
}

TEST(TJvHidDeviceControllerSystem, UnavailableSystemGivesAnEmptyListAndNoEvents) {
  auto fake = std::make_shared<FakeHidSystem>();
  fake->Plug(FakeHidDeviceSetup("unit"));
  fake->SetAvailable(false);
  TJvHidDeviceController controller(fake);
  int changes = 0;
  controller.SetOnDeviceChange([&](TJvHidDeviceController*) { ++changes; });

  ProcessEventsUntil([] { return false; }, std::chrono::milliseconds(50));
  controller.DeviceChange();

  EXPECT_EQ(changes, 0);
  EXPECT_EQ(controller.Count(), 0);
}

TEST(TJvHidDeviceControllerSystem, Hidraw_machineWithoutHidDevicesListsNothing) {
  auto system = std::make_shared<HidrawSystem>();
  ASSERT_TRUE(system->IsAvailable());
  if (!system->Interfaces().empty()) {
    GTEST_SKIP() << "this machine has HID devices";
  }
  TJvHidDeviceController controller(system);
  int changes = 0;
  controller.SetLoading(true);
  controller.SetOnDeviceChange([&](TJvHidDeviceController*) { ++changes; });
  controller.SetLoading(false);

  ASSERT_TRUE(ProcessEventsUntil([&] { return changes == 1; }));
  EXPECT_EQ(controller.Count(), 0);
}

TEST(TJvHidDeviceDirect, CreationOutsideTheControllerIsRefused) {
  EXPECT_THROW(TJvHidDevice(), EControllerError);
}

}  // namespace
