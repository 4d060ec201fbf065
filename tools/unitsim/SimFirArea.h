#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

/// One FIR memory area of the unit: 49,152 bytes, 3 x 2048 input then
/// 6 x 1024 output coefficients as 32-bit floats, low byte first. The word
/// FF FF FF FF as a channel's first word means "no coefficients"; later in
/// the channel it ends the coefficients. Erased memory reads FF. Read in 946
/// blocks of 52 bytes (the last holds 12), erased in 4096-byte sectors.
/// A plain value; the owner guards it.
class SimFirArea {
 public:
  static constexpr std::size_t kBytes = 49152;
  static constexpr std::size_t kBlockSize = 52;
  static constexpr int kBlocks = 946;
  static constexpr std::size_t kSectorSize = 4096;
  static constexpr int kSectorsPerArea = 12;
  static constexpr std::uint32_t kMarker = 0xFFFFFFFFu;

  /// An erased area: every byte FF, so every channel reads as an identity.
  SimFirArea();

  /// Coefficients held by channel c (2048 for an input, 1024 for an output).
  static int ChannelCapacity(int channel);
  /// Index of channel c's first word in the area.
  static int ChannelStartWord(int channel);

  /// The bytes of block b (52, or 12 for block 945); empty for a block beyond the area.
  std::vector<std::uint8_t> Block(int block) const;

  /// Writes coefficients given most significant byte first (as the editor
  /// sends them) from coefficient `first` of the channel on; when they end at
  /// `taps` and the channel holds more, the end marker follows the last tap.
  /// Coefficients beyond the channel are dropped.
  void WriteCoefficients(int channel, int first, int taps, const std::uint8_t* bigEndian, std::size_t count);

  /// Erases the 4096 bytes of sector `sectorInArea` (0-11) to FF.
  void EraseSector(int sectorInArea);

  /// Fills a channel with `taps` distinct coefficients followed by the end
  /// marker; 0 taps leaves only the marker (an identity). Taps above the
  /// channel's capacity are clamped.
  void FillChannel(int channel, int taps);

  /// Copies channel `source`'s words onto `destination` (same kind).
  void CopyChannel(int source, int destination);

  /// The value of coefficient k of channel c as stored (raw 32 bits).
  std::uint32_t Word(int channel, int k) const;

  const std::array<std::uint8_t, kBytes>& Bytes() const { return m_bytes; }
  std::array<std::uint8_t, kBytes>& Bytes() { return m_bytes; }

 private:
  void SetWord(std::size_t wordIndex, std::uint32_t value);

  std::array<std::uint8_t, kBytes> m_bytes;
};
