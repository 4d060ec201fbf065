#include "link/ReplyFramer.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) {
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

const Bytes kHello{0x10, 0x02, 0x00, 0x01, 0x01, 0x10, 0x10, 0x03, 0x11};
const Bytes kAck{0x10, 0x02, 0x01, 0x00, 0x02, 0x01, 0x07, 0x10, 0x03, 0x04};
const Bytes kEmpty{0x10, 0x02, 0x00, 0x01, 0x00, 0x10, 0x03, 0x00};  // length byte 0

struct FramerCase {
  std::string name;
  std::size_t completeFrom;
  Bytes received;
  std::vector<Bytes> delivered;
  std::size_t leftInBuffer;
};

class ReplyFraming : public ::testing::TestWithParam<FramerCase> {};

TEST_P(ReplyFraming, OnByte_deliversExactlyTheFramesInTheStream) {
  ReplyFramer framer(GetParam().completeFrom);
  std::vector<Bytes> delivered;
  for (const std::uint8_t byte : GetParam().received) {
    framer.Push(byte, delivered);
  }
  EXPECT_EQ(delivered, GetParam().delivered);
  EXPECT_EQ(framer.Buffer().size(), GetParam().leftInBuffer);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplyFraming,
    ::testing::Values(
        FramerCase{"LeadingGarbageAndRepeatedStart", 5,
                   {0x55, 0x10, 0x10, 0x02, 0x00, 0x01, 0x01, 0x10, 0x10, 0x03, 0x11}, {kHello}, 0},
        FramerCase{"TwoFramesInOneChunk", 5, Concat({kHello, kAck}), {kHello, kAck}, 0},
        FramerCase{"TwoFramesInOneChunkFromNineBytes", 9, Concat({kAck, kHello}), {kAck, kHello}, 0},
        FramerCase{"LengthZeroIsAnEightByteFrameOnSerial", 5, Concat({kEmpty, kHello}), {kEmpty, kHello}, 0},
        FramerCase{"LengthZeroResynchronisesFromNineBytes", 9, Concat({kEmpty, kHello, kAck}), {kHello, kAck}, 0},
        FramerCase{"ResyncTakesNoStartFromAnEndMarkerAndTheByteAfterIt", 9,
                   Concat({{0x10, 0x02, 0x01, 0x00, 0x00, 0x10, 0x03, 0x02}, kAck}), {kAck}, 0},
        FramerCase{"ResyncFindsStartInsideFalseFrame", 9,
                   Concat({{0x10, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00}, kHello}), {kHello}, 0},
        FramerCase{"IncompleteFrameWaits", 5, {0x10, 0x02, 0x00, 0x01, 0x05, 0x33}, {}, 6}),
    [](const ::testing::TestParamInfo<FramerCase>& info) { return info.param.name; });

}  // namespace
