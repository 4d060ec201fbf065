#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tools/unitsim/SimFaults.h"
#include "tools/unitsim/SimFrame.h"
#include "tools/unitsim/SimLink.h"
#include "tools/unitsim/SimUnitState.h"

struct sockaddr_in;
class SimHidDevice;
class SimPtyPort;
class SimTcpServer;
class SimUdpPorts;

/// Which front ends a simulator opens, and how the unit behaves on them.
struct UnitSimOptions {
  bool pty = false;
  bool tcp = false;
  std::string tcpAddress = "127.0.0.1";
  std::uint16_t tcpPort = 9761;  ///< 0 picks a free port
  bool udp = false;
  std::uint16_t udpFramePort = 39030;    ///< 0 picks a free port
  std::uint16_t udpDiscoveryPort = 30303;  ///< 0 picks a free port
  std::string multicastGroup = "239.254.50.123";
  /// Sender address of the unit's datagrams (e.g. 127.0.0.20); empty: the system's choice.
  std::string udpSourceAddress;
  /// Answer command frames that arrive by UDP too (off: they are recorded only).
  bool answerUdpFrames = false;
  /// The datagram that answers a discovery probe; never a frame of valid length.
  std::vector<std::uint8_t> discoveryAnswer{'K', 'R', 'V', '-', '7', '1'};
  bool hid = false;
  std::size_t hidInputReportLength = 64;
  /// Leave frames addressed to another unit id (frame byte 3) unanswered.
  bool ignoreOtherUnitIds = false;
};

/// TCP and UDP on, every port chosen free: the simulator as a test reaches
/// it over loopback.
inline UnitSimOptions NetworkOptionsOnFreePorts() {
  UnitSimOptions options;
  options.tcp = true;
  options.tcpPort = 0;
  options.udp = true;
  options.udpFramePort = 0;
  options.udpDiscoveryPort = 0;
  return options;
}

/// One frame the simulator received, as it arrived.
struct SimReceivedFrame {
  SimLink link = SimLink::Pty;
  SimFrame frame;  ///< unit id = frame byte 3
  std::vector<std::uint8_t> raw;
  std::size_t reportLength = 0;  ///< HID only: the output report's length
  std::chrono::steady_clock::time_point at;  ///< when it was complete
};

/// A stand-in KRV-71 for tests: answers the unit's protocol over a
/// pseudo-terminal, TCP, UDP and a fake HID device, with injectable faults.
///
/// Start opens the chosen front ends on the calling thread (so their paths
/// and ports are known when it returns) and runs the simulator on a thread of
/// its own, which waits with poll() on the front ends and an eventfd. Stop
/// (also run by the destructor) is bounded and idempotent. Every public
/// function may be called from any thread; state accessors return copies.
class UnitSim {
 public:
  explicit UnitSim(UnitSimOptions options = {});
  ~UnitSim();
  UnitSim(const UnitSim&) = delete;
  UnitSim& operator=(const UnitSim&) = delete;

  /// Opens the front ends and starts the thread; false with `LastError`.
  bool Start();
  void Stop();
  bool IsRunning() const { return m_running.load(); }
  std::string LastError() const;

  // Links.
  std::string PtyPath() const;
  std::uint16_t TcpPort() const;
  std::uint16_t UdpFramePort() const;
  std::uint16_t UdpDiscoveryPort() const;
  /// The editor's end of the fake HID device; the caller owns it. -1 once taken.
  int TakeHidPeer();
  /// Drops a link as a broken cable or an unplugged unit would: closes the
  /// pty master, every TCP connection (the server keeps listening) or the
  /// HID socket. Returns once done.
  void DropLink(SimLink link);
  /// Opens the pty (a new slave path) or the HID device (a new peer) again;
  /// false with `LastError` for the other links or a failure.
  bool ReopenLink(SimLink link);

  // Faults.
  void AddFault(const SimFault& fault);
  void ClearFaults();
  /// A fault added is still waiting for its command.
  bool FaultsPending() const;

