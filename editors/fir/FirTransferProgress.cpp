#include "editors/fir/FirTransferProgress.h"

#include <algorithm>
#include <optional>

#include <QString>

#include "link/ILinkWindow.h"
#include "link/IPresetWindow.h"
#include "link/LUnitSession.h"

FirTransferProgress::FirTransferProgress(LUnitSession& session, ILinkWindow& window, IPresetWindow& presetWindow)
    : m_session(session), m_window(window), m_presetWindow(presetWindow) {
  m_poll.SetEnabled(false);
  m_poll.SetInterval(kPollInterval);
  m_poll.OnTimer = [this](TObject*) { Poll(); };
}

void FirTransferProgress::Follow(int blocks) {
  const std::optional<OpenLinkFrames> link = m_session.OpenLinkFrameCount();
  if (blocks <= 1 || !link || link->count.handedIn < std::uint64_t(blocks)) {
    return;
  }
  m_generation = link->generation;
  m_last = link->count.handedIn;
  m_first = m_last - std::uint64_t(blocks);
  m_blocks = blocks;
  m_shown = 0;
  m_window.SetProgressStatus(QString());
  m_window.SetProgressMax(blocks);
  m_window.SetProgressPosition(0);
  if (!m_following) {
    m_following = true;
    m_presetWindow.ShowProgressModeless();
  }
  m_poll.SetEnabled(true);
}

void FirTransferProgress::Step() { m_window.SetProgressPosition(m_window.ProgressPosition() + 1); }

void FirTransferProgress::Poll() {
  if (m_window.ProgressMax() != m_blocks || m_window.ProgressPosition() != m_shown) {
    // Another transfer took the window over; it is that transfer's to close.
    m_poll.SetEnabled(false);
    m_following = false;
    return;
  }
  const std::optional<OpenLinkFrames> link = m_session.OpenLinkFrameCount();
  if (!link || link->generation != m_generation) {
    Finish();
    return;
  }
  const std::uint64_t answered = std::clamp(link->count.answered, m_first, m_last);
  m_shown = int(answered - m_first);
  m_window.SetProgressPosition(m_shown);
  if (answered == m_last) {
    Finish();
  }
}

void FirTransferProgress::Finish() {
  m_poll.SetEnabled(false);
  if (m_following) {
    m_following = false;
    m_window.CloseProgress();
  }
}
