#include <gtest/gtest.h>

#include "tests/support/NetworkConfinement.h"
#include "tests/tools/unitsim/SimTestClient.h"
#include "tools/unitsim/SimCodes.h"
#include "tools/unitsim/UnitSim.h"

namespace {

using namespace std::chrono_literals;

/// A simulator with one front end and a client connected to it.
class UnitSimLinkTest : public ::testing::TestWithParam<SimLink> {
 protected:
  void SetUp() override {
    UnitSimOptions options;
    switch (GetParam()) {
      case SimLink::Tcp:
        if (!RequireLoopbackOnly()) {
          GTEST_SKIP();
        }
        options.tcp = true;
        options.tcpPort = 0;
        break;
      case SimLink::Hid:
        options.hid = true;
        break;
      default:
        options.pty = true;
    }
    m_sim = std::make_unique<UnitSim>(options);
    ASSERT_TRUE(m_sim->Start()) << m_sim->LastError();
    switch (GetParam()) {
      case SimLink::Tcp:
        ASSERT_TRUE(m_client.ConnectTcp(m_sim->TcpPort()));
        break;
      case SimLink::Hid:
        m_client.AdoptHidPeer(m_sim->TakeHidPeer());
        break;
      default:
        ASSERT_TRUE(m_client.OpenPty(m_sim->PtyPath()));
    }
  }

  std::unique_ptr<UnitSim> m_sim;
  SimTestClient m_client;
};

TEST_P(UnitSimLinkTest, ReadOut_returnsTheUnitsImageAndFirAreaByteForByte) {
  m_sim->SetFirTaps(0, {13, 2045, 0, 1024, 0, 300, 1, 0, 1023});
  m_sim->ModifyState([](SimUnitState& s) {
    s.image[100] = 0x5A;
    s.image[1019] = 0xA5;
    s.currentPreset = 7;
    s.slotTable[5] = 0xFF;
  });

  const SimReadOut out = RunReadOut(m_client);

  ASSERT_TRUE(out.complete);
  const SimUnitState state = m_sim->State();
  EXPECT_EQ(std::string(out.identity.begin(), out.identity.end()), "KRV-71 V010");
  EXPECT_EQ(out.lockStatus.size(), 10u);
  EXPECT_EQ(out.lockStatus[5], 0);
  ASSERT_EQ(out.directory.size(), 30u);
  EXPECT_EQ(out.directory[4], 0xFF);
  EXPECT_EQ(out.directory[0], 0x00);
  EXPECT_EQ(out.currentPreset, 7);
  EXPECT_EQ(out.names[0], std::vector<std::uint8_t>(state.presets[0].begin() + 2, state.presets[0].begin() + 16));
  EXPECT_EQ(out.image, std::vector<std::uint8_t>(state.image.begin(), state.image.end()));
  EXPECT_EQ(out.firArea, std::vector<std::uint8_t>(state.firAreas[0].Bytes().begin(), state.firAreas[0].Bytes().end()));
  EXPECT_EQ(m_sim->ReceivedCount(SimCode::kReadFirBlock), 946u);
  EXPECT_EQ(m_sim->RejectedCount(), 0u);
}

TEST_P(UnitSimLinkTest, StoreThenRecall_bringsTheStoredSettingBack) {
  ASSERT_TRUE(m_client.Exchange(SimCode::kHello));
  m_sim->SetFirTaps(0, {100, 0, 0, 0, 0, 0, 0, 0, 0});
  const std::vector<std::uint8_t> name{'S', 't', 'a', 'g', 'e', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
  const auto nameAck = m_client.Exchange(SimCode::kPresetName, name);
  const auto storeAck = m_client.Exchange(SimCode::kStorePreset, {5});
  ASSERT_TRUE(nameAck && storeAck);
  EXPECT_EQ(nameAck->code, SimCode::kAck);
  EXPECT_EQ(storeAck->code, SimCode::kAck);

  // Change the current setting, then recall preset 5.
  ASSERT_TRUE(m_client.Exchange(SimCode::kGain, {0, 0x10, 0x00}));
  ASSERT_TRUE(m_client.Exchange(SimCode::kEraseFirSector, {0, 0}));
  const SimFirArea stored = m_sim->FirArea(5);
  const auto recallAck = m_client.Exchange(SimCode::kRecallPreset, {5});
  ASSERT_TRUE(recallAck);
  EXPECT_EQ(recallAck->code, SimCode::kAck);

  const auto directory = m_client.Exchange(SimCode::kReadPresetDirectory);
  const auto current = m_client.Exchange(SimCode::kCurrentPreset);
  const auto presetName = m_client.Exchange(SimCode::kReadPresetName, {4});
  ASSERT_TRUE(directory && current && presetName);
  EXPECT_EQ(directory->payload[4], 0xFF);
  EXPECT_EQ(current->payload, std::vector<std::uint8_t>{5});
  EXPECT_EQ(std::vector<std::uint8_t>(presetName->payload.begin() + 1, presetName->payload.end()), name);

  const SimImage image = m_sim->Image();
  EXPECT_EQ(image[2], 'S');
  EXPECT_EQ(ReadWord(image, SimImageLayout::ChannelRecord(0) + SimImageLayout::kInGain), 280);
  EXPECT_EQ(m_sim->FirArea(0).Bytes(), stored.Bytes());
  EXPECT_EQ(stored.Word(0, 99), m_sim->FirArea(0).Word(0, 99));
  EXPECT_EQ(stored.Word(0, 100), SimFirArea::kMarker);
}

INSTANTIATE_TEST_SUITE_P(Links, UnitSimLinkTest, ::testing::Values(SimLink::Pty, SimLink::Tcp, SimLink::Hid),
                         [](const auto& info) {
                           return info.param == SimLink::Tcp ? "Tcp" : info.param == SimLink::Hid ? "Hid" : "Pty";
                         });

}  // namespace
