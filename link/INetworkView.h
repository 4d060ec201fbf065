#pragma once

#include <cstdint>

class QString;

/// What the network glue needs of the main window and its dialogs: the
/// unit address list `rzcIpAddress` with its label `lbIp` and scan button
/// `sbIpScan`, `SelectedUnitAddress`, the discovery timer `tmHostCheck`,
/// the search dialog's status label, the network setup dialog's address
/// and the traffic monitor. The main window implements it; tests record
/// the calls. Addresses have the first octet in bits 24-31. GUI thread only.
class INetworkView {
public:
  virtual ~INetworkView() = default;

  // The address list: address texts "%d.%d.%d.%d".
  virtual int AddressCount() const = 0;
  virtual QString AddressAt(int index) const = 0;
  virtual void InsertAddress(int index, const QString& text) = 0;
  /// Empties the list, items and values.
  virtual void ClearAddresses() = 0;
  /// -1 when no entry is selected.
  virtual int SelectedAddressIndex() const = 0;
  virtual void SelectAddress(int index) = 0;
  /// Shows `lbIp` and `rzcIpAddress` and enables `sbIpScan`.
  virtual void ShowAddressList() = 0;

  virtual std::uint32_t GetSelectedUnitAddress() const = 0;
  virtual void SetSelectedUnitAddress(std::uint32_t address) = 0;

  /// Starts or stops `tmHostCheck`.
  virtual void SetHostCheckEnabled(bool enabled) = 0;
  /// The device search dialog's status label `lblScan`.
  virtual void SetSearchStatus(const QString& text) = 0;
  /// The network setup dialog shows the unit address (`ShowAddress`).
  virtual void ShowAddress(std::uint32_t address) = 0;
  /// Adds a line to the traffic monitor whether it is shown or not.
  virtual void AddTrafficLogLine(const QString& line) = 0;

protected:
  INetworkView() = default;
  INetworkView(const INetworkView&) = default;
  INetworkView& operator=(const INetworkView&) = default;
};
