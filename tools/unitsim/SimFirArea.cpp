#include "tools/unitsim/SimFirArea.h"

#include <algorithm>
#include <cstring>

SimFirArea::SimFirArea() { m_bytes.fill(0xFF); }

int SimFirArea::ChannelCapacity(int channel) { return channel < 3 ? 2048 : 1024; }

int SimFirArea::ChannelStartWord(int channel) {
  return channel < 3 ? 2048 * channel : 3 * 2048 + 1024 * (channel - 3);
}

std::vector<std::uint8_t> SimFirArea::Block(int block) const {
  if (block < 0 || block >= kBlocks) {
    return {};
  }
  const std::size_t begin = kBlockSize * static_cast<std::size_t>(block);
  const std::size_t end = std::min(begin + kBlockSize, kBytes);
  return {m_bytes.begin() + begin, m_bytes.begin() + end};
}

void SimFirArea::SetWord(std::size_t wordIndex, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    m_bytes[4 * wordIndex + i] = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

std::uint32_t SimFirArea::Word(int channel, int k) const {
  const std::size_t w = static_cast<std::size_t>(ChannelStartWord(channel) + k);
  return static_cast<std::uint32_t>(m_bytes[4 * w]) | static_cast<std::uint32_t>(m_bytes[4 * w + 1]) << 8 |
         static_cast<std::uint32_t>(m_bytes[4 * w + 2]) << 16 | static_cast<std::uint32_t>(m_bytes[4 * w + 3]) << 24;
}

void SimFirArea::WriteCoefficients(int channel, int first, int taps, const std::uint8_t* bigEndian,
                                   std::size_t count) {
  if (channel < 0 || channel > 8 || first < 0) {
    return;
  }
  const int capacity = ChannelCapacity(channel);
  const std::size_t start = static_cast<std::size_t>(ChannelStartWord(channel));
  for (std::size_t i = 0; i < count; ++i) {
    const int k = first + static_cast<int>(i);
    if (k >= capacity) {
      return;
    }
    const std::uint8_t* b = bigEndian + 4 * i;
    SetWord(start + static_cast<std::size_t>(k),
            static_cast<std::uint32_t>(b[0]) << 24 | static_cast<std::uint32_t>(b[1]) << 16 |
                static_cast<std::uint32_t>(b[2]) << 8 | b[3]);
  }
  const int end = first + static_cast<int>(count);
  if (end == taps && taps < capacity) {
    SetWord(start + static_cast<std::size_t>(taps), kMarker);
  }
}

void SimFirArea::EraseSector(int sectorInArea) {
  if (sectorInArea < 0 || sectorInArea >= kSectorsPerArea) {
    return;
  }
  std::fill_n(m_bytes.begin() + kSectorSize * static_cast<std::size_t>(sectorInArea), kSectorSize, 0xFF);
}

void SimFirArea::FillChannel(int channel, int taps) {
  const int capacity = ChannelCapacity(channel);
  taps = std::clamp(taps, 0, capacity);
  const std::size_t start = static_cast<std::size_t>(ChannelStartWord(channel));
  for (int k = 0; k < taps; ++k) {
    // Small, distinct, never the marker and never an identity.
    const float value = 0.5f / static_cast<float>(k + 2) + 0.001f * static_cast<float>(channel);
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    SetWord(start + static_cast<std::size_t>(k), bits);
  }
  for (int k = taps; k < capacity; ++k) {
    SetWord(start + static_cast<std::size_t>(k), kMarker);
  }
}

void SimFirArea::CopyChannel(int source, int destination) {
  if (source == destination || (source < 3) != (destination < 3)) {
    return;
  }
  const std::size_t words = static_cast<std::size_t>(ChannelCapacity(source));
  std::memmove(m_bytes.data() + 4 * static_cast<std::size_t>(ChannelStartWord(destination)),
               m_bytes.data() + 4 * static_cast<std::size_t>(ChannelStartWord(source)), 4 * words);
}
