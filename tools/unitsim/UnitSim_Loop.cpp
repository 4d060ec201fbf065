#include "tools/unitsim/UnitSim.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

#include "tools/unitsim/SimCodes.h"
#include "tools/unitsim/SimEngine.h"
#include "tools/unitsim/SimHidDevice.h"
#include "tools/unitsim/SimPtyPort.h"
#include "tools/unitsim/SimTcpServer.h"
#include "tools/unitsim/SimUdpPorts.h"
#include "tools/unitsim/UnitSimLoopTypes.h"

namespace {

using Clock = std::chrono::steady_clock;

const char kDiscoveryText[] = "Discovery: Who is out there?";

bool Readable(const pollfd& p) { return (p.revents & (POLLIN | POLLHUP | POLLERR)) != 0; }

// Relabels a block reply as the reply for block + shift: the FIR block's
// big-endian number at bytes 1-2, the index in byte 0 of the others.
void ShiftBlock(std::uint8_t code, int shift, std::vector<std::uint8_t>& payload) {
  if (code == SimCode::kReadFirBlock && payload.size() >= 3) {
    const int block = (payload[1] << 8 | payload[2]) + shift;
    payload[1] = static_cast<std::uint8_t>(block >> 8);
    payload[2] = static_cast<std::uint8_t>(block);
  } else if ((code == SimCode::kImageBlockReply || code == SimCode::kReadPresetBlock ||
              code == SimCode::kReadPresetName || code == SimCode::kDownload) &&
             !payload.empty()) {
    payload[0] = static_cast<std::uint8_t>(payload[0] + shift);
  }
}

}  // namespace

void UnitSim::Run() {
  while (!m_stopRequested) {
    std::vector<pollfd> fds{{m_wakeFd, POLLIN, 0}};
    const auto add = [&fds](int fd) {
      fds.push_back({fd, POLLIN, 0});
      return fds.size() - 1;
    };
    const std::size_t none = static_cast<std::size_t>(-1);
    const std::size_t pty = m_pty->IsOpen() ? add(m_pty->Fd()) : none;
    const std::size_t listen = m_tcp->IsOpen() ? add(m_tcp->ListenFd()) : none;
    std::vector<std::pair<int, std::size_t>> connections;
    for (const SimTcpServer::Connection& c : m_tcp->Connections()) {
      connections.emplace_back(c.id, add(c.fd.Get()));
    }
    const std::size_t udpFrame = m_udp->IsOpen() ? add(m_udp->FrameFd()) : none;
    const std::size_t udpDiscovery = m_udp->IsOpen() ? add(m_udp->DiscoveryFd()) : none;
    const std::size_t hid = m_hid->IsOpen() ? add(m_hid->Fd()) : none;

    if (::poll(fds.data(), fds.size(), PollTimeout()) < 0 && errno != EINTR) {
      break;
    }
    if (fds[0].revents & POLLIN) {
      std::uint64_t count = 0;
      [[maybe_unused]] const ssize_t n = ::read(m_wakeFd, &count, sizeof count);
      RunRequests();
    }
    if (m_stopRequested) {
      break;
    }
    if (pty != none && Readable(fds[pty]) && m_pty->IsOpen()) {
      std::vector<std::vector<std::uint8_t>> frames;
      std::size_t rejected = 0;
      const bool ok = m_pty->Read(frames, rejected);
      CountRejected(rejected);
      for (const auto& frame : frames) {
        Dispatch(Origin{SimLink::Pty}, frame);
      }
      if (!ok) {
        DropLinkNow(SimLink::Pty);
      }
    }
    if (listen != none && Readable(fds[listen])) {
      m_tcp->Accept();
    }
    for (const auto& [id, index] : connections) {
      if (!Readable(fds[index])) {
        continue;
      }
      auto& list = m_tcp->Connections();
      const auto it = std::find_if(list.begin(), list.end(), [id = id](const auto& c) { return c.id == id; });
      if (it == list.end()) {
        continue;
      }
      std::vector<std::vector<std::uint8_t>> frames;
      std::size_t rejected = 0;
      const bool ok = m_tcp->Read(*it, frames, rejected);
      CountRejected(rejected);
      for (const auto& frame : frames) {
        Origin origin{SimLink::Tcp};
        origin.connectionId = id;
        Dispatch(origin, frame);
      }
      if (!ok) {
        m_tcp->CloseConnection(id);
      }
    }
    if (udpFrame != none && Readable(fds[udpFrame]) && m_udp->IsOpen()) {
      ServiceUdp(m_udp->FrameFd(), false);
    }
    if (udpDiscovery != none && Readable(fds[udpDiscovery]) && m_udp->IsOpen()) {
      ServiceUdp(m_udp->DiscoveryFd(), true);
    }
    if (hid != none && Readable(fds[hid]) && m_hid->IsOpen()) {
      ServiceHid();
    }
    FlushPendingWrites();
  }
  std::scoped_lock lock(m_requestMutex);
  m_loopAlive = false;
  for (const auto& request : m_requests) {
    request();
  }
  m_requests.clear();
}

