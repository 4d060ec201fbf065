#include "tools/linksoak/SoakRun.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <fstream>
#include <functional>
#include <unistd.h>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QTemporaryDir>

#include "link/LPresetExchange.h"
#include "link/LUnitSession.h"
#include "link/LinkTransportFactory.h"
#include "link/SessionUnitHost.h"
#include "protocol/CommandCodes.h"
#include "protocol/FirBlockMap.h"
#include "protocol/FirSenders.h"
#include "protocol/LUnitControl.h"
#include "tools/linksoak/SoakWindow.h"
#include "tools/unitsim/SimFirAreaStore.h"
#include "tools/unitsim/UnitSim.h"

namespace {

using namespace std::chrono_literals;

/// Bound on one exchange with the editor's own time-outs: a store waits
/// 10 s per send, and a fault may cost all four sends.
constexpr auto kSoakExchangeLimit = 90s;
constexpr auto kSoakReadOutLimit = 120s;

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > limit.count()) {
      return false;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ::usleep(1000);
  }
  return true;
}

std::size_t ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  std::size_t size = 0;
  std::size_t resident = 0;
  statm >> size >> resident;
  return resident * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)) / 1024;
}

}  // namespace

bool SoakFigures::Passed(const SoakOptions& options) const {
  return finalImageEqual && finalFirEqual && checkMismatches == 0 && stuck == 0 &&
         rssEndKiB < rssWarmKiB + options.rssBoundKiB;
}

SoakRun::SoakRun(const SoakOptions& options) : m_options(options), m_state(options.seed * 2654435761u + 1) {}

SoakRun::~SoakRun() {
  m_exchange.reset();
  if (m_session) {
    m_session->CloseAllTransports();
  }
  m_session.reset();
}

std::uint32_t SoakRun::Random(std::uint32_t bound) {
  // xorshift64*: reproducible from the seed, independent of the library.
  m_state ^= m_state >> 12;
  m_state ^= m_state << 25;
  m_state ^= m_state >> 27;
  return static_cast<std::uint32_t>((m_state * 2685821657736338717ull) >> 32) % bound;
}

bool SoakRun::Run(SoakFigures& figures) {
  UnitSimOptions simOptions;
  simOptions.pty = true;
  m_sim = std::make_unique<UnitSim>(simOptions);
  if (!m_sim->Start()) {
    m_error = m_sim->LastError();
    return false;
  }
  m_folder = std::make_unique<QTemporaryDir>();
  m_host = std::make_unique<SessionUnitHost>();
  m_unit = std::make_unique<LUnitControl>(*m_host);
  m_window = std::make_unique<SoakWindow>();
  m_factory = std::make_unique<LinkTransportFactory>();
  m_session = std::make_unique<LUnitSession>(*m_unit, *m_window, *m_factory);
  m_exchange = std::make_unique<LPresetExchange>(*m_session, *m_unit, *m_window, *m_window);
  m_session->SetPresetExchange(m_exchange.get());
  m_host->session = m_session.get();

  QElapsedTimer clock;
  clock.start();
  Connect(figures);
  int actions = 0;
  while (clock.elapsed() < std::chrono::duration_cast<std::chrono::milliseconds>(m_options.duration).count()) {
    if (actions == m_options.warmUpActions) {
      figures.rssWarmKiB = ResidentKiB();
    }
    const std::uint32_t pick = Random(100);
    if (pick < 60) {
      Edit(figures);
    } else if (pick < 75) {
      StorePreset(figures);
    } else {
      SendFir(figures);
    }
    ++actions;
    if (actions % 25 == 0) {
      Check(figures);
    }
    figures.rssPeakKiB = std::max(figures.rssPeakKiB, ResidentKiB());
  }
  if (figures.rssWarmKiB == 0) {
    figures.rssWarmKiB = ResidentKiB();
  }
  m_sim->ClearFaults();
  if (!Settle()) {
    ++figures.stuck;
  }
  figures.finalImageEqual = ImageEqual();
  figures.finalFirEqual = FirEqual();
  figures.rssEndKiB = ResidentKiB();
  figures.linkBroken = m_window->linkBroken;
  figures.messages = m_window->messages;
  figures.elapsed = std::chrono::seconds(clock.elapsed() / 1000);
  return true;
}

void SoakRun::Connect(SoakFigures& figures) {
  const int refreshes = m_window->refreshes;
  m_session->SetComPortName(QString::fromStdString(m_sim->PtyPath()));
  m_session->OpenSerialLink();
  Expect("read-out", [&] { return m_window->refreshes > refreshes && Linked(); }, kSoakReadOutLimit, figures);
  ++figures.reconnects;
}

void SoakRun::Reconnect(SoakFigures& figures) {
  Expect("link loss", [&] { return !m_session->HasAnyTransport(); }, kSoakExchangeLimit, figures);
  m_sim->ClearFaults();
  m_sim->ReopenLink(SimLink::Pty);
  Connect(figures);
}

void SoakRun::Expect(const char* what, const std::function<bool()>& condition, std::chrono::milliseconds limit,
                     SoakFigures& figures) {
  if (WaitFor(condition, limit)) {
    return;
  }
  ++figures.stuck;
  std::fprintf(stderr, "stuck: %s (last fault: %s)\n", what, m_lastFault.c_str());
}

bool SoakRun::FaultTaken() const { return !m_sim->FaultsPending(); }

bool SoakRun::Linked() const { return m_session->IsUnitLinked() && m_session->HasAnyTransport(); }

