#include <gtest/gtest.h>

#include "tools/unitsim/SimFrame.h"
#include "tools/unitsim/SimFrameAssembler.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(SimFrame, EditorHello_isTheNineBytesTheEditorSends) {
  EXPECT_EQ(BuildEditorFrame(1, 0x10, {}), (Bytes{0x10, 0x02, 0x00, 0x01, 0x01, 0x10, 0x10, 0x03, 0x11}));
}

TEST(SimFrame, UnitFrame_carriesTheUnitIdInByteTwoAndParsesBack) {
  const Bytes frame = BuildUnitFrame(5, 42, {0x07});
  EXPECT_EQ(frame, (Bytes{0x10, 0x02, 0x05, 0x00, 0x02, 0x2A, 0x07, 0x10, 0x03, 0x2B}));
  const auto parsed = ParseFrame(frame, SimFrameSender::Unit);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->unitId, 5);
  EXPECT_EQ(parsed->code, 42);
  EXPECT_EQ(parsed->payload, Bytes{0x07});
}

TEST(SimFrame, Parse_refusesBrokenFrames) {
  const Bytes good = BuildEditorFrame(1, 52, {4, 0x18, 0x01});
  Bytes badChecksum = good;
  badChecksum.back() ^= 1;
  Bytes badEnd = good;
  badEnd[badEnd.size() - 2] = 0x04;
  Bytes shortByOne(good.begin(), good.end() - 1);
  const Bytes zeroLength{0x10, 0x02, 0x00, 0x01, 0x00, 0x10, 0x03, 0x00};
  EXPECT_TRUE(ParseFrame(good, SimFrameSender::Editor));
  for (const Bytes& bad : {badChecksum, badEnd, shortByOne, zeroLength}) {
    EXPECT_FALSE(ParseFrame(bad, SimFrameSender::Editor));
  }
}

TEST(SimFrameAssembler, FindsFramesBehindGarbageSplitsAndBrokenCandidates) {
  const Bytes first = BuildEditorFrame(1, 18, {});
  const Bytes second = BuildEditorFrame(1, 51, {0x10, 0x03, 0x10, 0x02, 0, 0, 0, 0, 0});
  Bytes broken = BuildEditorFrame(1, 16, {});
  broken.back() ^= 0xFF;

  Bytes stream{0x00, 0x10, 0x7F};
  stream.insert(stream.end(), broken.begin(), broken.end());
  stream.insert(stream.end(), first.begin(), first.end());
  stream.insert(stream.end(), second.begin(), second.end());

  SimFrameAssembler assembler;
  std::vector<Bytes> frames = assembler.Feed(stream.data(), stream.size() - 4);
  const auto rest = assembler.Feed(stream.data() + stream.size() - 4, 4);
  frames.insert(frames.end(), rest.begin(), rest.end());

  EXPECT_EQ(frames, (std::vector<Bytes>{first, second}));
  EXPECT_EQ(assembler.TakeRejected(), 1u);
  EXPECT_EQ(assembler.TakeRejected(), 0u);
}

}  // namespace
