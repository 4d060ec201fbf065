#include "platform/io/SerialPort.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

#include "platform/io/SerialLineSpeed.h"
#include "platform/io/WriteUntilWoken.h"

namespace {

constexpr int kLowestRate = 1200;
constexpr int kHighestRate = 128000;

// The rates with a termios code; the others of kLowestRate to kHighestRate
// (14400, 56000, 128000 among them) are set as arbitrary rates.
constexpr std::array<std::pair<int, speed_t>, 9> kSpeeds{{
    {1200, B1200}, {1800, B1800}, {2400, B2400}, {4800, B4800}, {9600, B9600},
    {19200, B19200}, {38400, B38400}, {57600, B57600}, {115200, B115200},
}};

std::string SystemText(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

}  // namespace

SerialPort::~SerialPort() { Close(); }

bool SerialPort::Open(const std::string& path, std::string& error) {
  Close();
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = SystemText(path.c_str());
    return false;
  }
  if (::ioctl(fd, TIOCEXCL) != 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    error = SystemText("exclusive use refused");
    ::close(fd);
    return false;
  }
  m_fd = fd;
  return true;
}

bool SerialPort::Configure(int baudRate, int byteSize, int parity, int stopBits, std::string& error) {
  speed_t speed = 0;
  for (const auto& [rate, code] : kSpeeds) {
    if (rate == baudRate) {
      speed = code;
    }
  }
  if (baudRate < kLowestRate || baudRate > kHighestRate || byteSize < 5 || byteSize > 8 || parity < NOPARITY ||
      parity > SPACEPARITY || (stopBits != ONESTOPBIT && stopBits != TWOSTOPBITS)) {
    error = "unsupported line settings";
    return false;
  }
  termios tio{};
  if (::tcgetattr(m_fd, &tio) != 0) {
    error = SystemText("tcgetattr");
    return false;
  }
  ::cfmakeraw(&tio);
  if (speed != 0) {
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
  }
  static constexpr std::array<tcflag_t, 4> kSizes{CS5, CS6, CS7, CS8};
  tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
  tio.c_cflag |= kSizes[static_cast<std::size_t>(byteSize - 5)] | CLOCAL | CREAD;
  if (parity != NOPARITY) {
    tio.c_cflag |= PARENB;
  }
  if (parity == ODDPARITY || parity == MARKPARITY) {
    tio.c_cflag |= PARODD;
  }
  if (parity == MARKPARITY || parity == SPACEPARITY) {
    tio.c_cflag |= CMSPAR;
  }
  if (stopBits == TWOSTOPBITS) {
    tio.c_cflag |= CSTOPB;
  }
  tio.c_iflag &= ~(IXON | IXOFF | IXANY);
  // With VMIN 1 a read that finds nothing says EAGAIN (the descriptor is
  // non-blocking), so a read of 0 bytes means a hang-up.
  tio.c_cc[VMIN] = 1;
  tio.c_cc[VTIME] = 0;
  if (::tcsetattr(m_fd, TCSANOW, &tio) != 0) {
    error = SystemText("tcsetattr");
    return false;
  }
  if (speed == 0 && !SetSerialLineSpeed(m_fd, baudRate)) {
    error = SystemText("baud rate");
    return false;
  }
  return true;
}

void SerialPort::Purge() {
  if (m_fd >= 0) {
    ::tcflush(m_fd, TCIOFLUSH);
  }
}

void SerialPort::Close() {
  if (m_fd >= 0) {
    ::close(m_fd);
    m_fd = -1;
  }
}

int SerialPort::BaudRate() const { return m_fd >= 0 ? SerialLineSpeed(m_fd) : 0; }

bool SerialPort::ReadAvailable(std::vector<std::uint8_t>& bytes) {
  std::uint8_t buffer[512];
  while (true) {
    const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
    if (n > 0) {
      bytes.insert(bytes.end(), buffer, buffer + n);
      continue;
    }
    if (n < 0 && errno == EINTR) {
      continue;
    }
    return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
  }
}

bool SerialPort::Write(std::span<const std::uint8_t> bytes, int wakeFd, int limitMs) {
  return WriteUntilWoken(m_fd, bytes, wakeFd, limitMs, [](int fd, const std::uint8_t* data, std::size_t count) {
    return ::write(fd, data, count);
  });
}
