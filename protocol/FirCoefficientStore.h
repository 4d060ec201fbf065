#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "protocol/FirBlockMap.h"

/// The FIR coefficients of all nine channels in the layout of a FIR memory
/// area: 3 x 2048 input then 6 x 1024 output coefficients, held as raw 32-bit
/// words (the bits of an IEEE float). Owned by the link session for the whole
/// run; GUI thread only. An index outside its channel is ignored by setters
/// and reads as 0 from getters.
class FirCoefficientStore {
public:
  static constexpr int kSize = FirBlockMap::kAreaCoefficients;

  /// All words zero.
  FirCoefficientStore() = default;

  void SetInputFirCoefficient(int input, int k, std::uint32_t bits);
  void SetOutputFirCoefficient(int output, int k, std::uint32_t bits);
  float GetInputFirCoefficient(int input, int k) const;
  float GetOutputFirCoefficient(int output, int k) const;

  /// Coefficient k of channel 0-8 as a float, and its raw word.
  float Coefficient(int channel, int k) const;
  std::uint32_t ChannelWord(int channel, int k) const;

  /// Word `index` of the whole store (0 to kSize - 1); see `SetWord`.
  std::uint32_t Word(int index) const;
  void SetWord(int index, std::uint32_t bits);

  /// A unit impulse: 1.0 followed by zeros to the channel's end.
  void SetIdentity(int channel);
  /// Zeros words `from` up to (not including) `to`, both clipped to the store.
  void Zero(int from, int to);

  std::span<const std::uint32_t, kSize> Words() const { return m_words; }
  bool operator==(const FirCoefficientStore&) const = default;

private:
  static bool IsCoefficient(int channel, int k);

  std::array<std::uint32_t, kSize> m_words{};
};
