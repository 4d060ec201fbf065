#include "editors/level/LevelEditor.h"

#include "components/MainWindowState.h"
#include "editors/IEditorWindow.h"
#include "editors/LinkGroupMembers.h"
#include "editors/RefreshingControlsGuard.h"
#include "editors/level/TypedEntryBox.h"
#include "platform/widgets/ControlRegistry.h"
#include "protocol/LUnitControl.h"
#include "protocol/ParameterScales.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {
const QString kGainBar = QStringLiteral("isGain");
const QString kGainBackupBar = QStringLiteral("isGainBackup");
const QString kGainBox = QStringLiteral("cvdGain");
const QString kGainBackupBox = QStringLiteral("cvdGainBackup");
const QString kPhase = QStringLiteral("rzbPhase");
const QString kPhaseBackup = QStringLiteral("rzbPhaseBackup");
const QString kMute = QStringLiteral("rzbMute");
const QString kMuteBackup = QStringLiteral("rzbMuteBackup");
}  // namespace

void LevelEditor::Bind() {
  ControlRegistry& controls = m_window.Controls();
  for (int c = 0; c < 9; ++c) {
    if (auto* bar = controls.Find<TAdvTrackBar>(kGainBar, c)) {
      bar->OnChange = [this](TObject* sender) { isGainInAChange(sender); };
    }
    if (auto* bar = controls.Find<TAdvTrackBar>(kGainBackupBar, c)) {
      bar->OnChange = [this](TObject* sender) { isGainBackupInAChange(sender); };
    }
    if (auto* box = controls.Find<TCurvyEdit>(kGainBox, c)) {
      box->OnKeyDown = [this](TObject* sender, WORD& key, TShiftState shift) { cvdGainInAKeyDown(sender, key, shift); };
      box->OnExit = [this](TObject* sender) { cvdGainInAExit(sender); };
    }
    if (auto* button = controls.Find<TRzBmpButton>(kPhase, c)) {
      button->OnClick = [this](TObject* sender) { rzbPhaseInAClick(sender); };
    }
    if (auto* button = controls.Find<TRzBmpButton>(kPhaseBackup, c)) {
      button->OnClick = [this](TObject* sender) { rzbPhaseBackupInAClick(sender); };
    }
    if (auto* button = controls.Find<TRzBmpButton>(kMute, c)) {
      button->OnClick = [this](TObject* sender) { rzbMuteInAClick(sender); };
    }
    if (auto* button = controls.Find<TRzBmpButton>(kMuteBackup, c)) {
      button->OnClick = [this](TObject* sender) { rzbMuteBackupInAClick(sender); };
    }
  }
}

void LevelEditor::isGainInAChange(TObject* Sender) { GainChange(Sender, kGainBackupBar); }

void LevelEditor::isGainBackupInAChange(TObject* Sender) { GainChange(Sender, kGainBar); }

// Moving the twin runs the twin's handler in full before this one goes on,
// so one move stores and hands the same gain command over twice.
void LevelEditor::GainChange(TObject* Sender, const QString& twinStem) {
  auto* bar = dynamic_cast<TAdvTrackBar*>(Sender);
  if (bar == nullptr || m_window.State().RefreshingControls) {
    return;
  }
  const int c = bar->Tag();
  ControlRegistry& controls = m_window.Controls();
  auto* box = controls.Find<TCurvyEdit>(kGainBox, c);
  auto* backupBox = controls.Find<TCurvyEdit>(kGainBackupBox, c);
  auto* twin = controls.Find<TAdvTrackBar>(twinStem, c);
  if (box == nullptr || backupBox == nullptr || twin == nullptr) {
    return;
  }
  const int position = bar->Position();
  twin->SetPosition(position);
  const QString text = GainCodeText(position);
  box->SetText(text);
  backupBox->SetText(text);
  m_window.UnitControl().SetGain(c, position - bar->Min());
  SyncGainDisplay(c, position);
}

void LevelEditor::rzbPhaseInAClick(TObject* Sender) { PhaseClick(Sender, kPhaseBackup); }

void LevelEditor::rzbPhaseBackupInAClick(TObject* Sender) { PhaseClick(Sender, kPhase); }

