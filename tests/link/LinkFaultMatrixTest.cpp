#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "link/LPresetExchange.h"
#include "link/LUnitSession.h"
#include "link/LinkTransportFactory.h"
#include "link/NetworkGlue.h"
#include "link/SessionUnitHost.h"
#include "platform/io/HostAddresses.h"
#include "protocol/CommandCodes.h"
#include "protocol/FirSection.h"
#include "protocol/FirSenders.h"
#include "protocol/LUnitControl.h"
#include "protocol/SettingFile.h"
#include "protocol/UnitFile.h"
#include "tests/link/ClampedTimeoutFactory.h"
#include "tests/link/RecordingNetworkView.h"
#include "tests/link/RecordingPresetWindow.h"
#include "tests/protocol/ImageFirSettings.h"
#include "tests/protocol/RecordingUnitHost.h"
#include "tests/support/NetworkConfinement.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/SimFirAreaStore.h"
#include "tools/unitsim/SimUnitImage.h"
#include "tools/unitsim/UnitSim.h"

namespace {

using namespace std::chrono_literals;

/// Every reply time-out of the editor is cut to this, so that a fault past
/// every resend ends in seconds (a recall waits 50 s per send). It stays
/// above the 2 s keep-alive interval, so that an idle link's keep-alive may
/// take the place of a resend as it does with the editor's own values.
constexpr int kMatrixTimeoutMs = 2500;
/// Bound on any one wait of a row: time-outs of 5 s (the network keep-alive)
/// times four sends and room for a loaded machine.
constexpr auto kMatrixLimit = 90s;

enum class MatrixLink { Pty, Tcp };

enum class MatrixPhase {
  Handshake,    ///< hello, identity, lock status
  ReadOut,      ///< directory, names, FIR blocks, image blocks
  Edit,         ///< one parameter
  Store,        ///< name and store of a preset
  Recall,       ///< recall and read-back
  SettingFile,  ///< a setting file loaded into the unit
  Upload,       ///< every used preset into a unit file
  Download,     ///< a unit file into the unit, then its restart
  FirSend,      ///< coefficients of one channel
};

enum class MatrixFault {
  NoReply,         ///< never answered, nor any resend
  LatePastOne,     ///< answered after one time-out: the resend is answered too
  LatePastEvery,   ///< every answer comes after the link gave up
  OtherUnitId,     ///< one reply with another unit's id
  ShortPayload,    ///< one reply cut to ten payload bytes: its block named, its data short
  Duplicate,       ///< a few replies sent twice in one write
  OtherBlock,      ///< one reply labelled as the next block's
  Split,           ///< a few replies in pieces of 5 bytes, one read each
  Garbage,         ///< noise before a few replies
  ClosedMidFrame,  ///< seven bytes of the reply, then the link closes
  Unplugged,       ///< the link closes instead of the reply
};

enum class MatrixOutcome {
  Completes,   ///< the exchange ends as without the fault, the link stays up
  Disconnects, ///< the link ends with its message, nothing claimed as done
};

struct MatrixRow {
  const char* name;
  MatrixLink link;
  MatrixPhase phase;
  std::uint8_t code;  ///< the command whose replies are faulty
  int skip;           ///< its commands answered well first
  MatrixFault fault;
  MatrixOutcome outcome;
};

void PrintTo(const MatrixRow& row, std::ostream* os) { *os << row.name; }

SimFault ToSimFault(const MatrixRow& row) {
  SimFault f;
  f.code = row.code;
  f.skip = row.skip;
  f.times = 1;
  switch (row.fault) {
    case MatrixFault::NoReply:
      f.noReply = true;
      f.times = -1;
      break;
    case MatrixFault::LatePastOne:
      f.delay = std::chrono::milliseconds(kMatrixTimeoutMs * 3 / 2);
      break;
    case MatrixFault::LatePastEvery:
      f.delay = 30s;
      f.times = -1;
      break;
    case MatrixFault::OtherUnitId:
      f.replyUnitId = 9;
      break;
    case MatrixFault::ShortPayload:
      f.payloadLimit = 10;
      break;
    case MatrixFault::Duplicate:
      f.duplicates = 1;
      f.times = 3;
      break;
    case MatrixFault::OtherBlock:
      f.blockShift = 1;
      break;
    case MatrixFault::Split:
      f.split = true;
      f.splitPause = 5ms;
      f.times = 3;
      break;
    case MatrixFault::Garbage:
      f.garbage = {0xFF, 0x00, 0x10, 0x03, 0x55, 0x10, 0x10, 0xAA, 0x02, 0x7E, 0x03, 0x10};
      f.times = 3;
      break;
    case MatrixFault::ClosedMidFrame:
      f.cutAndDrop = 7;
      break;
    case MatrixFault::Unplugged:
      f.dropLink = true;
      break;
  }
  return f;
}

/// Whether a progress window is still up: the last show after the last close.
bool MatrixProgressShown(const RecordingLinkWindow& window) {
  for (auto line = window.calls.rbegin(); line != window.calls.rend(); ++line) {
    if (*line == "CloseProgress") return false;
    if (*line == "ShowProgressModal" || *line == "ShowProgressModeless") return true;
  }
  return false;
}

QByteArray MatrixBytes(const std::vector<std::uint8_t>& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

/// The editor's session, preset exchange and unit model over the real
/// serial and network transports, against one simulated unit that has
/// preset 2 stored with coefficients on InA and a 100-tap InA in its
/// current setting. Files live in a folder of their own.
class LinkFaultMatrixTest : public ::testing::TestWithParam<MatrixRow> {
protected:
  void SetUp() override {
    ASSERT_TRUE(RequireLoopbackOnly());
    ASSERT_TRUE(folder.isValid());
    HostAddresses::SetHook([] { return std::vector<std::uint32_t>{kLoopback}; });
    host.session = &session;
    session.SetPresetExchange(&exchange);
    UnitSimOptions options = NetworkOptionsOnFreePorts();
    options.pty = true;
    options.udpSourceAddress = "127.0.0.1";
    sim = std::make_unique<UnitSim>(options);
    ASSERT_TRUE(sim->Start()) << sim->LastError();
    sim->SetFirTaps(0, {100, 0, 0, 0, 0, 0, 0, 0, 0});
    SimImage preset = MakeDefaultImage();
    std::copy_n("Stored 2", 8, preset.begin() + 2);
    sim->SetPreset(2, preset);
    sim->SetFirTaps(2, {40, 0, 0, 0, 0, 0, 0, 0, 0});
    // Names in most blocks of the image, so that a block read into the
    // wrong place shows.
    sim->ModifyState([](SimUnitState& state) {
      state.image[300] = 0x5A;
      for (int channel = 0; channel < UnitImage::kChannelCount; ++channel) {
        const std::string name = "Ch " + std::to_string(channel) + " fm";
        std::copy(name.begin(), name.end(), state.image.begin() + UnitImage::ChannelRecord(channel));
        std::copy(name.begin(), name.end(), state.image.begin() + UnitImage::kFirNames + 8 * channel);
      }
    });
    NetworkEndpoints endpoints;
    endpoints.tcpPort = sim->TcpPort();
    endpoints.framePort = sim->UdpFramePort();
    endpoints.broadcastPort = sim->UdpDiscoveryPort();
    endpoints.defaultUnitAddress = kLoopback;
    glue = std::make_unique<NetworkGlue>(endpoints, view);
    factory.SetNetworkPort(glue->Port());
  }

  void TearDown() override {
    session.CloseAllTransports();
    HostAddresses::SetHook({});
  }

  /// Opens the row's link; the read-out runs from there.
  void Open() {
    if (GetParam().link == MatrixLink::Pty) {
      session.SetComPortName(QString::fromStdString(sim->PtyPath()));
      session.OpenSerialLink();
      return;
    }
    if (view.AddressCount() == 0) {
      glue->MakeHostBroadcastAddress();
      glue->BuildHostBroadcastList();
      glue->SendDiscovery();
      ASSERT_TRUE(ProcessEventsUntil([&] { return view.AddressCount() == 1; }, 10s));
      window.address = view.unitAddress;
    }
    session.OpenNetworkLink();
  }

  bool ModelEqualsUnit() const {
    const SimImage image = sim->Image();
    return std::equal(image.begin() + 2, image.end(), unit.Image().Bytes().begin() + 2);
  }

  bool FirEqualsUnit() const { return session.FirCoefficients() == StoreOfFirArea(sim->FirArea(0)); }

  /// Where the model and the unit part, for a failure's message.
  std::string Describe() const {
    const SimImage image = sim->Image();
    std::string text = "linked " + std::to_string(session.IsUnitLinked()) + ", image differs at:";
    for (std::size_t i = 2; i < image.size(); ++i) {
      if (image[i] != unit.Image().Byte(i)) text += " " + std::to_string(i);
    }
    return text + (FirEqualsUnit() ? "; FIR equal" : "; FIR differs");
  }

  /// The link ended with its message: the search is asked for again, or a
  /// probe that never linked is reported as unanswered.
  bool Disconnected() const {
    return !session.HasAnyTransport() && (window.Has("ShowSearch") || window.Has("ProbeResult 0"));
  }

  /// A unit file holding preset 3 (default image, erased FIR) only.
  void WriteUnitFile(const QString& path) {
    std::array<std::uint8_t, UnitFile::kSlotTableSize> slotTable{};
    std::array<std::uint8_t, LUnitControl::kPresetCount> used{};
    std::array<LUnitControl::StoredPreset, LUnitControl::kPresetCount> slots{};
    std::array<std::vector<std::uint8_t>, LUnitControl::kPresetCount> fir;
    fir.fill(EncodeErasedFir());
    slotTable[3] = 0xFF;
    used[2] = 0xFF;
    slots[2][0] = 3;
    const auto image = UnitImage::Default().Bytes();
    std::copy(image.begin(), image.end(), slots[2].begin() + 1);
    slots[2][1] = 0xFF;
    std::copy_n("From file", 9, slots[2].begin() + 3);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(MatrixBytes(EncodeUnitFile(slotTable, used, slots, fir)));
  }

  /// A setting file: the model's with gain 200 on InB and 60 taps on InA.
  void WriteSettingFile(const QString& path) {
    UnitImage image = unit.Image();
    FirCoefficientStore fir = session.FirCoefficients();
    for (int k = 0; k < 60; ++k) fir.SetWord(k, std::bit_cast<std::uint32_t>(0.015f * static_cast<float>(k + 1)));
    SetInputTaps(image, 0, 60);
    RecordingUnitHost scratchHost;
    LUnitControl scratch(scratchHost);
    scratch.Image() = image;
    scratch.SetGain(1, 200);
    image = scratch.Image();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(MatrixBytes(EncodeSettingFile(image, fir)));
  }

  struct ModelState {
    UnitImage image;
    FirCoefficientStore fir;
    bool operator==(const ModelState&) const = default;
  };
  ModelState Model() const { return {unit.Image(), session.FirCoefficients()}; }

  /// Starts the row's exchange on a linked unit.
  void StartPhase(MatrixPhase phase) {
    switch (phase) {
      case MatrixPhase::Handshake:
      case MatrixPhase::ReadOut:
        Open();
        break;
      case MatrixPhase::Edit:
        unit.SetGain(1, 200);
        break;
      case MatrixPhase::Store:
        exchange.StorePreset(4, QByteArray(reinterpret_cast<const char*>(&unit.Image().Bytes()[2]), 14));
        break;
      case MatrixPhase::Recall:
        exchange.RecallPreset(2);
        break;
      case MatrixPhase::SettingFile:
        window.answers.push_back(folder.filePath("in.prs"));
        exchange.OpenSettingFile();
        break;
      case MatrixPhase::Upload:
        window.answers.push_back(folder.filePath("out.unt"));
        exchange.UploadAllPresets();
        break;
      case MatrixPhase::Download:
        window.answers.push_back(folder.filePath("in.unt"));
        exchange.DownloadUnitFile();
        break;
      case MatrixPhase::FirSend: {
        FirCoefficientStore& fir = session.FirCoefficients();
        for (int k = 0; k < 100; ++k) {
          fir.SetWord(k, std::bit_cast<std::uint32_t>(-0.01f * static_cast<float>(k + 1)));
        }
        // The tap count goes into the model without a command, as the unit
        // keeps it with the coefficients.
        unit.SetInputFirTaps(0, 100);
        std::vector<LCmd> commands;
        AppendFirBlocks(commands, fir, session.GetUnitId(), 0, 100);
        for (const LCmd& command : commands) {
          session.SendCommand(command, true);
        }
        break;
      }
    }
  }

  /// Whether the exchange has ended as it ends without a fault.
  bool PhaseDone(MatrixPhase phase) const {
    const bool idle = session.GetProcessState() == 0 && session.GetBulkMode() == 0 && !exchange.IsTransferRunning();
    switch (phase) {
      case MatrixPhase::Handshake:
      case MatrixPhase::ReadOut:
        return window.Has("Refresh") && idle;
      case MatrixPhase::Edit:
        return ModelEqualsUnit();
      case MatrixPhase::Store:
        return idle && sim->State().IsPresetUsed(5);
      case MatrixPhase::Recall:
        return idle && window.Has("Refresh") && session.GetCurrentPreset() == 2;
      case MatrixPhase::SettingFile:
        return idle && window.Has("CloseProgress") && ModelEqualsUnit();
      case MatrixPhase::Upload:
        return idle && QFile::exists(folder.filePath("out.unt"));
      case MatrixPhase::Download:
        return !session.HasAnyTransport() && !exchange.IsTransferRunning() && sim->ReceivedCount(CMD_MCU_RESET) > 0;
      case MatrixPhase::FirSend:
        return FirEqualsUnit() && ModelEqualsUnit();
    }
    return false;
  }

  /// What must hold of the unit and the files once the exchange completed.
  void ExpectCompleted(MatrixPhase phase) {
    EXPECT_TRUE(window.With("Info").empty()) << window.With("Info").front();
    if (phase == MatrixPhase::Download) {
      // The unit restarts after the download, which ends the link.
      const SimUnitState state = sim->State();
      EXPECT_TRUE(state.IsPresetUsed(3));
      EXPECT_FALSE(state.IsPresetUsed(2)) << "the file's slot table replaced the unit's";
      EXPECT_EQ(std::string(state.presets[2].begin() + 2, state.presets[2].begin() + 11), "From file");
      return;
    }
    EXPECT_FALSE(window.Has("LinkBroken"));
    ASSERT_TRUE(ProcessEventsUntil([&] { return session.IsUnitLinked() && ModelEqualsUnit(); }, kMatrixLimit));
    EXPECT_TRUE(FirEqualsUnit());
    // The link goes on: the idle link's keep-alives are answered.
    const std::size_t keepAlives = sim->ReceivedCount(CMD_KEEP_ALIVE);
    EXPECT_TRUE(ProcessEventsUntil([&] { return sim->ReceivedCount(CMD_KEEP_ALIVE) >= keepAlives + 2; }, kMatrixLimit));
    EXPECT_TRUE(session.IsUnitLinked());
    EXPECT_FALSE(window.Has("LinkBroken"));
    if (phase == MatrixPhase::Upload) {
      const QByteArray file = [&] {
        QFile f(folder.filePath("out.unt"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
      }();
      const auto staged = ParseUnitFile(std::span(reinterpret_cast<const std::uint8_t*>(file.constData()),
                                                  static_cast<std::size_t>(file.size())));
      ASSERT_TRUE(staged);
      EXPECT_TRUE(staged->IsUsed(1));
      EXPECT_EQ(std::string(staged->Record(1).begin() + 3, staged->Record(1).begin() + 11), "Stored 2");
    }
  }

  /// What must hold once the link ended in the middle of the exchange.
  void ExpectDisconnected(MatrixPhase phase, const ModelState& before, const ModelState& edited) {
    EXPECT_FALSE(session.IsUnitLinked());
    EXPECT_FALSE(session.IsUnitOnline());
    if (phase == MatrixPhase::Handshake || phase == MatrixPhase::ReadOut) {
      EXPECT_FALSE(window.Has("Refresh")) << "a read-out never ends as if it had succeeded";
    }
    // Before: as the exchange found it. After: as the user made it (an edit,
    // a loaded file, coefficients sent: the model changes as they start) or
    // as the unit holds it (a read).
    const ModelState now = Model();
    EXPECT_TRUE(now == before || now == edited || (ModelEqualsUnit() && FirEqualsUnit()))
        << "the model is as before the exchange or as after it";
    if (phase == MatrixPhase::Download) {
      ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("Info SID_INFO_ERROR_DOWNLAOD"); }, 10s));
      EXPECT_EQ(window.Count("Info SID_INFO_ERROR_DOWNLAOD"), 1);
    } else {
      EXPECT_TRUE(window.With("Info").empty()) << window.With("Info").front();
    }
  }

  QTemporaryDir folder;
  std::unique_ptr<UnitSim> sim;
  std::unique_ptr<NetworkGlue> glue;
  RecordingNetworkView view;
  SessionUnitHost host;
  LUnitControl unit{host};
  RecordingPresetWindow window;
  LinkTransportFactory factory;
  ClampedTimeoutFactory clamped{factory, kMatrixTimeoutMs};
  LUnitSession session{unit, window, clamped};
  LPresetExchange exchange{session, unit, window, window};
};

TEST_P(LinkFaultMatrixTest, ExchangeCompletesOrDisconnectsCleanly) {
  const MatrixRow& row = GetParam();
  const bool connectPhase = row.phase == MatrixPhase::Handshake || row.phase == MatrixPhase::ReadOut;
  if (row.phase == MatrixPhase::SettingFile) {
    WriteSettingFile(folder.filePath("in.prs"));
  }
  if (row.phase == MatrixPhase::Download) {
    WriteUnitFile(folder.filePath("in.unt"));
  }
  const QStringList filesBefore = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
  if (!connectPhase) {
    Open();
    ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("Refresh") && PhaseDone(MatrixPhase::ReadOut); },
                                   kMatrixLimit));
    window.calls.clear();
  }
  const ModelState before = Model();
  sim->AddFault(ToSimFault(row));

  StartPhase(row.phase);
  const ModelState edited = Model();

  if (row.outcome == MatrixOutcome::Disconnects) {
    ASSERT_TRUE(ProcessEventsUntil([&] { return Disconnected(); }, kMatrixLimit))
        << "the link never ended: a hang, or an exchange that ended as if the fault had not been";
    ExpectDisconnected(row.phase, before, edited);
  } else {
    const bool downloadEnds = row.phase == MatrixPhase::Download;
    ASSERT_TRUE(ProcessEventsUntil([&] { return PhaseDone(row.phase) || (!downloadEnds && Disconnected()); },
                                   kMatrixLimit))
        << "never a hang; " << Describe();
    ASSERT_TRUE(PhaseDone(row.phase)) << "the link ended";
    ExpectCompleted(row.phase);
  }
  EXPECT_FALSE(MatrixProgressShown(window)) << "no progress window left open";
  EXPECT_TRUE(window.enabled);
  EXPECT_FALSE(exchange.IsTransferRunning());
  EXPECT_EQ(session.GetBulkMode(), 0);
  EXPECT_EQ(session.GetProcessState(), 0);
  // Files: an upload's file exists only when it completed; nothing else is
  // written, no temporary is left behind.
  QStringList expectedFiles = filesBefore;
  if (row.phase == MatrixPhase::Upload && row.outcome == MatrixOutcome::Completes) {
    expectedFiles << "out.unt";
  }
  expectedFiles.sort();
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), expectedFiles);
}

