#include "link/LinkWorker.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <poll.h>
#include <system_error>
#include <utility>

#include <QCoreApplication>
#include <QLoggingCategory>

#include "link/LinkErrorEvent.h"
#include "link/LinkIo.h"
#include "link/LinkMessages.h"
#include "link/LinkReplyEvent.h"
#include "link/ReplyFramer.h"
#include "link/ResendPolicy.h"
#include "link/SendQueue.h"
#include "platform/threads/CancellableHandOver.h"
#include "platform/threads/EventFd.h"

Q_LOGGING_CATEGORY(lcLinkWorker, "krv71.link.worker")

namespace {

using Clock = std::chrono::steady_clock;

std::uint8_t ByteAt(const std::vector<std::uint8_t>& bytes, std::size_t index) {
  return index < bytes.size() ? bytes[index] : 0;
}

}  // namespace

struct LinkWorker::Shared {
  Shared(LinkProfile profileIn, QObject* ownerIn, std::uint64_t generationIn, LinkLogSink logIn)
      : profile(std::move(profileIn)),
        generation(generationIn),
        log(std::move(logIn)),
        policy(profile.silentTimeouts),
        owner(ownerIn),
        framer(profile.replyCompleteFrom) {}

  void Run(LinkIo& io);
  bool ReadPass(LinkIo& io, bool linkUp);
  bool Deliver(const std::vector<std::uint8_t>& frame, LinkIo& io);
  bool HandOver(std::vector<std::uint8_t> frame, std::uint32_t elapsedMs, std::optional<std::uint8_t> answeredCode);
  void SendNext();
  void Transmit(std::vector<std::uint8_t> frame);  // with `mutex` held
  void Announce(const std::vector<std::uint8_t>& frame);
  void WriteCurrent(LinkIo& io);
  void Write(LinkIo& io, const std::vector<std::uint8_t>& frame, std::uint64_t serial);
  void OnTimeout(LinkIo& io);
  void PostFailure(const std::optional<int>& code, std::size_t argumentByte);
  void PostError(int code, int argument);
  void Log(const QString& prefix, const std::vector<std::uint8_t>& bytes) const;
  void MarkEnded();

  const LinkProfile profile;
  const std::uint64_t generation;
  const LinkLogSink log;
  EventFd sendEvent;
  EventFd stopEvent;
  std::atomic<bool> running{false};
  std::atomic<bool> stopRequested{false};
  std::atomic<int> replyTimeout{800};

  mutable std::mutex mutex;
  SendQueue queue;                    // guards: mutex
  std::vector<std::uint8_t> transmit; // guards: mutex
  Clock::time_point sendStart;        // guards: mutex
  ResendPolicy policy;                // guards: mutex
  std::uint64_t handedSerial = 0;     // guards: mutex; frames put into `transmit`
  std::uint64_t writtenSerial = 0;    // guards: mutex; the last of them written
  std::uint64_t answeredSerial = 0;   // guards: mutex; the last of them a reply moved the queue on for
  std::condition_variable writtenChanged;

  std::mutex ownerMutex;
  QObject* owner;                             // guards: ownerMutex
  std::shared_ptr<CancellableHandOver> pendingHandOver;  // guards: ownerMutex
  bool repliesDropped = false;                           // guards: ownerMutex

  std::mutex endMutex;
  std::condition_variable endChanged;
  bool ended = false;  // guards: endMutex

  // The worker thread's own.
  ReplyFramer framer;
};

void LinkWorker::Shared::Run(LinkIo& io) {
  while (!stopRequested.load()) {
    pollfd fds[3] = {{io.ReadFd(), POLLIN, 0}, {sendEvent.Fd(), POLLIN, 0}, {stopEvent.Fd(), POLLIN, 0}};
    const int ready = ::poll(fds, 3, replyTimeout.load());
    if (ready < 0) {
      if (errno == EINTR) {
        continue;
      }
      PostFailure(profile.waitFailureError, 3);
      return;
    }
    if (ready == 0) {
      OnTimeout(io);
    } else if (fds[0].revents != 0) {
      if (!ReadPass(io, (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) == 0)) {
        return;
      }
    } else if (fds[1].revents != 0) {
      sendEvent.Consume();
      WriteCurrent(io);
    } else {
      return;
    }
  }
}

