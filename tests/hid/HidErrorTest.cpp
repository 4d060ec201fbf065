#include <string>

#include <gtest/gtest.h>

#include "hid/HidError.h"

namespace {

TEST(HidError, HidErrorString_namesHidFailuresOnly) {
  const std::pair<NTSTATUS, std::string> cases[] = {
      {0x00110000, ""},
      {0xC0010001, ""},
      {0x40110005, "HID Error: unknown HID error 40110005"},
      {0x80110001, "HID Error: device not plugged in"},
      {0xC0110001, "HID Error: invalid preparsed data"},
      {0xC0110009, "HID Error: 8042 key translation impossible"},
      {0xC0110010, "HID Error: report does not exist"},
      {0xC0110020, "HID Error: not implemented"},
      {0xC0110011, "HID Error: unknown HID error c0110011"},
  };
  for (const auto& [status, text] : cases) {
    EXPECT_EQ(HidErrorString(status), text) << std::hex << status;
  }
}

TEST(HidError, HidCheck_raisesForFailedStatusesOnly) {
  EXPECT_EQ(HidCheck(HIDP_STATUS_SUCCESS), HIDP_STATUS_SUCCESS);
  EXPECT_NO_THROW(HidCheck(0xC0010001));
  try {
    HidCheck(HIDP_STATUS_NOT_IMPLEMENTED);
    FAIL() << "no exception";
  } catch (const EHidClientError& error) {
    EXPECT_STREQ(error.what(), "HID Error: not implemented");
  }
}

}  // namespace
