#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/threads/EventFd.h"
#include "platform/io/HidSystem.h"
#include "tests/support/TestLatch.h"

/// A vendor-defined report descriptor without report ids: one input and
/// one output report of the given byte counts (and a feature report when
/// `featureBytes` is not 0), as the unit has.
std::vector<std::uint8_t> VendorReportDescriptor(int inputBytes, int outputBytes, int featureBytes = 0);

/// One device the fake system offers.
struct FakeHidDeviceSetup {
  explicit FakeHidDeviceSetup(std::string id = {}) : instanceId(std::move(id)) {}

  std::string instanceId;
  std::uint16_t vendorId = 0x0168;
  std::uint16_t productId = 0x0821;
  /// The device end of a SOCK_SEQPACKET pair, one datagram per report (the
  /// unit simulator's TakeHidPeer()); the fake owns it. -1: the fake makes a
  /// pair and keeps the other end for the test (PeerFd).
  int fd = -1;
  std::vector<std::uint8_t> descriptor = VendorReportDescriptor(64, 64);
  std::map<HidStringKind, std::string> strings;
  /// The string-language ids; none: the system cannot tell them.
  std::optional<std::vector<std::uint16_t>> languageIds;
  /// False: the device opens with query access only.
  bool readWrite = true;
  /// False: the ids cannot be read, so no device object is made.
  bool identifiable = true;
  std::map<std::string, std::string> properties;
  /// When set, every output report waits at this latch before it is sent.
  std::shared_ptr<TestLatch> writeLatch;
};

/// A scriptable stand-in for the machine's HID devices: a device list that
/// tests plug into and unplug from (each change announced on ChangeFd), and
/// device files over socket pairs. A device whose socket's other end was
/// closed is no longer listed (closing stands for unplugging). Any thread.
class FakeHidSystem : public HidSystem {
public:
  static std::string PathOf(const std::string& instanceId) { return "fake:" + instanceId; }

  /// Adds a device and announces the change.
  void Plug(FakeHidDeviceSetup setup);
  /// Takes a device off the list, closes the fake's socket end and
  /// announces the change.
  void Unplug(const std::string& instanceId);
  /// The test's end of a device the fake made the pair for; -1 for none.
  int PeerFd(const std::string& instanceId) const;
  void SetAvailable(bool available);
  /// Opens of the device so far, by access.
  int OpenCount(const std::string& instanceId, HidAccess access) const;

  bool IsAvailable() const override;
  std::vector<HidInterface> Interfaces() override;
  int ChangeFd() const override { return m_changes.Fd(); }
  bool TakeChanges() override { return m_changes.Consume(); }
  std::unique_ptr<HidDeviceFile> Open(const std::string& path, HidAccess access, int& error) override;

  ~FakeHidSystem() override;

private:
  struct Device {
    FakeHidDeviceSetup setup;
    int peer = -1;
    std::map<HidAccess, int> opens;
  };

  Device* Find(const std::string& instanceId);

  mutable std::mutex m_mutex;
  std::vector<Device> m_devices;  // guards: m_mutex
  bool m_available = true;        // guards: m_mutex
  EventFd m_changes;
};
