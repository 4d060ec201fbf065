#include "platform/io/SerialLineSpeed.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

bool SetSerialLineSpeed(int fd, int bitsPerSecond) {
  termios2 tio{};
  if (::ioctl(fd, TCGETS2, &tio) != 0) {
    return false;
  }
  tio.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
  tio.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
  tio.c_ispeed = static_cast<speed_t>(bitsPerSecond);
  tio.c_ospeed = static_cast<speed_t>(bitsPerSecond);
  return ::ioctl(fd, TCSETS2, &tio) == 0;
}

int SerialLineSpeed(int fd) {
  termios2 tio{};
  if (::ioctl(fd, TCGETS2, &tio) != 0) {
    return 0;
  }
  return static_cast<int>(tio.c_ospeed);
}
