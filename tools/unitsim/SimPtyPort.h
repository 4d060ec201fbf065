#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/unitsim/SimFd.h"
#include "tools/unitsim/SimFrameAssembler.h"

/// The serial front end: a pseudo-terminal pair in raw mode. The editor opens
/// the slave path as its serial port; the simulator reads and writes the
/// master. The simulator keeps a slave descriptor of its own open, so the
/// master never reports a hang-up while the editor has the port closed.
/// Used on the simulator's thread once it runs.
class SimPtyPort {
 public:
  bool Open(std::string& error);
  void Close();
  bool IsOpen() const { return m_master.IsOpen(); }
  int Fd() const { return m_master.Get(); }
  const std::string& SlavePath() const { return m_path; }

  /// Reads the bytes waiting on the master and returns the frames they
  /// complete and the number of broken ones; false when the pty failed.
  bool Read(std::vector<std::vector<std::uint8_t>>& frames, std::size_t& rejected);
  /// Writes all bytes (waits up to a second for room); false on failure.
  bool Write(const std::vector<std::uint8_t>& bytes);

 private:
  SimFd m_master;
  SimFd m_slave;
  std::string m_path;
  SimFrameAssembler m_assembler;
};
