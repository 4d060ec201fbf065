#include <atomic>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/unitsim/SimCommandLine.h"
#include "tools/unitsim/UnitSim.h"

namespace {

std::atomic<bool> g_stop{false};

void OnSignal(int) { g_stop = true; }

void PrintFrame(const SimReceivedFrame& received) {
  static const char* const kLinks[] = {"pty", "tcp", "udp", "hid"};
  std::printf("%s R", kLinks[static_cast<int>(received.link)]);
  for (std::uint8_t byte : received.raw) {
    std::printf(" %02X", byte);
  }
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  const SimCommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (line.help) {
    std::fputs(CommandLineHelp().c_str(), stdout);
    return 0;
  }
  if (!line.error.empty()) {
    std::fprintf(stderr, "unitsim: %s (see --help)\n", line.error.c_str());
    return 2;
  }
  // Installed before the addresses are printed: whoever reads them may interrupt at once.
  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);
  UnitSim sim(line.options);
  line.ApplyTo(sim);
  if (!sim.Start()) {
    std::fprintf(stderr, "unitsim: %s\n", sim.LastError().c_str());
    return 1;
  }
  if (line.options.pty) {
    std::printf("pty: %s\n", sim.PtyPath().c_str());
  }
  if (line.options.tcp) {
    std::printf("tcp: %s:%u\n", line.options.tcpAddress.c_str(), sim.TcpPort());
  }
  if (line.options.udp) {
    std::printf("udp: frames on port %u, discovery text on port %u, group %s\n", sim.UdpFramePort(),
                sim.UdpDiscoveryPort(), line.options.multicastGroup.c_str());
  }
  std::fflush(stdout);

  std::size_t printed = 0;
  while (!g_stop) {
    sim.WaitUntil([&] { return g_stop || sim.ReceivedCount() > printed; }, std::chrono::milliseconds(200));
    if (line.verbose) {
      const std::vector<SimReceivedFrame> frames = sim.ReceivedFrames();
      for (; printed < frames.size(); ++printed) {
        PrintFrame(frames[printed]);
      }
      std::fflush(stdout);
    }
  }
  sim.Stop();
  return 0;
}
