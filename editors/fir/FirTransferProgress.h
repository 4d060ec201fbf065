#pragma once

#include <cstdint>

#include "platform/threads/TTimer.h"

class ILinkWindow;
class IPresetWindow;
class LUnitSession;

/// The progress window of a FIR coefficient transfer. A transfer of more
/// than one block on an open link shows it without a modal loop (editing
/// goes on), its maximum the block count; the bar follows the unit's answers
/// to the blocks, and the window closes after the last answer or when the
/// link closes. A transfer that takes the window over meanwhile (its bar
/// changed by another hand) keeps it open. Also gives the one-step advance
/// of a stored preset's FIR.
/// Owned by the FIR editing; GUI thread only.
class FirTransferProgress {
public:
  /// How often the answers are looked at while a transfer runs.
  static constexpr int kPollInterval = 20;

  /// The session and windows must outlive it.
  FirTransferProgress(LUnitSession& session, ILinkWindow& window, IPresetWindow& presetWindow);

  /// Follows the last `blocks` frames handed to the open transport. Nothing
  /// for one block or without an open link; a transfer following a running
  /// one takes the window over, since its blocks are answered after those.
  void Follow(int blocks);
  /// Advances the progress window's bar by one.
  void Step();
  /// A transfer is being followed and its window shown.
  bool IsFollowing() const { return m_following; }

private:
  void Poll();
  void Finish();

  LUnitSession& m_session;
  ILinkWindow& m_window;
  IPresetWindow& m_presetWindow;
  TTimer m_poll;
  bool m_following = false;
  int m_blocks = 0;                ///< the bar's maximum
  int m_shown = 0;                 ///< the bar's position as last set
  std::uint64_t m_generation = 0;  ///< the transport the blocks went to
  std::uint64_t m_first = 0;       ///< frames handed in before the first block
  std::uint64_t m_last = 0;        ///< frames handed in up to the last block
};
