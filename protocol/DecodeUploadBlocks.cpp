#include "protocol/DecodeUploadBlocks.h"

#include <algorithm>

#include "protocol/LUnitControl.h"
#include "protocol/UnitImage.h"

bool DecodeUploadBlocks(LUnitControl& unit, std::span<const std::uint8_t> payload) {
  if (payload.empty() || payload[0] >= UnitImage::kBlockCount) {
    return false;
  }
  const int block = payload[0];
  const std::size_t start = UnitImage::kBlockSize * static_cast<std::size_t>(block);
  const std::size_t length = std::min(UnitImage::kBlockSize, UnitImage::kSize - start);
  const auto data = payload.subspan(1);
  if (data.size() < length) {
    return false;
  }
  auto& stream = unit.ImageBlockStream();
  std::copy_n(data.begin(), length, stream.begin() + static_cast<std::ptrdiff_t>(start));
  if (block == UnitImage::kBlockCount - 1) {
    std::copy(stream.begin() + UnitImage::kPresetName, stream.end(),
              unit.Image().Bytes().begin() + UnitImage::kPresetName);
  }
  return true;
}