bool LinkWorker::Shared::ReadPass(LinkIo& io, bool linkUp) {
  std::vector<std::uint8_t> bytes;
  const bool healthy = io.ReadAvailable(bytes) && linkUp;
  std::vector<ReplyFramer::Frame> complete;
  for (const std::uint8_t byte : bytes) {
    framer.Push(byte, complete);
  }
  for (const ReplyFramer::Frame& frame : complete) {
    if (!Deliver(frame, io)) {
      return false;
    }
  }
  if (!healthy) {
    PostFailure(profile.readFailureError, 2);
  }
  return healthy;
}

bool LinkWorker::Shared::Deliver(const std::vector<std::uint8_t>& frame, LinkIo& io) {
  Clock::time_point start;
  std::optional<std::uint8_t> answeredCode;
  {
    std::scoped_lock lock(mutex);
    start = sendStart;
    // Only the first reply after the current frame was written answers it:
    // a second answer to a resend, or a reply that comes in before the
    // frame just taken from the queue reached the link, is delivered but
    // neither replaces that frame unwritten nor moves the queue on.
    if (handedSerial != 0 && writtenSerial == handedSerial && answeredSerial != handedSerial) {
      answeredSerial = handedSerial;
      answeredCode = SendQueue::CodeOf(transmit);
    }
  }
  const std::int64_t elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
  const std::int64_t limit = std::numeric_limits<std::uint32_t>::max();
  Log(profile.readLogPrefix, frame);
  if (io.DeliversReplies() &&
      !HandOver(frame, static_cast<std::uint32_t>(std::clamp<std::int64_t>(elapsed, 0, limit)), answeredCode)) {
    return false;
  }
  if (answeredCode) {
    SendNext();
  }
  return true;
}

bool LinkWorker::Shared::HandOver(std::vector<std::uint8_t> frame, std::uint32_t elapsedMs,
                                  std::optional<std::uint8_t> answeredCode) {
  auto handOver = std::make_shared<CancellableHandOver>();
  {
    std::scoped_lock lock(ownerMutex);
    if (stopRequested.load()) {
      return false;
    }
    if (owner == nullptr || repliesDropped) {
      return true;
    }
    pendingHandOver = handOver;
    QCoreApplication::postEvent(owner,
                                new LinkReplyEvent(std::move(frame), elapsedMs, generation, answeredCode, handOver));
  }
  const bool handled = handOver->Wait();
  std::scoped_lock lock(ownerMutex);
  pendingHandOver.reset();
  // A hand-over cancelled by DropReplies counts as handled; one cancelled by Stop ends the worker.
  return handled || !stopRequested.load();
}

void LinkWorker::Shared::SendNext() {
  std::vector<std::uint8_t> announced;
  {
    std::scoped_lock lock(mutex);
    std::optional<SendQueue::Frame> next = queue.Next();
    if (!next) {
      return;
    }
    announced = *next;
    Transmit(std::move(*next));
  }
  Announce(announced);
}

void LinkWorker::Shared::Transmit(std::vector<std::uint8_t> frame) {
  ++handedSerial;
  sendStart = Clock::now();
  transmit = std::move(frame);
}

void LinkWorker::Shared::Announce(const std::vector<std::uint8_t>& frame) {
  Log(profile.writeLogPrefix, frame);
  sendEvent.Signal();
}

void LinkWorker::Shared::WriteCurrent(LinkIo& io) {
  std::vector<std::uint8_t> snapshot;
  std::uint64_t serial = 0;
  {
    std::scoped_lock lock(mutex);
    policy.OnSend();
    snapshot = transmit;
    serial = handedSerial;
  }
  Write(io, snapshot, serial);
}

