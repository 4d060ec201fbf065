#pragma once

#include <cstdlib>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

#include "components/MainWindowState.h"
#include "dialogs/IDialogHost.h"
#include "protocol/LCmd.h"

/// A main window stand-in for the dialogs: texts from a small table per
/// language, and every preset or copy call recorded; the lock dialogs'
/// commands and requests go to one log in order.
class RecordingDialogHost : public IDialogHost {
public:
  QString LookUpText(const QString& key) const override {
    const auto& table = chinese ? chineseTexts : englishTexts;
    const auto it = table.find(key);
    return it != table.end() ? it->second : key;
  }
  MainWindowState& State() override { return state; }
  LUnitControl& UnitControl() override { Unexpected("UnitControl"); }
  LUnitSession& Session() override { Unexpected("Session"); }
  void CloseMainWindow() override { Unexpected("CloseMainWindow"); }
  bool IsUnitOnline() const override { return online; }
  void StorePreset(int row, const QByteArray& name) override { stores.emplace_back(row, name); }
  void RecallPreset(int row) override { recalls.push_back(row); }
  void CopyChannel(int source, int destination, int mode) override { copies.emplace_back(source, destination, mode); }
  void StartFactoryReset() override { log.push_back("StartFactoryReset"); }
  /// Logged as "code [payload in hex] append flag".
  void SendCommand(const LCmd& command, bool forceAppend, int mode) override {
    std::string line = std::to_string(command.GetCode()) + " [";
    for (std::size_t i = 0; i < command.GetPayload().size(); ++i) {
      static const char kHex[] = "0123456789ABCDEF";
      const unsigned byte = command.GetPayload()[i];
      line += std::string(i == 0 ? "" : " ") + kHex[byte >> 4] + kHex[byte & 15];
    }
    line += "] append " + std::to_string(forceAppend ? 1 : 0);
    if (mode != 1 || command.GetUnitId() != unitId) {
      line += " mode " + std::to_string(mode) + " id " + std::to_string(command.GetUnitId());
    }
    log.push_back(line);
  }
  int GetUnitId() const override { return unitId; }
  void StartDisconnectTimer() override { log.push_back("StartDisconnectTimer"); }
  void SetMenusLocked(bool locked) override { log.push_back(locked ? "SetMenusLocked 1" : "SetMenusLocked 0"); }
  void SetAccessLockState(int value) override { log.push_back("SetAccessLockState " + std::to_string(value)); }
  void ShowGainPage() override { log.push_back("ShowGainPage"); }
  void HideLockModeEntry() override { log.push_back("HideLockModeEntry"); }

  bool chinese = false;
  bool online = false;
  std::map<QString, QString> englishTexts;
  std::map<QString, QString> chineseTexts;
  MainWindowState state;
  std::vector<std::pair<int, QByteArray>> stores;
  std::vector<int> recalls;
  std::vector<std::tuple<int, int, int>> copies;
  int unitId = 1;
  std::vector<std::string> log;

private:
  [[noreturn]] static void Unexpected(const char* what) {
    ADD_FAILURE() << "a dialog called " << what;
    std::abort();
  }
};
