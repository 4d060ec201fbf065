#include "platform/io/HidrawSystem.h"

#include <cerrno>
#include <fcntl.h>
#include <libudev.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A udev device reference that is released with its scope.
struct UdevDeviceRef {
  explicit UdevDeviceRef(udev_device* device) : get(device) {}
  ~UdevDeviceRef() {
    if (get != nullptr) {
      udev_device_unref(get);
    }
  }
  UdevDeviceRef(const UdevDeviceRef&) = delete;
  UdevDeviceRef& operator=(const UdevDeviceRef&) = delete;
  udev_device* get;
};

std::string Text(const char* value) { return value != nullptr ? value : ""; }

std::string Property(udev_device* device, const char* name) {
  return device != nullptr ? Text(udev_device_get_property_value(device, name)) : std::string();
}

std::string Attribute(udev_device* device, const char* name) {
  return device != nullptr ? Text(udev_device_get_sysattr_value(device, name)) : std::string();
}

// The enumerator the bus of HID_ID ("0003:00000168:00000821") stands for.
std::string EnumeratorOf(const std::string& hidId) {
  const std::string bus = hidId.substr(0, hidId.find(':'));
  if (bus == "0003") {
    return "USB";
  }
  if (bus == "0005") {
    return "BTHENUM";
  }
  return "HID";
}

std::map<std::string, std::string> PropertiesOf(udev_device* hid, udev_device* usb, udev_device* usbInterface) {
  std::map<std::string, std::string> properties;
  const std::string name = Property(hid, "HID_NAME");
  const std::string hidId = Property(hid, "HID_ID");
  properties["ClassDescr"] = "HIDClass";
  properties["DeviceDescr"] = name;
  properties["FriendlyName"] = name;
  properties["Driver"] = Property(hid, "DRIVER");
  properties["Service"] = Property(hid, "DRIVER");
  properties["HardwareID"] = Property(hid, "MODALIAS");
  properties["CompatibleIDs"] = Property(usbInterface, "MODALIAS");
  properties["Mfg"] = Attribute(usb, "manufacturer");
  properties["LocationInfo"] = Property(hid, "HID_PHYS");
  properties["PhysDevObjName"] = hid != nullptr ? Text(udev_device_get_syspath(hid)) : std::string();
  properties["EnumeratorName"] = EnumeratorOf(hidId);
  properties["BusType"] = hidId.substr(0, hidId.find(':'));
  properties["BusNumber"] = Attribute(usb, "busnum");
  properties["Address"] = Attribute(usb, "devpath");
  return properties;
}

bool UdevDaemonRuns() { return ::access("/run/udev/control", F_OK) == 0; }

// A hidraw node. Strings come from the USB device above it.
class HidrawFile : public HidDeviceFile {
public:
  explicit HidrawFile(int fd) : m_fd(fd) {}
  ~HidrawFile() override { ::close(m_fd); }
  HidrawFile(const HidrawFile&) = delete;
  HidrawFile& operator=(const HidrawFile&) = delete;

  int Fd() const override { return m_fd; }

  bool RawInfo(HidRawAttributes& info) override {
    hidraw_devinfo raw{};
    if (::ioctl(m_fd, HIDIOCGRAWINFO, &raw) < 0) {
      return false;
    }
    info.busType = static_cast<int>(raw.bustype);
    info.vendorId = static_cast<std::uint16_t>(raw.vendor);
    info.productId = static_cast<std::uint16_t>(raw.product);
    info.version = 0;
    return true;
  }

  bool ReportDescriptor(std::vector<std::uint8_t>& descriptor) override {
    int size = 0;
    if (::ioctl(m_fd, HIDIOCGRDESCSIZE, &size) < 0 || size < 0 || size > HID_MAX_DESCRIPTOR_SIZE) {
      return false;
    }
    hidraw_report_descriptor raw{};
    raw.size = static_cast<__u32>(size);
    if (::ioctl(m_fd, HIDIOCGRDESC, &raw) < 0) {
      return false;
    }
    descriptor.assign(raw.value, raw.value + size);
    return true;
  }

