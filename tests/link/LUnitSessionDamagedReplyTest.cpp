#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "protocol/CommandCodes.h"
#include "tests/link/SessionFixture.h"
#include "tests/support/FixturePath.h"

namespace {
std::vector<std::uint8_t> FixtureBytes(const std::string& name) {
  std::ifstream file(FixturePath("link/fixtures/" + name), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
}  // namespace

// A USB report cut short: 10 02, a length byte the framer completes at, no
// 10 03. Parsed, its first byte 0x10 would read as CMD_HELLO.
TEST_F(SessionFixture, HandleReply_frameWithoutEndMarkerIsLoggedAndDropped) {
  const std::vector<std::uint8_t> damaged = FixtureBytes("reply_without_end_marker.bin");
  ASSERT_EQ(damaged.size(), 9u);
  session.OpenUsbLink();
  window.calls.clear();

  session.HandleReply(damaged);

  EXPECT_TRUE(session.IsAwaitingHello());
  EXPECT_FALSE(session.IsUnitOnline());
  EXPECT_EQ(window.calls, (std::vector<std::string>{"Traffic Damaged reply ignored: 9 bytes without the end marker"}));

  Reply(CMD_HELLO);
  EXPECT_TRUE(session.IsUnitOnline());
}
