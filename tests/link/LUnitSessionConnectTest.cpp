#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/ProcessState.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "tests/link/SessionFixture.h"
#include "tests/support/ProcessEventsUntil.h"

namespace {

using namespace std::chrono_literals;

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST_F(SessionFixture, OpenSerialLink_sendsTheHelloWithProbeSettings) {
  OpenSerial();

  ASSERT_NE(serial, nullptr);
  EXPECT_EQ(serial->portName, "/dev/fake0");
  EXPECT_EQ(serial->timeout, 100);
  EXPECT_EQ(serial->retries, 3);
  EXPECT_EQ(serial->keepAliveUnitId, 1);
  EXPECT_EQ(SentSince(serial, 0), (std::vector<std::string>{"10"}));
  EXPECT_TRUE(serial->frames[0].forceAppend);
  EXPECT_EQ(serial->frames[0].bytes[3], 1) << "the hello carries UnitId";
  EXPECT_TRUE(session.IsAwaitingHello());
  EXPECT_FALSE(session.IsUnitOnline());
}

TEST_F(SessionFixture, OpenNetworkLink_waitsLongerForTheHello) {
  session.OpenNetworkLink();

  EXPECT_EQ(factory.Last(LinkKind::Network)->timeout, 4000);
}

TEST_F(SessionFixture, OpenLink_failureDiscardsTheTransportAndTellsTheSearch) {
  factory.opens = false;

  OpenSerial();
  session.OpenUsbLink();

  EXPECT_FALSE(session.HasAnyTransport());
  EXPECT_TRUE(factory.Last(LinkKind::Serial)->closed);
  EXPECT_TRUE(factory.Last(LinkKind::Usb)->destroyed);
  EXPECT_EQ(window.calls, (std::vector<std::string>{"LinkBroken", "ProbeResult 0"}));
}

TEST_F(SessionFixture, OpenLink_replacesTheTransportOfItsOwnKindOnly) {
  session.OpenNetworkLink();
  OpenSerial();
  FakeLinkRecord* first = serial;

  OpenSerial();

  EXPECT_TRUE(first->closed);
  EXPECT_TRUE(first->destroyed);
  EXPECT_FALSE(factory.Last(LinkKind::Network)->closed);
}

TEST_F(SessionFixture, SendCommand_andSettersUseSerialBeforeUsbBeforeNetwork) {
  session.OpenNetworkLink();
  session.OpenUsbLink();
  OpenSerial();
  FakeLinkRecord* net = factory.Last(LinkKind::Network);
  FakeLinkRecord* usb = factory.Last(LinkKind::Usb);
  const std::size_t netBefore = net->frames.size();

  session.SendCommand(CM_MCS_CMD(1, CMD_GAIN, 1, 2), false);
  session.SetLinkTimeout(777);
  session.SetKeepAliveSuppressed(true);
  session.SetUnitId(9);

  EXPECT_EQ(SentSince(serial, 1), (std::vector<std::string>{"34 01 02"}));
  EXPECT_EQ(net->frames.size(), netBefore);
  EXPECT_EQ(serial->timeout, 777);
  EXPECT_TRUE(serial->keepAliveSuppressed);
  EXPECT_EQ(serial->keepAliveUnitId, 9);
  EXPECT_NE(usb->timeout, 777);

  window.probeAnswered = false;
  session.Disconnect();
  EXPECT_TRUE(serial->closed);
  EXPECT_FALSE(usb->closed);
  EXPECT_FALSE(net->closed);
}

TEST_F(SessionFixture, SendCommand_withoutTransportIsDropped) {
  session.SendCommand(CM_MCS_CMD(1, CMD_GAIN), true);

  EXPECT_TRUE(factory.created.empty());
}

TEST_F(SessionFixture, SetUnitId_acceptsOneTo254Only) {
  session.SetUnitId(0);
  session.SetUnitId(255);
  EXPECT_EQ(session.GetUnitId(), 1);
  EXPECT_TRUE(window.calls.empty());

  session.SetUnitId(254);
  EXPECT_EQ(session.GetUnitId(), 254);
  EXPECT_EQ(window.calls, (std::vector<std::string>{"IdLabel ID : 254"}));
}

TEST_F(SessionFixture, HelloReply_putsTheUnitOnlineAndAsksItsIdentity) {
  OpenSerial();
  serial->keepAliveSuppressed = true;

  Reply(CMD_HELLO);

  EXPECT_FALSE(session.IsAwaitingHello());
  EXPECT_TRUE(session.IsUnitOnline());
  EXPECT_EQ(SentSince(serial, 1), (std::vector<std::string>{"13"}));
  EXPECT_TRUE(serial->frames.back().forceAppend);
  EXPECT_FALSE(serial->keepAliveSuppressed);
  EXPECT_EQ(serial->retries, 3);
  EXPECT_EQ(serial->timeout, 5000);
  EXPECT_TRUE(window.Has("AddressOff"));
}

TEST_F(SessionFixture, IdentityReply_acceptedLinksAndAsksTheLockStatus) {
  OpenSerial();
  Reply(CMD_HELLO);

  Reply(CMD_IDENTITY, Bytes("KRV-71 V010 build 7"));

  EXPECT_TRUE(session.IsUnitLinked());
  EXPECT_EQ(SentSince(serial, 2), (std::vector<std::string>{"2C"}));
  EXPECT_EQ(serial->timeout, 1000);
  EXPECT_EQ(window.With("ProbeResult"), (std::vector<std::string>{"ProbeResult 1"}));
  EXPECT_TRUE(window.Has("ButtonCaption SID_ONLINE"));
  EXPECT_TRUE(window.Has("ConnectCaption SID_DISCONNECT"));
  EXPECT_TRUE(window.Has("LinkLabel /dev/fake0"));
  EXPECT_TRUE(window.Has("ButtonDown"));
}

TEST_F(SessionFixture, IdentityReply_namesTheLinkItCameOver) {
  session.OpenUsbLink();
  Reply(CMD_IDENTITY, Bytes("KRV-71 V010"));
  EXPECT_TRUE(window.Has("LinkLabel USB"));
  EXPECT_EQ(factory.Last(LinkKind::Usb)->timeout, 5000);

  session.CloseAllTransports();
  session.OpenNetworkLink();
  Reply(CMD_IDENTITY, Bytes("KRV-71 V010"));
  EXPECT_TRUE(window.Has("LinkLabel IP : 192.168.1.10"));
}

struct RefusalCase {
  const char* identity;
  const char* text;
};

class IdentityRefusalTest : public SessionFixture, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(IdentityRefusalTest, IdentityReply_refusedSaysWhyThenSaysGoodbyeAndDisconnects) {
  OpenSerial();
  Reply(CMD_HELLO);