  bool String(HidStringKind kind, std::string& text) override {
    static constexpr const char* kAttributes[] = {"manufacturer", "product", "serial"};
    struct stat status {};
    if (::fstat(m_fd, &status) != 0) {
      return false;
    }
    udev* context = udev_new();
    if (context == nullptr) {
      return false;
    }
    bool found = false;
    {
      UdevDeviceRef node(udev_device_new_from_devnum(context, 'c', status.st_rdev));
      udev_device* usb =
          node.get != nullptr ? udev_device_get_parent_with_subsystem_devtype(node.get, "usb", "usb_device") : nullptr;
      const char* value = usb != nullptr ? udev_device_get_sysattr_value(usb, kAttributes[static_cast<int>(kind)]) : nullptr;
      if (value != nullptr) {
        text = value;
        found = true;
      }
    }
    udev_unref(context);
    if (!found && kind == HidStringKind::Product) {
      char name[256] = {};
      if (::ioctl(m_fd, HIDIOCGRAWNAME(sizeof name - 1), name) > 0) {
        text = name;
        found = true;
      }
    }
    return found;
  }

  // hidraw gives no access to the device's string descriptor 0.
  bool LanguageIds(std::vector<std::uint16_t>& /*ids*/) override { return false; }

  ssize_t Read(std::uint8_t* buffer, std::size_t size) override {
    ssize_t n = 0;
    do {
      n = ::read(m_fd, buffer, size);
    } while (n < 0 && errno == EINTR);
    return n;
  }

  ssize_t Write(const std::uint8_t* report, std::size_t size) override {
    ssize_t n = 0;
    do {
      n = ::write(m_fd, report, size);
    } while (n < 0 && errno == EINTR);
    return n;
  }

  int Control(unsigned long request, void* argument) override { return ::ioctl(m_fd, request, argument); }

private:
  int m_fd;
};

}  // namespace

HidrawSystem::HidrawSystem() : m_udev(udev_new()) {
  if (m_udev == nullptr) {
    return;
  }
  m_monitor = udev_monitor_new_from_netlink(m_udev, UdevDaemonRuns() ? "udev" : "kernel");
  if (m_monitor != nullptr &&
      (udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0 ||
       udev_monitor_enable_receiving(m_monitor) < 0)) {
    udev_monitor_unref(m_monitor);
    m_monitor = nullptr;
  }
}

HidrawSystem::~HidrawSystem() {
  if (m_monitor != nullptr) {
    udev_monitor_unref(m_monitor);
  }
  if (m_udev != nullptr) {
    udev_unref(m_udev);
  }
}

std::vector<HidInterface> HidrawSystem::Interfaces() {
  std::vector<HidInterface> interfaces;
  if (m_udev == nullptr) {
    return interfaces;
  }
  udev_enumerate* enumerate = udev_enumerate_new(m_udev);
  if (enumerate == nullptr) {
    return interfaces;
  }
  udev_enumerate_add_match_subsystem(enumerate, "hidraw");
  udev_enumerate_scan_devices(enumerate);
  udev_list_entry* entry = nullptr;
  udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate)) {
    UdevDeviceRef node(udev_device_new_from_syspath(m_udev, udev_list_entry_get_name(entry)));
    const char* path = node.get != nullptr ? udev_device_get_devnode(node.get) : nullptr;
    udev_device* hid = node.get != nullptr ? udev_device_get_parent_with_subsystem_devtype(node.get, "hid", nullptr) : nullptr;
    if (path == nullptr || hid == nullptr) {
      continue;
    }
    udev_device* usb = udev_device_get_parent_with_subsystem_devtype(node.get, "usb", "usb_device");
    udev_device* usbInterface = udev_device_get_parent_with_subsystem_devtype(node.get, "usb", "usb_interface");
    interfaces.push_back({path, Text(udev_device_get_sysname(hid)), PropertiesOf(hid, usb, usbInterface)});
  }
  udev_enumerate_unref(enumerate);
  return interfaces;
}

int HidrawSystem::ChangeFd() const { return m_monitor != nullptr ? udev_monitor_get_fd(m_monitor) : -1; }

bool HidrawSystem::TakeChanges() {
  if (m_monitor == nullptr) {
    return false;
  }
  bool changed = false;
  while (udev_device* device = udev_monitor_receive_device(m_monitor)) {
    const std::string action = Text(udev_device_get_action(device));
    changed = changed || action == "add" || action == "remove";
    udev_device_unref(device);
  }
  return changed;
}

std::unique_ptr<HidDeviceFile> HidrawSystem::Open(const std::string& path, HidAccess access, int& error) {
  int flags = O_CLOEXEC | O_NONBLOCK;
  switch (access) {
    case HidAccess::ReadWrite:
      flags |= O_RDWR;
      break;
    case HidAccess::Query:
    case HidAccess::Read:
      flags |= O_RDONLY;
      break;
    case HidAccess::Write:
      flags |= O_WRONLY;
      break;
  }
  const int fd = ::open(path.c_str(), flags);
  if (fd < 0) {
    error = errno;
    return nullptr;
  }
  error = 0;
  return std::make_unique<HidrawFile>(fd);
}
