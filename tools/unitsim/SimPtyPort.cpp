#include "tools/unitsim/SimPtyPort.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include "tools/unitsim/SimStreamIo.h"

bool SimPtyPort::Open(std::string& error) {
  Close();
  int master = -1;
  int slave = -1;
  char name[256] = {};
  if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) {
    error = std::string("openpty failed: ") + std::strerror(errno);
    return false;
  }
  m_master.Reset(master);
  m_slave.Reset(slave);
  termios tio{};
  ::tcgetattr(slave, &tio);
  ::cfmakeraw(&tio);
  ::cfsetspeed(&tio, B115200);
  ::tcsetattr(slave, TCSANOW, &tio);
  ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
  ::fcntl(master, F_SETFD, FD_CLOEXEC);
  ::fcntl(slave, F_SETFD, FD_CLOEXEC);
  m_path = name;
  m_assembler.Reset();
  return true;
}

void SimPtyPort::Close() {
  m_master.Reset();
  m_slave.Reset();
  m_assembler.Reset();
}

bool SimPtyPort::Read(std::vector<std::vector<std::uint8_t>>& frames, std::size_t& rejected) {
  return ReadFrames(m_master.Get(), m_assembler, frames, rejected);
}

bool SimPtyPort::Write(const std::vector<std::uint8_t>& bytes) {
  return WriteAll(m_master.Get(), bytes.data(), bytes.size());
}
