// The HID report descriptor parser, on a descriptor as a device reports it.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/support/FuzzCheck.h"
#include "hid/HidReportDescriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  HidReportDescriptor descriptor;
  const bool parsed = descriptor.Parse(std::span(data, size));
  const HIDP_CAPS caps = descriptor.Caps();
  if (!parsed) {
    KRV_FUZZ_CHECK("hid_descriptor", descriptor.Collections().empty() && caps.InputReportByteLength == 0 &&
                                         caps.OutputReportByteLength == 0 && caps.FeatureReportByteLength == 0);
  }
  KRV_FUZZ_CHECK("hid_descriptor", caps.NumberLinkCollectionNodes == descriptor.Collections().size());
  return 0;
}
