#include "link/SendQueue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr std::size_t kTagByte = 8;

// A frame with this code for a channel (and band), whose last payload byte
// (the value) tells it from others.
SendQueue::Frame FrameOf(std::uint8_t code, std::uint8_t tag, std::uint8_t channel = 0, std::uint8_t band = 0) {
  return {0x10, 0x02, 0x00, 0x01, 0x04, code, channel, band, tag, 0x10, 0x03, 0x00};
}

struct Hand {
  std::uint8_t code;
  std::uint8_t tag;
  bool forceAppend;
  std::uint8_t channel = 0;
  std::uint8_t band = 0;
};

struct QueueCase {
  std::string name;
  std::vector<Hand> handedIn;  // after the first frame, which is sent at once
  std::vector<std::pair<std::uint8_t, std::uint8_t>> queued;  // (code, tag)
};

class SendQueueRule : public ::testing::TestWithParam<QueueCase> {};

TEST_P(SendQueueRule, QueueFrame_leavesQueueAsTheRuleSays) {
  SendQueue queue;
  ASSERT_TRUE(queue.Offer(FrameOf(16, 0), true).has_value());
  for (const Hand& hand : GetParam().handedIn) {
    EXPECT_FALSE(queue.Offer(FrameOf(hand.code, hand.tag, hand.channel, hand.band), hand.forceAppend).has_value());
  }
  std::vector<std::pair<std::uint8_t, std::uint8_t>> queued;
  for (const SendQueue::Frame& frame : queue.Frames()) {
    queued.emplace_back(frame[5], frame[kTagByte]);
  }
  EXPECT_EQ(queued, GetParam().queued);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SendQueueRule,
    ::testing::Values(
        QueueCase{"SameCodeCollapsesToLatest", {{52, 1, false}, {52, 2, false}, {51, 3, false}, {52, 4, false}},
                  {{52, 2}, {51, 3}, {52, 4}}},
        QueueCase{"ForceAppendAlwaysAppends", {{52, 1, true}, {52, 2, true}}, {{52, 1}, {52, 2}}},
        QueueCase{"FrameAfterForcedOneDoesNotReplaceIt", {{52, 1, true}, {52, 2, false}}, {{52, 1}, {52, 2}}},
        QueueCase{"ReplacesLastQueuedAcrossForcedFrameOfSameCode",
                  {{52, 1, false}, {52, 2, true}, {52, 3, false}},
                  {{52, 3}, {52, 2}}},
        QueueCase{"NeverOverwritesFrameOfAnotherCode",
                  {{52, 1, false}, {60, 2, true}, {60, 3, false}},
                  {{52, 1}, {60, 2}, {60, 3}}},
        QueueCase{"CodeChangeBetweenAppends", {{52, 1, false}, {51, 2, true}, {52, 3, false}},
                  {{52, 1}, {51, 2}, {52, 3}}},
        QueueCase{"SameCodeForAnotherChannelIsAppended",
                  {{52, 1, false, 0}, {52, 2, false, 1}, {52, 3, false, 1}},
                  {{52, 1}, {52, 3}}},
        QueueCase{"EqualiserBandsAreAddressedByChannelAndBand",
                  {{51, 1, false, 3, 0}, {51, 2, false, 3, 1}, {51, 3, false, 4, 1}, {51, 4, false, 4, 1}},
                  {{51, 1}, {51, 2}, {51, 4}}},
        QueueCase{"RequestsDifferingInPayloadAreAppended", {{41, 1, false}, {41, 1, false}, {41, 2, false}},
                  {{41, 1}, {41, 2}}}),
    [](const ::testing::TestParamInfo<QueueCase>& info) { return info.param.name; });

TEST(SendQueue, Next_sendsQueuedFramesInOrderThenClearsPending) {
  SendQueue queue;
  ASSERT_TRUE(queue.Offer(FrameOf(16, 0), true));
  queue.Offer(FrameOf(52, 1), false);
  queue.Offer(FrameOf(51, 2), false);

  const std::optional<SendQueue::Frame> first = queue.Next();
  ASSERT_TRUE(first);
  EXPECT_EQ((*first)[kTagByte], 1);
  EXPECT_TRUE(queue.ReplyPending());
  // The frame at LastQueued (51) was not sent yet: a new 51 still replaces it.
  queue.Offer(FrameOf(51, 3), false);
  ASSERT_EQ(queue.Frames().size(), 1u);
  EXPECT_EQ(queue.Frames().front()[kTagByte], 3);

  ASSERT_TRUE(queue.Next());
  // LastQueued went with the sent frame: a frame of the same code is appended.
  queue.Offer(FrameOf(51, 4), false);
  EXPECT_EQ(queue.Frames().size(), 1u);
  ASSERT_TRUE(queue.Next());
  EXPECT_FALSE(queue.Next());
  EXPECT_TRUE(queue.IsIdle());
  // Idle again: the next frame goes out at once.
  EXPECT_TRUE(queue.Offer(FrameOf(52, 5), false));
}

TEST(SendQueue, Clear_keepsTheReplyPending) {
  SendQueue queue;
  queue.Offer(FrameOf(16, 0), true);
  queue.Offer(FrameOf(52, 1), false);
  queue.Clear();
  EXPECT_TRUE(queue.Frames().empty());
  EXPECT_TRUE(queue.ReplyPending());
  EXPECT_FALSE(queue.Offer(FrameOf(52, 2), false));
  EXPECT_EQ(queue.Frames().size(), 1u);
}

}  // namespace
