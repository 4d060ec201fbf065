#include "fuzz/support/MemoryFile.h"

#include <sys/mman.h>
#include <unistd.h>

MemoryFile::MemoryFile() {
  m_fd = memfd_create("krv71-fuzz", MFD_CLOEXEC);
  if (m_fd >= 0) {
    m_path = QStringLiteral("/proc/self/fd/%1").arg(m_fd);
  }
}

MemoryFile::~MemoryFile() {
  if (m_fd >= 0) {
    close(m_fd);
  }
}

bool MemoryFile::Write(const std::uint8_t* data, std::size_t size) {
  if (m_fd < 0 || ftruncate(m_fd, 0) != 0) {
    return false;
  }
  std::size_t done = 0;
  while (done < size) {
    const ssize_t written = pwrite(m_fd, data + done, size - done, static_cast<off_t>(done));
    if (written <= 0) {
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
}