// Which faults go with which phase, and why not all with all:
// - No reply and a reply past every resend end any exchange the same way
//   (the worker's "no reply"); each phase has one such row, since each ends
//   its own state (progress, bulk mode, the transfer, the download message).
//   Late past one resend (the reply and the resend's both arrive) is tried
//   where a step is keyed (names, blocks, segments, store, recall, FIR).
// - Another unit id, a short payload and another block are judged by each
//   reply handler apart: one row per handler that reads a block or an index
//   (names, FIR blocks, image blocks, preset blocks, download segments).
// - A split reply, noise between frames, a duplicate, a reply cut off with
//   the link, and the unit unplugged meet the transport's framer and its
//   loss path, which differ between the serial and the network link but
//   not between exchanges: on both links in the read-out (every reply kind
//   of the chain), and the losses once more in each exchange, which each
//   clean up on their own.
// The network link's keep-alive time-out (5 s) is not cut, so its rows
// that wait for a silent unit after the link went idle stay on the pty.
constexpr MatrixLink kMxPty = MatrixLink::Pty;
constexpr MatrixLink kMxTcp = MatrixLink::Tcp;
constexpr MatrixOutcome kMxDone = MatrixOutcome::Completes;
constexpr MatrixOutcome kMxLost = MatrixOutcome::Disconnects;
using MxF = MatrixFault;
using MxPh = MatrixPhase;

