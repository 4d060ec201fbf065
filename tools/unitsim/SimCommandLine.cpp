#include "tools/unitsim/SimCommandLine.h"

#include <charconv>
#include <functional>
#include <map>
#include <set>

namespace {

bool ParseNumber(const std::string& text, long min, long max, long& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && value >= min && value <= max;
}

// "CODE" or "CODE:VALUE"; CODE is a command code 0-255 or "all".
bool ParseCodeArgument(const std::string& text, bool needsValue, long valueMax, SimFault& fault, long& value) {
  const std::size_t colon = text.find(':');
  if (needsValue != (colon != std::string::npos)) {
    return false;
  }
  const std::string code = text.substr(0, colon);
  if (code != "all") {
    long number = 0;
    if (!ParseNumber(code, 0, 255, number)) {
      return false;
    }
    fault.code = static_cast<std::uint8_t>(number);
  }
  return !needsValue || ParseNumber(text.substr(colon + 1), 0, valueMax, value);
}

template <std::size_t N>
bool ParseList(const std::string& text, long max, std::array<int, N>& out) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < N; ++i) {
    const std::size_t comma = text.find(',', start);
    if ((i + 1 < N) == (comma == std::string::npos)) {
      return false;
    }
    long value = 0;
    if (!ParseNumber(text.substr(start, comma - start), 0, max, value)) {
      return false;
    }
    out[i] = static_cast<int>(value);
    start = comma + 1;
  }
  return true;
}

// Noise that is no frame: no start marker, but end markers, a stray DLE and
// bytes of every kind, repeated to the length asked for.
std::vector<std::uint8_t> GarbageBytes(std::size_t count) {
  static const std::uint8_t kPattern[] = {0xFF, 0x00, 0x10, 0x03, 0x55, 0x10, 0x10, 0xAA, 0x02, 0x7E};
  std::vector<std::uint8_t> bytes(count);
  for (std::size_t i = 0; i < count; ++i) {
    bytes[i] = kPattern[i % sizeof kPattern];
  }
  return bytes;
}

struct FaultOption {
  bool needsValue;
  long valueMax;
  std::function<void(SimFault&, long)> apply;
};

const std::map<std::string, FaultOption>& FaultOptions() {
  static const std::map<std::string, FaultOption> options{
      {"--no-reply", {false, 0, [](SimFault& f, long) { f.noReply = true; }}},
      {"--delay", {true, 600000, [](SimFault& f, long v) { f.delay = std::chrono::milliseconds(v); }}},
      {"--wrong-id", {true, 255, [](SimFault& f, long v) { f.replyUnitId = static_cast<std::uint8_t>(v); }}},
      {"--short", {true, 255, [](SimFault& f, long v) { f.payloadLimit = static_cast<std::size_t>(v); }}},
      {"--duplicate", {true, 16, [](SimFault& f, long v) { f.duplicates = static_cast<int>(v); }}},
      {"--split", {false, 0, [](SimFault& f, long) { f.split = true; }}},
      {"--garbage", {true, 255, [](SimFault& f, long v) { f.garbage = GarbageBytes(static_cast<std::size_t>(v)); }}},
      {"--other-block", {true, 255, [](SimFault& f, long v) { f.blockShift = static_cast<int>(v); }}},
      {"--cut-drop", {true, 255, [](SimFault& f, long v) { f.cutAndDrop = static_cast<std::size_t>(v); }}},
      {"--drop-link", {false, 0, [](SimFault& f, long) { f.dropLink = true; }}},
      {"--ack-only", {false, 0, [](SimFault& f, long) { f.ackOnly = true; }}},
  };
  return options;
}

// The field an option with a text value sets; null for other options.
std::string* TextOption(const std::string& arg, SimCommandLine& line) {
  if (arg == "--tcp-address") return &line.options.tcpAddress;
  if (arg == "--multicast-group") return &line.options.multicastGroup;
  if (arg == "--udp-source") return &line.options.udpSourceAddress;
  if (arg == "--identity") return &line.identity.emplace();
  return nullptr;
}

}  // namespace

