#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include <QByteArray>
#include <QString>

#include "link/IPresetWindow.h"
#include "tests/link/RecordingLinkWindow.h"

/// The recording window with the preset exchanges' part: file dialogs
/// answered from a queue (cancelled when it is empty), and the window's
/// enabled state kept. GUI thread.
class RecordingPresetWindow : public RecordingLinkWindow, public IPresetWindow {
public:
  std::optional<QString> ChoosePresetFile(PresetFileKind kind, bool save) override {
    calls.push_back(std::string(save ? "Save" : "Open") + (kind == PresetFileKind::Unit ? " unt" : " prs"));
    if (onChoose) {
      onChoose();
    }
    if (answers.empty()) {
      return std::nullopt;
    }
    const QString answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void ShowProgressModeless() override { calls.push_back("ShowProgressModeless"); }
  void SetMainWindowEnabled(bool value) override {
    enabled = value;
    calls.push_back(value ? "WindowEnabled" : "WindowDisabled");
  }
  void ShowPresetLabels(const QString& number, const QByteArray& name) override {
    calls.push_back("Labels " + number.toStdString() + " [" + name.toStdString() + "]");
  }
  void ClearPeqBandSelection() override { calls.push_back("ClearBandSelection"); }

  std::deque<QString> answers;
  /// Runs while a file dialog is open.
  std::function<void()> onChoose;
  bool enabled = true;
};
