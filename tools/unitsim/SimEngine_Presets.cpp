#include "tools/unitsim/SimEngine.h"

#include <algorithm>

#include "tools/unitsim/SimCodes.h"
#include "tools/unitsim/SimUnitState.h"

using namespace SimImageLayout;

namespace {

constexpr std::size_t kBlockBytes = 50;

void CopyRecord(SimImage& image, int source, int destination) {
  const bool input = source < kInputCount;
  const std::size_t from = input ? kInGate : kOutFilter;
  const std::size_t to = input ? kInLinkMask : kOutLinkMask;
  std::copy(image.begin() + ChannelRecord(source) + from, image.begin() + ChannelRecord(source) + to,
            image.begin() + ChannelRecord(destination) + from);
  WriteWord(image, kBandBypassMasks + 2 * static_cast<std::size_t>(destination),
            ReadWord(image, kBandBypassMasks + 2 * static_cast<std::size_t>(source)));
  const int first = input ? 0 : kInputCount;
  const std::size_t muteMask = input ? kInputMuteMask : kOutputMuteMask;
  const std::size_t eqBypassMask = input ? kInputEqBypassMask : kOutputEqBypassMask;
  for (std::size_t mask : {muteMask, eqBypassMask}) {
    const std::uint16_t bits = ReadWord(image, mask);
    const bool on = bits & (1u << (source - first));
    const unsigned bit = 1u << (destination - first);
    WriteWord(image, mask, static_cast<std::uint16_t>(on ? bits | bit : bits & ~bit));
  }
}

}  // namespace

void SimEngine::StorePreset(int preset) {
  if (preset < 1 || preset > SimUnitState::kPresets) {
    return;
  }
  SimImage& stored = m_state.presets[static_cast<std::size_t>(preset - 1)];
  stored = m_state.image;
  stored[0] = 0xFF;
  m_state.slotTable[static_cast<std::size_t>(preset)] = 0xFF;
  m_state.firAreas[static_cast<std::size_t>(preset)] = m_state.firAreas[0];
  m_state.currentPreset = static_cast<std::uint8_t>(preset);
}

void SimEngine::RecallPreset(int preset) {
  if (preset == 0) {
    const SimImage factory = MakeDefaultImage();
    std::copy(factory.begin() + 2, factory.end(), m_state.image.begin() + 2);
    m_state.firAreas[0] = SimFirArea();
  } else if (m_state.IsPresetUsed(preset)) {
    const SimImage& stored = m_state.presets[static_cast<std::size_t>(preset - 1)];
    std::copy(stored.begin() + 2, stored.end(), m_state.image.begin() + 2);
    m_state.firAreas[0] = m_state.firAreas[static_cast<std::size_t>(preset)];
  } else {
    return;
  }
  m_state.currentPreset = static_cast<std::uint8_t>(preset);
}

void SimEngine::WriteFir(int area, int channel, int block, const std::vector<std::uint8_t>& p, std::size_t header,
                         bool updateImage) {
  if (area < 0 || area > SimUnitState::kPresets || channel < 0 || channel >= kChannels || p.size() < header) {
    return;
  }
  const int taps = p[header - 2] | p[header - 1] << 8;
  const std::size_t count = (p.size() - header) / 4;
  SimFirArea& fir = m_state.firAreas[static_cast<std::size_t>(area)];
  if (!updateImage) {
    fir.WriteCoefficients(channel, 12 * block, taps, p.data() + header, count);
    return;
  }
  // The current setting follows the link group, as the editor's FIR store does.
  ForEachGroupMember(channel, [&](int member) {
    fir.WriteCoefficients(member, 12 * block, taps, p.data() + header, count);
    const std::size_t r = ChannelRecord(member);
    if (member < kInputCount) {
      WriteWord(m_state.image, r + kInFirTaps, static_cast<std::uint16_t>(taps));
    } else {
      m_state.image[r + kOutFilter + kFilterFirType] = 4;
      WriteWord(m_state.image, r + kOutFilter + kFilterFirTaps, static_cast<std::uint16_t>(taps));
    }
  });
}

void SimEngine::CopyChannel(int source, int destination) {
  if (source < 0 || source >= kChannels || destination < 0 || destination >= kChannels || source == destination ||
      (source < kInputCount) != (destination < kInputCount)) {
    return;
  }
  ForEachGroupMember(destination, [&](int member) {
    if (member != source) {
      CopyRecord(m_state.image, source, member);
      m_state.firAreas[0].CopyChannel(source, member);
    }
  });
}

