#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

/// One injected fault: what the simulated unit does wrong when it answers a
/// command. A value; see `SimFaultSet` for how rules are matched.
struct SimFault {
  /// The command code the rule applies to; nullopt for every code.
  std::optional<std::uint8_t> code;
  /// How many matching commands it applies to; a negative count is unlimited.
  int times = -1;
  /// How many matching commands it passes over before it applies (2: from
  /// the third on); those are answered as without the rule.
  int skip = 0;
  /// Send no reply at all (the command is still applied).
  bool noReply = false;
  /// Answer with a bare acknowledgement in place of the command's own
  /// reply (the command is still applied): a unit that took the command
  /// but gives no answer to it, e.g. no verdict on a password.
  bool ackOnly = false;
  /// Send the reply this long after the command arrived.
  std::chrono::milliseconds delay{0};
  /// Put this id into byte 2 of the reply instead of the unit's.
  std::optional<std::uint8_t> replyUnitId;
  /// Cut the reply's payload to at most this many bytes.
  std::optional<std::size_t> payloadLimit;
  /// Send the reply this many times more: in the same write on the pty and
  /// TCP (the peer reads the copies together), as datagrams of their own on
  /// UDP and HID.
  int duplicates = 0;
  /// On the pty and TCP, write the reply in pieces of at most `splitSize`
  /// bytes, one write each, `splitPause` apart so that the peer reads them
  /// one by one.
  bool split = false;
  std::size_t splitSize = 5;
  std::chrono::milliseconds splitPause{20};
  /// Put these bytes in front of the reply, in its write or datagram (and
  /// in front of each copy): noise between frames.
  std::vector<std::uint8_t> garbage;
  /// Answer as if for another block: add this to the block or index the
  /// reply carries (image, preset and FIR blocks, preset names, download
  /// segments); the contents stay those of the block asked for.
  std::optional<int> blockShift;
  /// Close the link the command came on instead of replying (pty master, TCP
  /// connection or HID socket).
  bool dropLink = false;
  /// Write only this many bytes of the reply, then close the link the
  /// command came on (a reply cut off mid-frame).
  std::optional<std::size_t> cutAndDrop;
};

/// The active fault rules. The first rule whose code matches and that has
/// nothing left to pass over applies; a rule with a count is used up after
/// that many commands. Thread-safe.
class SimFaultSet {
 public:
  void Add(const SimFault& fault);
  void Clear();
  /// The rule that applies to a command with this code, counting it; nullopt when none.
  std::optional<SimFault> Take(std::uint8_t code);
  /// No rule is left to apply.
  bool Empty() const;

 private:
  mutable std::mutex m_mutex;
  std::vector<SimFault> m_rules;  // guards: m_mutex
};