const MatrixRow kMatrixRows[] = {
    {"HelloNoReplyPty", kMxPty, MxPh::Handshake, CMD_HELLO, 0, MxF::NoReply, kMxLost},
    {"HelloNoReplyTcp", kMxTcp, MxPh::Handshake, CMD_HELLO, 0, MxF::NoReply, kMxLost},
    {"HelloOtherUnitId", kMxPty, MxPh::Handshake, CMD_HELLO, 0, MxF::OtherUnitId, kMxDone},
    {"IdentityLatePastOne", kMxPty, MxPh::Handshake, CMD_IDENTITY, 0, MxF::LatePastOne, kMxDone},
    {"IdentityUnpluggedTcp", kMxTcp, MxPh::Handshake, CMD_IDENTITY, 0, MxF::Unplugged, kMxLost},
    {"DirectoryDuplicate", kMxPty, MxPh::ReadOut, CMD_READ_PRESET_DIRECTORY, 0, MxF::Duplicate, kMxDone},
    {"NamesLatePastOne", kMxPty, MxPh::ReadOut, CMD_READ_PRESET_NAME, 3, MxF::LatePastOne, kMxDone},
    {"NamesLatePastEvery", kMxPty, MxPh::ReadOut, CMD_READ_PRESET_NAME, 3, MxF::LatePastEvery, kMxLost},
    {"NamesOtherUnitId", kMxPty, MxPh::ReadOut, CMD_READ_PRESET_NAME, 2, MxF::OtherUnitId, kMxDone},
    {"NamesShort", kMxPty, MxPh::ReadOut, CMD_READ_PRESET_NAME, 2, MxF::ShortPayload, kMxDone},
    {"NamesOtherBlock", kMxPty, MxPh::ReadOut, CMD_READ_PRESET_NAME, 2, MxF::OtherBlock, kMxDone},
    {"FirBlocksNoReply", kMxPty, MxPh::ReadOut, CMD_READ_FIR_BLOCK, 1, MxF::NoReply, kMxLost},
    {"FirBlocksShort", kMxPty, MxPh::ReadOut, CMD_READ_FIR_BLOCK, 1, MxF::ShortPayload, kMxDone},
    {"FirBlocksOtherBlock", kMxPty, MxPh::ReadOut, CMD_READ_FIR_BLOCK, 1, MxF::OtherBlock, kMxDone},
    {"FirBlocksSplitPty", kMxPty, MxPh::ReadOut, CMD_READ_FIR_BLOCK, 0, MxF::Split, kMxDone},
    {"FirBlocksSplitTcp", kMxTcp, MxPh::ReadOut, CMD_READ_FIR_BLOCK, 0, MxF::Split, kMxDone},
    {"FirBlocksClosedMidFramePty", kMxPty, MxPh::ReadOut, CMD_READ_FIR_BLOCK, 2, MxF::ClosedMidFrame, kMxLost},
    {"FirBlocksClosedMidFrameTcp", kMxTcp, MxPh::ReadOut, CMD_READ_FIR_BLOCK, 2, MxF::ClosedMidFrame, kMxLost},
    {"ImageBlocksLatePastEveryTcp", kMxTcp, MxPh::ReadOut, CMD_READ_IMAGE_BLOCK, 4, MxF::LatePastEvery, kMxLost},
    {"ImageBlocksShort", kMxPty, MxPh::ReadOut, CMD_READ_IMAGE_BLOCK, 4, MxF::ShortPayload, kMxDone},
    {"ImageBlocksOtherBlock", kMxPty, MxPh::ReadOut, CMD_READ_IMAGE_BLOCK, 4, MxF::OtherBlock, kMxDone},
    {"ImageBlocksOtherUnitIdTcp", kMxTcp, MxPh::ReadOut, CMD_READ_IMAGE_BLOCK, 4, MxF::OtherUnitId, kMxDone},
    {"ImageBlocksGarbagePty", kMxPty, MxPh::ReadOut, CMD_READ_IMAGE_BLOCK, 2, MxF::Garbage, kMxDone},
    {"ImageBlocksGarbageTcp", kMxTcp, MxPh::ReadOut, CMD_READ_IMAGE_BLOCK, 2, MxF::Garbage, kMxDone},
    {"ImageBlocksDuplicateTcp", kMxTcp, MxPh::ReadOut, CMD_READ_IMAGE_BLOCK, 2, MxF::Duplicate, kMxDone},
    {"ImageBlocksUnpluggedPty", kMxPty, MxPh::ReadOut, CMD_READ_IMAGE_BLOCK, 6, MxF::Unplugged, kMxLost},
    {"ImageBlocksUnpluggedTcp", kMxTcp, MxPh::ReadOut, CMD_READ_IMAGE_BLOCK, 6, MxF::Unplugged, kMxLost},
    {"EditNoReply", kMxPty, MxPh::Edit, CMD_GAIN, 0, MxF::NoReply, kMxLost},
    {"EditLatePastOne", kMxPty, MxPh::Edit, CMD_GAIN, 0, MxF::LatePastOne, kMxDone},
    {"EditDuplicate", kMxPty, MxPh::Edit, CMD_GAIN, 0, MxF::Duplicate, kMxDone},
    {"EditOtherUnitIdTcp", kMxTcp, MxPh::Edit, CMD_GAIN, 0, MxF::OtherUnitId, kMxDone},
    {"EditUnpluggedTcp", kMxTcp, MxPh::Edit, CMD_GAIN, 0, MxF::Unplugged, kMxLost},
    {"StoreNoReply", kMxPty, MxPh::Store, CMD_STORE_PRESET, 0, MxF::NoReply, kMxLost},
    {"StoreLatePastOne", kMxPty, MxPh::Store, CMD_STORE_PRESET, 0, MxF::LatePastOne, kMxDone},
    {"StoreDuplicate", kMxPty, MxPh::Store, CMD_STORE_PRESET, 0, MxF::Duplicate, kMxDone},
    {"StoreClosedMidFrame", kMxPty, MxPh::Store, CMD_STORE_PRESET, 0, MxF::ClosedMidFrame, kMxLost},
    {"StoreNameOtherUnitId", kMxPty, MxPh::Store, CMD_PRESET_NAME, 0, MxF::OtherUnitId, kMxDone},
    {"RecallOtherUnitIdTcp", kMxTcp, MxPh::Recall, CMD_RECALL_PRESET, 0, MxF::OtherUnitId, kMxDone},
    {"RecallNoReply", kMxPty, MxPh::Recall, CMD_RECALL_PRESET, 0, MxF::NoReply, kMxLost},
    {"RecallLatePastOne", kMxPty, MxPh::Recall, CMD_RECALL_PRESET, 0, MxF::LatePastOne, kMxDone},
    {"RecallReadBackOtherBlock", kMxPty, MxPh::Recall, CMD_READ_IMAGE_BLOCK, 3, MxF::OtherBlock, kMxDone},
    {"RecallReadBackUnpluggedTcp", kMxTcp, MxPh::Recall, CMD_READ_IMAGE_BLOCK, 3, MxF::Unplugged, kMxLost},
    {"SettingFileNoReply", kMxPty, MxPh::SettingFile, CMD_PEQ, 5, MxF::NoReply, kMxLost},
    {"SettingFileLatePastOne", kMxPty, MxPh::SettingFile, CMD_EXT_FIR, 2, MxF::LatePastOne, kMxDone},
    {"SettingFileUnplugged", kMxPty, MxPh::SettingFile, CMD_PEQ, 5, MxF::Unplugged, kMxLost},
    {"UploadDirectoryLatePastOne", kMxPty, MxPh::Upload, CMD_READ_EEPROM, 0, MxF::LatePastOne, kMxDone},
    {"UploadBlocksShort", kMxPty, MxPh::Upload, CMD_READ_PRESET_BLOCK, 3, MxF::ShortPayload, kMxDone},
    {"UploadBlocksOtherBlock", kMxPty, MxPh::Upload, CMD_READ_PRESET_BLOCK, 3, MxF::OtherBlock, kMxDone},
    {"UploadBlocksLatePastEvery", kMxPty, MxPh::Upload, CMD_READ_PRESET_BLOCK, 3, MxF::LatePastEvery, kMxLost},
    {"UploadBlocksSplitTcp", kMxTcp, MxPh::Upload, CMD_READ_PRESET_BLOCK, 3, MxF::Split, kMxDone},
    {"UploadFirClosedMidFrame", kMxPty, MxPh::Upload, CMD_READ_FIR_BLOCK, 3, MxF::ClosedMidFrame, kMxLost},
    {"DownloadSegmentsLatePastOne", kMxPty, MxPh::Download, CMD_DOWNLOAD, 4, MxF::LatePastOne, kMxDone},
    {"DownloadSegmentsOtherBlock", kMxPty, MxPh::Download, CMD_DOWNLOAD, 4, MxF::OtherBlock, kMxDone},
    {"DownloadSegmentsDuplicate", kMxPty, MxPh::Download, CMD_DOWNLOAD, 4, MxF::Duplicate, kMxDone},
    {"DownloadSegmentsNoReply", kMxPty, MxPh::Download, CMD_DOWNLOAD, 4, MxF::NoReply, kMxLost},
    {"DownloadFirUnpluggedTcp", kMxTcp, MxPh::Download, CMD_ERASE_FIR_SECTOR, 5, MxF::Unplugged, kMxLost},
    {"FirSendNoReply", kMxPty, MxPh::FirSend, CMD_EXT_FIR, 2, MxF::NoReply, kMxLost},
    {"FirSendLatePastOne", kMxPty, MxPh::FirSend, CMD_EXT_FIR, 2, MxF::LatePastOne, kMxDone},
    {"FirSendDuplicate", kMxPty, MxPh::FirSend, CMD_EXT_FIR, 2, MxF::Duplicate, kMxDone},
    {"FirSendClosedMidFrameTcp", kMxTcp, MxPh::FirSend, CMD_EXT_FIR, 2, MxF::ClosedMidFrame, kMxLost},
};

INSTANTIATE_TEST_SUITE_P(Rows, LinkFaultMatrixTest, ::testing::ValuesIn(kMatrixRows),
                         [](const ::testing::TestParamInfo<MatrixRow>& info) { return std::string(info.param.name); });

}  // namespace
