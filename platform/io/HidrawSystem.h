#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/io/HidSystem.h"

struct udev;
struct udev_monitor;

/// The system's HID devices: the hidraw nodes, found through libudev with
/// the properties of their HID and USB parents, and watched by a udev
/// monitor (the kernel's events when no udev daemon runs). Device files are
/// the nodes themselves, with the hidraw ioctls. GUI thread, except Open.
class HidrawSystem : public HidSystem {
public:
  HidrawSystem();
  ~HidrawSystem() override;
  HidrawSystem(const HidrawSystem&) = delete;
  HidrawSystem& operator=(const HidrawSystem&) = delete;

  bool IsAvailable() const override { return m_udev != nullptr; }
  std::vector<HidInterface> Interfaces() override;
  int ChangeFd() const override;
  bool TakeChanges() override;
  std::unique_ptr<HidDeviceFile> Open(const std::string& path, HidAccess access, int& error) override;

private:
  udev* m_udev = nullptr;
  udev_monitor* m_monitor = nullptr;
};