  Reply(CMD_IDENTITY, Bytes(GetParam().identity));

  EXPECT_FALSE(session.IsUnitLinked());
  EXPECT_FALSE(session.IsUnitOnline());
  EXPECT_EQ(SentSince(serial, 2), (std::vector<std::string>{"11"}));
  EXPECT_TRUE(serial->keepAliveSuppressed);
  EXPECT_EQ(window.With("Info"), (std::vector<std::string>{std::string("Info ") + GetParam().text}));
  EXPECT_TRUE(window.Has("HideSearch"));
  EXPECT_FALSE(serial->closed) << "the link stays open until tmDisconnect";

  ASSERT_TRUE(ProcessEventsUntil([&] { return serial->closed; }, 2s));
  EXPECT_FALSE(session.HasAnyTransport());
  EXPECT_TRUE(window.Has("LinkBroken"));
}

INSTANTIATE_TEST_SUITE_P(Identities, IdentityRefusalTest,
                         ::testing::Values(RefusalCase{"KRV-72 V010", "SID_INFO_ERROR_UNIT"},
                                           RefusalCase{"KRV-7", "SID_INFO_ERROR_UNIT"},
                                           RefusalCase{"", "SID_INFO_ERROR_UNIT"},
                                           RefusalCase{"KRV-71 V011", "SID_INFO_ERROR_VERSION"},
                                           RefusalCase{"KRV-71 V01", "SID_INFO_ERROR_VERSION"},
                                           RefusalCase{"KRV-71-V010", "SID_INFO_ERROR_VERSION"}));

TEST_F(SessionFixture, HandleReply_dropsAnotherUnitsReplyOnASerialLinkAndAbandonsTheSearch) {
  OpenSerial();
  window.searchVisible = true;

  Reply(CMD_HELLO, {}, 5);

  EXPECT_TRUE(session.IsAwaitingHello());
  EXPECT_EQ(session.GetUnitId(), 1);
  EXPECT_EQ(serial->frames.size(), 1u);
  ASSERT_TRUE(ProcessEventsUntil([&] { return serial->closed; }, 2s));
  EXPECT_EQ(window.With("ProbeResult"), (std::vector<std::string>{"ProbeResult 0"}));
}

TEST_F(SessionFixture, HandleReply_usbLinkTakesTheUnitIdOfTheReply) {
  session.OpenUsbLink();

  Reply(CMD_HELLO, {}, 5);
  EXPECT_TRUE(session.IsUnitOnline());
  EXPECT_EQ(session.GetUnitId(), 5);

  Reply(CMD_ACK, {}, 255);
  EXPECT_EQ(session.GetUnitId(), 5);
}

TEST_F(SessionFixture, LockStatusReply_unlockedUnitStartsTheReadOut) {
  OpenSerial();
  std::vector<std::uint8_t> status(10, 0);
  status[6] = 0x10;

  Reply(CMD_LOCK_STATUS, status);

  EXPECT_EQ(SentSince(serial, 1), (std::vector<std::string>{"22"}));
  EXPECT_FALSE(serial->frames.back().forceAppend);
  EXPECT_EQ(window.calls, (std::vector<std::string>{"UserLock 0"}));
}

TEST_F(SessionFixture, LockStatusReply_lockedUnitWaitsForTheUnlockPrompt) {
  OpenSerial();
  std::vector<std::uint8_t> status(10, 0);
  status[5] = 3;
  status[9] = 2;
  status[6] = 0x10;
  status[8] = 0x03;

  Reply(CMD_LOCK_STATUS, status);

  EXPECT_EQ(serial->frames.size(), 1u);
  EXPECT_EQ(session.GetProcessState(), PROCESS_UNLOCK_PROMPT);
  EXPECT_EQ(session.GetAccessLockState(), 3);
  EXPECT_EQ(window.calls,
            (std::vector<std::string>{"UserLock 2", "Permissions 16 0 3", "MenusLocked", "UnlockPrompt"}));

  Reply(CMD_ACK);
  EXPECT_EQ(session.GetProcessState(), PROCESS_IDLE) << "an acknowledgement cancels the prompt";
}

TEST_F(SessionFixture, LinkError_noHelloReplyDiscardsTheProbedTransport) {
  OpenSerial();

  session.HandleLinkError(0);

  EXPECT_TRUE(serial->closed);
  EXPECT_FALSE(session.HasAnyTransport());
  EXPECT_TRUE(session.IsAwaitingHello());
  EXPECT_EQ(window.calls, (std::vector<std::string>{"ProbeResult 0"}));
}

TEST_F(SessionFixture, LinkError_whileOfflineAndNotProbingChangesNothing) {
  session.HandleLinkError(0);
  session.HandleLinkError(5);

  EXPECT_TRUE(window.calls.empty());
}

TEST_F(SessionFixture, LinkError_whileOnlineDisconnectsKeepsTheModelAndAsksForTheSearch) {
  OpenSerial();
  Reply(CMD_HELLO);
  Reply(CMD_IDENTITY, Bytes("KRV-71 V010"));
  session.SetBulkMode(BULK_UNIT_FILE_FIR);
  session.SetProcessState(PROCESS_PRESET_DOWNLOAD);
  unit.Image().SetByte(100, 0x5A);
  const UnitImage image = unit.Image();
  window.calls.clear();

  session.HandleLinkError(1);

  EXPECT_FALSE(session.HasAnyTransport());
  EXPECT_FALSE(session.IsUnitOnline());
  EXPECT_FALSE(session.IsUnitLinked());
  EXPECT_EQ(session.GetProcessState(), PROCESS_IDLE);
  EXPECT_EQ(session.GetBulkMode(), BULK_NONE);
  EXPECT_EQ(unit.Image(), image);
  EXPECT_TRUE(window.Has("CloseProgress"));
  ASSERT_GE(window.calls.size(), 2u);
  EXPECT_EQ(window.calls[window.calls.size() - 2], "LinkBroken");
  EXPECT_EQ(window.calls.back(), "ShowSearch");

  OpenSerial();
  Reply(CMD_HELLO);
  EXPECT_EQ(SentSince(serial, 1), (std::vector<std::string>{"13"})) << "the next hello is a handshake again";
}

TEST_F(SessionFixture, Disconnect_afterALinkedUnitSaysGoodbyeBeforeClosing) {
  OpenSerial();
  Reply(CMD_HELLO);
  Reply(CMD_IDENTITY, Bytes("KRV-71 V010"));
  window.calls.clear();

  session.Disconnect();

  const std::vector<std::string> tail(serial->calls.end() - 3, serial->calls.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"Queue 17", "LetFramesOut", "Close"}));
  EXPECT_TRUE(serial->frames.back().forceAppend);
  EXPECT_TRUE(serial->destroyed);
  EXPECT_EQ(window.calls,
            (std::vector<std::string>{"RestoreFolder", "RescanHid", "ConnectCaption SID_CONNECT",
                                      "ButtonCaption SID_OFFLINE", "AddressOn", "LinkLabel Disconnected",
                                      "LinkControlsOn", "ButtonUp", "OfflineCaption", "StopLive", "CloseProgress"}));
}

