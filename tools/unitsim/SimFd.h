#pragma once

/// Owns one file descriptor and closes it. Move-only; used by the front ends.
class SimFd {
 public:
  SimFd() = default;
  explicit SimFd(int fd) : m_fd(fd) {}
  ~SimFd() { Reset(); }
  SimFd(SimFd&& other) noexcept : m_fd(other.Release()) {}
  SimFd& operator=(SimFd&& other) noexcept;
  SimFd(const SimFd&) = delete;
  SimFd& operator=(const SimFd&) = delete;

  int Get() const { return m_fd; }
  bool IsOpen() const { return m_fd >= 0; }
  int Release();
  void Reset(int fd = -1);

 private:
  int m_fd = -1;
};
