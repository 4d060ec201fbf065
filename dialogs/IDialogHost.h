#pragma once

#include <cstdint>
#include <span>

#include "dialogs/LinkOperation.h"

class ControlRegistry;
class LCmd;
class LUnitControl;
class QByteArray;
class LUnitSession;
class QString;
struct MainWindowState;

/// What the dialogs need of the main window: its texts in the current
/// language, its shared state, the unit model and the link session. The
/// main window implements it and hands it to each dialog it creates.
/// GUI thread only.
class IDialogHost {
public:
  virtual ~IDialogHost() = default;

  /// The text of `key` ("SID_...") in the current language.
  virtual QString LookUpText(const QString& key) const = 0;
  virtual MainWindowState& State() = 0;
  virtual LUnitControl& UnitControl() = 0;
  virtual LUnitSession& Session() = 0;
  /// Asks the main window to close (it closes once ExitAllowed is set).
  virtual void CloseMainWindow() = 0;
  /// True while a unit is linked.
  virtual bool IsUnitOnline() const = 0;
  /// Stores the setting as preset row + 1 under name (14 bytes, blank padded).
  virtual void StorePreset(int row, const QByteArray& name) = 0;
  /// Recalls preset row (0 the factory preset F00, n the user preset Un).
  virtual void RecallPreset(int row) = 0;
  /// Copies channel source onto destination (0-2 inputs, 3-8 outputs).
  virtual void CopyChannel(int source, int destination, int mode) = 0;

  // Lock dialogs and the lock-mode choice.
  /// The send routine: frames the command with mode (1 = CommandFrame) for
  /// the open transport (dropped when none is open); forceAppend keeps it
  /// from replacing a queued frame of the same code.
  virtual void SendCommand(const LCmd& command, bool forceAppend, int mode) = 0;
  /// The unit id every command is addressed to.
  virtual int GetUnitId() const = 0;
  /// Starts the link's `tmDisconnect` (300 ms, then disconnect).
  virtual void StartDisconnectTimer() = 0;
  /// Disables (true) or enables the menu entries a restricted user may not use.
  virtual void SetMenusLocked(bool locked) = 0;
  /// The unit's access-lock byte (bit value 1 locked, 2 restricted access).
  virtual int GetAccessLockState() const = 0;
  virtual void SetAccessLockState(int value) = 0;
  /// The click action of the gain page button `rzbMenuGain`.
  virtual void ShowGainPage() = 0;
  /// Hides the main menu's `LockMode` entry.
  virtual void HideLockModeEntry() = 0;

  // Test signal, channel names, source pairs and source types.
  /// The main window's named controls (the source type labels among them).
  virtual ControlRegistry& Controls() = 0;
  /// True while the window moves its controls from the unit image.
  virtual bool IsRefreshingControls() const = 0;
  /// The channel's 8-byte name field as stored (no terminator when full).
  virtual QByteArray GetChannelName(int channel) const = 0;
  /// Stores and sends the channel's 8-byte name and shows it on the window.
  virtual void SetChannelName(int channel, const QByteArray& name) = 0;
  /// Whether the channel takes its neighbour pair as source.
  virtual bool GetSourcePair(int channel) const = 0;
  /// Sets or clears the channel's pairing bit and sends it.
  virtual void SetSourcePair(int channel, int flag) = 0;
  // Channel links: what the link dialog calls.
  /// The unit model's LinkMask of a channel.
  virtual unsigned LinkMaskOf(int channel) const = 0;
  /// The FIR taps a channel uses, as the link dialog totals them.
  virtual int ChannelFirTaps(int channel) const = 0;
  /// Stores the channel's link mask and sends it.
  virtual void SendChannelLink(int channel, int mask) = 0;
  /// Charges, once, the FIR taps that the copies among `operations` change
  /// when they and the masks are applied in this order; false (with the
  /// message shown and nothing charged) when that exceeds the budget.
  virtual bool ChargeLinkChanges(std::span<const LinkOperation> operations) = 0;
  /// CopyChannel for a copy whose taps were charged already.
  virtual void CopyChargedChannel(int source, int destination, int finish) = 0;
  /// Has the unit read back after a link change (offline: refreshes the window).
  virtual void ReloadAfterLinkChange() = 0;
  /// The channel's menu button caption as a member of leader's group (its own
  /// caption when leader is the channel).
  virtual void UpdateLinkCaption(int leader, int channel) = 0;
  /// Shows or hides the channel's curve-overlay buttons on the other plots.
  virtual void UpdateLinkShowButtons(int channel, bool visible) = 0;
  // Device search, network setup and factory default. Addresses have the
  // first octet in bits 24-31.
  /// The main window holds the unit's HID device.
  virtual bool HasUsbDevice() const = 0;
  /// SelectedUnitAddress is not 0.
  virtual bool HasUnitAddress() const = 0;
  /// The serial port the next OpenSerialLink opens (a device path).
  virtual void SetComPortName(const QString& name) = 0;
  /// Each opens its link and sends the connect request; a failure is
  /// reported back to the search dialog.
  virtual void OpenSerialLink() = 0;
  virtual void OpenUsbLink() = 0;
  virtual void OpenNetworkLink() = 0;
  /// Closes the open link (and, after a linked unit, goes offline).
  virtual void Disconnect() = 0;
  /// Connects the TCP client socket to the unit address.
  virtual void ActivateClientSocket() = 0;
  /// One pass of network discovery.
  virtual void SendDiscovery() = 0;
  /// Demo mode: the link button and the Connect menu item enabled.
  virtual void EnableLinkControls() = 0;
  /// Clicks the main menu's NetworkSetup item.
  virtual void ClickNetworkSetup() = 0;
  /// Closes the progress window if it is open.
  virtual void CloseProgress() = 0;
  /// Shows text in the information dialog, modally.
  virtual void ShowInformation(const QString& text) = 0;
  /// Ids 1 to 254 only.
  virtual void SetUnitId(int id) = 0;
  virtual std::uint32_t GetSelectedUnitAddress() const = 0;
  /// The TCP client socket's address.
  virtual void SetClientAddress(std::uint32_t address) = 0;
  /// A unit address set by hand: SelectedUnitAddress, the TCP client's
  /// address, the destination of UDP frames and the link label.
  virtual void SetManualUnitAddress(std::uint32_t address) = 0;
  /// Resets the unit to its factory setting and reads it again.
  virtual void StartFactoryReset() = 0;

protected:
  IDialogHost() = default;
  IDialogHost(const IDialogHost&) = default;
  IDialogHost& operator=(const IDialogHost&) = default;
};
