#pragma once

#include <cstdint>
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
/// language, and every preset, copy or link call recorded.
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
  bool HasUsbDevice() const override { return usbDevice; }
  bool HasUnitAddress() const override { return unitAddress != 0; }
  void SetComPortName(const QString& name) override { Record(QStringLiteral("Port ") + name); }
  void OpenSerialLink() override { Record(QStringLiteral("OpenSerial")); }
  void OpenUsbLink() override { Record(QStringLiteral("OpenUsb")); }
  void OpenNetworkLink() override { Record(QStringLiteral("OpenNetwork")); }
  void Disconnect() override { Record(QStringLiteral("Disconnect")); }
  void ActivateClientSocket() override { Record(QStringLiteral("ActivateClient")); }
  void SendDiscovery() override { Record(QStringLiteral("Discovery")); }
  void EnableLinkControls() override { Record(QStringLiteral("EnableLinkControls")); }
  void ClickNetworkSetup() override { Record(QStringLiteral("NetworkSetup")); }
  void CloseProgress() override { Record(QStringLiteral("CloseProgress")); }
  void ShowInformation(const QString& text) override { Record(QStringLiteral("Information ") + text); }
  int GetUnitId() const override { return unitId; }
  void SetUnitId(int id) override {
    unitId = id;
    Record(QStringLiteral("UnitId %1").arg(id));
  }
  std::uint32_t GetSelectedUnitAddress() const override { return unitAddress; }
  void SetClientAddress(std::uint32_t address) override { clientAddress = address; }
  void SetManualUnitAddress(std::uint32_t address) override {
    unitAddress = address;
    clientAddress = address;
    Record(QStringLiteral("ManualAddress %1").arg(address, 8, 16, QLatin1Char('0')));
  }
  void StartFactoryReset() override { Record(QStringLiteral("FactoryReset")); }

  void Record(const QString& call) { calls.push_back(call); }

  bool chinese = false;
  bool online = false;
  std::map<QString, QString> englishTexts;
  std::map<QString, QString> chineseTexts;
  MainWindowState state;
  std::vector<std::pair<int, QByteArray>> stores;
  std::vector<int> recalls;
  std::vector<std::tuple<int, int, int>> copies;
  bool usbDevice = false;
  int unitId = 1;
  std::uint32_t unitAddress = 0;
  std::uint32_t clientAddress = 0;
  std::vector<QString> calls;

private:
  [[noreturn]] static void Unexpected(const char* what) {
    ADD_FAILURE() << "a dialog called " << what;
    std::abort();
  }
};
