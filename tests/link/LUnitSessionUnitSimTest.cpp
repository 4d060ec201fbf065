#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/LUnitSession.h"
#include "link/LinkTransportFactory.h"
#include "link/ProcessState.h"
#include "link/SessionUnitHost.h"
#include "protocol/CommandCodes.h"
#include "protocol/FirBlockMap.h"
#include "protocol/LUnitControl.h"
#include "protocol/commands/UnitCommands.h"
#include "tests/link/RecordingLinkWindow.h"
#include "tests/link/RecordingOwner.h"
#include "tests/link/SessionFixture.h"
#include "tests/protocol/RecordingUnitHost.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/SimFirAreaStore.h"
#include "tools/unitsim/UnitSim.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kReadOutLimit = 60s;
constexpr int kLinkedRetries = 3;

/// The editor's session over the real serial transport, on the pty of a
/// simulated unit.
class UnitSimSessionTest : public ::testing::Test {
protected:
  void SetUp() override {
    UnitSimOptions options;
    options.pty = true;
    sim = std::make_unique<UnitSim>(options);
    ASSERT_TRUE(sim->Start()) << sim->LastError();
  }

  void Connect() {
    session.SetComPortName(QString::fromStdString(sim->PtyPath()));
    session.OpenSerialLink();
    ASSERT_TRUE(session.HasTransport(LinkKind::Serial));
  }

  std::vector<std::uint8_t> ReceivedCodes() const {
    std::vector<std::uint8_t> codes;
    for (const SimReceivedFrame& frame : sim->ReceivedFrames()) {
      codes.push_back(frame.frame.code);
    }
    return codes;
  }

  std::vector<int> RequestedFirBlocks() const {
    std::vector<int> blocks;
    for (const SimReceivedFrame& frame : sim->ReceivedFrames()) {
      if (frame.frame.code == CMD_READ_FIR_BLOCK && frame.frame.payload.size() >= 3) {
        blocks.push_back(frame.frame.payload[1] | frame.frame.payload[2] << 8);
      }
    }
    return blocks;
  }

  std::unique_ptr<UnitSim> sim;
  RecordingUnitHost host;
  LUnitControl unit{host};
  RecordingLinkWindow window;
  LinkTransportFactory factory;
  LUnitSession session{unit, window, factory};
};

TEST_F(UnitSimSessionTest, Connect_readsTheWholeUnitIntoTheModelAndGoesOnWithTheKeepAlive) {
  sim->SetFirTaps(0, {2045, 300, 0, 1019, 0, 1023, 0, 12, 700});
  sim->ModifyState([](SimUnitState& state) {
    state.image[2] = 'L';
    state.image[300] = 0x5A;
    state.image[1019] = 0x33;
    state.currentPreset = 7;
    state.slotTable[5] = 0xFF;
    state.presets[4][2] = 'Q';
  });
  Connect();

  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("Refresh"); }, kReadOutLimit));
  ASSERT_TRUE(ProcessEventsUntil([&] { return sim->ReceivedCount(CMD_KEEP_ALIVE) >= 2; }, 10s))
      << "the chain's keep-alive, then the idle link's";

  const std::vector<std::uint8_t> codes = ReceivedCodes();
  std::vector<std::uint8_t> head(codes.begin(), codes.begin() + 35);
  std::vector<std::uint8_t> expectedHead{CMD_HELLO, CMD_IDENTITY, CMD_LOCK_STATUS, CMD_READ_PRESET_DIRECTORY,
                                         CMD_CURRENT_PRESET};
  expectedHead.insert(expectedHead.end(), 30, CMD_READ_PRESET_NAME);
  EXPECT_EQ(head, expectedHead);
  const auto firstImage = std::find(codes.begin(), codes.end(), CMD_READ_IMAGE_BLOCK);
  ASSERT_NE(firstImage, codes.end());
  EXPECT_TRUE(std::all_of(codes.begin() + 35, firstImage, [](std::uint8_t c) { return c == CMD_READ_FIR_BLOCK; }));
  EXPECT_EQ(std::vector<std::uint8_t>(firstImage, firstImage + 22),
            [] {
              std::vector<std::uint8_t> expected(21, CMD_READ_IMAGE_BLOCK);
              expected.push_back(CMD_KEEP_ALIVE);
              return expected;
            }());

  const SimImage image = sim->Image();
  EXPECT_TRUE(std::equal(image.begin() + 2, image.end(), unit.Image().Bytes().begin() + 2));
  EXPECT_EQ(unit.Image().Byte(0), UnitImage::Default().Byte(0));
  EXPECT_EQ(session.FirCoefficients(), StoreOfFirArea(sim->FirArea(0)));
  EXPECT_NE(session.FirCoefficients().GetInputFirCoefficient(1, 0), 0.0f) << "input 1 after a 2045-tap input 0";
  EXPECT_EQ(session.GetCurrentPreset(), 7);
  EXPECT_TRUE(unit.IsPresetUsed(4));
  EXPECT_TRUE(session.IsUnitLinked());
  EXPECT_EQ(window.Count("CloseProgress"), 1);
  EXPECT_EQ(window.Count("Refresh"), 1);
}

