#pragma once

/// The line speed of an open serial port in bits per second, set and read
/// through the kernel's arbitrary-rate settings (termios2), so that rates
/// without a standard termios code (14400, 56000, 128000) can be set too.
/// Kept apart from the termios code of SerialPort: the kernel's and the C
/// library's termios structures cannot share a translation unit. Any
/// thread; the caller keeps the descriptor open.

/// Sets both directions to the rate, leaving every other setting as it
/// is; false with errno when the driver refuses.
bool SetSerialLineSpeed(int fd, int bitsPerSecond);
/// The output rate the port's settings hold; 0 when they cannot be read.
int SerialLineSpeed(int fd);
