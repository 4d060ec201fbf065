#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include <QByteArray>
#include <QString>

#include "link/ILinkWindow.h"
#include "link/IPresetExchange.h"

/// Stands in for the main window and its dialogs: records every call as a
/// line ("CloseProgress", "Position 946", "Info SID_INFO_ERROR_UNIT" ...)
/// and keeps the little state the session reads back. Texts are their keys.
/// Also records the preset exchange's calls. GUI thread.
class RecordingLinkWindow : public ILinkWindow, public IPresetExchange {
public:
  QString LookUpText(const QString& key) const override { return key; }

  void ShowProgressModal() override;
  void CloseProgress() override { Record("CloseProgress"); }
  void SetProgressStatus(const QString& text) override { Record("Status " + text.toStdString()); }
  int ProgressPosition() const override { return position; }
  void SetProgressPosition(int value) override;
  int ProgressMax() const override { return max; }
  void SetProgressMax(int value) override;

  void ShowInformation(const QString& text) override { Record("Info " + text.toStdString()); }

  void ReportProbeResult(int result) override { Record("ProbeResult " + std::to_string(result)); }
  void ReportLinkBroken() override { Record("LinkBroken"); }
  bool ProbeAnswered() const override { return probeAnswered; }
  bool IsSearchDialogVisible() const override { return searchVisible; }
  void HideSearchDialog() override { Record("HideSearch"); }
  void ShowSearchDialogAgain() override { Record("ShowSearch"); }

  void SetRecallPresetRow(int row, const QByteArray& name) override;
  void SetStorePresetRow(int row, const QByteArray& name) override;

  void SetUnitIdLabel(const QString& text) override { Record("IdLabel " + text.toStdString()); }
  void SetLinkLabel(const QString& text) override { Record("LinkLabel " + text.toStdString()); }
  void SetLinkButtonCaption(const QString& text) override { Record("ButtonCaption " + text.toStdString()); }
  void SetConnectCaption(const QString& text) override { Record("ConnectCaption " + text.toStdString()); }
  void SetLinkButtonDown(bool down) override { Record(down ? "ButtonDown" : "ButtonUp"); }
  void SetLinkControlsEnabled(bool enabled) override { Record(enabled ? "LinkControlsOn" : "LinkControlsOff"); }
  void SetAddressControlsEnabled(bool enabled) override { Record(enabled ? "AddressOn" : "AddressOff"); }
  std::uint32_t SelectedUnitAddress() const override { return address; }
  void ShowOfflineCaption() override { Record("OfflineCaption"); }

  void RefreshAllFromUnit() override { Record("Refresh"); }
  void StartLevelPoll() override { Record("LevelPoll"); }
  void StopLiveDisplay() override { Record("StopLive"); }
  void ShowLevels(std::span<const std::uint8_t>) override { Record("Levels"); }

  void SetUserLockState(int state) override { Record("UserLock " + std::to_string(state)); }
  void SetPanelLockPermissions(int inputs, int outputs, int presets) override;
  void SetMenusLocked(bool locked) override { Record(locked ? "MenusLocked" : "MenusUnlocked"); }
  void StartUnlockPrompt() override { Record("UnlockPrompt"); }
  void SetPasswordVerdict(int verdict) override { Record("Verdict " + std::to_string(verdict)); }

  void RescanHidDevices() override { Record("RescanHid"); }
  void RestoreWorkingFolder() override { Record("RestoreFolder"); }
  void AddTrafficLine(const QString& line) override { Record("Traffic " + line.toStdString()); }

  // IPresetExchange.
  void HandleEepromReply(std::span<const std::uint8_t> payload) override {
    Record("EepromReply " + std::to_string(payload.size()));
  }
  void HandleDownloadSegmentReply(int, std::span<const std::uint8_t>) override { Record("DownloadSegment"); }
  void HandlePresetBlockReply(int, std::span<const std::uint8_t>) override { Record("PresetBlock"); }
  void PresetFirReadFinished(int unitId) override { Record("PresetFirDone " + std::to_string(unitId)); }
  void DownloadNextPreset() override { Record("DownloadNext"); }
  void StartDownloadEnd() override { Record("DownloadEnd"); }
  void StopPresetLoadCount() override { Record("StopPresetLoad"); }
  void EndExchange() override { Record("EndExchange"); }

  /// Lines recorded that start with `prefix`.
  std::vector<std::string> With(const std::string& prefix) const;
  bool Has(const std::string& line) const;
  int Count(const std::string& line) const;

  std::vector<std::string> calls;
  int position = 0;
  int max = 100;
  bool probeAnswered = true;
  bool searchVisible = false;
  std::uint32_t address = 0xC0A8010A;  // 192.168.1.10
  std::vector<QByteArray> recallRows = std::vector<QByteArray>(31);
  std::vector<QByteArray> storeRows = std::vector<QByteArray>(30);
  /// Runs inside ShowProgressModal, as a modal loop would run events.
  std::function<void()> onModalProgress;

private:
  void Record(std::string line) { calls.push_back(std::move(line)); }
};
