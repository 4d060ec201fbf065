#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

/// Cuts a byte stream (pty or TCP) into frames: a frame starts at 10 02 and is
/// complete at its length byte plus 8 bytes. A candidate whose end markers or
/// checksum are wrong is rejected and the search goes on from the byte after
/// its start, so garbage never hides a following good frame. Owned by one front
/// end; used on the simulator's thread only.
class SimFrameAssembler {
 public:
  /// Appends bytes and returns every complete, valid frame they finish, in order.
  std::vector<std::vector<std::uint8_t>> Feed(const std::uint8_t* data, std::size_t size);

  /// Number of candidates rejected since the last call.
  std::size_t TakeRejected() { return std::exchange(m_rejected, 0); }

  /// Forgets any partial frame (after the link was dropped).
  void Reset() { m_buffer.clear(); }

 private:
  std::vector<std::uint8_t> m_buffer;
  std::size_t m_rejected = 0;
};