TEST_F(UnitSimSessionTest, Connect_areaOfIdentitiesIsReadInNineBlocks) {
  Connect();

  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("Refresh"); }, kReadOutLimit));

  EXPECT_EQ(RequestedFirBlocks(), (std::vector<int>{0, 157, 315, 472, 551, 630, 708, 787, 866}));
  EXPECT_EQ(session.FirCoefficients(), StoreOfFirArea(sim->FirArea(0)));
  // The progress window may come up while the read runs, never after it;
  // the idle link's next keep-alive comes well after tmProcessShow.
  ASSERT_TRUE(ProcessEventsUntil([&] { return sim->ReceivedCount(CMD_KEEP_ALIVE) >= 2; }, 10s));
  const auto last = [&](const std::string& line) {
    return std::find(window.calls.rbegin(), window.calls.rend(), line) - window.calls.rbegin();
  };
  EXPECT_GT(last("ShowProgressModal"), last("CloseProgress")) << "a read-out that ended leaves no progress window";
}

struct IdentityRefusalCase {
  const char* identity;
  const char* text;
};

class UnitSimRefusalTest : public UnitSimSessionTest, public ::testing::WithParamInterface<IdentityRefusalCase> {};

TEST_P(UnitSimRefusalTest, Connect_refusedUnitGetsAGoodbyeAndIsDisconnected) {
  sim->SetIdentity(GetParam().identity);
  Connect();

  ASSERT_TRUE(ProcessEventsUntil([&] { return !session.HasAnyTransport(); }, 10s));

  EXPECT_EQ(window.With("Info"), (std::vector<std::string>{std::string("Info ") + GetParam().text}));
  EXPECT_GE(sim->ReceivedCount(CMD_GOODBYE), 1u);
  EXPECT_EQ(sim->ReceivedCount(CMD_LOCK_STATUS), 0u);
  EXPECT_FALSE(session.IsUnitLinked());
  EXPECT_TRUE(window.Has("LinkBroken"));
}

INSTANTIATE_TEST_SUITE_P(Identities, UnitSimRefusalTest,
                         ::testing::Values(IdentityRefusalCase{"KRV-70 V010", "SID_INFO_ERROR_UNIT"},
                                           IdentityRefusalCase{"KRV-71 V020", "SID_INFO_ERROR_VERSION"}));

TEST_F(UnitSimSessionTest, Connect_replyOfAnotherUnitIsDropped) {
  sim->SetUnitId(5);
  window.searchVisible = true;
  Connect();

  ASSERT_TRUE(ProcessEventsUntil([&] { return !session.HasAnyTransport(); }, 10s));

  EXPECT_FALSE(session.IsUnitOnline());
  EXPECT_EQ(sim->ReceivedCount(CMD_IDENTITY), 0u);
  EXPECT_EQ(window.With("ProbeResult"), (std::vector<std::string>{"ProbeResult 0"}));
}

TEST_F(UnitSimSessionTest, Connect_lockedUnitWaitsForTheUnlockPrompt) {
  sim->ModifyState([](SimUnitState& state) { state.lock.adminLockSet = true; });
  Connect();

  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("UnlockPrompt"); }, 10s));

  EXPECT_EQ(session.GetProcessState(), PROCESS_UNLOCK_PROMPT);
  EXPECT_EQ(session.GetAccessLockState() & 1, 1);
  EXPECT_EQ(sim->ReceivedCount(CMD_READ_PRESET_DIRECTORY), 0u);
}

