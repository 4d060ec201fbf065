#include "link/ResendPolicy.h"

#include <string>

#include <gtest/gtest.h>

namespace {

struct ResendCase {
  std::string name;
  int retryCount;
  int silentTimeouts;
  int spareResends;
  // 'S' a frame is sent, 'T' a time-out, 'C' a time-out with the buffer cleared.
  std::string events;
  // Per event: 'w' written, 'e' error, '.' nothing.
  std::string actions;
};

class ResendRule : public ::testing::TestWithParam<ResendCase> {};

TEST_P(ResendRule, Timeouts_resendThenReportNoReply) {
  const ResendCase& c = GetParam();
  ResendPolicy policy(c.silentTimeouts);
  policy.SetRetryCount(c.retryCount);
  policy.SetSpareResends(c.spareResends);
  std::string actions;
  for (const char event : c.events) {
    if (event == 'S') {
      policy.OnSend();
      actions += 'w';
      continue;
    }
    const ResendPolicy::Action action = policy.OnTimeout(event == 'C');
    actions += action.error ? 'e' : action.write ? 'w' : '.';
  }
  EXPECT_EQ(actions, c.actions);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResendRule,
    ::testing::Values(
        // Written at the send and three time-outs; error at the fourth; then
        // the cleared buffer is not written, and the error comes again.
        ResendCase{"SerialRetryThree", 3, 0, 0, "STTTTCCCC", "wwwwe...e"},
        ResendCase{"NewFrameResetsTheCount", 2, 0, 0, "STTSTTT", "wwwwwwe"},
        ResendCase{"AnsweredFrameIsResentToo", 1, 0, 0, "STTC", "wwe."},
        // A spare resend writes even a cleared buffer and leaves the count alone.
        ResendCase{"SpareResendComesFirst", 1, 0, 1, "SCTT", "wwwe"},
        // USB waits four silent time-outs after its last resend.
        ResendCase{"SilentTimeoutsBeforeError", 3, 4, 0, "STTTTTTTTCCCCCCCC", "wwww....e.......e"}),
    [](const ::testing::TestParamInfo<ResendCase>& info) { return info.param.name; });

}  // namespace