SimCommandLine ParseCommandLine(const std::vector<std::string>& args) {
  static const std::set<std::string> kValueOptions{"--tcp-address", "--multicast-group", "--udp-source",
                                                   "--identity",    "--unit-id",         "--verdict",
                                                   "--fir-taps",    "--user-lock"};
  SimCommandLine line;
  UnitSimOptions& o = line.options;
  for (std::size_t i = 0; i < args.size() && line.error.empty(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    const std::string value = hasValue ? args[i + 1] : std::string();
    long number = 0;
    const auto port = [&](std::uint16_t& target) {
      if (hasValue && ParseNumber(value, 0, 65535, number)) {
        target = static_cast<std::uint16_t>(number);
        ++i;
      } else {
        line.error = arg + " needs a port number";
      }
    };
    if (arg == "--help" || arg == "-h") {
      line.help = true;
    } else if (arg == "--pty") {
      o.pty = true;
    } else if (arg == "--tcp") {
      o.tcp = true;
    } else if (arg == "--udp") {
      o.udp = true;
    } else if (arg == "--answer-udp") {
      o.answerUdpFrames = true;
    } else if (arg == "--ignore-other-ids") {
      o.ignoreOtherUnitIds = true;
    } else if (arg == "--locked") {
      line.adminLock = true;
    } else if (arg == "--verbose") {
      line.verbose = true;
    } else if (arg == "--tcp-port") {
      port(o.tcpPort);
    } else if (arg == "--udp-port") {
      port(o.udpFramePort);
    } else if (arg == "--discovery-port") {
      port(o.udpDiscoveryPort);
    } else if (const auto text = TextOption(arg, line); text && hasValue) {
      *text = value;
      ++i;
    } else if (arg == "--unit-id" && hasValue && ParseNumber(value, 1, 250, number)) {
      line.unitId = static_cast<std::uint8_t>(number);
      ++i;
    } else if (arg == "--verdict" && hasValue && ParseNumber(value, 0, 255, number)) {
      line.verdict = static_cast<std::uint8_t>(number);
      ++i;
    } else if (arg == "--fir-taps" && hasValue && ParseList(value, 2048, line.firTaps.emplace())) {
      ++i;
    } else if (std::array<int, 3> bytes{}; arg == "--user-lock" && hasValue && ParseList(value, 255, bytes)) {
      line.userLock = std::array<std::uint8_t, 3>{static_cast<std::uint8_t>(bytes[0]),
                                                  static_cast<std::uint8_t>(bytes[1]),
                                                  static_cast<std::uint8_t>(bytes[2])};
      ++i;
    } else if (const auto it = FaultOptions().find(arg); it != FaultOptions().end()) {
      SimFault fault;
      if (!hasValue || !ParseCodeArgument(value, it->second.needsValue, it->second.valueMax, fault, number)) {
        line.error = arg + " needs " + (it->second.needsValue ? "CODE:VALUE" : "CODE") + " (CODE 0-255 or all)";
      } else {
        it->second.apply(fault, number);
        line.faults.push_back(fault);
        ++i;
      }
    } else if ((arg == "--times" || arg == "--skip") && !line.faults.empty() && hasValue &&
               ParseNumber(value, 1, 1000000, number)) {
      (arg == "--times" ? line.faults.back().times : line.faults.back().skip) = static_cast<int>(number);
      ++i;
    } else if (arg == "--times" || arg == "--skip") {
      line.error = arg + " needs a fault before it and a count of at least 1";
    } else if (kValueOptions.count(arg) != 0) {
      line.error = arg + " needs a valid value";
    } else {
      line.error = "unknown option: " + arg;
    }
  }
  if (line.error.empty() && !line.help && !o.pty && !o.tcp && !o.udp) {
    line.error = "choose at least one of --pty, --tcp, --udp";
  }
  return line;
}

void SimCommandLine::ApplyTo(UnitSim& sim) const {
  for (const SimFault& fault : faults) {
    sim.AddFault(fault);
  }
  if (firTaps) {
    sim.SetFirTaps(0, *firTaps);
  }
  sim.ModifyState([this](SimUnitState& s) {
    if (unitId) s.unitId = *unitId;
    if (identity) s.identity = *identity;
    s.lock.adminLockSet = adminLock || userLock.has_value();
    if (userLock) {
      s.lock.userLockSet = true;
      s.lock.permissions = *userLock;
    }
    s.lock.forcedVerdict = verdict;
  });
}

std::string CommandLineHelp() {
  return R"(Usage: unitsim [options]
A stand-in KRV-71 loudspeaker processor that answers the editor's protocol.
It runs until interrupted (Ctrl-C) and prints where it can be reached.

Links (at least one):
  --pty                   serial: open a pseudo-terminal and print its slave path
  --tcp                   network: listen for TCP connections
  --tcp-address ADDR      TCP listen address (default 127.0.0.1)
  --tcp-port N            TCP port (default 9761; 0 picks a free one)
  --udp                   network: unit frames on the UDP frame port, discovery
                          probes on the multicast group and the broadcast port
  --udp-port N            UDP frame port (default 39030)
  --discovery-port N      UDP port of the broadcast discovery text (default 30303)
  --multicast-group ADDR  discovery group, joined on loopback (default 239.254.50.123)
  --udp-source ADDR       send the unit's datagrams from this loopback address
  --answer-udp            also answer command frames that arrive by UDP

The unit:
  --unit-id N             unit id 1-250 put into byte 2 of every reply (default 1)
  --identity TEXT         identity reply text (default "KRV-71 V010")
  --fir-taps T0,...,T8    FIR taps of the current setting per channel (0 = none)
  --locked                administrator lock set (password 8531)
  --user-lock B0,B1,B2    user panel lock set (password 2947) with these permission bytes
  --verdict N             answer every password with this verdict (0 wrong, 1 full, 2 restricted)
  --ignore-other-ids      leave frames addressed to another unit id unanswered

Faults (CODE is a command code 0-255, or all):
  --no-reply CODE         send no reply
  --delay CODE:MS         reply after MS milliseconds
  --wrong-id CODE:ID      put ID into byte 2 of the reply
  --short CODE:N          cut the reply's payload to N bytes
  --duplicate CODE:N      send the reply N more times
  --split CODE            write the reply (pty, TCP) in pieces of at most 5 bytes
  --garbage CODE:N        write N bytes of noise that is no frame before the reply
  --other-block CODE:N    answer as for the block (or index) N further on
  --drop-link CODE        close the link instead of replying
  --cut-drop CODE:N       write the first N bytes of the reply, then close the link
  --ack-only CODE         answer with a bare acknowledgement instead of the reply
                          (--ack-only 45: a password that never gets a verdict)
  --times N               the fault before applies to N commands only
  --skip N                the fault before passes over N commands first
                          (--duplicate 52:1 --skip 2 --times 1: the third 52 twice)

Other:
  --verbose               print every frame received
  --help                  this text
)";
}
