#include "hid/HidError.h"

#include <cstdio>

namespace {

constexpr std::uint32_t kFacilityMask = 0x00FF0000;
constexpr std::uint32_t kHidFacility = 0x00110000;
constexpr std::uint32_t kSeverityMask = 0xC0000000;

const char* KnownText(NTSTATUS status) {
  switch (status) {
    case 0x80110001: return "device not plugged in";
    case 0xC0110001: return "invalid preparsed data";
    case 0xC0110002: return "invalid report type";
    case 0xC0110003: return "invalid report length";
    case 0xC0110004: return "usage not found";
    case 0xC0110005: return "value out of range";
    case 0xC0110006: return "bad logical or physical values";
    case 0xC0110007: return "buffer too small";
    case 0xC0110008: return "internal error";
    case 0xC0110009: return "8042 key translation impossible";
    case 0xC011000A: return "incompatible report ID";
    case 0xC011000B: return "not a value array";
    case 0xC011000C: return "is a value array";
    case 0xC011000D: return "data index not found";
    case 0xC011000E: return "data index out of range";
    case 0xC011000F: return "button not pressed";
    case 0xC0110010: return "report does not exist";
    case 0xC0110020: return "not implemented";
    default: return nullptr;
  }
}

}  // namespace

std::string HidErrorString(NTSTATUS status) {
  if ((status & kFacilityMask) != kHidFacility || (status & kSeverityMask) == 0) {
    return {};
  }
  if (const char* known = KnownText(status)) {
    return std::string("HID Error: ") + known;
  }
  char text[48];
  std::snprintf(text, sizeof text, "unknown HID error %x", static_cast<unsigned>(status));
  return std::string("HID Error: ") + text;
}

void HidError(NTSTATUS status) {
  const std::string text = HidErrorString(status);
  if (!text.empty()) {
    throw EHidClientError(text);
  }
}

NTSTATUS HidCheck(NTSTATUS status) {
  if (status != HIDP_STATUS_SUCCESS) {
    HidError(status);
  }
  return status;
}
