#pragma once

#include <cstddef>
#include <cstdint>

#include <QString>

/// A file in memory (memfd) that a target rewrites with each input, for
/// parsers that read by path; its path opens it afresh each time. Owned by
/// the target that made it; one thread.
class MemoryFile {
public:
  MemoryFile();
  ~MemoryFile();
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  /// Replaces the content; false when it cannot be written.
  bool Write(const std::uint8_t* data, std::size_t size);
  QString Path() const { return m_path; }

private:
  int m_fd = -1;
  QString m_path;
};
