#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <sys/types.h>

/// One HID interface the system reports: a device node to open, the
/// per-plug name of its HID device (what tells one plug from the next) and
/// its Plug-and-Play properties by name ("FriendlyName", "HardwareID" ...;
/// a list holds one item per line).
struct HidInterface {
  std::string path;
  std::string instanceId;
  std::map<std::string, std::string> properties;
};

/// Bus type and ids of an open HID device.
struct HidRawAttributes {
  int busType = 0;
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  std::uint16_t version = 0;
};

enum class HidAccess {
  ReadWrite,  ///< read and write
  Query,      ///< no reports; ids, descriptor and strings only
  Read,       ///< input reports, non-blocking
  Write,      ///< output reports
};

enum class HidStringKind { Manufacturer, Product, SerialNumber };

/// An open HID device file (a hidraw node, or a test double). Reads and
/// writes move whole reports; a read returns the report as the device file
/// gives it (without the report-id byte on devices that use no report ids).
/// One thread at a time per object; the owner keeps that.
class HidDeviceFile {
public:
  virtual ~HidDeviceFile() = default;

  /// Polls readable while an input report waits (hang-up: unplugged).
  virtual int Fd() const = 0;
  /// False with errno set when the ids cannot be read.
  virtual bool RawInfo(HidRawAttributes& info) = 0;
  virtual bool ReportDescriptor(std::vector<std::uint8_t>& descriptor) = 0;
  /// UTF-8; false when the device has no such string.
  virtual bool String(HidStringKind kind, std::string& text) = 0;
  /// The device's string-language ids; false when the system has no way to
  /// ask for them.
  virtual bool LanguageIds(std::vector<std::uint16_t>& ids) = 0;
  /// One report, non-blocking: its size, 0 at the end of the device (it
  /// went), -1 with errno (EAGAIN: nothing waits).
  virtual ssize_t Read(std::uint8_t* buffer, std::size_t size) = 0;
  /// One report whose first byte is the report id; never raises SIGPIPE.
  virtual ssize_t Write(const std::uint8_t* report, std::size_t size) = 0;
  /// A device control request (ioctl): its result, -1 with errno.
  virtual int Control(unsigned long request, void* argument) = 0;

protected:
  HidDeviceFile() = default;
  HidDeviceFile(const HidDeviceFile&) = default;
  HidDeviceFile& operator=(const HidDeviceFile&) = default;
};

/// The HID devices of the system: which interfaces are present, a
/// descriptor that tells of plugs and unplugs, and opening a device file.
/// The editor's stand-in for the device installation and HID class
/// libraries. Used on the GUI thread; Open may be called from any thread.
class HidSystem {
public:
  virtual ~HidSystem() = default;

  /// False when the system's device database cannot be reached; nothing is
  /// then ever found or noticed.
  virtual bool IsAvailable() const = 0;
  /// The interfaces present now.
  virtual std::vector<HidInterface> Interfaces() = 0;
  /// Polls readable when interfaces may have come or gone; -1 when changes
  /// cannot be watched.
  virtual int ChangeFd() const = 0;
  /// Consumes what ChangeFd announced; true when a HID interface came or went.
  virtual bool TakeChanges() = 0;
  /// Opens the interface at `path`; null with `error` (an errno value).
  virtual std::unique_ptr<HidDeviceFile> Open(const std::string& path, HidAccess access, int& error) = 0;

protected:
  HidSystem() = default;
  HidSystem(const HidSystem&) = default;
  HidSystem& operator=(const HidSystem&) = default;
};
