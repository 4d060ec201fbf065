#include "protocol/FirBlockReader.h"

#include <algorithm>

#include "protocol/FirBlockMap.h"
#include "protocol/FirCoefficientStore.h"

namespace {

constexpr std::size_t kHeaderBytes = 3;

/// The channel that holds coefficient `position`; 8 for the end of the area.
int ChannelOf(int position) {
  for (int channel = FirBlockMap::kChannelCount - 1; channel > 0; --channel) {
    if (position >= FirBlockMap::ChannelStart(channel)) {
      return channel;
    }
  }
  return 0;
}

int ChannelEnd(int channel) { return FirBlockMap::ChannelStart(channel) + FirBlockMap::ChannelTaps(channel); }

/// The data bytes block `block` of an area carries: 52, the area's last 12
/// in the last block, none beyond the area.
std::size_t BlockDataBytes(int block) {
  const long start = static_cast<long>(block) * FirBlockMap::kBlockBytes;
  const long left = static_cast<long>(FirBlockMap::kAreaBytes) - start;
  return static_cast<std::size_t>(std::clamp<long>(left, 0, FirBlockMap::kBlockBytes));
}

std::uint32_t LeWord(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

}  // namespace

FirBlockReader::FirBlockReader(FirCoefficientStore& store) : m_store(store) {}

void FirBlockReader::Start() {
  m_position = 0;
  m_blockOffset = 0;
}

void FirBlockReader::Store(std::uint32_t word) {
  if (m_position < FirCoefficientStore::kSize) {
    m_store.SetWord(m_position, word);
    ++m_position;
  }
}

std::optional<int> FirBlockReader::ReadBlock(std::span<const std::uint8_t> payload) {
  if (payload.size() < kHeaderBytes) {
    return std::nullopt;
  }
  int block = payload[1] * 256 + payload[2];
  if (payload.size() < kHeaderBytes + BlockDataBytes(block)) {
    return std::nullopt;
  }
  const auto* starts = std::find(FirBlockMap::FirStartBlock.begin(), FirBlockMap::FirStartBlock.end() - 1, block);
  const int startChannel = static_cast<int>(starts - FirBlockMap::FirStartBlock.begin());
  const bool holdsStart = startChannel < FirBlockMap::kChannelCount;

  // Where the next block's reading starts after this one skips to `next`.
  const auto skipTo = [&](int next) {
    block = FirBlockMap::FirStartBlock[next] - 1;
    m_blockOffset = FirBlockMap::FirStartByte[next];
  };

  std::size_t at = static_cast<std::size_t>(m_blockOffset);
  while (kHeaderBytes + at + 4 <= payload.size()) {
    const std::uint32_t word = LeWord(payload.data() + kHeaderBytes + at);
    if (holdsStart && at == static_cast<std::size_t>(FirBlockMap::FirStartByte[startChannel])) {
      m_position = FirBlockMap::ChannelStart(startChannel);
      if (word == FirBlockMap::kEndMarker) {
        m_store.SetIdentity(startChannel);
        m_position = ChannelEnd(startChannel);
        skipTo(startChannel + 1);
        return block;
      }
    } else if (word == FirBlockMap::kEndMarker) {
      const int ending = ChannelOf(std::min(m_position, FirCoefficientStore::kSize - 1));
      m_store.Zero(m_position, ChannelEnd(ending));
      m_position = std::max(m_position, ChannelEnd(ending));
      const int next = ending + 1;
      if (holdsStart && next == startChannel && at < static_cast<std::size_t>(FirBlockMap::FirStartByte[next])) {
        // The finished channel's marker lies before the next channel's first
        // word in this very block: read that channel from here on.
        at = static_cast<std::size_t>(FirBlockMap::FirStartByte[next]);
        continue;
      }
      skipTo(next);
      return block;
    }
    Store(word);
    at += 4;
  }
  m_blockOffset = 0;
  return block;
}
