#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "hid/HidTypes.h"

/// What the editor needs of a HID report descriptor: the top-level usage,
/// the byte length of the longest input, output and feature report as the
/// device's reports travel with their id byte in front (a device without
/// report ids sends id 0), whether report ids are used, and the collections.
/// Parsed from the descriptor's items; a plain value, any thread.
class HidReportDescriptor {
public:
  /// Parses `bytes`; false (and an empty object) for a descriptor that is
  /// cut short, closes a collection it did not open, pops a state it did not
  /// push, names report id 0, or declares a report longer than the 64 KiB
  /// a HID report can hold.
  bool Parse(std::span<const std::uint8_t> bytes);

  /// HIDP_CAPS with the usage, the three lengths and the collection count;
  /// the button and value counts stay 0.
  HIDP_CAPS Caps() const;
  bool UsesReportIds() const { return m_usesReportIds; }
  const std::vector<HIDP_LINK_COLLECTION_NODE>& Collections() const { return m_collections; }

private:
  HIDP_CAPS m_caps;
  bool m_usesReportIds = false;
  std::vector<HIDP_LINK_COLLECTION_NODE> m_collections;
};