bool SimEngine::ApplyMemoryCommand(const SimFrame& command, SimFrame& reply) {
  const std::vector<std::uint8_t>& p = command.payload;
  const std::size_t n = p.size();
  SimLockState& lock = m_state.lock;
  switch (command.code) {
    case SimCode::kStorePreset:
      if (n >= 1) StorePreset(p[0]);
      return true;
    case SimCode::kRecallPreset:
      if (n >= 1) RecallPreset(p[0]);
      return true;
    case SimCode::kFactoryReset:
      m_state.image = MakeDefaultImage();
      m_state.firAreas[0] = SimFirArea();
      m_state.currentPreset = 0;
      return true;
    case SimCode::kSelectPreset:
      if (n >= 1) m_state.selectedPreset = p[0] <= SimUnitState::kPresets ? p[0] : 0;
      return true;
    case SimCode::kReadPresetBlock: {
      const std::uint8_t block = n >= 1 ? p[0] : 0;
      const int selected = m_state.selectedPreset;
      const SimImage& source = selected >= 1 ? m_state.presets[static_cast<std::size_t>(selected - 1)] : m_state.image;
      reply = Reply(SimCode::kReadPresetBlock, ImageBlockPayload(source, block));
      return true;
    }
    case SimCode::kReadPresetName: {
      const std::uint8_t index = n >= 1 ? p[0] : 0;
      std::vector<std::uint8_t> payload(1 + kPresetNameSize, 0);
      payload[0] = index;
      if (index < SimUnitState::kPresets) {
        const SimImage& stored = m_state.presets[index];
        std::copy_n(stored.begin() + kPresetName, kPresetNameSize, payload.begin() + 1);
      }
      reply = Reply(SimCode::kReadPresetName, std::move(payload));
      return true;
    }
    case SimCode::kDownload:
      if (n >= 2 && p[1] < SimUnitState::kPresets) {
        SimImage& stored = m_state.presets[p[1]];
        const std::size_t begin = std::min(kBlockBytes * p[0], stored.size());
        const std::size_t count = std::min(n - 2, stored.size() - begin);
        std::copy_n(p.begin() + 2, count, stored.begin() + begin);
      }
      reply = Reply(SimCode::kDownload, {n >= 1 ? p[0] : std::uint8_t{0}});
      return true;
    case SimCode::kReadEeprom: {
      const std::size_t address = n >= 2 ? static_cast<std::size_t>(p[0] | p[1] << 8) : 0;
      const std::size_t count = n >= 3 ? p[2] : 0;
      std::vector<std::uint8_t> bytes(count, 0xFF);
      for (std::size_t i = 0; i < count && address + i < m_state.slotTable.size(); ++i) {
        bytes[i] = m_state.slotTable[address + i];
      }
      reply = Reply(SimCode::kReadEeprom, std::move(bytes));
      return true;
    }
    case SimCode::kWriteEeprom:
      if (n >= 3) {
        const std::size_t address = static_cast<std::size_t>(p[0] | p[1] << 8);
        const std::size_t count = std::min<std::size_t>(p[2], n - 3);
        for (std::size_t i = 0; i < count && address + i < m_state.slotTable.size(); ++i) {
          m_state.slotTable[address + i] = p[3 + i];
        }
      }
      return true;
    case SimCode::kExtFir:
      if (n >= 4) WriteFir(0, p[0], p[1], p, 4, true);
      return true;
    case SimCode::kFirExtEeprom:
      if (n >= 5) WriteFir(p[0], p[1], p[2], p, 5, false);
      return true;
    case SimCode::kEraseFirSector:
      if (n >= 2) {
        const int sector = p[0] | p[1] << 8;
        const int area = sector / SimFirArea::kSectorsPerArea;
        if (area <= SimUnitState::kPresets) {
          m_state.firAreas[static_cast<std::size_t>(area)].EraseSector(sector % SimFirArea::kSectorsPerArea);
        }
      }
      return true;
    case SimCode::kCopyChannel:
      if (n >= 2) CopyChannel(p[0], p[1]);
      return true;
    case SimCode::kSetLock:
      if (n >= 5) {
        lock.adminLockSet = p[4] != 0;
        if (lock.adminLockSet) std::copy_n(p.begin(), 4, lock.adminPassword.begin());
      }
      return true;
    case SimCode::kSetUserLock:
      if (n >= 8) {
        lock.userLockSet = p[7] != 0;
        if (lock.userLockSet) {
          std::copy_n(p.begin(), 4, lock.userPassword.begin());
          std::copy_n(p.begin() + 4, 3, lock.permissions.begin());
        } else {
          lock.permissions = {};
        }
      }
      return true;
    case SimCode::kMcuReset:
      lock.sessionAccess = 0;
      m_state.selectedPreset = 0;
      return true;
    default:
      return false;
  }
}
