#include "protocol/FirCoefficientStore.h"

#include <algorithm>
#include <bit>

namespace {

constexpr std::uint32_t kOne = std::bit_cast<std::uint32_t>(1.0f);

}  // namespace

bool FirCoefficientStore::IsCoefficient(int channel, int k) {
  return channel >= 0 && channel < FirBlockMap::kChannelCount && k >= 0 && k < FirBlockMap::ChannelTaps(channel);
}

void FirCoefficientStore::SetInputFirCoefficient(int input, int k, std::uint32_t bits) {
  if (input >= 0 && input < FirBlockMap::kInputCount && IsCoefficient(input, k)) {
    m_words[FirBlockMap::ChannelStart(input) + k] = bits;
  }
}

void FirCoefficientStore::SetOutputFirCoefficient(int output, int k, std::uint32_t bits) {
  const int channel = output + FirBlockMap::kInputCount;
  if (output >= 0 && IsCoefficient(channel, k)) {
    m_words[FirBlockMap::ChannelStart(channel) + k] = bits;
  }
}

float FirCoefficientStore::GetInputFirCoefficient(int input, int k) const {
  return input >= 0 && input < FirBlockMap::kInputCount ? Coefficient(input, k) : 0.0f;
}

float FirCoefficientStore::GetOutputFirCoefficient(int output, int k) const {
  return output >= 0 ? Coefficient(output + FirBlockMap::kInputCount, k) : 0.0f;
}

float FirCoefficientStore::Coefficient(int channel, int k) const {
  return std::bit_cast<float>(ChannelWord(channel, k));
}

std::uint32_t FirCoefficientStore::ChannelWord(int channel, int k) const {
  return IsCoefficient(channel, k) ? m_words[FirBlockMap::ChannelStart(channel) + k] : 0;
}

std::uint32_t FirCoefficientStore::Word(int index) const {
  return index >= 0 && index < kSize ? m_words[index] : 0;
}

void FirCoefficientStore::SetWord(int index, std::uint32_t bits) {
  if (index >= 0 && index < kSize) {
    m_words[index] = bits;
  }
}

void FirCoefficientStore::SetIdentity(int channel) {
  if (channel < 0 || channel >= FirBlockMap::kChannelCount) {
    return;
  }
  const int start = FirBlockMap::ChannelStart(channel);
  m_words[start] = kOne;
  Zero(start + 1, start + FirBlockMap::ChannelTaps(channel));
}

void FirCoefficientStore::Zero(int from, int to) {
  from = std::clamp(from, 0, kSize);
  to = std::clamp(to, from, kSize);
  std::fill(m_words.begin() + from, m_words.begin() + to, 0u);
}
