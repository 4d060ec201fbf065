#pragma once

#include <cstdint>
#include <span>
#include <vector>

/// The link-specific side of a transport's worker: where received bytes
/// come from and where frames go (a serial port; for USB and the network,
/// the bytes their owners hand in and the owners' write routines). Created
/// on the GUI thread and handed to the worker, which alone uses it and
/// destroys it when it ends.
class LinkIo {
public:
  virtual ~LinkIo() = default;

  /// A descriptor that polls readable while received bytes wait.
  virtual int ReadFd() const = 0;
  /// Appends the bytes that wait; false when the link failed.
  virtual bool ReadAvailable(std::vector<std::uint8_t>& bytes) = 0;
  /// Writes one frame; gives up when `wakeFd` polls readable (the
  /// transport is closing). Failures show as missing replies.
  virtual void Write(std::span<const std::uint8_t> frame, int wakeFd) = 0;
  /// False when complete replies are dropped instead of delivered.
  virtual bool DeliversReplies() const { return true; }

protected:
  LinkIo() = default;
  LinkIo(const LinkIo&) = default;
  LinkIo& operator=(const LinkIo&) = default;
};
