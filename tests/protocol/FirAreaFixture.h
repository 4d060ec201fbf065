#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "protocol/FirBlockMap.h"
#include "protocol/FirCoefficientStore.h"

/// A FIR memory area as the unit holds it, built from a tap count per
/// channel (0: the channel is erased, an identity), and the coefficient
/// store a complete read of it must give.
struct FirAreaFixture {
  std::vector<std::uint8_t> bytes;
  FirCoefficientStore expected;

  static float Value(int channel, int k) { return 0.25f / static_cast<float>(k + 2) + 0.01f * static_cast<float>(channel); }

  explicit FirAreaFixture(const std::array<int, 9>& taps) : bytes(FirBlockMap::kAreaBytes, 0xFF) {
    for (int channel = 0; channel < 9; ++channel) {
      if (taps[channel] == 0) {
        expected.SetIdentity(channel);
        continue;
      }
      const int start = FirBlockMap::ChannelStart(channel);
      for (int k = 0; k < taps[channel]; ++k) {
        const auto word = std::bit_cast<std::uint32_t>(Value(channel, k));
        for (int i = 0; i < 4; ++i) {
          bytes[4 * static_cast<std::size_t>(start + k) + i] = static_cast<std::uint8_t>(word >> (8 * i));
        }
        expected.SetWord(start + k, word);
      }
    }
  }

  /// The reply to a block request: [0, block high, block low, data...].
  std::vector<std::uint8_t> Reply(int block) const {
    std::vector<std::uint8_t> reply{0, static_cast<std::uint8_t>(block >> 8), static_cast<std::uint8_t>(block & 0xFF)};
    const std::size_t begin = FirBlockMap::kBlockBytes * static_cast<std::size_t>(block);
    const std::size_t end = std::min(begin + FirBlockMap::kBlockBytes, bytes.size());
    reply.insert(reply.end(), bytes.begin() + static_cast<std::ptrdiff_t>(begin),
                 bytes.begin() + static_cast<std::ptrdiff_t>(end));
    return reply;
  }
};