TEST_F(UnitSimSessionTest, LinkLoss_whileOnlineDisconnectsKeepsTheModelAndAsksForTheSearch) {
  sim->SetFirTaps(0, {100, 0, 0, 0, 0, 0, 0, 0, 0});
  Connect();
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("Refresh"); }, kReadOutLimit));
  const UnitImage image = unit.Image();
  const FirCoefficientStore fir = session.FirCoefficients();

  sim->DropLink(SimLink::Pty);

  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("ShowSearch"); }, 10s));
  EXPECT_FALSE(session.HasAnyTransport());
  EXPECT_FALSE(session.IsUnitOnline());
  EXPECT_EQ(unit.Image(), image);
  EXPECT_EQ(session.FirCoefficients(), fir);
  EXPECT_EQ(window.Count("CloseProgress"), 2) << "the read-out's, and the disconnect's";
}

TEST_F(UnitSimSessionTest, Disconnect_sendsTheGoodbyeBeforeTheLinkCloses) {
  Connect();
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("Refresh"); }, kReadOutLimit));

  session.Disconnect();

  EXPECT_TRUE(sim->WaitForFrames(CMD_GOODBYE, 1, 5s));
  EXPECT_FALSE(session.HasAnyTransport());
}

}  // namespace

namespace {

enum class Fault { Late, PastEveryResend, Twice };

struct DelayCase {
  const char* name;
  std::uint8_t code;  ///< the command whose replies are faulty
  Fault fault;
  int delayMs;  ///< Late and PastEveryResend
  int skip;     ///< commands of `code` answered well first
  int times;    ///< commands of `code` answered faultily
};

void PrintTo(const DelayCase& c, std::ostream* os) { *os << c.name; }

/// The session over the real serial link to a simulated unit, with a unit
/// model whose edits go out through the session and a traffic log.
class UnitSimLinkFixture : public ::testing::Test {
protected:
  void SetUp() override {
    host.session = &session;
    UnitSimOptions options;
    options.pty = true;
    sim = std::make_unique<UnitSim>(options);
    ASSERT_TRUE(sim->Start()) << sim->LastError();
    sim->SetFirTaps(0, {100, 0, 60, 0, 0, 20, 0, 0, 1});
    sim->ModifyState([](SimUnitState& state) {
      state.image[300] = 0x5A;
      state.image[1019] = 0x33;
    });
  }

  void AddFault(const DelayCase& c) {
    SimFault fault;
    fault.code = c.code;
    fault.skip = c.skip;
    fault.times = c.times;
    if (c.fault == Fault::Twice) {
      fault.duplicates = 1;
    } else if (c.fault == Fault::PastEveryResend) {
      fault.delay = std::chrono::milliseconds(c.delayMs);
      fault.times = c.times * (1 + kLinkedRetries);  // each resend is as late
    } else {
      fault.delay = std::chrono::milliseconds(c.delayMs);
    }
    sim->AddFault(fault);
  }

  void Connect() {
    session.SetComPortName(QString::fromStdString(sim->PtyPath()));
    session.OpenSerialLink();
    ASSERT_TRUE(session.HasTransport(LinkKind::Serial));
  }

  bool ModelEqualsUnit() const {
    const SimImage image = sim->Image();
    return std::equal(image.begin() + 2, image.end(), unit.Image().Bytes().begin() + 2);
  }

  /// Every frame logged as written reached the unit (resends are not logged).
  bool LoggedFramesReachedTheUnit() const {
    std::map<std::vector<std::uint8_t>, int> received;
    for (const SimReceivedFrame& frame : sim->ReceivedFrames()) {
      ++received[frame.raw];
    }
    for (const QString& line : log.Lines()) {
      if (!line.startsWith("COM W ")) {
        continue;
      }
      std::vector<std::uint8_t> bytes;
      for (const QString& hex : line.mid(6).split(' ', Qt::SkipEmptyParts)) {
        bytes.push_back(static_cast<std::uint8_t>(hex.toUInt(nullptr, 16)));
      }
      if (received[bytes]-- <= 0) {
        return false;
      }
    }
    return true;
  }

  /// Requests of the faulty code grew linearly and every frame logged as
  /// sent reached the unit.
  void ExpectSoundTraffic(const DelayCase& c) const {
    ExpectLinearRequests(c);
    EXPECT_TRUE(ProcessEventsUntil([&] { return LoggedFramesReachedTheUnit(); }, 5s));
  }

