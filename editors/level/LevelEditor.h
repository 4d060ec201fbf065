#pragma once

#include <QString>

#include "platform/widgets/InputTypes.h"

class IEditorWindow;
class TObject;

/// Gain, polarity and mute of every channel, edited on the channel's own
/// page and on the gain page, the two pages kept in step: each edit is
/// stored for the channel's link group, sent once for the channel, and
/// shown on every member on both pages. Binds itself to the window's named
/// controls; the window owns it. GUI thread only.
class LevelEditor {
public:
  explicit LevelEditor(IEditorWindow& window) : m_window(window) {}

  /// Hands the handlers to the gain track bars, gain boxes, phase and mute
  /// buttons of both pages.
  void Bind();

  void isGainInAChange(TObject* Sender);
  void isGainBackupInAChange(TObject* Sender);
  void rzbPhaseInAClick(TObject* Sender);
  void rzbPhaseBackupInAClick(TObject* Sender);
  void rzbMuteInAClick(TObject* Sender);
  void rzbMuteBackupInAClick(TObject* Sender);
  void cvdGainInAKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdGainInAExit(TObject* Sender);

  /// Shows a gain position, polarity or mute state on every member of the
  /// channel's link group, on both pages, without storing or sending.
  void SyncGainDisplay(int channel, int position);
  void SyncPhaseDisplay(int channel, int flag);
  void SyncMuteDisplay(int channel, int flag);

private:
  void GainChange(TObject* Sender, const QString& twinStem);
  void PhaseClick(TObject* Sender, const QString& twinStem);
  void MuteClick(TObject* Sender, int channel, const QString& twinStem);
  QString PhaseCaption(bool down) const;

  IEditorWindow& m_window;
};