void UnitSim::ServiceUdp(int fd, bool discoveryPort) {
  std::vector<std::uint8_t> data;
  sockaddr_in from{};
  while (SimUdpPorts::Receive(fd, data, from)) {
    Origin origin{SimLink::Udp};
    origin.udpFd = fd;
    origin.peer = from;
    if (discoveryPort) {
      if (data.size() == sizeof kDiscoveryText &&
          std::equal(data.begin(), data.end(), reinterpret_cast<const std::uint8_t*>(kDiscoveryText))) {
        AnswerDiscovery(origin);
      }
      continue;
    }
    Dispatch(origin, data);
  }
}

void UnitSim::AnswerDiscovery(const Origin& origin) {
  m_udp->SendTo(origin.udpFd, m_options.discoveryAnswer, origin.peer);
  std::scoped_lock lock(m_mutex);
  ++m_discoveryProbes;
  Touch();
}

void UnitSim::CountRejected(std::size_t count) {
  if (count == 0) {
    return;
  }
  std::scoped_lock lock(m_mutex);
  m_rejected += count;
  Touch();
}

void UnitSim::ServiceHid() {
  std::vector<std::uint8_t> frame;
  std::size_t reportLength = 0;
  if (!m_hid->Receive(frame, reportLength)) {
    DropLinkNow(SimLink::Hid);
    return;
  }
  if (reportLength > 0) {
    Dispatch(Origin{SimLink::Hid}, frame, reportLength);
  }
}

void UnitSim::Dispatch(const Origin& origin, const std::vector<std::uint8_t>& raw, std::size_t reportLength) {
  const std::optional<SimFrame> frame = ParseFrame(raw, SimFrameSender::Editor);
  if (!frame) {
    CountRejected(1);
    return;
  }
  std::uint8_t unitId = 0;
  {
    std::scoped_lock lock(m_mutex);
    m_received.push_back(SimReceivedFrame{origin.link, *frame, raw, reportLength, Clock::now()});
    unitId = m_state.unitId;
    Touch();
  }
  if (origin.link == SimLink::Udp) {
    if (frame->code == SimCode::kDiscovery) {
      AnswerDiscovery(origin);
      return;
    }
    if (!m_options.answerUdpFrames) {
      return;
    }
  }
  if (m_options.ignoreOtherUnitIds && frame->unitId != unitId) {
    return;
  }
  const SimFault fault = m_faults.Take(frame->code).value_or(SimFault{});
  SimFrame reply;
  {
    std::scoped_lock lock(m_mutex);
    reply = SimEngine(m_state).Handle(*frame);
  }
  if (fault.ackOnly) {
    reply.code = SimCode::kAck;
    reply.payload.clear();
  }
  if (fault.cutAndDrop) {
    const std::vector<std::uint8_t> bytes = BuildUnitFrame(reply.unitId, reply.code, reply.payload);
    Write(origin, {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(*fault.cutAndDrop, bytes.size()))},
          0);
  }
  if (fault.dropLink || fault.cutAndDrop) {
    DropLinkNow(origin.link);
    return;
  }
  if (!fault.noReply) {
    Answer(origin, reply, fault);
  }
}

