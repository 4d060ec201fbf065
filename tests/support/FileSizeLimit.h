#pragma once

#include <csignal>
#include <sys/resource.h>

/// While it lives, no file of this process may grow beyond `bytes`: a write
/// past it fails with EFBIG (the signal it would raise is ignored). Makes a
/// file write fail on purpose for every user, root included.
class FileSizeLimit {
public:
  explicit FileSizeLimit(rlim_t bytes) : m_oldHandler(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit limit = m_old;
    limit.rlim_cur = bytes;
    m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  bool Active() const { return m_active; }

private:
  rlimit m_old{};
  void (*m_oldHandler)(int);
  bool m_active = false;
};