void LinkWorker::Shared::Write(LinkIo& io, const std::vector<std::uint8_t>& frame, std::uint64_t serial) {
  if (frame.empty()) {
    return;
  }
  io.Write(frame, stopEvent.Fd());
  {
    std::scoped_lock lock(mutex);
    writtenSerial = std::max(writtenSerial, serial);
  }
  writtenChanged.notify_all();
}

void LinkWorker::Shared::OnTimeout(LinkIo& io) {
  std::vector<std::uint8_t> snapshot;
  std::uint64_t serial = 0;
  ResendPolicy::Action action;
  int argument = 0;
  {
    std::scoped_lock lock(mutex);
    action = policy.OnTimeout(ByteAt(transmit, 0) == 0);
    if (action.write) {
      snapshot = transmit;
      serial = handedSerial;
    }
    if (action.error && !transmit.empty()) {
      transmit[0] = 0;
    }
    argument = ByteAt(transmit, 3);
  }
  Write(io, snapshot, serial);
  if (action.error) {
    PostError(LINK_ERROR_NO_REPLY, argument);
  }
}

void LinkWorker::Shared::PostFailure(const std::optional<int>& code, std::size_t argumentByte) {
  if (!code) {
    return;
  }
  int argument = 0;
  {
    std::scoped_lock lock(mutex);
    argument = ByteAt(transmit, argumentByte);
  }
  qCWarning(lcLinkWorker) << "link failed, error" << *code;
  PostError(*code, argument);
}

void LinkWorker::Shared::PostError(int code, int argument) {
  std::scoped_lock lock(ownerMutex);
  if (owner != nullptr) {
    QCoreApplication::postEvent(owner, new LinkErrorEvent(code, argument, generation));
  }
}

// Events are posted with `ownerMutex` held. Qt's event queue orders the
// worker's writes before the owner's reads with locks of its own, which a
// thread checker cannot see in an uninstrumented Qt; taking `ownerMutex`
// before the owner sees any event makes that order visible too.
class LinkWorker::OwnerGate : public QObject {
public:
  explicit OwnerGate(std::shared_ptr<Shared> shared) : m_shared(std::move(shared)) {}

  bool eventFilter(QObject* /*watched*/, QEvent* /*event*/) override {
    std::scoped_lock lock(m_shared->ownerMutex);
    return false;
  }

private:
  std::shared_ptr<Shared> m_shared;
};

void LinkWorker::Shared::Log(const QString& prefix, const std::vector<std::uint8_t>& bytes) const {
  if (log && !prefix.isEmpty()) {
    log(FormatLinkLogLine(prefix, bytes));
  }
}

void LinkWorker::Shared::MarkEnded() {
  {
    std::scoped_lock lock(endMutex);
    ended = true;
  }
  endChanged.notify_all();
}

LinkWorker::LinkWorker(LinkProfile profile, QObject* owner, std::uint64_t generation, LinkLogSink log)
    : m_shared(std::make_shared<Shared>(std::move(profile), owner, generation, std::move(log))),
      m_gate(std::make_unique<OwnerGate>(m_shared)) {
  if (owner != nullptr) {
    owner->installEventFilter(m_gate.get());
  }
}

LinkWorker::~LinkWorker() { Stop(std::chrono::milliseconds(5000)); }

bool LinkWorker::Start(std::unique_ptr<LinkIo> io) {
  if (m_started || !io || !m_shared->sendEvent.IsValid() || !m_shared->stopEvent.IsValid()) {
    return false;
  }
  m_started = true;
  m_shared->running = true;
  try {
    m_thread = std::thread([shared = m_shared, io = std::move(io)]() mutable {
      shared->Run(*io);
      {
        std::scoped_lock lock(shared->mutex);
        shared->running = false;
      }
      shared->writtenChanged.notify_all();
      io.reset();
      shared->MarkEnded();
    });
  } catch (const std::system_error& error) {
    qCWarning(lcLinkWorker) << "cannot start the worker:" << error.what();
    m_shared->running = false;
    return false;
  }
  return true;
}