void UnitSim::Answer(const Origin& origin, const SimFrame& reply, const SimFault& fault) {
  const std::uint8_t unitId = fault.replyUnitId.value_or(reply.unitId);
  std::vector<std::uint8_t> payload = reply.payload;
  if (fault.blockShift) {
    ShiftBlock(reply.code, *fault.blockShift, payload);
  }
  if (fault.payloadLimit && payload.size() > *fault.payloadLimit) {
    payload.resize(*fault.payloadLimit);
  }
  std::vector<std::uint8_t> frame = fault.garbage;
  const std::vector<std::uint8_t> built = BuildUnitFrame(unitId, reply.code, payload);
  frame.insert(frame.end(), built.begin(), built.end());
  // On a byte stream the copies go out in one write, so the peer reads them
  // together; a datagram link sends each copy as a datagram of its own.
  const bool stream = origin.link == SimLink::Pty || origin.link == SimLink::Tcp;
  const std::size_t copies = static_cast<std::size_t>(std::max(fault.duplicates, 0)) + 1;
  std::vector<std::vector<std::uint8_t>> writes;
  if (stream) {
    std::vector<std::uint8_t>& joined = writes.emplace_back();
    for (std::size_t c = 0; c < copies; ++c) {
      joined.insert(joined.end(), frame.begin(), frame.end());
    }
  } else {
    writes.assign(copies, frame);
  }
  const std::size_t repliesPerWrite = stream ? copies : 1;
  const bool split = fault.split && stream && fault.splitSize > 0;
  auto due = Clock::now() + fault.delay;
  for (const std::vector<std::uint8_t>& bytes : writes) {
    if (!split && fault.delay.count() == 0) {
      Write(origin, bytes, repliesPerWrite);
      continue;
    }
    const std::size_t piece = split ? fault.splitSize : bytes.size();
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
      const std::size_t end = std::min(at + piece, bytes.size());
      m_pending.push_back(
          PendingWrite{due, origin, {bytes.begin() + at, bytes.begin() + end}, at == 0 ? repliesPerWrite : 0});
      due += split ? fault.splitPause : std::chrono::milliseconds(0);
    }
  }
}

void UnitSim::Write(const Origin& origin, const std::vector<std::uint8_t>& bytes, std::size_t replies) {
  bool ok = false;
  switch (origin.link) {
    case SimLink::Pty:
      ok = m_pty->IsOpen() && m_pty->Write(bytes);
      break;
    case SimLink::Tcp:
      ok = m_tcp->Send(origin.connectionId, bytes.data(), bytes.size());
      break;
    case SimLink::Udp:
      ok = m_udp->IsOpen() && m_udp->SendTo(origin.udpFd, bytes, origin.peer);
      break;
    case SimLink::Hid:
      ok = m_hid->IsOpen() && m_hid->Send(bytes);
      break;
  }
  if (ok && replies > 0) {
    std::scoped_lock lock(m_mutex);
    m_repliesSent += replies;
    Touch();
  }
}

void UnitSim::FlushPendingWrites() {
  const auto now = Clock::now();
  std::stable_sort(m_pending.begin(), m_pending.end(),
                   [](const PendingWrite& a, const PendingWrite& b) { return a.due < b.due; });
  std::size_t done = 0;
  while (done < m_pending.size() && m_pending[done].due <= now) {
    Write(m_pending[done].origin, m_pending[done].bytes, m_pending[done].replies);
    ++done;
  }
  m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(done));
}

int UnitSim::PollTimeout() const {
  if (m_pending.empty()) {
    return -1;
  }
  auto earliest = m_pending.front().due;
  for (const PendingWrite& w : m_pending) {
    earliest = std::min(earliest, w.due);
  }
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(earliest - Clock::now()).count();
  return static_cast<int>(std::max<std::int64_t>(wait, 0));
}

void UnitSim::DropLinkNow(SimLink link) {
  switch (link) {
    case SimLink::Pty:
      m_pty->Close();
      break;
    case SimLink::Tcp:
      m_tcp->CloseConnections();
      break;
    case SimLink::Hid:
      m_hid->Close();
      break;
    case SimLink::Udp:
      break;
  }
  m_pending.erase(std::remove_if(m_pending.begin(), m_pending.end(),
                                 [link](const PendingWrite& w) { return w.origin.link == link; }),
                  m_pending.end());
  std::scoped_lock lock(m_mutex);
  Touch();
}
