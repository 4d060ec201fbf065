#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/unitsim/SimFd.h"

/// The USB front end: a fake HID device over socketpair(AF_UNIX,
/// SOCK_SEQPACKET), one datagram per report. Output reports (editor to unit)
/// are report id 0, the frame, then filler to the output report length;
/// input reports (unit to editor) carry the frame at offset 0, zero-filled to
/// the input report length. Closing the simulator's end stands for unplugging.
/// Used on the simulator's thread once it runs.
class SimHidDevice {
 public:
  /// A new socket pair (closing any previous one); `peer` receives the
  /// editor's end, which the caller owns.
  bool Create(std::size_t inputReportLength, int& peer, std::string& error);
  void Close();
  bool IsOpen() const { return m_device.IsOpen(); }
  int Fd() const { return m_device.Get(); }
  /// Receives one output report. Returns false when the peer is gone;
  /// otherwise `frame` holds the frame it carries, empty for a malformed report.
  bool Receive(std::vector<std::uint8_t>& frame, std::size_t& reportLength);
  /// Sends one input report carrying `frame`.
  bool Send(const std::vector<std::uint8_t>& frame);

 private:
  SimFd m_device;
  std::size_t m_inputReportLength = 64;
};
