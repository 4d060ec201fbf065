#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

/// One serial port, opened for exclusive use (TIOCEXCL and flock) in raw
/// mode and non-blocking, as the links to the unit need it. Ports are named
/// by device path. Owned by one transport; after Open, only one thread at a
/// time may use it.
class SerialPort {
public:
  /// Parity and stop-bit codes of Configure, numbered as the editor passes them.
  enum Parity : int { NOPARITY = 0, ODDPARITY = 1, EVENPARITY = 2, MARKPARITY = 3, SPACEPARITY = 4 };
  enum StopBits : int { ONESTOPBIT = 0, TWOSTOPBITS = 2 };

  SerialPort() = default;
  ~SerialPort();
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  /// Opens the device read-write without making it the controlling
  /// terminal and takes it for exclusive use; false with `error` when it
  /// does not exist, cannot be opened or is in use.
  bool Open(const std::string& path, std::string& error);
  /// Raw mode at the given line settings, no flow control, reads that never
  /// block. Byte size 5 to 8; baud rates from 1200 to 128000, those
  /// without a termios code (14400, 56000, 128000) set as arbitrary rates.
  /// False with `error` for other values or when the driver refuses.
  bool Configure(int baudRate, int byteSize, int parity, int stopBits, std::string& error);
  /// Drops what waits in both directions.
  void Purge();
  void Close();

  bool IsOpen() const { return m_fd >= 0; }
  int Fd() const { return m_fd; }
  /// The baud rate the port runs at now; 0 when it cannot be read.
  int BaudRate() const;

  /// Appends every byte that waits; false when the port failed (hang-up or
  /// I/O error).
  bool ReadAvailable(std::vector<std::uint8_t>& bytes);
  /// Writes all bytes, waiting for room in the driver; gives up (false) when
  /// `wakeFd` becomes readable, after `limitMs` without progress, or on an
  /// error.
  bool Write(std::span<const std::uint8_t> bytes, int wakeFd, int limitMs);

private:
  int m_fd = -1;
};
