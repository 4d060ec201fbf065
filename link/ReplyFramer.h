#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

/// Assembles reply frames from received bytes: a frame starts 0x10 0x02
/// and is complete at its length byte (byte 4) plus 8 bytes. Bytes before a
/// start are dropped. When the buffer passes the length its byte 4 gives
/// (a length byte too small for the size at which completion is tested),
/// the framer resynchronises at the next 0x10 0x02 in what it holds, so a
/// bad length byte never swallows the replies that follow. A plain state
/// machine, used by one worker thread.
class ReplyFramer {
public:
  using Frame = std::vector<std::uint8_t>;

  /// `completeFrom`: the size from which completion is tested (5 on the
  /// serial link, 9 on USB and the network).
  explicit ReplyFramer(std::size_t completeFrom) : m_completeFrom(completeFrom) {}

  /// Takes one byte; appends the frames it completes to `complete`.
  void Push(std::uint8_t byte, std::vector<Frame>& complete);
  /// The frame being assembled.
  const Frame& Buffer() const { return m_buffer; }

private:
  /// One byte through the rule; true when the buffer overran its length.
  bool Step(std::uint8_t byte, std::vector<Frame>& complete);

  std::size_t m_completeFrom;
  Frame m_buffer;
};
