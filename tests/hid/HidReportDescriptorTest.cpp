#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hid/HidReportDescriptor.h"
#include "tests/hid/support/FakeHidSystem.h"
#include "tests/support/FixturePath.h"

namespace {

struct DescriptorCase {
  const char* name;
  std::vector<std::uint8_t> bytes;
  int input;
  int output;
  int feature;
  bool usesIds;
  int collections;
};

// A boot keyboard: 8 input bytes, 5 LED bits padded to one output byte.
const std::vector<std::uint8_t> kKeyboard{
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15, 0x00, 0x25, 0x01, 0x75,
    0x01, 0x95, 0x08, 0x81, 0x02, 0x95, 0x01, 0x75, 0x08, 0x81, 0x01, 0x95, 0x05, 0x75, 0x01, 0x05, 0x08,
    0x19, 0x01, 0x29, 0x05, 0x91, 0x02, 0x95, 0x01, 0x75, 0x03, 0x91, 0x01, 0x95, 0x06, 0x75, 0x08, 0x15,
    0x00, 0x25, 0x65, 0x05, 0x07, 0x19, 0x00, 0x29, 0x65, 0x81, 0x00, 0xC0};

// Two input reports with ids (7 and 31 bytes) and a feature report in a
// nested collection; a long item is skipped.
const std::vector<std::uint8_t> kWithIds{
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08,  //
    0x85, 0x01, 0x95, 0x07, 0x09, 0x02, 0x81, 0x02,        // id 1: 7 bytes in
    0x85, 0x02, 0x95, 0x1F, 0x09, 0x03, 0x81, 0x02,        // id 2: 31 bytes in
    0xFE, 0x02, 0x10, 0xAA, 0xBB,                          // a long item
    0x09, 0x04, 0xA1, 0x02, 0x85, 0x03, 0x95, 0x03, 0x09, 0x05, 0xB1, 0x02, 0xC0, 0xC0};

TEST(HidReportDescriptor, Parse_reportLengthsCountTheIdByte) {
  const std::vector<DescriptorCase> cases{
      {"unit", VendorReportDescriptor(64, 64), 65, 65, 0, false, 1},
      {"unit with feature", VendorReportDescriptor(64, 64, 8), 65, 65, 9, false, 1},
      {"keyboard", kKeyboard, 9, 2, 0, false, 1},
      {"report ids", kWithIds, 32, 0, 4, true, 2},
  };
  for (const DescriptorCase& c : cases) {
    HidReportDescriptor descriptor;
    ASSERT_TRUE(descriptor.Parse(c.bytes)) << c.name;
    const HIDP_CAPS caps = descriptor.Caps();
    EXPECT_EQ(caps.InputReportByteLength, c.input) << c.name;
    EXPECT_EQ(caps.OutputReportByteLength, c.output) << c.name;
    EXPECT_EQ(caps.FeatureReportByteLength, c.feature) << c.name;
    EXPECT_EQ(descriptor.UsesReportIds(), c.usesIds) << c.name;
    EXPECT_EQ(caps.NumberLinkCollectionNodes, c.collections) << c.name;
  }
}

TEST(HidReportDescriptor, Parse_collectionsFormATreeWithTheTopUsage) {
  HidReportDescriptor descriptor;
  ASSERT_TRUE(descriptor.Parse(kWithIds));

  EXPECT_EQ(descriptor.Caps().UsagePage, 0xFF00);
  EXPECT_EQ(descriptor.Caps().Usage, 1);
  const std::vector<HIDP_LINK_COLLECTION_NODE>& nodes = descriptor.Collections();
  ASSERT_EQ(nodes.size(), 2u);
  EXPECT_EQ(nodes[0].NumberOfChildren, 1);
  EXPECT_EQ(nodes[0].FirstChild, 1);
  EXPECT_EQ(nodes[0].CollectionType, 1);
  EXPECT_EQ(nodes[1].Parent, 0);
  EXPECT_EQ(nodes[1].LinkUsage, 4);
  EXPECT_EQ(nodes[1].LinkUsagePage, 0xFF00);
  EXPECT_EQ(nodes[1].CollectionType, 2);
}

TEST(HidReportDescriptor, Parse_refusesBrokenDescriptors) {
  const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> cases{
      {"item cut short", {0x06, 0x00}},
      {"long item cut short", {0xFE, 0x05, 0x10, 0x01}},
      {"end without collection", {0x09, 0x01, 0xC0}},
      {"pop without push", {0xB4}},
      {"report id 0", {0x85, 0x00}},
  };
  for (const auto& [name, bytes] : cases) {
    HidReportDescriptor descriptor;
    EXPECT_FALSE(descriptor.Parse(bytes)) << name;
    EXPECT_EQ(descriptor.Caps().InputReportByteLength, 0) << name;
  }
}

std::vector<std::uint8_t> Fixture(const std::string& name) {
  std::ifstream file(FixturePath("hid/fixtures/" + name), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Input reports: an application collection around Report Size, Report Count and Input items.
std::vector<std::uint8_t> InputOfBytes(std::uint32_t count) {
  return {0x05, 0x01, 0x09, 0x00, 0xA1, 0x01, 0x75, 0x08, 0x97, std::uint8_t(count), std::uint8_t(count >> 8),
          std::uint8_t(count >> 16), std::uint8_t(count >> 24), 0x81, 0x02, 0xC0};
}

TEST(HidReportDescriptor, Parse_refusesReportsLongerThanAHidReportCanHold) {
  // Size x count summed past 2^64 (wrapping to an input length of 1), and
  // 0xFFFFFFFF x 0xFFFFFFFF bits twice.
  for (const char* name : {"report_bits_wrap.bin", "report_size_count_max.bin"}) {
    const std::vector<std::uint8_t> bytes = Fixture(name);
    ASSERT_FALSE(bytes.empty()) << name;
    HidReportDescriptor descriptor;
    EXPECT_FALSE(descriptor.Parse(bytes)) << name;
    EXPECT_EQ(descriptor.Caps().InputReportByteLength, 0) << name;
  }
  HidReportDescriptor descriptor;
  ASSERT_TRUE(descriptor.Parse(InputOfBytes(0xFFFE)));
  EXPECT_EQ(descriptor.Caps().InputReportByteLength, 0xFFFF);
  EXPECT_FALSE(descriptor.Parse(InputOfBytes(0xFFFF)));
}

}  // namespace
