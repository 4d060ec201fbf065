#pragma once

#include <cstdint>
#include <memory>

#include <QObject>

#include "link/LinkProfile.h"
#include "platform/threads/TTimer.h"

class HidSystem;
class ILinkWindow;
class IUsbStatusView;
class LUnitSession;
class TJvHidDevice;
class TJvHidDeviceController;
class UsbHidPort;

/// The main window's HID glue: the HID controller `HidCtl` and its
/// handlers, which find the unit (vendor 0x0168, product 0x0821), check it
/// out as `HidDevice`, hand the frame of each of its input reports to the
/// open USB transport and react to its unplugging (`tmLinkBroken`: 300 ms
/// later the open link is closed and the search dialog shown again); the
/// write routine lives in the shared UsbHidPort, which the transport
/// factory hands to every USB transport. Reports and unplugs of another
/// checked-out device than `HidDevice` do not touch the link. The main
/// window owns it for the whole run, after the session. GUI thread only.
class UsbHidGlue {
public:
  static constexpr std::uint16_t kUnitVendorId = 0x0168;
  static constexpr std::uint16_t kUnitProductId = 0x0821;

  /// `log` receives the "USB W" and "USB R" lines; the first device change
  /// runs when the GUI thread next handles its events.
  UsbHidGlue(std::shared_ptr<HidSystem> system, LUnitSession& session, ILinkWindow& window, IUsbStatusView& status,
             LinkLogSink log = {});
  ~UsbHidGlue();
  UsbHidGlue(const UsbHidGlue&) = delete;
  UsbHidGlue& operator=(const UsbHidGlue&) = delete;

  TJvHidDeviceController& HidCtl() { return *m_hidCtl; }
  /// The unit's checked-out device, or null.
  TJvHidDevice* HidDevice() const;
  const std::shared_ptr<UsbHidPort>& Port() const { return m_port; }

  // The controller's handlers.
  bool HidCtlEnumerate(TJvHidDevice* HidDev, int Idx);
  void HidCtlDeviceChange();
  void HidCtlDeviceData(TJvHidDevice* HidDev, std::uint8_t ReportID, const std::uint8_t* Data, std::uint16_t Size);
  /// Shows "READ ERROR: " and the system's text once the read thread's
  /// hand-over has ended, so the message never holds up a check-in.
  void HidCtlDeviceDataError(TJvHidDevice* HidDev, std::uint32_t Error);
  void HidCtlDeviceUnplug(TJvHidDevice* HidDev);

private:
  void LinkBrokenTimer();

  LUnitSession& m_session;
  ILinkWindow& m_window;
  IUsbStatusView& m_status;
  std::shared_ptr<UsbHidPort> m_port;
  QObject m_context;
  TTimer m_linkBroken;  ///< `tmLinkBroken`
  std::unique_ptr<TJvHidDeviceController> m_hidCtl;
};