  /// Requests of the faulty code grow with the resends, never by doubling.
  void ExpectLinearRequests(const DelayCase& c) const {
    std::set<std::vector<std::uint8_t>> distinct;
    std::size_t count = 0;
    for (const SimReceivedFrame& frame : sim->ReceivedFrames()) {
      if (frame.frame.code == c.code) {
        distinct.insert(frame.frame.payload);
        ++count;
      }
    }
    EXPECT_LE(count, distinct.size() + 4u * static_cast<std::size_t>(c.times));
  }

  RecordingLog log;
  SessionUnitHost host;
  LUnitControl unit{host};
  RecordingLinkWindow window;
  LinkTransportFactory factory{[this](const QString& line) { log.Add(line); }};
  LUnitSession session{unit, window, factory};
  std::unique_ptr<UnitSim> sim;
};

/// A unit that answers one step of the read-out, an edit or a store late
/// or twice: the session reads the unit's true contents or ends the link
/// with its error, and every frame it logged as sent reached the unit.
class UnitSimDelayTest : public UnitSimLinkFixture, public ::testing::WithParamInterface<DelayCase> {};

TEST_P(UnitSimDelayTest, ReadOut_readsTheUnitsTrueContentsOrEndsTheLinkWithItsError) {
  AddFault(GetParam());
  Connect();

  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("Refresh") || window.Has("LinkBroken"); }, kReadOutLimit));

  if (GetParam().fault == Fault::PastEveryResend) {
    ASSERT_TRUE(ProcessEventsUntil([&] { return !session.HasAnyTransport(); }, 5s));
    EXPECT_TRUE(window.Has("LinkBroken"));
    EXPECT_FALSE(window.Has("Refresh")) << "the read-out never ends as if it had succeeded";
  } else {
    ASSERT_TRUE(window.Has("Refresh"));
    EXPECT_TRUE(ModelEqualsUnit());
    EXPECT_EQ(session.FirCoefficients(), StoreOfFirArea(sim->FirArea(0)));
    EXPECT_EQ(window.Count("Refresh"), 1);
    EXPECT_TRUE(session.IsUnitLinked());
  }
  ExpectSoundTraffic(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    ChainSteps, UnitSimDelayTest,
    ::testing::Values(DelayCase{"LockStatusLate", CMD_LOCK_STATUS, Fault::Late, 1200, 0, 1},
                      DelayCase{"LockStatusPastEveryResend", CMD_LOCK_STATUS, Fault::PastEveryResend, 4500, 0, 1},
                      DelayCase{"LockStatusTwice", CMD_LOCK_STATUS, Fault::Twice, 0, 0, 1},
                      DelayCase{"DirectoryLate", CMD_READ_PRESET_DIRECTORY, Fault::Late, 1200, 0, 1},
                      DelayCase{"DirectoryTwice", CMD_READ_PRESET_DIRECTORY, Fault::Twice, 0, 0, 1},
                      DelayCase{"NamesLate", CMD_READ_PRESET_NAME, Fault::Late, 1100, 3, 3},
                      DelayCase{"NamesPastEveryResend", CMD_READ_PRESET_NAME, Fault::PastEveryResend, 4500, 3, 1},
                      DelayCase{"NamesTwice", CMD_READ_PRESET_NAME, Fault::Twice, 0, 3, 5},
                      DelayCase{"FirBlocksLate", CMD_READ_FIR_BLOCK, Fault::Late, 1500, 2, 3},
                      DelayCase{"FirBlocksPastEveryResend", CMD_READ_FIR_BLOCK, Fault::PastEveryResend, 4500, 2, 1},
                      DelayCase{"FirBlocksTwice", CMD_READ_FIR_BLOCK, Fault::Twice, 0, 0, 20},
                      DelayCase{"ImageBlocksLate", CMD_READ_IMAGE_BLOCK, Fault::Late, 1200, 4, 3},
                      DelayCase{"ImageBlocksPastEveryResend", CMD_READ_IMAGE_BLOCK, Fault::PastEveryResend, 4500, 4,
                                1},
                      DelayCase{"ImageBlocksTwice", CMD_READ_IMAGE_BLOCK, Fault::Twice, 0, 0, 21},
                      DelayCase{"KeepAliveLate", CMD_KEEP_ALIVE, Fault::Late, 1200, 0, 1},
                      DelayCase{"KeepAliveTwice", CMD_KEEP_ALIVE, Fault::Twice, 0, 0, 1}),
    [](const ::testing::TestParamInfo<DelayCase>& info) { return std::string(info.param.name); });

