#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/hid/HidTestSupport.h"

namespace {

class DeviceInfoFixture : public ControllerFixture {
protected:
  TJvHidDevice* CheckOut(FakeHidDeviceSetup setup) {
    fake->Plug(std::move(setup));
    Start();
    TJvHidDevice* device = nullptr;
    controller->CheckOut(device);
    return device;
  }
};

TEST_F(DeviceInfoFixture, SerialNumber_equalToTheLanguageListIsNotKept) {
  const std::pair<std::vector<std::uint16_t>, std::u16string> cases[] = {
      {{0x0409, 0x0000}, u""},     // the list itself, a trailing 0 word left out
      {{0x0409, 0xFFFF}, u""},
      {{0x0407}, u"\u0409"},       // differs in the list's first word
      {{}, u""},                   // no list: nothing to tell it from
  };
  for (const auto& [ids, expected] : cases) {
    fake = std::make_shared<FakeHidSystem>();
    deviceChanges = 0;
    FakeHidDeviceSetup setup("unit");
    setup.strings[HidStringKind::SerialNumber] = "\xD0\x89";  // U+0409
    setup.languageIds = ids;
    TJvHidDevice* device = CheckOut(setup);
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->SerialNumber(), expected) << ids.size();
  }
}

TEST_F(DeviceInfoFixture, Strings_areReadWhileAccessibleAndKept) {
  FakeHidDeviceSetup setup("unit");
  setup.strings[HidStringKind::Manufacturer] = "Maker";
  setup.strings[HidStringKind::Product] = "KRV-71";
  setup.strings[HidStringKind::SerialNumber] = "A1";
  TJvHidDevice* device = CheckOut(setup);

  EXPECT_EQ(device->VendorName(), u"Maker");
  EXPECT_EQ(device->ProductName(), u"KRV-71");
  EXPECT_EQ(device->SerialNumber(), u"A1") << "the system cannot give a language list";
  EXPECT_EQ(device->HidFileHandle(), -1) << "the readers close the file again";
  EXPECT_TRUE(device->GetDeviceStringUnicode(0).empty());
  EXPECT_TRUE(device->LanguageStrings().empty());
}

TEST_F(DeviceInfoFixture, LanguageStrings_nameKnownLanguagesAndTheOthersById) {
  FakeHidDeviceSetup setup("unit");
  setup.languageIds = std::vector<std::uint16_t>{0x0409, 0x0476};
  TJvHidDevice* device = CheckOut(setup);

  EXPECT_EQ(device->LanguageStrings(), (std::vector<std::string>{"English", "unknown Locale ID $0476"}));
}

TEST_F(DeviceInfoFixture, LinkCollectionNode_outOfRangeIsZeroed) {
  TJvHidDevice* device = CheckOut(FakeHidDeviceSetup("unit"));

  EXPECT_EQ(device->GetLinkCollectionNode(0).LinkUsagePage, 0xFF00);
  EXPECT_EQ(device->GetLinkCollectionNode(1), HIDP_LINK_COLLECTION_NODE());
  EXPECT_EQ(device->GetLinkCollectionNode(-1), HIDP_LINK_COLLECTION_NODE());
}

TEST_F(DeviceInfoFixture, NumInputBuffers_sameValueDoesNothingAnotherTakesTheSystemsCount) {
  TJvHidDevice* device = CheckOut(FakeHidDeviceSetup("unit"));
  EXPECT_EQ(device->NumInputBuffers(), 0);
  const int opens = fake->OpenCount("unit", HidAccess::ReadWrite);

  device->SetNumInputBuffers(0);
  EXPECT_EQ(fake->OpenCount("unit", HidAccess::ReadWrite), opens);

  device->SetNumInputBuffers(32);
  EXPECT_EQ(device->NumInputBuffers(), TJvHidDeviceController::kReportQueueLength);
}

TEST_F(DeviceInfoFixture, ParserCalls_answerNullWhileInaccessibleElseNotImplemented) {
  TJvHidDevice* device = CheckOut(FakeHidDeviceSetup("unit"));
  std::uint32_t value = 0;
  std::uint16_t count = 0;

  EXPECT_EQ(device->GetUsageValue(value, nullptr, 0), HIDP_STATUS_NOT_IMPLEMENTED);
  EXPECT_EQ(device->GetButtonCaps(nullptr, count), HIDP_STATUS_NOT_IMPLEMENTED);
  EXPECT_EQ(device->InitializeReportForID(0, 0, nullptr, 0), HIDP_STATUS_NOT_IMPLEMENTED);
  EXPECT_FALSE(device->GetFeature(nullptr, 0)) << "the fake has no control requests";
  EXPECT_FALSE(device->GetInputReport(nullptr, 0));

  controller->CheckIn(device);
  TJvHidDevice* checkedIn = controller->Device(0);
  EXPECT_EQ(checkedIn->GetUsageValue(value, nullptr, 0), HIDP_STATUS_NULL);
  EXPECT_EQ(checkedIn->GetExtendedAttributes(0, 0, nullptr, value), HIDP_STATUS_NOT_IMPLEMENTED);
  EXPECT_FALSE(checkedIn->FlushQueue()) << "no file opens while it is not accessible";
}

}  // namespace
