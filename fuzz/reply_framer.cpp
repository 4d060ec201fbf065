// Reply framing and frame parsing: received bytes through the framer of the
// serial link (complete from 5 bytes) or of USB and the network (from 9),
// each frame it completes parsed as a command frame, and a level reply's
// payload as the level report.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "fuzz/support/FuzzCheck.h"
#include "link/ReplyFramer.h"
#include "protocol/LCmd.h"
#include "protocol/LevelReport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const std::size_t completeFrom = (data[0] & 1) != 0 ? 9 : 5;
  ReplyFramer framer(completeFrom);
  std::vector<ReplyFramer::Frame> frames;
  for (const std::uint8_t byte : std::span(data + 1, size - 1)) {
    framer.Push(byte, frames);
    // Whatever the bytes, the framer never holds more than one frame's worth.
    KRV_FUZZ_CHECK("reply_framer", framer.Buffer().size() <= std::max<std::size_t>(completeFrom, 255 + 8));
  }
  for (const ReplyFramer::Frame& frame : frames) {
    KRV_FUZZ_CHECK("reply_framer", frame.size() >= 8 && frame[0] == 0x10 && frame[1] == 0x02);
    KRV_FUZZ_CHECK("reply_framer", frame.size() == static_cast<std::size_t>(frame[4]) + 8);
    const LCmd reply(frame, true);
    KRV_FUZZ_CHECK("reply_framer", reply.GetPayload().size() <= frame.size());
    if (HasFrameMarkers(frame)) {
      KRV_FUZZ_CHECK("reply_framer", reply.GetUnitId() == frame[2]);
    }
    LevelReport::Parse(reply.GetPayload());
  }
  return 0;
}
