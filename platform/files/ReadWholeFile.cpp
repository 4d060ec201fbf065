#include "platform/files/ReadWholeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

namespace {

bool Fail(QString* error, const QString& reason) {
  if (error != nullptr) {
    *error = reason;
  }
  return false;
}

QString SystemReason(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

/// Closes the descriptor on every path out.
class FdCloser {
public:
  explicit FdCloser(int fd) : m_fd(fd) {}
  ~FdCloser() { ::close(m_fd); }
  FdCloser(const FdCloser&) = delete;
  FdCloser& operator=(const FdCloser&) = delete;

private:
  int m_fd;
};

}  // namespace

bool ReadWholeFile(const QString& fileName, std::size_t cap, QByteArray& bytes, QString* error) {
  // Non-blocking, so that opening a FIFO without a writer returns at once;
  // it is refused below as not a regular file.
  const QByteArray path = QFile::encodeName(fileName);
  const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    return Fail(error, SystemReason(errno));
  }
  FdCloser closer(fd);
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    return Fail(error, SystemReason(errno));
  }
  if (!S_ISREG(info.st_mode)) {
    return Fail(error, QStringLiteral("not a regular file"));
  }
  const std::size_t want = std::min<std::size_t>(cap, static_cast<std::size_t>(info.st_size) + 1);
  QByteArray read(static_cast<qsizetype>(want), Qt::Uninitialized);
  std::size_t done = 0;
  while (done < want) {
    const ssize_t n = ::read(fd, read.data() + done, want - done);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n < 0) {
      return Fail(error, SystemReason(errno));
    }
    if (n == 0) {
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  read.truncate(static_cast<qsizetype>(done));
  bytes = std::move(read);
  return true;
}
