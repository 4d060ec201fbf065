#include <array>
#include <bit>
#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/LUnitSession.h"
#include "link/LinkTransportFactory.h"
#include "link/ProcessState.h"
#include "protocol/CommandCodes.h"
#include "protocol/FirBlockMap.h"
#include "protocol/LUnitControl.h"
#include "tests/link/RecordingLinkWindow.h"
#include "tests/link/SessionFixture.h"
#include "tests/protocol/RecordingUnitHost.h"
#include "tools/unitsim/UnitSim.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kReadOutLimit = 60s;

/// The coefficient store a read of `area` must give: an erased first word
/// makes an identity, a later marker ends the channel with zeros.
FirCoefficientStore ExpectedStore(const SimFirArea& area) {
  FirCoefficientStore store;
  for (int channel = 0; channel < 9; ++channel) {
    const int start = FirBlockMap::ChannelStart(channel);
    if (area.Word(channel, 0) == SimFirArea::kMarker) {
      store.SetIdentity(channel);
      continue;
    }
    for (int k = 0; k < FirBlockMap::ChannelTaps(channel); ++k) {
      const std::uint32_t word = area.Word(channel, k);
      if (word == SimFirArea::kMarker) {
        break;
      }
      store.SetWord(start + k, word);
    }
  }
  return store;
}

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

  ASSERT_TRUE(WaitUntil([&] { return window.Has("Refresh"); }, kReadOutLimit));
  ASSERT_TRUE(WaitUntil([&] { return sim->ReceivedCount(CMD_KEEP_ALIVE) >= 2; }, 10s))
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
  EXPECT_EQ(session.FirCoefficients(), ExpectedStore(sim->FirArea(0)));
  EXPECT_NE(session.FirCoefficients().GetInputFirCoefficient(1, 0), 0.0f) << "input 1 after a 2045-tap input 0";
  EXPECT_EQ(session.GetCurrentPreset(), 7);
  EXPECT_TRUE(unit.IsPresetUsed(4));
  EXPECT_TRUE(session.IsUnitLinked());
  EXPECT_EQ(window.Count("CloseProgress"), 1);
  EXPECT_EQ(window.Count("Refresh"), 1);
}

TEST_F(UnitSimSessionTest, Connect_areaOfIdentitiesIsReadInNineBlocks) {
  Connect();

  ASSERT_TRUE(WaitUntil([&] { return window.Has("Refresh"); }, kReadOutLimit));

  EXPECT_EQ(RequestedFirBlocks(), (std::vector<int>{0, 157, 315, 472, 551, 630, 708, 787, 866}));
  EXPECT_EQ(session.FirCoefficients(), ExpectedStore(sim->FirArea(0)));
  // The progress window may come up while the read runs, never after it;
  // the idle link's next keep-alive comes well after tmProcessShow.
  ASSERT_TRUE(WaitUntil([&] { return sim->ReceivedCount(CMD_KEEP_ALIVE) >= 2; }, 10s));
  const auto last = [&](const std::string& line) {
    return std::find(window.calls.rbegin(), window.calls.rend(), line) - window.calls.rbegin();
  };
  EXPECT_GT(last("ShowProgressModal"), last("CloseProgress")) << "a read-out that ended leaves no progress window";
}

struct RefusalCase {
  const char* identity;
  const char* text;
};

class UnitSimRefusalTest : public UnitSimSessionTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(UnitSimRefusalTest, Connect_refusedUnitGetsAGoodbyeAndIsDisconnected) {
  sim->SetIdentity(GetParam().identity);
  Connect();

  ASSERT_TRUE(WaitUntil([&] { return !session.HasAnyTransport(); }, 10s));

  EXPECT_EQ(window.With("Info"), (std::vector<std::string>{std::string("Info ") + GetParam().text}));
  EXPECT_GE(sim->ReceivedCount(CMD_GOODBYE), 1u);
  EXPECT_EQ(sim->ReceivedCount(CMD_LOCK_STATUS), 0u);
  EXPECT_FALSE(session.IsUnitLinked());
  EXPECT_TRUE(window.Has("LinkBroken"));
}

INSTANTIATE_TEST_SUITE_P(Identities, UnitSimRefusalTest,
                         ::testing::Values(RefusalCase{"KRV-70 V010", "SID_INFO_ERROR_UNIT"},
                                           RefusalCase{"KRV-71 V020", "SID_INFO_ERROR_VERSION"}));

TEST_F(UnitSimSessionTest, Connect_replyOfAnotherUnitIsDropped) {
  sim->SetUnitId(5);
  window.searchVisible = true;
  Connect();

  ASSERT_TRUE(WaitUntil([&] { return !session.HasAnyTransport(); }, 10s));

  EXPECT_FALSE(session.IsUnitOnline());
  EXPECT_EQ(sim->ReceivedCount(CMD_IDENTITY), 0u);
  EXPECT_EQ(window.With("ProbeResult"), (std::vector<std::string>{"ProbeResult 0"}));
}

TEST_F(UnitSimSessionTest, Connect_lockedUnitWaitsForTheUnlockPrompt) {
  sim->ModifyState([](SimUnitState& state) { state.lock.adminLockSet = true; });
  Connect();

  ASSERT_TRUE(WaitUntil([&] { return window.Has("UnlockPrompt"); }, 10s));

  EXPECT_EQ(session.GetProcessState(), PROCESS_UNLOCK_PROMPT);
  EXPECT_EQ(session.GetAccessLockState() & 1, 1);
  EXPECT_EQ(sim->ReceivedCount(CMD_READ_PRESET_DIRECTORY), 0u);
}

TEST_F(UnitSimSessionTest, LinkLoss_whileOnlineDisconnectsKeepsTheModelAndAsksForTheSearch) {
  sim->SetFirTaps(0, {100, 0, 0, 0, 0, 0, 0, 0, 0});
  Connect();
  ASSERT_TRUE(WaitUntil([&] { return window.Has("Refresh"); }, kReadOutLimit));
  const UnitImage image = unit.Image();
  const FirCoefficientStore fir = session.FirCoefficients();

  sim->DropLink(SimLink::Pty);

  ASSERT_TRUE(WaitUntil([&] { return window.Has("ShowSearch"); }, 10s));
  EXPECT_FALSE(session.HasAnyTransport());
  EXPECT_FALSE(session.IsUnitOnline());
  EXPECT_EQ(unit.Image(), image);
  EXPECT_EQ(session.FirCoefficients(), fir);
  EXPECT_EQ(window.Count("CloseProgress"), 2) << "the read-out's, and the disconnect's";
}

TEST_F(UnitSimSessionTest, Disconnect_sendsTheGoodbyeBeforeTheLinkCloses) {
  Connect();
  ASSERT_TRUE(WaitUntil([&] { return window.Has("Refresh"); }, kReadOutLimit));

  session.Disconnect();

  EXPECT_TRUE(sim->WaitForFrames(CMD_GOODBYE, 1, 5s));
  EXPECT_FALSE(session.HasAnyTransport());
}

}  // namespace