/// An edit's answer and a store's acknowledgement, late or twice, after the read-out.
class UnitSimExchangeDelayTest : public UnitSimDelayTest {};

TEST_P(UnitSimExchangeDelayTest, EditAndStore_reachTheUnitOnceAndTheStoreEndsOnItsOwnAcknowledgement) {
  Connect();
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("Refresh"); }, kReadOutLimit));
  AddFault(GetParam());
  window.calls.clear();

  unit.SetGain(2, 123);
  session.SetProcessState(PROCESS_STORE_PRESET);
  session.SetCurrentPreset(4);
  // Stored under the name the setting has, so the unit's image stays the model's.
  const auto name = unit.Image().Bytes().begin() + 2;
  session.SendCommand(CM_MCS_PRESETNAME(1, QByteArray(reinterpret_cast<const char*>(&*name), 14)), true);

  ASSERT_TRUE(ProcessEventsUntil([&] { return session.GetProcessState() == PROCESS_IDLE; }, 30s));
  const auto ended = std::chrono::steady_clock::now();
  ASSERT_TRUE(ProcessEventsUntil([&] { return ModelEqualsUnit() && sim->ReceivedCount(CMD_KEEP_ALIVE) >= 3; }, 30s));
  EXPECT_EQ(window.Count("CloseProgress"), 1);
  const std::vector<SimReceivedFrame> frames = sim->ReceivedFrames();
  const auto store = std::find_if(frames.begin(), frames.end(),
                                  [](const SimReceivedFrame& frame) { return frame.frame.code == CMD_STORE_PRESET; });
  ASSERT_NE(store, frames.end());
  if (GetParam().code == CMD_STORE_PRESET && GetParam().fault == Fault::Late) {
    EXPECT_GE(ended - store->at, std::chrono::milliseconds(GetParam().delayMs)) << "ended on the unit's acknowledgement";
  }
  EXPECT_TRUE(session.IsUnitLinked());
  ExpectSoundTraffic(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Exchanges, UnitSimExchangeDelayTest,
    ::testing::Values(DelayCase{"EditLate", CMD_GAIN, Fault::Late, 2300, 0, 1},
                      DelayCase{"EditTwice", CMD_GAIN, Fault::Twice, 0, 0, 1},
                      DelayCase{"StoreAckLate", CMD_STORE_PRESET, Fault::Late, 2300, 0, 1},
                      DelayCase{"StoreAckTwice", CMD_STORE_PRESET, Fault::Twice, 0, 0, 1},
                      DelayCase{"NameAckTwice", CMD_PRESET_NAME, Fault::Twice, 0, 0, 1}),
    [](const ::testing::TestParamInfo<DelayCase>& info) { return std::string(info.param.name); });

// Every reply 1200 ms late, past the linked reply time-out: edits of
// different channels and codes, 40 ms apart, all reach the unit.
TEST_F(UnitSimLinkFixture, EditsUnderDelay_allReachTheUnit) {
  Connect();
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("Refresh"); }, kReadOutLimit));
  SimFault late;
  late.delay = 1200ms;
  sim->AddFault(late);

  std::vector<std::function<void()>> edits;
  for (int channel = 0; channel < 9; ++channel) {
    edits.emplace_back([&, channel] { unit.SetGain(channel, 200 + 10 * channel); });
    edits.emplace_back([&, channel] { unit.SetDelay(channel, 100 + channel); });
  }
  for (int channel = 0; channel < 6; ++channel) {
    edits.emplace_back([&, channel] { unit.SetMute(channel, 1); });
  }
  for (int band = 0; band < 3; ++band) {
    edits.emplace_back([&, band] { unit.SetPeqBand(4, band, PeqBandRecord{300, static_cast<std::uint16_t>(50 + band), 7, 1}, 0); });
    edits.emplace_back([&, band] { unit.SetPolarity(band, 1); });
  }
  ASSERT_EQ(edits.size(), 30u);
  for (const auto& edit : edits) {
    edit();
    ProcessEventsUntil([] { return false; }, 40ms);  // the user's pace
  }

  ASSERT_TRUE(ProcessEventsUntil([&] { return ModelEqualsUnit(); }, 120s));
  EXPECT_TRUE(session.IsUnitLinked());
  EXPECT_TRUE(ProcessEventsUntil([&] { return LoggedFramesReachedTheUnit(); }, 5s));
}

}  // namespace