bool SoakRun::Settle() {
  return WaitFor(
      [&] {
        return Linked() && m_session->GetProcessState() == 0 && m_session->GetBulkMode() == 0 &&
               !m_exchange->IsTransferRunning() && !m_window->progressOpen && ImageEqual() && FirEqual();
      },
      kSoakExchangeLimit);
}

bool SoakRun::ImageEqual() const {
  const SimImage image = m_sim->Image();
  const auto model = m_unit->Image().Bytes();
  return std::equal(image.begin() + 2, image.end(), model.begin() + 2);
}

bool SoakRun::FirEqual() const { return m_session->FirCoefficients() == StoreOfFirArea(m_sim->FirArea(0)); }

void SoakRun::Check(SoakFigures& figures) {
  ++figures.checks;
  if (!Settle()) {
    ++figures.checkMismatches;
  }
  // The simulator keeps every frame it receives for tests to look at; here
  // they would grow this process as if the editor did.
  m_sim->ClearReceivedFrames();
}

bool SoakRun::InjectFault(std::uint8_t code, SoakFigures& figures) {
  if (Random(100) >= 15) {
    m_lastFault = "none";
    return false;
  }
  SimFault fault;
  fault.code = code;
  fault.times = 1;
  bool ends = false;
  std::string kind;
  switch (Random(8)) {
    case 0:
      // Past one resend of the editor's reply time-out (at most 10 s here).
      fault.delay = std::chrono::milliseconds(2500 + Random(1000));
      kind = "late";
      break;
    case 1:
      fault.duplicates = 1;
      kind = "duplicate";
      break;
    case 2:
      fault.replyUnitId = 9;
      kind = "other unit id";
      break;
    case 3:
      fault.payloadLimit = Random(3);
      kind = "short payload";
      break;
    case 4:
      fault.garbage = {0xFF, 0x10, 0x03, 0x00, 0x55, 0x10, 0x10};
      kind = "garbage";
      break;
    case 5:
      fault.split = true;
      fault.splitPause = 2ms;
      kind = "split";
      break;
    case 6:
      fault.cutAndDrop = 1 + Random(8);
      kind = "closed mid-frame";
      ends = true;
      break;
    default:
      fault.dropLink = true;
      kind = "unplugged";
      ends = true;
      break;
  }
  ++figures.faults[kind];
  m_lastFault = kind + " on " + std::to_string(code);
  m_sim->AddFault(fault);
  return ends;
}

void SoakRun::Edit(SoakFigures& figures) {
  const int channel = static_cast<int>(Random(9));
  const std::uint32_t kind = Random(4);
  const std::uint8_t codes[] = {CMD_GAIN, CMD_DELAY, CMD_MUTE, CMD_POLARITY};
  const bool ends = InjectFault(codes[kind], figures);
  switch (kind) {
    case 0:
      m_unit->SetGain(channel, 100 + static_cast<int>(Random(200)));
      ++figures.actions["edit gain"];
      break;
    case 1:
      m_unit->SetDelay(channel, static_cast<int>(Random(1000)));
      ++figures.actions["edit delay"];
      break;
    case 2:
      m_unit->SetMute(channel, static_cast<int>(Random(2)));
      ++figures.actions["edit mute"];
      break;
    default:
      m_unit->SetPolarity(channel, static_cast<int>(Random(2)));
      ++figures.actions["edit polarity"];
      break;
  }
  if (ends) {
    // The unit went away with the edit: the model keeps it, the unit may not.
    // The link is made again and the unit read; the model is the unit's then.
    Reconnect(figures);
    return;
  }
  Expect("edit", [&] { return FaultTaken() && ImageEqual(); }, kSoakExchangeLimit, figures);
}

void SoakRun::StorePreset(SoakFigures& figures) {
  const int row = static_cast<int>(Random(30));
  const auto name = m_unit->Image().Bytes().subspan(2, 14);
  const bool ends = InjectFault(Random(2) == 0 ? CMD_STORE_PRESET : CMD_PRESET_NAME, figures);
  m_exchange->StorePreset(row, QByteArray(reinterpret_cast<const char*>(name.data()), 14));
  ++figures.actions["preset store"];
  if (ends) {
    Reconnect(figures);
    return;
  }
  Expect("preset store", [&] { return FaultTaken() && m_session->GetProcessState() == 0; }, kSoakExchangeLimit,
         figures);
}

void SoakRun::SendFir(SoakFigures& figures) {
  const int input = static_cast<int>(Random(FirBlockMap::kInputCount));
  const int taps = 1 + static_cast<int>(Random(150));
  FirCoefficientStore& fir = m_session->FirCoefficients();
  const int start = FirBlockMap::ChannelStart(input);
  for (int k = 0; k < FirBlockMap::ChannelTaps(input); ++k) {
    const float value = k < taps ? (static_cast<float>(Random(2001)) - 1000.0f) / 1024.0f : 0.0f;
    fir.SetWord(start + k, std::bit_cast<std::uint32_t>(value));
  }
  m_unit->SetInputFirTaps(input, taps);
  std::vector<LCmd> commands;
  AppendFirBlocks(commands, fir, m_session->GetUnitId(), input, taps);
  const bool ends = InjectFault(CMD_EXT_FIR, figures);
  for (const LCmd& command : commands) {
    m_session->SendCommand(command, true);
  }
  ++figures.actions["FIR send"];
  if (ends) {
    Reconnect(figures);
    return;
  }
  Expect("FIR send", [&] { return FaultTaken() && FirEqual() && ImageEqual(); }, kSoakExchangeLimit, figures);
}
