#include "hid/TJvHidPnPInfo.h"

#include <charconv>
#include <sstream>

#include "platform/io/HidSystem.h"

namespace {

// Texts are cut at 1024 characters, as the registry readers cut them.
constexpr std::size_t kTextLimit = 1024;

}  // namespace

TJvHidPnPInfo::TJvHidPnPInfo(const HidInterface& info)
    : m_deviceId(info.instanceId), m_devicePath(info.path), m_properties(info.properties) {}

std::string TJvHidPnPInfo::Text(const char* name) const {
  const auto found = m_properties.find(name);
  return found == m_properties.end() ? std::string() : found->second.substr(0, kTextLimit);
}

std::uint32_t TJvHidPnPInfo::Number(const char* name) const {
  const std::string text = Text(name);
  std::uint32_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() ? value : 0;
}

std::vector<std::string> TJvHidPnPInfo::List(const char* name) const {
  std::vector<std::string> lines;
  const auto found = m_properties.find(name);
  std::istringstream stream(found == m_properties.end() ? std::string() : found->second);
  for (std::string line; std::getline(stream, line);) {
    if (line.empty()) {
      break;
    }
    lines.push_back(line);
  }
  return lines;
}
