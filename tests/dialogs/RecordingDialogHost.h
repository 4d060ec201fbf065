#pragma once

#include <cstdint>
#include <cstdlib>
#include <array>
#include <map>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

#include "components/MainWindowState.h"
#include "dialogs/IDialogHost.h"
#include "platform/widgets/ControlRegistry.h"
#include "protocol/LCmd.h"

/// A main window stand-in for the dialogs: texts from a small table per
/// language, named controls, stored channel names and pairing bits, and
/// every preset, copy, name, pairing and send call recorded.
/// language, and every preset, copy or link call recorded.
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
  ControlRegistry& Controls() override { return controls; }
  bool IsRefreshingControls() const override { return refreshing; }
  QByteArray GetChannelName(int channel) const override {
    const auto it = names.find(channel);
    return it != names.end() ? it->second : QByteArray(8, '\0');
  }
  void SetChannelName(int channel, const QByteArray& name) override { nameCalls.emplace_back(channel, name); }
  bool GetSourcePair(int channel) const override { return (pairMask >> channel) & 1u; }
  void SetSourcePair(int channel, int flag) override { pairCalls.emplace_back(channel, flag); }

  /// One command handed to the send routine.
  struct Sent {
    int code;
    std::vector<std::uint8_t> payload;
    bool append;
    friend bool operator==(const Sent&, const Sent&) = default;
  };

  // Channel links: the masks and taps given, every call recorded as text.
  unsigned LinkMaskOf(int channel) const override { return masks.at(std::size_t(channel)); }
  int ChannelFirTaps(int channel) const override { return taps.at(std::size_t(channel)); }
  void SendChannelLink(int channel, int mask) override {
    masks.at(std::size_t(channel)) = unsigned(mask);
    Record("mask", channel, mask);
  }
  bool ChargeLinkChanges(std::span<const LinkOperation> operations) override {
    charged.emplace_back(operations.begin(), operations.end());
    linkCalls.push_back(acceptCharges ? "charge" : "charge refused");
    return acceptCharges;
  }
  void CopyChargedChannel(int source, int destination, int finish) override {
    Record("copy", source, destination, finish);
  }
  void ReloadAfterLinkChange() override { linkCalls.push_back("reload"); }
  void UpdateLinkCaption(int leader, int channel) override { Record("caption", leader, channel); }
  void UpdateLinkShowButtons(int channel, bool visible) override { Record("show", channel, visible ? 1 : 0); }
  void ShowGainPage() override {
    linkCalls.push_back("gain page");
    log.push_back("ShowGainPage");
  }
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
  void StartFactoryReset() override {
    Record(QStringLiteral("FactoryReset"));
    log.push_back("StartFactoryReset");
  }

  void Record(const QString& call) { calls.push_back(call); }
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
    sent.push_back({command.GetCode(), command.GetPayload(), forceAppend});
  }
  void StartDisconnectTimer() override { log.push_back("StartDisconnectTimer"); }
  void SetMenusLocked(bool locked) override { log.push_back(locked ? "SetMenusLocked 1" : "SetMenusLocked 0"); }
  int GetAccessLockState() const override { return accessLockState; }
  void SetAccessLockState(int value) override {
    accessLockState = value;
    log.push_back("SetAccessLockState " + std::to_string(value));
  }
  void HideLockModeEntry() override { log.push_back("HideLockModeEntry"); }

  bool chinese = false;
  bool online = false;
  int accessLockState = 0;
  std::map<QString, QString> englishTexts;
  std::map<QString, QString> chineseTexts;
  MainWindowState state;
  std::vector<std::pair<int, QByteArray>> stores;
  std::vector<int> recalls;
  std::vector<std::tuple<int, int, int>> copies;
  ControlRegistry controls;
  bool refreshing = false;
  std::vector<Sent> sent;
  std::map<int, QByteArray> names;  ///< stored 8-byte names; missing: all zero
  std::vector<std::pair<int, QByteArray>> nameCalls;
  unsigned pairMask = 0;
  std::vector<std::pair<int, int>> pairCalls;
  std::array<unsigned, 9> masks{1, 2, 4, 1, 2, 4, 8, 16, 32};
  std::array<int, 9> taps{};
  bool acceptCharges = true;
  std::vector<std::vector<LinkOperation>> charged;
  std::vector<std::string> linkCalls;
  bool usbDevice = false;
  int unitId = 1;
  std::uint32_t unitAddress = 0;
  std::uint32_t clientAddress = 0;
  std::vector<QString> calls;
  std::vector<std::string> log;

private:
  template <class... Values>
  void Record(const char* what, Values... values) {
    std::string line = what;
    ((line += ' ' + std::to_string(values)), ...);
    linkCalls.push_back(line);
  }
  [[noreturn]] static void Unexpected(const char* what) {
    ADD_FAILURE() << "a dialog called " << what;
    std::abort();
  }
};
