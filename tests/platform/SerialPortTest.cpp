#include "platform/io/SerialPort.h"

#include <cstdint>
#include <fcntl.h>
#include <pty.h>
#include <string>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A pseudo-terminal pair; the test's serial port is its slave.
class PtyPair {
public:
  PtyPair() {
    char name[256] = {};
    int slave = -1;
    if (::openpty(&m_master, &slave, name, nullptr, nullptr) == 0) {
      ::close(slave);
      ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
      m_path = name;
    }
  }
  ~PtyPair() { CloseMaster(); }
  void CloseMaster() {
    if (m_master >= 0) {
      ::close(m_master);
      m_master = -1;
    }
  }
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  int Master() const { return m_master; }
  const std::string& Path() const { return m_path; }

private:
  int m_master = -1;
  std::string m_path;
};

struct LineCase {
  int baudRate;
  int byteSize;
  int parity;
  int stopBits;
  bool accepted;
};

class SerialPortLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(SerialPortLine, Configure_acceptsOnlySupportedSettings) {
  PtyPair pty;
  ASSERT_FALSE(pty.Path().empty());
  SerialPort port;
  std::string error;
  ASSERT_TRUE(port.Open(pty.Path(), error)) << error;
  const LineCase& c = GetParam();
  EXPECT_EQ(port.Configure(c.baudRate, c.byteSize, c.parity, c.stopBits, error), c.accepted) << error;
  if (c.accepted) {
    EXPECT_EQ(port.BaudRate(), c.baudRate);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, SerialPortLine,
                         ::testing::Values(LineCase{115200, 8, SerialPort::NOPARITY, SerialPort::ONESTOPBIT, true},
                                           LineCase{9600, 7, SerialPort::EVENPARITY, SerialPort::TWOSTOPBITS, true},
                                           LineCase{1200, 5, SerialPort::SPACEPARITY, SerialPort::ONESTOPBIT, true},
                                           LineCase{14400, 8, SerialPort::NOPARITY, SerialPort::ONESTOPBIT, true},
                                           LineCase{56000, 8, SerialPort::EVENPARITY, SerialPort::ONESTOPBIT, true},
                                           LineCase{128000, 8, SerialPort::NOPARITY, SerialPort::TWOSTOPBITS, true},
                                           LineCase{1199, 8, SerialPort::NOPARITY, SerialPort::ONESTOPBIT, false},
                                           LineCase{128001, 8, SerialPort::NOPARITY, SerialPort::ONESTOPBIT, false},
                                           LineCase{115200, 9, SerialPort::NOPARITY, SerialPort::ONESTOPBIT, false},
                                           LineCase{115200, 8, 5, SerialPort::ONESTOPBIT, false},
                                           LineCase{115200, 8, SerialPort::NOPARITY, 1, false}));

TEST(SerialPort, Configure_changesBetweenArbitraryAndStandardRates) {
  PtyPair pty;
  SerialPort port;
  std::string error;
  ASSERT_TRUE(port.Open(pty.Path(), error)) << error;
  for (const int rate : {56000, 115200, 14400, 9600}) {
    ASSERT_TRUE(port.Configure(rate, 8, SerialPort::NOPARITY, SerialPort::ONESTOPBIT, error)) << rate << ": " << error;
    EXPECT_EQ(port.BaudRate(), rate);
  }
}

TEST(SerialPort, Open_isExclusive) {
  PtyPair pty;
  SerialPort first;
  SerialPort second;
  std::string error;
  ASSERT_TRUE(first.Open(pty.Path(), error)) << error;
  EXPECT_FALSE(second.Open(pty.Path(), error));
  EXPECT_FALSE(second.IsOpen());
  first.Close();
  EXPECT_TRUE(second.Open(pty.Path(), error)) << error;
}

TEST(SerialPort, RawMode_passesControlBytesAndReportsHangUp) {
  PtyPair pty;
  SerialPort port;
  std::string error;
  ASSERT_TRUE(port.Open(pty.Path(), error) && port.Configure(115200, 8, 0, 0, error)) << error;
  const std::vector<std::uint8_t> bytes{0x03, 0x0A, 0x0D, 0x11, 0x13, 0x7F, 0x10, 0x00};
  ASSERT_EQ(::write(pty.Master(), bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  std::vector<std::uint8_t> received;
  for (int tries = 0; tries < 1000 && received.size() < bytes.size(); ++tries) {
    ASSERT_TRUE(port.ReadAvailable(received));
    ::usleep(1000);
  }
  EXPECT_EQ(received, bytes);

  ASSERT_TRUE(port.Write(bytes, -1, 1000));
  std::vector<std::uint8_t> echoed(bytes.size());
  std::size_t got = 0;
  for (int tries = 0; tries < 1000 && got < echoed.size(); ++tries) {
    const ssize_t n = ::read(pty.Master(), echoed.data() + got, echoed.size() - got);
    got += n > 0 ? static_cast<std::size_t>(n) : 0;
    ::usleep(1000);
  }
  EXPECT_EQ(echoed, bytes);

  received.clear();
  EXPECT_TRUE(port.ReadAvailable(received)) << "nothing waits: not a failure";
  EXPECT_TRUE(received.empty());
  pty.CloseMaster();
  EXPECT_FALSE(port.ReadAvailable(received));
}

}  // namespace
