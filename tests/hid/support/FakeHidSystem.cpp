#include "tests/hid/support/FakeHidSystem.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A device file over a duplicate of the device's socket.
class FakeHidFile : public HidDeviceFile {
public:
  FakeHidFile(int fd, FakeHidDeviceSetup setup, HidAccess access) : m_fd(fd), m_setup(std::move(setup)), m_access(access) {}
  ~FakeHidFile() override { ::close(m_fd); }
  FakeHidFile(const FakeHidFile&) = delete;
  FakeHidFile& operator=(const FakeHidFile&) = delete;

  int Fd() const override { return m_fd; }

  bool RawInfo(HidRawAttributes& info) override {
    if (!m_setup.identifiable) {
      errno = EIO;
      return false;
    }
    info.busType = 3;
    info.vendorId = m_setup.vendorId;
    info.productId = m_setup.productId;
    return true;
  }

  bool ReportDescriptor(std::vector<std::uint8_t>& descriptor) override {
    descriptor = m_setup.descriptor;
    return true;
  }

  bool String(HidStringKind kind, std::string& text) override {
    const auto found = m_setup.strings.find(kind);
    if (found == m_setup.strings.end()) {
      return false;
    }
    text = found->second;
    return true;
  }

  bool LanguageIds(std::vector<std::uint16_t>& ids) override {
    if (!m_setup.languageIds) {
      return false;
    }
    ids = *m_setup.languageIds;
    return true;
  }

  ssize_t Read(std::uint8_t* buffer, std::size_t size) override {
    if (m_access == HidAccess::Query || m_access == HidAccess::Write) {
      errno = EBADF;
      return -1;
    }
    return ::recv(m_fd, buffer, size, MSG_DONTWAIT);
  }

  ssize_t Write(const std::uint8_t* report, std::size_t size) override {
    if (m_access == HidAccess::Query || m_access == HidAccess::Read) {
      errno = EBADF;
      return -1;
    }
    if (m_setup.writeLatch) {
      m_setup.writeLatch->Pass();
    }
    return ::send(m_fd, report, size, MSG_NOSIGNAL);
  }

  int Control(unsigned long /*request*/, void* /*argument*/) override {
    errno = ENOTTY;
    return -1;
  }

private:
  int m_fd;
  FakeHidDeviceSetup m_setup;
  HidAccess m_access;
};

bool HungUp(int fd) {
  pollfd state{fd, 0, 0};
  return ::poll(&state, 1, 0) > 0 && (state.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

void AppendItem(std::vector<std::uint8_t>& bytes, std::uint8_t prefix, int value) {
  bytes.push_back(static_cast<std::uint8_t>(prefix | 0x02));
  bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
  bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

}  // namespace

std::vector<std::uint8_t> VendorReportDescriptor(int inputBytes, int outputBytes, int featureBytes) {
  std::vector<std::uint8_t> bytes{0x06, 0x00, 0xFF,  // usage page (vendor 0xFF00)
                                  0x09, 0x01,        // usage 1
                                  0xA1, 0x01,        // collection (application)
                                  0x15, 0x00,        // logical minimum 0
                                  0x26, 0xFF, 0x00,  // logical maximum 255
                                  0x75, 0x08};       // report size 8
  const auto report = [&](int count, std::uint8_t mainItem) {
    AppendItem(bytes, 0x94, count);  // report count
    bytes.insert(bytes.end(), {0x09, 0x01, mainItem, 0x02});
  };
  report(inputBytes, 0x81);
  report(outputBytes, 0x91);
  if (featureBytes > 0) {
    report(featureBytes, 0xB1);
  }
  bytes.push_back(0xC0);  // end collection
  return bytes;
}

FakeHidSystem::~FakeHidSystem() {
  for (const Device& device : m_devices) {
    ::close(device.setup.fd);
    if (device.peer >= 0) {
      ::close(device.peer);
    }
  }
}

FakeHidSystem::Device* FakeHidSystem::Find(const std::string& instanceId) {
  const auto found = std::find_if(m_devices.begin(), m_devices.end(),
                                  [&](const Device& device) { return device.setup.instanceId == instanceId; });
  return found == m_devices.end() ? nullptr : &*found;
}

void FakeHidSystem::Plug(FakeHidDeviceSetup setup) {
  {
    std::scoped_lock lock(m_mutex);
    Device device;
    if (setup.fd < 0) {
      int fds[2] = {-1, -1};
      ::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds);
      setup.fd = fds[0];
      device.peer = fds[1];
    }
    device.setup = std::move(setup);
    m_devices.push_back(std::move(device));
  }
  m_changes.Signal();
}

void FakeHidSystem::Unplug(const std::string& instanceId) {
  {
    std::scoped_lock lock(m_mutex);
    Device* device = Find(instanceId);
    if (device == nullptr) {
      return;
    }
    // Every file still open on the device sees it gone.
    ::shutdown(device->setup.fd, SHUT_RDWR);
    ::close(device->setup.fd);
    if (device->peer >= 0) {
      ::close(device->peer);
    }
    m_devices.erase(m_devices.begin() + (device - m_devices.data()));
  }
  m_changes.Signal();
}

int FakeHidSystem::PeerFd(const std::string& instanceId) const {
  std::scoped_lock lock(m_mutex);
  const Device* device = const_cast<FakeHidSystem*>(this)->Find(instanceId);
  return device != nullptr ? device->peer : -1;
}

void FakeHidSystem::SetAvailable(bool available) {
  std::scoped_lock lock(m_mutex);
  m_available = available;
}

int FakeHidSystem::OpenCount(const std::string& instanceId, HidAccess access) const {
  std::scoped_lock lock(m_mutex);
  const Device* device = const_cast<FakeHidSystem*>(this)->Find(instanceId);
  if (device == nullptr) {
    return 0;
  }
  const auto found = device->opens.find(access);
  return found == device->opens.end() ? 0 : found->second;
}

bool FakeHidSystem::IsAvailable() const {
  std::scoped_lock lock(m_mutex);
  return m_available;
}

std::vector<HidInterface> FakeHidSystem::Interfaces() {
  std::scoped_lock lock(m_mutex);
  std::vector<HidInterface> interfaces;
  for (const Device& device : m_devices) {
    if (!HungUp(device.setup.fd)) {
      interfaces.push_back({PathOf(device.setup.instanceId), device.setup.instanceId, device.setup.properties});
    }
  }
  return interfaces;
}

std::unique_ptr<HidDeviceFile> FakeHidSystem::Open(const std::string& path, HidAccess access, int& error) {
  std::scoped_lock lock(m_mutex);
  const auto found = std::find_if(m_devices.begin(), m_devices.end(),
                                  [&](const Device& device) { return PathOf(device.setup.instanceId) == path; });
  if (found == m_devices.end()) {
    error = ENOENT;
    return nullptr;
  }
  if (!found->setup.readWrite && access != HidAccess::Query) {
    error = EACCES;
    return nullptr;
  }
  const int fd = ::dup(found->setup.fd);
  if (fd < 0) {
    error = errno;
    return nullptr;
  }
  ++found->opens[access];
  error = 0;
  return std::make_unique<FakeHidFile>(fd, found->setup, access);
}
