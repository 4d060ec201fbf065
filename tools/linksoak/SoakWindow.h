#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include <QByteArray>
#include <QString>

#include "link/ILinkWindow.h"
#include "link/IPresetWindow.h"

/// Stands in for the main window during a soak run: no widgets, only the
/// state the session reads back and counts of what a user would have seen
/// (refreshes, broken links, messages, progress windows). File dialogs are
/// answered with `fileAnswer`. GUI thread.
class SoakWindow : public ILinkWindow, public IPresetWindow {
public:
  QString LookUpText(const QString& key) const override { return key; }

  void ShowProgressModal() override { progressOpen = true; }
  void CloseProgress() override { progressOpen = false; }
  void SetProgressStatus(const QString&) override {}
  int ProgressPosition() const override { return m_position; }
  void SetProgressPosition(int position) override { m_position = position; }
  int ProgressMax() const override { return m_max; }
  void SetProgressMax(int max) override { m_max = max; }

  void ShowInformation(const QString& text) override;

  void ReportProbeResult(int) override {}
  void ReportLinkBroken() override { ++linkBroken; }
  bool ProbeAnswered() const override { return true; }
  bool IsSearchDialogVisible() const override { return false; }
  void HideSearchDialog() override {}
  void ShowSearchDialogAgain() override {}

  void SetRecallPresetRow(int, const QByteArray&) override {}
  void SetStorePresetRow(int, const QByteArray&) override {}

  void SetUnitIdLabel(const QString&) override {}
  void SetLinkLabel(const QString&) override {}
  void SetLinkButtonCaption(const QString&) override {}
  void SetConnectCaption(const QString&) override {}
  void SetLinkButtonDown(bool) override {}
  void SetLinkControlsEnabled(bool) override {}
  void SetAddressControlsEnabled(bool) override {}
  std::uint32_t SelectedUnitAddress() const override { return 0x7F000001; }
  void ShowOfflineCaption() override {}

  void RefreshAllFromUnit() override { ++refreshes; }
  void StartLevelPoll() override {}
  void StopLiveDisplay() override {}
  void ShowLevels(std::span<const std::uint8_t>) override {}

  void SetUserLockState(int) override {}
  void SetPanelLockPermissions(int, int, int) override {}
  void SetMenusLocked(bool) override {}
  void StartUnlockPrompt() override {}
  void SetPasswordVerdict(int) override {}

  void RescanHidDevices() override {}
  void RestoreWorkingFolder() override {}
  void AddTrafficLine(const QString&) override {}

  // IPresetWindow.
  std::optional<QString> ChoosePresetFile(PresetFileKind, bool) override { return fileAnswer; }
  void ShowProgressModeless() override { progressOpen = true; }
  void SetMainWindowEnabled(bool enabled) override { windowEnabled = enabled; }
  void ShowPresetLabels(const QString&, const QByteArray&) override {}
  void ClearPeqBandSelection() override {}

  bool progressOpen = false;
  bool windowEnabled = true;
  int refreshes = 0;
  int linkBroken = 0;
  int messages = 0;
  QString lastMessage;
  std::optional<QString> fileAnswer;

private:
  int m_position = 0;
  int m_max = 100;
};
