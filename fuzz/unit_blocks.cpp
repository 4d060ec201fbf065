// Unit image upload blocks and FIR block reading: the input is a run of
// block replies, each a kind byte (upload block or FIR block), a length byte
// and that many payload bytes, given to the decoder and the block reader in
// order, as a unit (or something pretending to be one) would send them.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "fuzz/support/FuzzCheck.h"
#include "protocol/DecodeUploadBlocks.h"
#include "protocol/FirBlockReader.h"
#include "protocol/FirCoefficientStore.h"
#include "protocol/LUnitControl.h"
#include "tests/protocol/RecordingUnitHost.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  RecordingUnitHost host;
  LUnitControl unit(host);
  FirCoefficientStore store;
  FirBlockReader reader(store);
  reader.Start();
  std::span<const std::uint8_t> rest(data, size);
  while (rest.size() >= 2) {
    const bool firBlock = (rest[0] & 1) != 0;
    const std::size_t length = std::min<std::size_t>(rest[1], rest.size() - 2);
    const std::span<const std::uint8_t> payload = rest.subspan(2, length);
    rest = rest.subspan(2 + length);
    if (!firBlock) {
      DecodeUploadBlocks(unit, payload);
      continue;
    }
    const int position = reader.ReadPosition();
    const std::optional<int> block = reader.ReadBlock(payload);
    if (!block) {
      KRV_FUZZ_CHECK("unit_blocks", reader.ReadPosition() == position);
    }
    KRV_FUZZ_CHECK("unit_blocks", reader.ReadPosition() >= 0 && reader.ReadPosition() <= FirCoefficientStore::kSize);
    KRV_FUZZ_CHECK("unit_blocks", reader.BlockOffset() >= 0);
  }
  return 0;
}
