#include "hid/TJvHidDevice.h"

// The system has no HID report parser to hand these calls to; each answers
// as a missing call does, after the check every parser call makes.

NTSTATUS TJvHidDevice::ParserStatus() const {
  return IsAccessible() ? HIDP_STATUS_NOT_IMPLEMENTED : HIDP_STATUS_NULL;
}

NTSTATUS TJvHidDevice::GetButtonCaps(void*, std::uint16_t&) { return ParserStatus(); }
NTSTATUS TJvHidDevice::GetValueCaps(void*, std::uint16_t&) { return ParserStatus(); }
NTSTATUS TJvHidDevice::GetSpecificButtonCaps(void*, std::uint16_t&) { return ParserStatus(); }
NTSTATUS TJvHidDevice::GetSpecificValueCaps(void*, std::uint16_t&) { return ParserStatus(); }
NTSTATUS TJvHidDevice::GetData(void*, std::uint32_t&, std::uint8_t*, std::uint32_t) { return ParserStatus(); }
NTSTATUS TJvHidDevice::SetData(void*, std::uint32_t&, std::uint8_t*, std::uint32_t) { return ParserStatus(); }
NTSTATUS TJvHidDevice::GetUsages(std::uint16_t*, std::uint32_t&, std::uint8_t*, std::uint32_t) { return ParserStatus(); }
NTSTATUS TJvHidDevice::GetButtons(std::uint16_t*, std::uint32_t&, std::uint8_t*, std::uint32_t) { return ParserStatus(); }
NTSTATUS TJvHidDevice::SetUsages(std::uint16_t*, std::uint32_t&, std::uint8_t*, std::uint32_t) { return ParserStatus(); }
NTSTATUS TJvHidDevice::SetButtons(std::uint16_t*, std::uint32_t&, std::uint8_t*, std::uint32_t) { return ParserStatus(); }
NTSTATUS TJvHidDevice::UnsetUsages(std::uint16_t*, std::uint32_t&, std::uint8_t*, std::uint32_t) {
  return ParserStatus();
}
NTSTATUS TJvHidDevice::UnsetButtons(std::uint16_t*, std::uint32_t&, std::uint8_t*, std::uint32_t) {
  return ParserStatus();
}
NTSTATUS TJvHidDevice::GetUsagesEx(void*, std::uint32_t&, std::uint8_t*, std::uint32_t) { return ParserStatus(); }
NTSTATUS TJvHidDevice::GetButtonsEx(void*, std::uint32_t&, std::uint8_t*, std::uint32_t) { return ParserStatus(); }
NTSTATUS TJvHidDevice::GetUsageValue(std::uint32_t&, std::uint8_t*, std::uint32_t) { return ParserStatus(); }
NTSTATUS TJvHidDevice::GetScaledUsageValue(std::int32_t&, std::uint8_t*, std::uint32_t) { return ParserStatus(); }
NTSTATUS TJvHidDevice::SetUsageValue(std::uint32_t, std::uint8_t*, std::uint32_t) { return ParserStatus(); }
NTSTATUS TJvHidDevice::SetScaledUsageValue(std::int32_t, std::uint8_t*, std::uint32_t) { return ParserStatus(); }
NTSTATUS TJvHidDevice::GetUsageValueArray(std::uint8_t*, std::uint16_t, std::uint8_t*, std::uint32_t) {
  return ParserStatus();
}
NTSTATUS TJvHidDevice::SetUsageValueArray(std::uint8_t*, std::uint16_t, std::uint8_t*, std::uint32_t) {
  return ParserStatus();
}

// These two work on the parser data as already fetched, without the check.
NTSTATUS TJvHidDevice::GetExtendedAttributes(std::uint32_t, std::uint16_t, void*, std::uint32_t&) {
  return HIDP_STATUS_NOT_IMPLEMENTED;
}
NTSTATUS TJvHidDevice::InitializeReportForID(std::uint32_t, std::uint8_t, std::uint8_t*, std::uint32_t) {
  return HIDP_STATUS_NOT_IMPLEMENTED;
}
