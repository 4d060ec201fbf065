#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

/// A frame states its size in its length byte (byte 4): the frame is that
/// byte plus the eight bytes of markers, address, length, code and check.
namespace FrameLayout {

inline constexpr std::size_t kLengthByte = 4;
inline constexpr std::size_t kOverhead = 8;

/// How many leading bytes the first frame's length byte covers, at most
/// those there are; all of them when they end before the length byte.
inline std::size_t FrameSpan(std::span<const std::uint8_t> bytes) {
  return bytes.size() > kLengthByte ? std::min(bytes.size(), bytes[kLengthByte] + kOverhead) : bytes.size();
}

}  // namespace FrameLayout
