#include "tools/unitsim/UnitSim.h"

#include <future>
#include <netinet/in.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include "tools/unitsim/SimHidDevice.h"
#include "tools/unitsim/SimPtyPort.h"
#include "tools/unitsim/SimTcpServer.h"
#include "tools/unitsim/SimUdpPorts.h"
#include "tools/unitsim/UnitSimLoopTypes.h"

UnitSim::UnitSim(UnitSimOptions options)
    : m_options(std::move(options)),
      m_pty(std::make_unique<SimPtyPort>()),
      m_tcp(std::make_unique<SimTcpServer>()),
      m_udp(std::make_unique<SimUdpPorts>()),
      m_hid(std::make_unique<SimHidDevice>()) {}

UnitSim::~UnitSim() {
  Stop();
  const int peer = m_hidPeer.exchange(-1);
  if (peer >= 0) {
    ::close(peer);
  }
}

std::string UnitSim::LastError() const {
  std::scoped_lock lock(m_mutex);
  return m_lastError;
}

bool UnitSim::OpenHid(std::string& error) {
  int peer = -1;
  if (!m_hid->Create(m_options.hidInputReportLength, peer, error)) {
    return false;
  }
  const int old = m_hidPeer.exchange(peer);
  if (old >= 0) {
    ::close(old);
  }
  return true;
}

bool UnitSim::OpenFrontEnds(std::string& error) {
  if (m_options.pty) {
    if (!m_pty->Open(error)) {
      return false;
    }
    std::scoped_lock lock(m_mutex);
    m_ptyPath = m_pty->SlavePath();
  }
  if (m_options.tcp) {
    if (!m_tcp->Listen(m_options.tcpAddress, m_options.tcpPort, error)) {
      return false;
    }
    m_tcpPort = m_tcp->Port();
  }
  if (m_options.udp) {
    if (!m_udp->Open(m_options.udpFramePort, m_options.udpDiscoveryPort, m_options.multicastGroup,
                     m_options.udpSourceAddress, error)) {
      return false;
    }
    m_udpFramePort = m_udp->FramePort();
    m_udpDiscoveryPort = m_udp->DiscoveryPort();
  }
  return !m_options.hid || OpenHid(error);
}

void UnitSim::CloseFrontEnds() {
  m_pty->Close();
  m_tcp->Close();
  m_udp->Close();
  m_hid->Close();
  m_pending.clear();
}

bool UnitSim::Start() {
  if (m_running) {
    return true;
  }
  std::string error;
  m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (m_wakeFd < 0 || !OpenFrontEnds(error)) {
    CloseFrontEnds();
    if (m_wakeFd >= 0) {
      ::close(m_wakeFd);
      m_wakeFd = -1;
    }
    std::scoped_lock lock(m_mutex);
    m_lastError = error.empty() ? "eventfd failed" : error;
    return false;
  }
  m_stopRequested = false;
  {
    std::scoped_lock lock(m_requestMutex);
    m_loopAlive = true;
  }
  m_running = true;
  m_thread = std::jthread([this] { Run(); });
  return true;
}

void UnitSim::Stop() {
  if (!m_running) {
    return;
  }
  m_stopRequested = true;
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = ::write(m_wakeFd, &one, sizeof one);
  if (m_thread.joinable()) {
    m_thread.join();
  }
  std::scoped_lock lock(m_requestMutex);
  CloseFrontEnds();
  ::close(m_wakeFd);
  m_wakeFd = -1;
  m_running = false;
}

void UnitSim::RunOnLoop(const std::function<void()>& task) {
  auto done = std::make_shared<std::promise<void>>();
  std::future<void> finished = done->get_future();
  {
    std::scoped_lock lock(m_requestMutex);
    if (!m_loopAlive) {
      task();
      return;
    }
    m_requests.push_back([task, done] {
      task();
      done->set_value();
    });
  }
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = ::write(m_wakeFd, &one, sizeof one);
  finished.wait_for(std::chrono::seconds(5));
}

void UnitSim::RunRequests() {
  std::vector<std::function<void()>> requests;
  {
    std::scoped_lock lock(m_requestMutex);
    requests.swap(m_requests);
  }
  for (const auto& request : requests) {
    request();
  }
}

std::string UnitSim::PtyPath() const {
  std::scoped_lock lock(m_mutex);
  return m_ptyPath;
}

std::uint16_t UnitSim::TcpPort() const { return m_tcpPort; }
std::uint16_t UnitSim::UdpFramePort() const { return m_udpFramePort; }
std::uint16_t UnitSim::UdpDiscoveryPort() const { return m_udpDiscoveryPort; }
int UnitSim::TakeHidPeer() { return m_hidPeer.exchange(-1); }

