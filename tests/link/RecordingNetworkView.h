#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "link/INetworkView.h"

/// Stands in for the main window's address list, discovery timer, dialogs
/// and traffic monitor: keeps the list and the selection and records the
/// rest. GUI thread.
class RecordingNetworkView : public INetworkView {
public:
  int AddressCount() const override { return static_cast<int>(addresses.size()); }
  QString AddressAt(int index) const override { return addresses.value(index); }
  void InsertAddress(int index, const QString& text) override { addresses.insert(index, text); }
  void ClearAddresses() override {
    addresses.clear();
    selected = -1;
  }
  int SelectedAddressIndex() const override { return selected; }
  void SelectAddress(int index) override { selected = index; }
  void ShowAddressList() override { listShown = true; }
  std::uint32_t GetSelectedUnitAddress() const override { return unitAddress; }
  void SetSelectedUnitAddress(std::uint32_t address) override { unitAddress = address; }
  void SetHostCheckEnabled(bool enabled) override { hostCheck = enabled; }
  void SetSearchStatus(const QString& text) override { searchStatus.push_back(text); }
  void ShowAddress(std::uint32_t address) override { shownAddresses.push_back(address); }
  void AddTrafficLogLine(const QString& line) override { traffic.push_back(line); }

  /// The traffic lines that begin with `prefix`.
  QStringList TrafficStartingWith(const QString& prefix) const {
    QStringList lines;
    for (const QString& line : traffic) {
      if (line.startsWith(prefix)) {
        lines.push_back(line);
      }
    }
    return lines;
  }

  QStringList addresses;
  int selected = -1;
  bool listShown = false;
  std::uint32_t unitAddress = 0;
  bool hostCheck = false;
  QStringList searchStatus;
  std::vector<std::uint32_t> shownAddresses;
  QStringList traffic;
};
