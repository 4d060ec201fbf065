#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

/// Explicit byte-order access to the unit's byte layouts. 16-bit fields of the
/// image, the files and the payloads are little-endian; FIR coefficients go to
/// the unit as big-endian 32-bit floats. Nothing here relies on host layout.

inline std::uint16_t GetLe16(const std::uint8_t* bytes) {
  return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

inline void PutLe16(std::uint8_t* bytes, unsigned value) {
  bytes[0] = static_cast<std::uint8_t>(value & 0xFF);
  bytes[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

inline void AppendLe16(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

inline void AppendBeFloat(std::vector<std::uint8_t>& out, float value) {
  const auto bits = std::bit_cast<std::uint32_t>(value);
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(static_cast<std::uint8_t>((bits >> shift) & 0xFF));
  }
}
