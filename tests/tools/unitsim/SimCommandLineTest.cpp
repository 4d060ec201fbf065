#include <algorithm>

#include <gtest/gtest.h>

#include "tools/unitsim/SimCommandLine.h"

namespace {

TEST(SimCommandLine, ParsesLinksUnitSettingsAndFaults) {
  const SimCommandLine line = ParseCommandLine({"--pty", "--tcp", "--tcp-port", "0", "--udp", "--answer-udp",
                                                "--unit-id", "250", "--identity", "KRV-70 V010", "--fir-taps",
                                                "13,2045,0,1024,0,0,0,0,1", "--user-lock", "16,0,3", "--verdict",
                                                "2", "--delay", "16:250", "--no-reply", "all", "--short", "44:4",
                                                "--duplicate", "52:1", "--skip", "2", "--times", "1"});
  ASSERT_EQ(line.error, "");
  EXPECT_TRUE(line.options.pty && line.options.tcp && line.options.udp && line.options.answerUdpFrames);
  EXPECT_EQ(line.options.tcpPort, 0);
  EXPECT_EQ(line.unitId, 250);
  EXPECT_EQ(line.identity, "KRV-70 V010");
  ASSERT_TRUE(line.firTaps);
  EXPECT_EQ((*line.firTaps)[1], 2045);
  EXPECT_EQ(line.userLock, (std::array<std::uint8_t, 3>{16, 0, 3}));
  EXPECT_EQ(line.verdict, 2);
  ASSERT_EQ(line.faults.size(), 4u);
  EXPECT_EQ(line.faults[0].code, 16);
  EXPECT_EQ(line.faults[0].delay, std::chrono::milliseconds(250));
  EXPECT_FALSE(line.faults[1].code.has_value());
  EXPECT_TRUE(line.faults[1].noReply);
  EXPECT_EQ(line.faults[2].payloadLimit, 4u);
  EXPECT_EQ(line.faults[2].times, -1);
  EXPECT_EQ(line.faults[3].duplicates, 1);
  EXPECT_EQ(line.faults[3].skip, 2);
  EXPECT_EQ(line.faults[3].times, 1);
}

TEST(SimCommandLine, AckOnlyTakesACode) {
  const SimCommandLine line = ParseCommandLine({"--pty", "--locked", "--ack-only", "45"});
  ASSERT_EQ(line.error, "");
  ASSERT_EQ(line.faults.size(), 1u);
  EXPECT_EQ(line.faults[0].code, 45);
  EXPECT_TRUE(line.faults[0].ackOnly);
  EXPECT_NE(ParseCommandLine({"--pty", "--ack-only"}).error, "");
}

TEST(SimCommandLine, NoiseOtherBlockAndCutOffTakeACodeAndACount) {
  const SimCommandLine line = ParseCommandLine(
      {"--tcp", "--garbage", "86:12", "--other-block", "36:1", "--cut-drop", "41:7", "--split", "all"});
  ASSERT_EQ(line.error, "");
  ASSERT_EQ(line.faults.size(), 4u);
  EXPECT_EQ(line.faults[0].garbage.size(), 12u);
  EXPECT_EQ(std::count(line.faults[0].garbage.begin(), line.faults[0].garbage.end(), 0x02), 1)
      << "no start marker: 10 is never followed by 02";
  EXPECT_EQ(line.faults[1].blockShift, 1);
  EXPECT_EQ(line.faults[2].cutAndDrop, 7u);
  EXPECT_TRUE(line.faults[3].split);
  EXPECT_FALSE(line.faults[3].code.has_value());
  EXPECT_NE(ParseCommandLine({"--pty", "--garbage", "86"}).error, "");
}

TEST(SimCommandLine, RefusesBadArguments) {
  const std::vector<std::vector<std::string>> bad{
      {},
      {"--pty", "--unit-id", "0"},
      {"--pty", "--unit-id", "251"},
      {"--tcp", "--tcp-port", "70000"},
      {"--pty", "--delay", "16"},
      {"--pty", "--no-reply", "256"},
      {"--pty", "--fir-taps", "1,2,3"},
      {"--pty", "--frobnicate"},
      {"--pty", "--times", "2"},
      {"--pty", "--delay", "16:5", "--skip", "0"},
  };
  for (const auto& args : bad) {
    EXPECT_NE(ParseCommandLine(args).error, "") << ::testing::PrintToString(args);
  }
}

TEST(SimCommandLine, HelpListsEveryOption) {
  const std::string help = CommandLineHelp();
  for (const char* option :
       {"--pty", "--tcp", "--tcp-address", "--tcp-port", "--udp", "--udp-port", "--discovery-port",
        "--multicast-group", "--udp-source", "--answer-udp", "--unit-id", "--identity", "--fir-taps", "--locked",
        "--user-lock",
        "--verdict", "--ignore-other-ids", "--no-reply", "--delay", "--wrong-id", "--short", "--duplicate",
        "--split", "--garbage", "--other-block", "--drop-link", "--cut-drop", "--ack-only", "--times", "--skip", "--verbose", "--help"}) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
    EXPECT_EQ(ParseCommandLine({option}).error.find("unknown"), std::string::npos) << option;
  }
  EXPECT_TRUE(ParseCommandLine({"--help"}).help);
}

}  // namespace
