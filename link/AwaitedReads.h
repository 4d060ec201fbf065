#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <utility>
#include <vector>

class LCmd;

/// The block or index that each read sequence of the unit (FIR blocks,
/// image blocks, preset names, preset blocks) asked for last, and whether
/// the single steps of the connect chain (identity, lock status, preset
/// directory, current preset) await their reply. A unit that answers late
/// answers a resent request twice; only the reply to the last request of
/// its sequence may take a step, once. GUI thread.
class AwaitedReads {
public:
  /// Notes a command on its way to the unit; only the read requests of a
  /// sequence count, and each replaces the request of its sequence.
  void Sent(const LCmd& command);
  /// Whether a reply of `replyCode` answers the last request of its
  /// sequence; that request is answered then. A reply of no sequence is
  /// always taken, and so is one too short to name a block (its handler
  /// refuses it). A reply of a sequence that awaits nothing, or that names
  /// another block or index, is not. A single step takes the first reply
  /// after its request, and any reply while it was never asked for.
  bool Take(int replyCode, std::span<const std::uint8_t> payload);
  /// The reply `Take` last took for `replyCode` was refused by its handler
  /// (too short to use): its request is awaited again, unless another
  /// request of its sequence went out since.
  void Refused(int replyCode);
  /// Whether a reply `Take` did not take repeats one taken before: a second
  /// answer to a resent request (a block or index already read in this pass
  /// of its sequence, a single step already answered), not one for a block
  /// not asked for.
  bool Repeats(int replyCode, std::span<const std::uint8_t> payload) const;
  /// Nothing is awaited any more (a link closed).
  void Clear() {
    m_awaited.clear();
    m_lastTaken.reset();
    m_taken.clear();
  }

private:
  /// What the awaited reply of a sequence carries: these payload bytes
  /// from `offset` on (the block or index, the FIR block after the preset).
  struct Key {
    std::size_t offset = 0;
    std::vector<std::uint8_t> bytes;
    bool answered = false;  ///< single steps: their one reply came
  };
  /// Awaits `key` for a sequence's replies of `replyCode`.
  void Await(int replyCode, Key key);
  /// Reply code -> its key.
  std::map<int, Key> m_awaited;
  /// The request the last reply taken answered, with its reply code.
  std::optional<std::pair<int, Key>> m_lastTaken;
  /// The requests of each sequence's current pass answered, by reply code.
  std::map<int, std::vector<Key>> m_taken;
};
