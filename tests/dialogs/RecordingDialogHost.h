#pragma once

#include <cstdlib>
#include <map>
#include <tuple>
#include <vector>

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

#include "components/MainWindowState.h"
#include "dialogs/IDialogHost.h"

/// A main window stand-in for the dialogs: texts from a small table per
/// language, and every preset or copy call recorded.
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

  bool chinese = false;
  bool online = false;
  std::map<QString, QString> englishTexts;
  std::map<QString, QString> chineseTexts;
  MainWindowState state;
  std::vector<std::pair<int, QByteArray>> stores;
  std::vector<int> recalls;
  std::vector<std::tuple<int, int, int>> copies;

private:
  [[noreturn]] static void Unexpected(const char* what) {
    ADD_FAILURE() << "a dialog called " << what;
    std::abort();
  }
};
