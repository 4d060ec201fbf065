#pragma once

#include <cstdint>
#include <span>

class LUnitControl;

/// Stores one image block reply [block n, data...] in the unit model's image
/// transfer buffer at byte 50 n onwards and, at the last block (20), copies
/// buffer bytes 2 to 1019 into the current image (bytes 0 and 1 keep their
/// value). A reply with a block number above 20 or with fewer data bytes than
/// its block holds (50, or 20 for the last) is refused: false, nothing
/// changes. Data beyond the block is not stored. GUI thread (the model's).
bool DecodeUploadBlocks(LUnitControl& unit, std::span<const std::uint8_t> payload);