void UnitSim::DropLink(SimLink link) {
  RunOnLoop([this, link] { DropLinkNow(link); });
}

bool UnitSim::ReopenLink(SimLink link) {
  // Shared with the task, which outlives this call if the loop is slow to take it.
  auto reopened = std::make_shared<bool>(false);  // guards: m_mutex
  RunOnLoop([this, link, reopened] {
    std::string error;
    bool ok = false;
    if (link == SimLink::Pty) {
      ok = m_pty->Open(error);
    } else if (link == SimLink::Hid) {
      ok = OpenHid(error);
    } else {
      error = "only the pty and the HID device can be reopened";
    }
    std::scoped_lock lock(m_mutex);
    *reopened = ok;
    if (link == SimLink::Pty) {
      m_ptyPath = ok ? m_pty->SlavePath() : std::string();
    }
    if (!ok) {
      m_lastError = error;
    }
    Touch();
  });
  std::scoped_lock lock(m_mutex);
  return *reopened;
}

void UnitSim::AddFault(const SimFault& fault) { m_faults.Add(fault); }
void UnitSim::ClearFaults() { m_faults.Clear(); }
bool UnitSim::FaultsPending() const { return !m_faults.Empty(); }

SimUnitState UnitSim::State() const {
  std::scoped_lock lock(m_mutex);
  return m_state;
}

void UnitSim::ModifyState(const std::function<void(SimUnitState&)>& change) {
  std::scoped_lock lock(m_mutex);
  change(m_state);
}

SimImage UnitSim::Image() const {
  std::scoped_lock lock(m_mutex);
  return m_state.image;
}

SimFirArea UnitSim::FirArea(int area) const {
  std::scoped_lock lock(m_mutex);
  return area >= 0 && area <= SimUnitState::kPresets ? m_state.firAreas[static_cast<std::size_t>(area)]
                                                     : SimFirArea();
}

void UnitSim::SetUnitId(std::uint8_t id) {
  ModifyState([id](SimUnitState& s) { s.unitId = id; });
}

void UnitSim::SetIdentity(const std::string& identity) {
  ModifyState([&identity](SimUnitState& s) { s.identity = identity; });
}

void UnitSim::SetFirTaps(int area, const std::array<int, 9>& taps) {
  ModifyState([&](SimUnitState& s) {
    if (area < 0 || area > SimUnitState::kPresets) {
      return;
    }
    for (int c = 0; c < 9; ++c) {
      s.firAreas[static_cast<std::size_t>(area)].FillChannel(c, taps[static_cast<std::size_t>(c)]);
    }
  });
}

void UnitSim::SetPreset(int preset, const SimImage& image) {
  ModifyState([&](SimUnitState& s) {
    if (preset < 1 || preset > SimUnitState::kPresets) {
      return;
    }
    s.presets[static_cast<std::size_t>(preset - 1)] = image;
    s.presets[static_cast<std::size_t>(preset - 1)][0] = 0xFF;
    s.slotTable[static_cast<std::size_t>(preset)] = 0xFF;
  });
}

std::vector<SimReceivedFrame> UnitSim::ReceivedFrames() const {
  std::scoped_lock lock(m_mutex);
  return m_received;
}

void UnitSim::ClearReceivedFrames() {
  std::scoped_lock lock(m_mutex);
  m_received.clear();
  Touch();
}

std::size_t UnitSim::ReceivedCount(std::optional<std::uint8_t> code) const {
  std::scoped_lock lock(m_mutex);
  std::size_t count = 0;
  for (const SimReceivedFrame& r : m_received) {
    count += !code || r.frame.code == *code ? 1 : 0;
  }
  return count;
}

std::size_t UnitSim::RepliesSent() const {
  std::scoped_lock lock(m_mutex);
  return m_repliesSent;
}

std::size_t UnitSim::RejectedCount() const {
  std::scoped_lock lock(m_mutex);
  return m_rejected;
}

std::size_t UnitSim::DiscoveryProbeCount() const {
  std::scoped_lock lock(m_mutex);
  return m_discoveryProbes;
}

bool UnitSim::WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) const {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::unique_lock lock(m_mutex);
  while (true) {
    const std::uint64_t seen = m_generation;
    lock.unlock();
    const bool holds = condition();
    lock.lock();
    if (holds) {
      return true;
    }
    if (!m_changed.wait_until(lock, deadline, [&] { return m_generation != seen; })) {
      return false;
    }
  }
}

bool UnitSim::WaitForFrames(std::uint8_t code, std::size_t count, std::chrono::milliseconds timeout) const {
  return WaitUntil([&] { return ReceivedCount(code) >= count; }, timeout);
}

void UnitSim::Touch() {
  ++m_generation;
  m_changed.notify_all();
}
