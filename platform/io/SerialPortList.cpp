#include "platform/io/SerialPortList.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>
#include <tuple>

namespace SerialPortList {
namespace {

namespace fs = std::filesystem;

/// The UART type a serial driver reports for a port without a chip.
constexpr int kUnknownUart = 0;

Hook& CurrentHook() {
  static Hook hook;
  return hook;
}

/// The first line of a small sysfs attribute; empty when it cannot be read.
std::string FirstLine(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

/// Whether the tty is a port a unit may hang on: its device has a driver
/// (virtual terminals, pseudo-terminals and the console have no device),
/// and a serial driver that reports a UART type knows a chip there.
bool IsPort(const fs::path& tty) {
  std::error_code error;
  if (!fs::exists(tty / "device" / "driver", error)) {
    return false;
  }
  // USB and modem ports have no type; an unreadable one hides no port.
  const std::string type = FirstLine(tty / "type");
  int value = kUnknownUart;
  const auto [end, failure] = std::from_chars(type.data(), type.data() + type.size(), value);
  return type.empty() || failure != std::errc() || value != kUnknownUart;
}

/// The device node name of a tty: DEVNAME of its uevent, else its own name.
std::string DeviceName(const fs::path& tty) {
  std::ifstream in(tty / "uevent");
  constexpr std::string_view kKey = "DEVNAME=";
  for (std::string line; std::getline(in, line);) {
    if (line.size() > kKey.size() && line.compare(0, kKey.size(), kKey) == 0) {
      return line.substr(kKey.size());
    }
  }
  return tty.filename().string();
}

// (prefix, has a number, number) of a port name.
std::tuple<std::string_view, bool, unsigned long long> SortKey(const std::string& name) {
  std::size_t digits = name.size();
  while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9') {
    --digits;
  }
  // More digits than a number holds cannot order by value; they sort by text.
  if (digits == name.size() || name.size() - digits > 18) {
    return {std::string_view(name), false, 0};
  }
  return {std::string_view(name).substr(0, digits), true, std::stoull(name.substr(digits))};
}

std::vector<std::string> Sorted(std::vector<std::string> ports) {
  std::stable_sort(ports.begin(), ports.end(), PortNameLess);
  return ports;
}

}  // namespace

std::vector<std::string> List() { return CurrentHook() ? Sorted(CurrentHook()()) : ListUnder("/sys"); }

std::vector<std::string> ListUnder(const std::string& sysfsRoot) {
  std::vector<std::string> ports;
  std::error_code error;
  for (fs::directory_iterator entry(fs::path(sysfsRoot) / "class" / "tty", error), end; !error && entry != end;
       entry.increment(error)) {
    if (IsPort(entry->path())) {
      ports.push_back("/dev/" + DeviceName(entry->path()));
    }
  }
  return Sorted(std::move(ports));
}

void SetHook(Hook hook) { CurrentHook() = std::move(hook); }

bool PortNameLess(const std::string& a, const std::string& b) {
  const auto keyA = SortKey(a);
  const auto keyB = SortKey(b);
  if (keyA != keyB) {
    return keyA < keyB;
  }
  return a < b;
}

}  // namespace SerialPortList