  // The unit's state.
  SimUnitState State() const;
  /// Runs `change` on the state under the simulator's lock; `change` must not call this object.
  void ModifyState(const std::function<void(SimUnitState&)>& change);
  SimImage Image() const;
  SimFirArea FirArea(int area) const;
  void SetUnitId(std::uint8_t id);
  void SetIdentity(const std::string& identity);
  /// Fills a FIR area with the given tap count per channel (0 = identity).
  void SetFirTaps(int area, const std::array<int, 9>& taps);
  /// Stores `image` as preset n (1-30) and marks it used; its name is image bytes 2-15.
  void SetPreset(int preset, const SimImage& image);

  // What happened.
  std::vector<SimReceivedFrame> ReceivedFrames() const;
  /// Forgets the frames received so far (the counters of replies stay).
  void ClearReceivedFrames();
  /// Frames received with this code (any code when nullopt).
  std::size_t ReceivedCount(std::optional<std::uint8_t> code = std::nullopt) const;
  /// Replies written (each copy counts; a split reply counts once).
  std::size_t RepliesSent() const;
  /// Frames the assemblers refused (bad markers or checksum), all links.
  std::size_t RejectedCount() const;
  /// Discovery probes answered (multicast frames and broadcast texts).
  std::size_t DiscoveryProbeCount() const;
  /// Waits until `condition` holds, re-testing it whenever the simulator
  /// receives, answers or drops something; false after `timeout`.
  /// `condition` may call this object's accessors.
  bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) const;
  /// Waits until `count` frames with `code` have arrived.
  bool WaitForFrames(std::uint8_t code, std::size_t count, std::chrono::milliseconds timeout) const;

 private:
  struct Origin;
  struct PendingWrite;

  void Run();
  void RunOnLoop(const std::function<void()>& task);
  void RunRequests();
  bool OpenFrontEnds(std::string& error);
  void CloseFrontEnds();
  bool OpenHid(std::string& error);
  void ServiceUdp(int fd, bool discoveryPort);
  void ServiceHid();
  void Dispatch(const Origin& origin, const std::vector<std::uint8_t>& raw, std::size_t reportLength = 0);
  void AnswerDiscovery(const Origin& origin);
  void CountRejected(std::size_t count);
  void Answer(const Origin& origin, const SimFrame& reply, const SimFault& fault);
  void Write(const Origin& origin, const std::vector<std::uint8_t>& bytes, std::size_t replies);
  void FlushPendingWrites();
  int PollTimeout() const;
  void DropLinkNow(SimLink link);
  /// Wakes every waiter; the caller holds m_mutex.
  void Touch();

  const UnitSimOptions m_options;
  SimFaultSet m_faults;

  mutable std::mutex m_mutex;
  SimUnitState m_state;                          // guards: m_mutex
  std::vector<SimReceivedFrame> m_received;      // guards: m_mutex
  std::size_t m_repliesSent = 0;                 // guards: m_mutex
  std::size_t m_rejected = 0;                    // guards: m_mutex
  std::size_t m_discoveryProbes = 0;             // guards: m_mutex
  std::uint64_t m_generation = 0;                // guards: m_mutex
  std::string m_lastError;                       // guards: m_mutex
  std::string m_ptyPath;                         // guards: m_mutex
  mutable std::condition_variable m_changed;

  std::mutex m_requestMutex;
  std::vector<std::function<void()>> m_requests;  // guards: m_requestMutex
  bool m_loopAlive = false;                       // guards: m_requestMutex

  // Owned by the simulator's thread while it runs.
  std::unique_ptr<SimPtyPort> m_pty;
  std::unique_ptr<SimTcpServer> m_tcp;
  std::unique_ptr<SimUdpPorts> m_udp;
  std::unique_ptr<SimHidDevice> m_hid;
  std::vector<PendingWrite> m_pending;

  std::atomic<int> m_hidPeer{-1};
  std::atomic<std::uint16_t> m_tcpPort{0};
  std::atomic<std::uint16_t> m_udpFramePort{0};
  std::atomic<std::uint16_t> m_udpDiscoveryPort{0};
  int m_wakeFd = -1;
  std::atomic<bool> m_running{false};
  std::atomic<bool> m_stopRequested{false};
  std::jthread m_thread;
};
