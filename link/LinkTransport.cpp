#include "link/LinkTransport.h"

#include <atomic>
#include <chrono>
#include <utility>

#include "link/LinkIo.h"
#include "link/LinkWorker.h"
#include "platform/threads/TTimer.h"
#include "protocol/CommandCodes.h"
#include "protocol/LCmd.h"

namespace {

constexpr int kKeepAliveInterval = 2000;
constexpr std::chrono::milliseconds kStopLimit{5000};

std::uint64_t NextGeneration() {
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}

}  // namespace

LinkTransport::LinkTransport(QObject* owner, int unitId, LinkProfile profile, LinkLogSink log)
    : m_generation(NextGeneration()),
      m_keepAliveTimeout(profile.keepAliveTimeout),
      m_worker(std::make_unique<LinkWorker>(std::move(profile), owner, m_generation, std::move(log))),
      m_unitId(unitId) {}

LinkTransport::~LinkTransport() { LinkTransport::Close(); }

bool LinkTransport::Start(std::unique_ptr<LinkIo> io) {
  if (!m_worker->Start(std::move(io))) {
    return false;
  }
  m_keepAliveTimer = std::make_unique<TTimer>();
  m_keepAliveTimer->SetInterval(kKeepAliveInterval);
  m_keepAliveTimer->OnTimer = [this](TObject*) { OnKeepAliveTimer(); };
  return true;
}

void LinkTransport::Close() {
  if (m_keepAliveTimer) {
    m_keepAliveTimer->SetEnabled(false);
  }
  m_worker->ClearQueue();
  m_worker->Stop(kStopLimit);
  m_keepAliveTimer.reset();
}

void LinkTransport::QueueFrame(std::vector<std::uint8_t> frame, bool forceAppend) {
  if (!IsOpen()) {
    return;
  }
  RestartKeepAlive();
  m_worker->Hand(std::move(frame), forceAppend);
}

bool LinkTransport::WaitUntilWritten(std::chrono::milliseconds limit) { return m_worker->WaitUntilWritten(limit); }

void LinkTransport::LetFramesOut(std::chrono::milliseconds limit) {
  m_worker->DropReplies();
  m_worker->WaitUntilWritten(limit);
}

void LinkTransport::SendBytes(const std::uint8_t* bytes, std::size_t length) {
  QueueFrame(std::vector<std::uint8_t>(bytes, bytes + length), false);
}

void LinkTransport::SendFrame(const std::vector<std::uint8_t>& frame) { QueueFrame(frame, false); }

void LinkTransport::PostError(int code, int argument) { m_worker->PostError(code, argument); }

void LinkTransport::SetTimeout(int milliseconds) { m_worker->SetReplyTimeout(milliseconds); }

int LinkTransport::ReplyTimeout() const { return m_worker->ReplyTimeout(); }

void LinkTransport::SetRetryCount(int count) { m_worker->SetRetryCount(count); }

int LinkTransport::RetryCount() const { return m_worker->RetryCount(); }

bool LinkTransport::IsOpen() const { return m_worker->IsRunning(); }

bool LinkTransport::IsIdle() const { return m_worker->IsIdle(); }

LinkFrameCount LinkTransport::FrameCount() const { return m_worker->FrameCount(); }

void LinkTransport::OnKeepAliveTimer() {
  if (m_keepAliveSuppressed || !m_worker->IsIdle()) {
    return;
  }
  SetTimeout(m_keepAliveTimeout);
  const LCmd keepAlive(static_cast<std::uint8_t>(m_unitId), CMD_KEEP_ALIVE);
  QueueFrame(SerializeCommand(keepAlive, SERIALIZE_FRAME), false);
}

void LinkTransport::RestartKeepAlive() {
  if (m_keepAliveTimer) {
    m_keepAliveTimer->SetEnabled(false);
    m_keepAliveTimer->SetEnabled(true);
  }
}
