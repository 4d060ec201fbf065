#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

class FirCoefficientStore;

/// Copies a FIR memory area, read block by block from the unit, into a
/// FirCoefficientStore. Each block reply carries [preset, block high, block
/// low, data...]; the word FF FF FF FF as a channel's first word makes the
/// channel an identity, later in a channel it ends the channel (the rest is
/// zero). Either way the reader skips to the next channel's start block and
/// tells the caller which block to ask for next. When a channel ends inside
/// the block where the next channel starts, the next channel is read from
/// its first word in that same block. Owned with the store it fills; GUI
/// thread only.
class FirBlockReader {
public:
  /// The store must outlive the reader.
  explicit FirBlockReader(FirCoefficientStore& store);

  /// Resets the read cursor to the area's first coefficient.
  void Start();

  /// Reads one block reply. Returns the block number the reply counts as:
  /// its own number, or, after a skip, the block before the next channel's
  /// start block (945 when the area is done), so the caller asks for the
  /// returned number + 1 while it is below 945. A payload of fewer than 3
  /// bytes is not a block reply, and one with less data than its block holds
  /// (52 bytes, 12 in the last block) was cut short: nullopt and nothing
  /// changes, so that the block can be asked for again.
  std::optional<int> ReadBlock(std::span<const std::uint8_t> payload);

  /// The next coefficient a block fills (`FirReadPosition`).
  int ReadPosition() const { return m_position; }
  /// Byte offset in the next block where reading starts (`FirBlockOffset`).
  int BlockOffset() const { return m_blockOffset; }

private:
  void Store(std::uint32_t word);

  FirCoefficientStore& m_store;
  int m_position = 0;
  int m_blockOffset = 0;
};
