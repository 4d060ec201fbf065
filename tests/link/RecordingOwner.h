#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include <QObject>
#include <QString>
#include <QStringList>

/// Stands in for the main window: records the replies and link errors a
/// transport sends it, and runs `onReply` inside the synchronous hand-over
/// of each reply. Stale replies (transport closed meanwhile) are ignored,
/// as the main window ignores them. GUI thread.
class RecordingOwner : public QObject {
public:
  struct Reply {
    std::vector<std::uint8_t> frame;
    std::uint32_t elapsedMs = 0;
    std::uint64_t generation = 0;
  };
  struct Error {
    int code = 0;
    int argument = 0;
    std::uint64_t generation = 0;
  };

  std::vector<Reply> replies;
  std::vector<Error> errors;
  std::function<void(const Reply&)> onReply;

  bool HasError(int code) const;

protected:
  bool event(QEvent* event) override;
};

/// Traffic lines from any thread.
class RecordingLog {
public:
  void Add(const QString& line);
  QStringList Lines() const;

private:
  mutable std::mutex m_mutex;
  QStringList m_lines;  // guards: m_mutex
};