QString LevelEditor::PhaseCaption(bool down) const {
  return m_window.LookUpText(down ? QStringLiteral("SID_PHASE_ON") : QStringLiteral("SID_PHASE_OFF"));
}

void LevelEditor::PhaseClick(TObject* Sender, const QString& twinStem) {
  auto* button = dynamic_cast<TRzBmpButton*>(Sender);
  if (button == nullptr) {
    return;
  }
  const int c = button->Tag();
  auto* twin = m_window.Controls().Find<TRzBmpButton>(twinStem, c);
  if (twin == nullptr) {
    return;
  }
  const bool down = button->Down();
  twin->SetDown(down);
  button->SetCaption(PhaseCaption(down));
  twin->SetCaption(button->Caption());
  m_window.UnitControl().SetPolarity(c, down ? 1 : 0);
  SyncPhaseDisplay(c, down ? 1 : 0);
}

// The channel-page button sits on the page of the channel shown.
void LevelEditor::rzbMuteInAClick(TObject* Sender) { MuteClick(Sender, m_window.State().CurrentPage, kMuteBackup); }

void LevelEditor::rzbMuteBackupInAClick(TObject* Sender) {
  auto* button = dynamic_cast<TRzBmpButton*>(Sender);
  if (button != nullptr) {
    MuteClick(Sender, button->Tag(), kMute);
  }
}

void LevelEditor::MuteClick(TObject* Sender, int channel, const QString& twinStem) {
  auto* button = dynamic_cast<TRzBmpButton*>(Sender);
  if (button == nullptr) {
    return;
  }
  auto* twin = m_window.Controls().Find<TRzBmpButton>(twinStem, channel);
  if (twin == nullptr) {
    return;
  }
  const bool down = button->Down();
  twin->SetDown(down);
  m_window.UnitControl().SetMute(channel, down ? 1 : 0);
  SyncMuteDisplay(channel, down ? 1 : 0);
}

void LevelEditor::cvdGainInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  if (IsEntryKey(Key)) {
    cvdGainInAExit(Sender);
  }
}

void LevelEditor::cvdGainInAExit(TObject* Sender) {
  RunChannelEntry(m_window.Controls(), Sender, kGainBar, TypedEntryKind::Level);
}

void LevelEditor::SyncGainDisplay(int channel, int position) {
  RefreshingControlsGuard refreshing(m_window.State());
  const QString text = GainCodeText(position);
  ControlRegistry& controls = m_window.Controls();
  for (int member : LinkGroupMembers(m_window.UnitControl(), channel)) {
    auto* box = controls.Find<TCurvyEdit>(kGainBox, member);
    auto* bar = controls.Find<TAdvTrackBar>(kGainBar, member);
    auto* backupBox = controls.Find<TCurvyEdit>(kGainBackupBox, member);
    auto* backupBar = controls.Find<TAdvTrackBar>(kGainBackupBar, member);
    if (box == nullptr || bar == nullptr || backupBox == nullptr || backupBar == nullptr) {
      continue;
    }
    box->SetText(text);
    backupBox->SetText(text);
    bar->SetPosition(position);
    backupBar->SetPosition(position);
  }
}

void LevelEditor::SyncPhaseDisplay(int channel, int flag) {
  const QString caption = PhaseCaption(flag != 0);
  for (int member : LinkGroupMembers(m_window.UnitControl(), channel)) {
    auto* button = m_window.Controls().Find<TRzBmpButton>(kPhase, member);
    auto* twin = m_window.Controls().Find<TRzBmpButton>(kPhaseBackup, member);
    if (button == nullptr || twin == nullptr) {
      return;
    }
    button->SetDown(flag != 0);
    twin->SetDown(flag != 0);
    button->SetCaption(caption);
    twin->SetCaption(caption);
  }
}

void LevelEditor::SyncMuteDisplay(int channel, int flag) {
  for (int member : LinkGroupMembers(m_window.UnitControl(), channel)) {
    auto* button = m_window.Controls().Find<TRzBmpButton>(kMute, member);
    auto* twin = m_window.Controls().Find<TRzBmpButton>(kMuteBackup, member);
    if (button == nullptr || twin == nullptr) {
      return;
    }
    button->SetDown(flag != 0);
    twin->SetDown(flag != 0);
  }
}
