#include "platform/io/SerialPortList.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <libudev.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <string_view>
#include <tuple>
#include <unistd.h>

namespace SerialPortList {
namespace {

Hook& CurrentHook() {
  static Hook hook;
  return hook;
}

// The 8250 driver registers a fixed number of ports whether or not a chip
// answers; the absent ones report an unknown UART type.
bool IsPhantom8250(const char* node) {
  const int fd = ::open(node, O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    return true;
  }
  serial_struct info{};
  const bool unknown = ::ioctl(fd, TIOCGSERIAL, &info) != 0 || info.type == PORT_UNKNOWN;
  ::close(fd);
  return unknown;
}

std::vector<std::string> SystemPorts() {
  std::vector<std::string> ports;
  udev* context = udev_new();
  if (context == nullptr) {
    return ports;
  }
  udev_enumerate* enumerate = udev_enumerate_new(context);
  udev_enumerate_add_match_subsystem(enumerate, "tty");
  udev_enumerate_scan_devices(enumerate);
  udev_list_entry* entry = nullptr;
  udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate)) {
    udev_device* device = udev_device_new_from_syspath(context, udev_list_entry_get_name(entry));
    if (device == nullptr) {
      continue;
    }
    udev_device* parent = udev_device_get_parent(device);
    const char* node = udev_device_get_devnode(device);
    if (parent != nullptr && node != nullptr) {
      const char* driver = udev_device_get_driver(parent);
      if (driver == nullptr || std::strcmp(driver, "serial8250") != 0 || !IsPhantom8250(node)) {
        ports.emplace_back(node);
      }
    }
    udev_device_unref(device);
  }
  udev_enumerate_unref(enumerate);
  udev_unref(context);
  return ports;
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

}  // namespace

std::vector<std::string> List() {
  std::vector<std::string> ports = CurrentHook() ? CurrentHook()() : SystemPorts();
  std::stable_sort(ports.begin(), ports.end(), PortNameLess);
  return ports;
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