TEST_F(SessionFixture, Disconnect_afterAFailedProbeOnlyClosesTheTransport) {
  OpenSerial();
  Reply(CMD_HELLO);
  window.probeAnswered = false;
  window.calls.clear();

  session.Disconnect();

  EXPECT_TRUE(serial->closed);
  EXPECT_EQ(serial->frames.size(), 2u) << "no goodbye";
  EXPECT_TRUE(window.calls.empty());
  EXPECT_TRUE(session.IsUnitOnline());
}

}  // namespace

TEST_F(SessionFixture, LockStatusReply_cutShortFailsTheHandshakeAndGoesOffline) {
  OpenSerial();
  Reply(CMD_HELLO);
  Reply(CMD_IDENTITY, Bytes("KRV-71 V010"));
  const std::size_t before = SentCount();
  window.calls.clear();

  Reply(CMD_LOCK_STATUS, std::vector<std::uint8_t>(9, 0));

  EXPECT_EQ(SentSince(serial, before), (std::vector<std::string>{"11"})) << "a goodbye, no directory read";
  EXPECT_TRUE(serial->keepAliveSuppressed);
  EXPECT_EQ(window.With("Traffic").size(), 1u);
  EXPECT_FALSE(window.Has("UserLock 0"));
  ASSERT_TRUE(ProcessEventsUntil([&] { return serial->closed; }, 2s));
  EXPECT_FALSE(session.HasAnyTransport());
  EXPECT_FALSE(session.IsUnitLinked());
  EXPECT_TRUE(window.Has("LinkBroken"));
  EXPECT_TRUE(window.Has("StopLive"));
}
