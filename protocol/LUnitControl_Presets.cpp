#include "protocol/LUnitControl.h"

#include <algorithm>

void LUnitControl::SetEepromBytes(std::span<const std::uint8_t> payload) {
  std::copy_n(payload.begin(), std::min(payload.size(), m_slotTable.size()), m_slotTable.begin());
}

bool LUnitControl::StorePresetBlock(int preset, std::span<const std::uint8_t> payload) {
  if (preset < 1 || preset > kPresetCount || payload.empty() || payload[0] >= UnitImage::kBlockCount) {
    return false;
  }
  const int block = payload[0];
  const std::size_t from = UnitImage::kBlockSize * static_cast<std::size_t>(block);
  const std::size_t size = std::min(UnitImage::kBlockSize, UnitImage::kSize - from);
  if (payload.size() < 1 + size) {
    return false;
  }
  std::copy_n(payload.begin() + 1, size, m_blockStream.begin() + static_cast<std::ptrdiff_t>(from));
  if (block == UnitImage::kBlockCount - 1) {
    StoredPreset& slot = m_storedPresets[static_cast<std::size_t>(preset - 1)];
    slot[0] = static_cast<std::uint8_t>(preset);
    std::copy(m_blockStream.begin(), m_blockStream.end(), slot.begin() + 1);
  }
  return true;
}
