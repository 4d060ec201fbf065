#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/unitsim/SimFrame.h"
#include "tools/unitsim/SimFrameAssembler.h"

/// A small blocking client that talks to the simulator the way the editor
/// does (frames with the unit id in byte 3) over a pty slave or a TCP
/// connection. Test code only; one thread.
class SimTestClient {
 public:
  ~SimTestClient();

  bool OpenPty(const std::string& path);
  bool ConnectTcp(std::uint16_t port);
  /// Takes over a connected descriptor (e.g. a UDP socket).
  void Adopt(int fd) { m_fd = fd; }
  /// Takes over the HID peer: frames then go out as 65-byte output reports
  /// (report id 0, the frame, filler).
  void AdoptHidPeer(int fd) {
    m_fd = fd;
    m_hid = true;
  }
  int Fd() const { return m_fd; }

  bool SendRaw(const std::vector<std::uint8_t>& bytes);
  bool Send(std::uint8_t code, const std::vector<std::uint8_t>& payload = {}, std::uint8_t unitId = 1);
  /// The next complete frame from the unit, or nullopt after `timeout`.
  std::optional<SimFrame> Receive(std::chrono::milliseconds timeout = std::chrono::milliseconds(3000));
  std::optional<SimFrame> Exchange(std::uint8_t code, const std::vector<std::uint8_t>& payload = {});
  /// Raw chunks as read, each read() separately (for the TCP split test).
  std::vector<std::vector<std::uint8_t>> ReadChunks(std::size_t totalBytes, std::chrono::milliseconds timeout);
  /// True when the peer closed or the line broke within `timeout`.
  bool SeesHangUp(std::chrono::milliseconds timeout);

 private:
  int m_fd = -1;
  bool m_hid = false;
  SimFrameAssembler m_assembler;
  std::vector<std::vector<std::uint8_t>> m_ready;
};

/// What the editor's read-out chain gets from a unit.
struct SimReadOut {
  std::vector<std::uint8_t> identity;
  std::vector<std::uint8_t> lockStatus;
  std::vector<std::uint8_t> directory;
  std::uint8_t currentPreset = 0;
  std::vector<std::vector<std::uint8_t>> names;
  std::vector<std::uint8_t> firArea;
  std::vector<std::uint8_t> image;
  bool complete = false;
};

/// hello -> identity -> lock status -> directory -> current preset -> 30
/// names -> all 946 FIR blocks of `area` -> 21 image blocks -> keep-alive,
/// checking every reply's code and numbering on the way.
SimReadOut RunReadOut(SimTestClient& client, std::uint8_t area = 0);