bool LinkWorker::Stop(std::chrono::milliseconds limit) {
  if (!m_thread.joinable()) {
    return true;
  }
  m_shared->stopRequested = true;
  m_shared->stopEvent.Signal();
  {
    std::scoped_lock lock(m_shared->ownerMutex);
    if (m_shared->pendingHandOver) {
      m_shared->pendingHandOver->Cancel();
    }
  }
  bool ended = false;
  {
    std::unique_lock lock(m_shared->endMutex);
    ended = m_shared->endChanged.wait_for(lock, limit, [this] { return m_shared->ended; });
  }
  if (ended) {
    m_thread.join();
    return true;
  }
  PostError(LINK_ERROR_STOP_TIMEOUT, 0);
  {
    std::scoped_lock lock(m_shared->ownerMutex);
    m_shared->owner = nullptr;
  }
  m_thread.detach();
  return false;
}

bool LinkWorker::IsRunning() const { return m_shared->running.load(); }

void LinkWorker::DropReplies() {
  std::scoped_lock lock(m_shared->ownerMutex);
  m_shared->repliesDropped = true;
  if (m_shared->pendingHandOver) {
    m_shared->pendingHandOver->Cancel();
  }
}

void LinkWorker::Hand(std::vector<std::uint8_t> frame, bool forceAppend) {
  if (!IsRunning() || frame.empty()) {
    return;
  }
  std::vector<std::uint8_t> announced;
  {
    std::scoped_lock lock(m_shared->mutex);
    std::optional<SendQueue::Frame> now = m_shared->queue.Offer(std::move(frame), forceAppend);
    if (!now) {
      return;
    }
    announced = *now;
    m_shared->Transmit(std::move(*now));
  }
  m_shared->Announce(announced);
}

bool LinkWorker::WaitUntilWritten(std::chrono::milliseconds limit) {
  std::unique_lock lock(m_shared->mutex);
  const auto allWritten = [this] {
    return m_shared->queue.Frames().empty() && m_shared->writtenSerial == m_shared->handedSerial;
  };
  m_shared->writtenChanged.wait_for(lock, limit, [&] { return allWritten() || !m_shared->running.load(); });
  return allWritten();
}

void LinkWorker::ClearQueue() {
  std::scoped_lock lock(m_shared->mutex);
  m_shared->queue.Clear();
}

bool LinkWorker::IsIdle() const {
  std::scoped_lock lock(m_shared->mutex);
  return m_shared->queue.IsIdle();
}

LinkFrameCount LinkWorker::FrameCount() const {
  std::scoped_lock lock(m_shared->mutex);
  // Every frame put into `transmit` is answered before the next one is, so
  // the serial of the last answered frame counts the answered ones.
  return {m_shared->handedSerial + m_shared->queue.Frames().size(), m_shared->answeredSerial};
}

void LinkWorker::SetReplyTimeout(int milliseconds) { m_shared->replyTimeout = milliseconds; }

int LinkWorker::ReplyTimeout() const { return m_shared->replyTimeout.load(); }

void LinkWorker::SetRetryCount(int count) {
  std::scoped_lock lock(m_shared->mutex);
  m_shared->policy.SetRetryCount(count);
}

int LinkWorker::RetryCount() const {
  std::scoped_lock lock(m_shared->mutex);
  return m_shared->policy.RetryCount();
}

void LinkWorker::SetSpareResends(int count) {
  std::scoped_lock lock(m_shared->mutex);
  m_shared->policy.SetSpareResends(count);
}

int LinkWorker::SpareResends() const {
  std::scoped_lock lock(m_shared->mutex);
  return m_shared->policy.SpareResends();
}

void LinkWorker::PostError(int code, int argument) {
  m_shared->PostError(code, argument);
}
