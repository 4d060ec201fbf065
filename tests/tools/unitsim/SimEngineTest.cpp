#include <gtest/gtest.h>

#include "tools/unitsim/SimCodes.h"
#include "tools/unitsim/SimEngine.h"
#include "tools/unitsim/SimUnitState.h"

namespace {

using namespace SimImageLayout;
using Bytes = std::vector<std::uint8_t>;

class SimEngineTest : public ::testing::Test {
 protected:
  SimFrame Send(std::uint8_t code, Bytes payload = {}) {
    return m_engine.Handle(SimFrame{1, code, std::move(payload)});
  }
  std::uint16_t Word(int channel, std::size_t field) const {
    return ReadWord(m_state.image, ChannelRecord(channel) + field);
  }

  SimUnitState m_state;
  SimEngine m_engine{m_state};
};

struct ReplyCase {
  std::uint8_t code;
  Bytes payload;
  std::uint8_t replyCode;
  std::size_t replySize;
};

TEST_F(SimEngineTest, EveryCommandGetsItsReplyCodeAndPayloadSize) {
  const ReplyCase cases[] = {
      {SimCode::kHello, {}, SimCode::kHello, 0},
      {SimCode::kKeepAlive, {}, SimCode::kAck, 0},
      {SimCode::kGoodbye, {}, SimCode::kAck, 0},
      {SimCode::kIdentity, {}, SimCode::kIdentity, 11},
      {SimCode::kCurrentPreset, {}, SimCode::kCurrentPreset, 1},
      {SimCode::kReadPresetDirectory, {}, SimCode::kReadPresetDirectory, 30},
      {SimCode::kReadEeprom, {0, 0, 31}, SimCode::kReadEeprom, 31},
      {SimCode::kReadImageBlock, {3}, SimCode::kImageBlockReply, 51},
      {SimCode::kReadImageBlock, {20}, SimCode::kImageBlockReply, 21},
      {SimCode::kSelectPreset, {4}, SimCode::kAck, 0},
      {SimCode::kReadPresetBlock, {20}, SimCode::kReadPresetBlock, 21},
      {SimCode::kReadPresetName, {29}, SimCode::kReadPresetName, 15},
      {SimCode::kLockStatus, {}, SimCode::kLockStatus, 10},
      {SimCode::kPassSubmit, {0, '8', '5', '3', '1'}, SimCode::kPassSubmit, 2},
      {SimCode::kLevels, {}, SimCode::kLevels, 42},
      {SimCode::kReadFirBlock, {0, 0xB1, 0x03}, SimCode::kReadFirBlock, 15},
      {SimCode::kReadFirBlock, {3, 1, 0}, SimCode::kReadFirBlock, 55},
      {SimCode::kDownload, {7, 2, 1, 2, 3}, SimCode::kDownload, 1},
      {SimCode::kTransferMode, {1}, SimCode::kTransferMode, 1},
      {SimCode::kFactoryReset, {}, SimCode::kAck, 0},
      {SimCode::kGain, {4, 0x18, 0x01}, SimCode::kAck, 0},
      {SimCode::kSelectPreset, {31}, SimCode::kAck, 0},
      {200, {1, 2, 3}, SimCode::kAck, 0},
  };
  for (const ReplyCase& c : cases) {
    const SimFrame reply = Send(c.code, c.payload);
    EXPECT_EQ(reply.unitId, 1);
    EXPECT_EQ(reply.code, c.replyCode) << "command " << int(c.code);
    EXPECT_EQ(reply.payload.size(), c.replySize) << "command " << int(c.code);
  }
}

TEST_F(SimEngineTest, FirBlockReply_givesTheBlockNumberHighByteFirst) {
  const SimFrame reply = Send(SimCode::kReadFirBlock, {0, 0x01, 0x00});
  EXPECT_EQ(Bytes(reply.payload.begin(), reply.payload.begin() + 3), (Bytes{0, 0x00, 0x01}));
}

TEST_F(SimEngineTest, ParameterCommands_changeTheWholeLinkGroup) {
  Send(SimCode::kLinkMask, {0, 0b011});
  Send(SimCode::kLinkMask, {1, 0});
  Send(SimCode::kGain, {1, 0x10, 0x01});
  EXPECT_EQ(Word(0, kInGain), 0x110);
  EXPECT_EQ(Word(1, kInGain), 0x110);
  EXPECT_EQ(Word(2, kInGain), 280);

  Send(SimCode::kPeq, {0, 3, 130, 0, 100, 0, 40, 1, 1});
  EXPECT_EQ(Word(1, kInBands + 18), 130);
  EXPECT_EQ(m_state.image[ChannelRecord(1) + kInBands + 18 + 5], 1);
  EXPECT_EQ(ReadWord(m_state.image, kBandBypassMasks + 2), 0b1000);

  Send(SimCode::kMute, {1, 1});
  EXPECT_EQ(ReadWord(m_state.image, kInputMuteMask), 0b011);
  Send(SimCode::kPolarity, {0, 7});
  EXPECT_EQ(Word(1, kInPolarity), 7);
}

TEST_F(SimEngineTest, OneChannelCommands_changeOnlyThatChannel) {
  Send(SimCode::kLinkMask, {3, 0b11});
  Send(SimCode::kLinkMask, {4, 0});
  Send(SimCode::kMatrix, {4, 0x06});
  Send(SimCode::kMix, {4, 2, 0x50, 0x00});
  Send(SimCode::kChannelName, {4, 'M', 'i', 'd', 0, 0, 0, 0, 0});
  EXPECT_EQ(Word(4, kOutRouting), 6);
  EXPECT_EQ(Word(3, kOutRouting), 1);
  EXPECT_EQ(Word(4, kOutMix + 4), 0x50);
  EXPECT_EQ(Word(3, kOutMix + 4), 280);
  EXPECT_EQ(m_state.image[ChannelRecord(4)], 'M');
  EXPECT_EQ(m_state.image[ChannelRecord(3)], 'O');
}

TEST_F(SimEngineTest, SourceAndTestSignalCommands_setTheirImageBytes) {
  Send(SimCode::kSourceType, {0, 1, 2});
  Send(SimCode::kSourceType, {1, 2, 1});
  Send(SimCode::kSourceType, {2, 0, 1});
  Send(SimCode::kSourcePair, {8, 1});
  Send(SimCode::kWorkMode, {3, 17, 12});
  Send(SimCode::kDelayUnit, {2});
  EXPECT_EQ(m_state.image[kInputPairSource + 1], 2);
  EXPECT_EQ(m_state.image[kOutputPairSource], 0b100);
  EXPECT_EQ(m_state.image[kDanteOutputSource], 0b1);
  EXPECT_EQ(ReadWord(m_state.image, kSourcePairMask), 1u << 8);
  EXPECT_EQ(ReadWord(m_state.image, kTestSignalMode), 3);
  EXPECT_EQ(m_state.image[kTestSineFrequency], 17);
  EXPECT_EQ(m_state.image[kTestLevel], 12);
  EXPECT_EQ(m_state.image[kDelayUnit], 2);
}

TEST_F(SimEngineTest, ExtFir_storesTheCoefficientsAndTheTapCountForTheGroup) {
  Send(SimCode::kLinkMask, {0, 0b101});
  Send(SimCode::kLinkMask, {2, 0});
  Bytes block{0, 2, 26, 0, 0x3F, 0x80, 0x00, 0x00, 0xBF, 0x00, 0x00, 0x00};
  Send(SimCode::kExtFir, block);
  for (int channel : {0, 2}) {
    EXPECT_EQ(m_state.firAreas[0].Word(channel, 24), 0x3F800000u);
    EXPECT_EQ(m_state.firAreas[0].Word(channel, 25), 0xBF000000u);
    EXPECT_EQ(m_state.firAreas[0].Word(channel, 26), SimFirArea::kMarker);
    EXPECT_EQ(Word(channel, kInFirTaps), 26);
  }
  EXPECT_EQ(Word(1, kInFirTaps), 512);

  Send(SimCode::kExtFir, {5, 0, 1, 0, 0x3F, 0x80, 0x00, 0x00});
  EXPECT_EQ(m_state.image[ChannelRecord(5) + kOutFilter + kFilterFirType], 4);
  EXPECT_EQ(Word(5, kOutFilter + kFilterFirTaps), 1);
  EXPECT_EQ(m_state.firAreas[0].Word(5, 1), SimFirArea::kMarker);
}

TEST_F(SimEngineTest, PresetFirWritesAndErasesReachTheirArea) {
  Send(SimCode::kFirExtEeprom, {3, 1, 0, 1, 0, 0x3F, 0x80, 0x00, 0x00});
  EXPECT_EQ(m_state.firAreas[3].Word(1, 0), 0x3F800000u);
  EXPECT_EQ(m_state.firAreas[0].Word(1, 0), SimFirArea::kMarker);
  Send(SimCode::kEraseFirSector, {38, 0});  // preset 3, InB's first sector
  EXPECT_EQ(m_state.firAreas[3].Word(1, 0), SimFirArea::kMarker);
}

TEST_F(SimEngineTest, StoreMarksThePresetUsedAndKeepsImageAndFir) {
  m_state.firAreas[0].FillChannel(0, 5);
  Send(SimCode::kPresetName, Bytes(14, 'Q'));
  Send(SimCode::kStorePreset, {30});
  EXPECT_EQ(Send(SimCode::kReadPresetDirectory).payload[29], 0xFF);
  EXPECT_EQ(Send(SimCode::kCurrentPreset).payload, Bytes{30});
  EXPECT_EQ(m_state.presets[29][0], 0xFF);
  EXPECT_EQ(Send(SimCode::kReadPresetName, {29}).payload[1], 'Q');
  EXPECT_EQ(m_state.firAreas[30].Bytes(), m_state.firAreas[0].Bytes());

  Send(SimCode::kRecallPreset, {0});
  EXPECT_EQ(m_state.image[2], 'D');
  EXPECT_EQ(m_state.firAreas[0].Word(0, 0), SimFirArea::kMarker);
  EXPECT_EQ(Send(SimCode::kCurrentPreset).payload, Bytes{0});
}

TEST_F(SimEngineTest, RecallOfAnUnusedPreset_changesNothing) {
  Send(SimCode::kGain, {0, 1, 0});
  Send(SimCode::kRecallPreset, {9});
  EXPECT_EQ(Word(0, kInGain), 1);
}

TEST_F(SimEngineTest, UnitFileDownload_fillsSlotTableAndPresetImages) {
  Bytes table{1, 0, 30};
  Bytes used(30, 0);
  used[1] = 0xFF;
  table.insert(table.end(), used.begin(), used.end());
  Send(SimCode::kWriteEeprom, table);
  for (std::uint8_t segment = 0; segment <= 20; ++segment) {
    Bytes payload{segment, 1};
    payload.insert(payload.end(), segment == 20 ? 20 : 50, static_cast<std::uint8_t>(segment + 1));
    EXPECT_EQ(Send(SimCode::kDownload, payload).payload, Bytes{segment});
  }
  EXPECT_EQ(Send(SimCode::kReadPresetDirectory).payload, used);
  EXPECT_EQ(m_state.presets[1][0], 1);
  EXPECT_EQ(m_state.presets[1][1019], 21);
  Send(SimCode::kSelectPreset, {2});
  EXPECT_EQ(Send(SimCode::kReadPresetBlock, {1}).payload[1], 2);
  const Bytes eeprom = Send(SimCode::kReadEeprom, {0, 0, 31}).payload;
  EXPECT_EQ(Bytes(eeprom.begin() + 1, eeprom.end()), used);
}

TEST_F(SimEngineTest, CopyChannel_copiesRecordAndCoefficientsButKeepsNameAndRouting) {
  Send(SimCode::kGain, {3, 0x22, 0x01});
  Send(SimCode::kMute, {3, 1});
  Send(SimCode::kEqBypass, {3, 1});
  m_state.firAreas[0].FillChannel(3, 40);
  Send(SimCode::kCopyChannel, {3, 5});
  EXPECT_EQ(Word(5, kOutGain), 0x122);
  EXPECT_EQ(Word(5, kOutRouting), 4);
  EXPECT_EQ(m_state.image[ChannelRecord(5) + 3], '3');
  EXPECT_EQ(ReadWord(m_state.image, kOutputMuteMask), 0b101);
  EXPECT_EQ(ReadWord(m_state.image, kOutputEqBypassMask), 0b101);
  EXPECT_EQ(m_state.firAreas[0].Word(5, 39), m_state.firAreas[0].Word(3, 39));
  EXPECT_EQ(m_state.firAreas[0].Word(5, 40), SimFirArea::kMarker);
}

struct LockCase {
  bool adminLock;
  bool userLock;
  Bytes password;
  std::uint8_t statusBefore;
  std::uint8_t verdict;
  std::uint8_t statusAfter;
};

TEST_F(SimEngineTest, LockStatusAndVerdictsFollowTheLocks) {
  const LockCase cases[] = {
      {false, false, {'0', '0', '0', '0'}, 0, 1, 0},
      {true, false, {'8', '5', '3', '1'}, 1, 1, 0},
      {true, false, {'1', '1', '1', '1'}, 1, 0, 1},
      {true, true, {'2', '9', '4', '7'}, 3, 2, 2},
      {true, true, {'8', '5', '3', '1'}, 3, 1, 0},
  };
  for (const LockCase& c : cases) {
    m_state.lock = SimLockState{};
    m_state.lock.adminLockSet = c.adminLock;
    m_state.lock.userLockSet = c.userLock;
    m_state.lock.permissions = {0x10, 0x00, 0x03};
    Send(SimCode::kHello);
    const Bytes before = Send(SimCode::kLockStatus).payload;
    EXPECT_EQ(before[5], c.statusBefore);
    EXPECT_EQ(before[9], (c.adminLock ? 1 : 0) | (c.userLock ? 2 : 0));
    EXPECT_EQ(before[6], c.userLock ? 0x10 : 0);
    Bytes submit{0};
    submit.insert(submit.end(), c.password.begin(), c.password.end());
    EXPECT_EQ(Send(SimCode::kPassSubmit, submit).payload, (Bytes{0, c.verdict}));
    EXPECT_EQ(Send(SimCode::kLockStatus).payload[5], c.statusAfter);
  }
}

TEST_F(SimEngineTest, LockCommands_setAndDeleteTheLocks) {
  Send(SimCode::kSetLock, {'1', '2', '3', '4', 1});
  Send(SimCode::kSetUserLock, {'5', '6', '7', '8', 1, 2, 3, 1});
  Send(SimCode::kHello);
  EXPECT_EQ(Send(SimCode::kLockStatus).payload, (Bytes{0, 0, 0, 0, 0, 3, 1, 2, 3, 3}));
  EXPECT_EQ(Send(SimCode::kPassSubmit, {0, '5', '6', '7', '8'}).payload[1], 2);
  Send(SimCode::kSetUserLock, {0, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(Send(SimCode::kLockStatus).payload[9], 1);
  Send(SimCode::kSetLock, {'1', '2', '3', '4', 0});
  EXPECT_EQ(Send(SimCode::kLockStatus).payload[9], 0);
}

TEST_F(SimEngineTest, Levels_travelAsTheUpperThreeBytesOfEachFloat) {
  m_state.levels.amplitudes[0] = 1.0f;
  m_state.levels.amplitudes[1] = 0.5f;
  m_state.levels.activityMask = 0x0101;
  m_state.levels.idleCount = 48;
  const Bytes p = Send(SimCode::kLevels).payload;
  EXPECT_EQ(Bytes(p.begin(), p.begin() + 6), (Bytes{0x80, 0x3F, 0x00, 0x00, 0x3F, 0x00}));
  EXPECT_EQ(Bytes(p.begin() + 36, p.end()), (Bytes{0x01, 0x01, 48, 0, 0, 0}));
}

TEST_F(SimEngineTest, ShortCommands_areAcknowledgedAndChangeNothing) {
  const SimImage before = m_state.image;
  for (std::uint8_t code : {SimCode::kGain, SimCode::kPeq, SimCode::kCompressor, SimCode::kExtFir,
                            SimCode::kChannelName, SimCode::kMix, SimCode::kSourceType}) {
    EXPECT_EQ(Send(code, {0}).code, SimCode::kAck);
  }
  EXPECT_EQ(m_state.image, before);
}

}  // namespace
