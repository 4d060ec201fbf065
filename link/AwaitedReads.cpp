#include "link/AwaitedReads.h"

#include <algorithm>
#include <utility>

#include "protocol/CommandCodes.h"
#include "protocol/LCmd.h"

namespace {

bool IsSequenceReply(int code) {
  return code == CMD_READ_FIR_BLOCK || code == CMD_SELECT_PRESET || code == CMD_READ_PRESET_NAME ||
         code == CMD_READ_PRESET_BLOCK;
}

bool IsSingleStepReply(int code) {
  return code == CMD_IDENTITY || code == CMD_LOCK_STATUS || code == CMD_READ_PRESET_DIRECTORY ||
         code == CMD_CURRENT_PRESET;
}

}  // namespace

void AwaitedReads::Sent(const LCmd& command) {
  const std::vector<std::uint8_t>& payload = command.GetPayload();
  switch (command.GetCode()) {
    case CMD_READ_FIR_BLOCK:
      // Asked for as preset, block low, block high; answered as preset, block high, block low.
      if (payload.size() >= 3) {
        Await(CMD_READ_FIR_BLOCK, {1, {payload[2], payload[1]}});
      }
      break;
    case CMD_READ_IMAGE_BLOCK:  // answered with the code of CMD_SELECT_PRESET
      Await(CMD_SELECT_PRESET, {0, {payload.empty() ? std::uint8_t{0} : payload[0]}});
      break;
    case CMD_READ_PRESET_NAME:
    case CMD_READ_PRESET_BLOCK:
      Await(command.GetCode(), {0, {payload.empty() ? std::uint8_t{0} : payload[0]}});
      break;
    case CMD_IDENTITY:  // single steps of the connect chain: one reply each
    case CMD_LOCK_STATUS:
    case CMD_READ_PRESET_DIRECTORY:
    case CMD_CURRENT_PRESET:
      m_awaited[command.GetCode()] = {};
      break;
    default:
      break;
  }
}

void AwaitedReads::Await(int replyCode, Key key) {
  // Asking again for a block already read starts a new pass of the sequence.
  std::vector<Key>& taken = m_taken[replyCode];
  if (std::any_of(taken.begin(), taken.end(), [&](const Key& k) { return k.bytes == key.bytes; })) {
    taken.clear();
  }
  m_awaited[replyCode] = std::move(key);
}

bool AwaitedReads::Take(int replyCode, std::span<const std::uint8_t> payload) {
  const auto awaited = m_awaited.find(replyCode);
  if (IsSingleStepReply(replyCode)) {
    if (awaited == m_awaited.end()) {
      return true;  // never asked for on this link: the unit speaks first
    }
    if (awaited->second.answered) {
      return false;
    }
    awaited->second.answered = true;
    m_lastTaken.emplace(replyCode, awaited->second);
    return true;
  }
  if (!IsSequenceReply(replyCode)) {
    return true;
  }
  if (awaited == m_awaited.end()) {
    return false;
  }
  const Key& key = awaited->second;
  if (payload.size() < key.offset + key.bytes.size()) {
    return true;  // too short to name its block: the handler refuses it
  }
  if (!std::equal(key.bytes.begin(), key.bytes.end(), payload.begin() + static_cast<std::ptrdiff_t>(key.offset))) {
    return false;
  }
  m_lastTaken.emplace(replyCode, key);
  m_taken[replyCode].push_back(key);
  m_awaited.erase(awaited);
  return true;
}

bool AwaitedReads::Repeats(int replyCode, std::span<const std::uint8_t> payload) const {
  if (IsSingleStepReply(replyCode)) {
    const auto awaited = m_awaited.find(replyCode);
    return awaited != m_awaited.end() && awaited->second.answered;
  }
  const auto taken = m_taken.find(replyCode);
  if (taken == m_taken.end()) {
    return false;
  }
  return std::any_of(taken->second.begin(), taken->second.end(), [&](const Key& key) {
    return payload.size() >= key.offset + key.bytes.size() &&
           std::equal(key.bytes.begin(), key.bytes.end(), payload.begin() + static_cast<std::ptrdiff_t>(key.offset));
  });
}

void AwaitedReads::Refused(int replyCode) {
  if (!m_lastTaken || m_lastTaken->first != replyCode) {
    return;
  }
  Key key = std::move(m_lastTaken->second);
  m_lastTaken.reset();
  key.answered = false;
  // A request sent since replaced the refused one (a sequence) or awaits
  // its own reply (a single step); only a step still marked answered by the
  // refused reply is awaited again.
  const auto awaited = m_awaited.find(replyCode);
  if (awaited == m_awaited.end()) {
    if (IsSequenceReply(replyCode)) {
      m_awaited.emplace(replyCode, std::move(key));
    }
  } else if (IsSingleStepReply(replyCode)) {
    awaited->second.answered = false;
  }
}
