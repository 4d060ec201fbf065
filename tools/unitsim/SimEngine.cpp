#include "tools/unitsim/SimEngine.h"

#include <algorithm>
#include <cstring>

#include "tools/unitsim/SimCodes.h"
#include "tools/unitsim/SimUnitState.h"

namespace {

// Levels travel as the upper three bytes of a float, in the order
// bits 23-16, bits 31-24, bits 15-8.
void AppendLevelWord(std::vector<std::uint8_t>& out, float amplitude) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &amplitude, sizeof bits);
  out.push_back(static_cast<std::uint8_t>(bits >> 16));
  out.push_back(static_cast<std::uint8_t>(bits >> 24));
  out.push_back(static_cast<std::uint8_t>(bits >> 8));
}

}  // namespace

SimFrame SimEngine::Reply(std::uint8_t code, std::vector<std::uint8_t> payload) const {
  return SimFrame{m_state.unitId, code, std::move(payload)};
}

SimFrame SimEngine::Ack() const { return Reply(SimCode::kAck); }

int SimEngine::LinkGroup(int channel) const {
  using namespace SimImageLayout;
  const bool input = channel < kInputCount;
  const int first = input ? 0 : kInputCount;
  const int own = channel - first;
  const std::size_t field = input ? kInLinkMask : kOutLinkMask;
  const int mask = ReadWord(m_state.image, ChannelRecord(channel) + field);
  if (mask & (1 << own)) {
    return mask;
  }
  int result = mask;
  for (int lower = 0; lower < own; ++lower) {
    result = ReadWord(m_state.image, ChannelRecord(first + lower) + field);
    if (result & (1 << own)) {
      return result;
    }
  }
  return result;
}

void SimEngine::ForEachGroupMember(int channel, const std::function<void(int member)>& action) const {
  const bool input = channel < SimImageLayout::kInputCount;
  const int first = input ? 0 : SimImageLayout::kInputCount;
  const int members = input ? SimImageLayout::kInputCount : SimImageLayout::kOutputCount;
  const int group = LinkGroup(channel);
  for (int m = 0; m < members; ++m) {
    if (group & (1 << m)) {
      action(first + m);
    }
  }
}

SimFrame SimEngine::Handle(const SimFrame& command) {
  const std::vector<std::uint8_t>& p = command.payload;
  switch (command.code) {
    case SimCode::kHello:
      m_state.lock.sessionAccess = 0;
      return Reply(SimCode::kHello);
    case SimCode::kGoodbye:
      m_state.lock.sessionAccess = 0;
      return Ack();
    case SimCode::kIdentity:
      return Reply(SimCode::kIdentity, {m_state.identity.begin(), m_state.identity.end()});
    case SimCode::kCurrentPreset:
      return Reply(SimCode::kCurrentPreset, {m_state.currentPreset});
    case SimCode::kReadPresetDirectory:
      return Reply(SimCode::kReadPresetDirectory, {m_state.slotTable.begin() + 1, m_state.slotTable.end()});
    case SimCode::kReadImageBlock:
      return ReadImageBlock(p);
    case SimCode::kReadFirBlock:
      return ReadFirBlock(p);
    case SimCode::kLockStatus:
      return LockStatus();
    case SimCode::kPassSubmit:
      return PassSubmit(p);
    case SimCode::kLevels:
      return Levels();
    case SimCode::kTransferMode:
      return Reply(SimCode::kTransferMode, {1});
    default:
      break;
  }
  SimFrame reply = Ack();
  if (!ApplyParameter(command)) {
    ApplyMemoryCommand(command, reply);
  }
  return reply;
}

SimFrame SimEngine::ReadImageBlock(const std::vector<std::uint8_t>& p) const {
  return Reply(SimCode::kImageBlockReply, ImageBlockPayload(m_state.image, p.empty() ? 0 : p[0]));
}

SimFrame SimEngine::ReadFirBlock(const std::vector<std::uint8_t>& p) const {
  const int area = p.empty() ? 0 : p[0];
  const int block = p.size() < 3 ? 0 : p[1] | p[2] << 8;
  std::vector<std::uint8_t> payload{static_cast<std::uint8_t>(area), static_cast<std::uint8_t>(block >> 8),
                                    static_cast<std::uint8_t>(block & 0xFF)};
  if (area < static_cast<int>(m_state.firAreas.size())) {
    const std::vector<std::uint8_t> data = m_state.firAreas[static_cast<std::size_t>(area)].Block(block);
    payload.insert(payload.end(), data.begin(), data.end());
  }
  return Reply(SimCode::kReadFirBlock, std::move(payload));
}

SimFrame SimEngine::LockStatus() const {
  const SimLockState& lock = m_state.lock;
  std::vector<std::uint8_t> payload(10, 0);
  std::uint8_t access = 0;
  if (lock.adminLockSet && lock.sessionAccess == 0) {
    access |= 1;
  }
  if (lock.userLockSet && lock.sessionAccess != 1 && !lock.restrictionInVerdictOnly) {
    access |= 2;
  }
  payload[5] = access;
  if (lock.userLockSet) {
    std::copy(lock.permissions.begin(), lock.permissions.end(), payload.begin() + 6);
  }
  payload[9] = static_cast<std::uint8_t>((lock.adminLockSet ? 1 : 0) | (lock.userLockSet ? 2 : 0));
  return Reply(SimCode::kLockStatus, std::move(payload));
}

SimFrame SimEngine::PassSubmit(const std::vector<std::uint8_t>& p) {
  SimLockState& lock = m_state.lock;
  const std::uint8_t kind = p.empty() ? 0 : p[0];
  std::array<std::uint8_t, 4> password{};
  for (std::size_t i = 0; i < password.size() && i + 1 < p.size(); ++i) {
    password[i] = p[i + 1];
  }
  std::uint8_t verdict = 0;
  if (lock.forcedVerdict) {
    verdict = *lock.forcedVerdict;
  } else if (!lock.adminLockSet || password == lock.adminPassword) {
    verdict = 1;
  } else if (lock.userLockSet && password == lock.userPassword) {
    verdict = 2;
  }
  if (verdict == 1 || verdict == 2) {
    lock.sessionAccess = verdict;
  }
  return Reply(SimCode::kPassSubmit, {kind, verdict});
}

SimFrame SimEngine::Levels() const {
  const SimLevels& levels = m_state.levels;
  std::vector<std::uint8_t> payload;
  payload.reserve(42);
  for (float amplitude : levels.amplitudes) {
    AppendLevelWord(payload, amplitude);
  }
  payload.push_back(static_cast<std::uint8_t>(levels.activityMask & 0xFF));
  payload.push_back(static_cast<std::uint8_t>(levels.activityMask >> 8));
  for (int i = 0; i < 4; ++i) {
    payload.push_back(static_cast<std::uint8_t>(levels.idleCount >> (8 * i)));
  }
  return Reply(SimCode::kLevels, std::move(payload));
}
