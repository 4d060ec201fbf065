#include "hid/HidReportDescriptor.h"

#include <algorithm>
#include <map>

namespace {

enum ItemType { kMain = 0, kGlobal = 1, kLocal = 2 };
enum MainTag { kInput = 0x8, kOutput = 0x9, kCollection = 0xA, kFeature = 0xB, kEndCollection = 0xC };
enum GlobalTag { kUsagePage = 0x0, kReportSize = 0x7, kReportId = 0x8, kReportCount = 0x9, kPush = 0xA, kPop = 0xB };
enum LocalTag { kUsage = 0x0 };
constexpr std::uint8_t kLongItem = 0xFE;

struct GlobalState {
  std::uint32_t usagePage = 0;
  std::uint32_t reportSize = 0;
  std::uint32_t reportCount = 0;
  std::uint32_t reportId = 0;
};

// The longest report a HID device can send, id byte included: what the
// 16-bit lengths of the capabilities hold.
constexpr std::uint64_t kMaxReportBytes = 0xFFFF;
// Bit counts saturate here, past any report that fits.
constexpr std::uint64_t kTooManyBits = (kMaxReportBytes + 1) * 8;

// Bits per report id for each of the three report kinds.
using ReportBits = std::map<std::uint32_t, std::uint64_t>;

void AddBits(std::uint64_t& total, std::uint64_t bits) {
  total = std::min(total + std::min(bits, kTooManyBits), kTooManyBits);
}

std::uint64_t ByteLength(const ReportBits& reports) {
  std::uint64_t longest = 0;
  for (const auto& [id, bits] : reports) {
    longest = std::max(longest, (bits + 7) / 8 + 1);
  }
  return longest;
}

}  // namespace

bool HidReportDescriptor::Parse(std::span<const std::uint8_t> bytes) {
  *this = HidReportDescriptor();
  GlobalState global;
  std::vector<GlobalState> pushed;
  std::vector<std::uint32_t> usages;
  ReportBits input;
  ReportBits output;
  ReportBits feature;
  std::vector<std::uint16_t> open;  // indexes of the open collections
  std::vector<HIDP_LINK_COLLECTION_NODE> nodes;
  std::vector<std::uint16_t> lastChild;
  bool usesIds = false;

  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::uint8_t prefix = bytes[at];
    if (prefix == kLongItem) {
      if (at + 3 > bytes.size()) {
        return false;
      }
      const std::size_t next = at + 3 + bytes[at + 1];
      if (next > bytes.size()) {
        return false;
      }
      at = next;
      continue;
    }
    const std::size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
    if (at + 1 + size > bytes.size()) {
      return false;
    }
    std::uint32_t data = 0;
    for (std::size_t i = 0; i < size; ++i) {
      data |= static_cast<std::uint32_t>(bytes[at + 1 + i]) << (8 * i);
    }
    at += 1 + size;
    const int type = (prefix >> 2) & 3;
    const int tag = prefix >> 4;

    if (type == kGlobal) {
      switch (tag) {
        case kUsagePage: global.usagePage = data; break;
        case kReportSize: global.reportSize = data; break;
        case kReportCount: global.reportCount = data; break;
        case kReportId:
          if (data == 0) {
            return false;
          }
          global.reportId = data;
          usesIds = true;
          break;
        case kPush: pushed.push_back(global); break;
        case kPop:
          if (pushed.empty()) {
            return false;
          }
          global = pushed.back();
          pushed.pop_back();
          break;
        default: break;
      }
      continue;
    }
    if (type == kLocal) {
      if (tag == kUsage) {
        usages.push_back(size == 4 ? data : (global.usagePage << 16) | data);
      }
      continue;
    }
    if (type != kMain) {
      continue;
    }
    const std::uint64_t bits = static_cast<std::uint64_t>(global.reportSize) * global.reportCount;
    switch (tag) {
      case kInput: AddBits(input[global.reportId], bits); break;
      case kOutput: AddBits(output[global.reportId], bits); break;
      case kFeature: AddBits(feature[global.reportId], bits); break;
      case kCollection: {
        const std::uint32_t usage = usages.empty() ? (global.usagePage << 16) : usages.front();
        HIDP_LINK_COLLECTION_NODE node;
        node.LinkUsage = static_cast<std::uint16_t>(usage & 0xFFFF);
        node.LinkUsagePage = static_cast<std::uint16_t>(usage >> 16);
        node.CollectionType = static_cast<std::uint8_t>(data);
        const auto index = static_cast<std::uint16_t>(nodes.size());
        if (!open.empty()) {
          const std::uint16_t parent = open.back();
          node.Parent = parent;
          if (nodes[parent].NumberOfChildren == 0) {
            nodes[parent].FirstChild = index;
          } else {
            nodes[lastChild[parent]].NextSibling = index;
          }
          ++nodes[parent].NumberOfChildren;
          lastChild[parent] = index;
        }
        nodes.push_back(node);
        lastChild.push_back(0);
        open.push_back(index);
        break;
      }
      case kEndCollection:
        if (open.empty()) {
          return false;
        }
        open.pop_back();
        break;
      default: break;
    }
    usages.clear();
  }

  const std::uint64_t inputBytes = ByteLength(input);
  const std::uint64_t outputBytes = ByteLength(output);
  const std::uint64_t featureBytes = ByteLength(feature);
  if (std::max({inputBytes, outputBytes, featureBytes}) > kMaxReportBytes) {
    return false;
  }
  if (!nodes.empty()) {
    m_caps.Usage = nodes.front().LinkUsage;
    m_caps.UsagePage = nodes.front().LinkUsagePage;
  }
  m_caps.InputReportByteLength = static_cast<std::uint16_t>(inputBytes);
  m_caps.OutputReportByteLength = static_cast<std::uint16_t>(outputBytes);
  m_caps.FeatureReportByteLength = static_cast<std::uint16_t>(featureBytes);
  m_caps.NumberLinkCollectionNodes = static_cast<std::uint16_t>(nodes.size());
  m_usesReportIds = usesIds;
  m_collections = std::move(nodes);
  return true;
}

HIDP_CAPS HidReportDescriptor::Caps() const { return m_caps; }
