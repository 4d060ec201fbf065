#pragma once

#include <memory>

#include "link/InboxTransport.h"

class UsbHidPort;

/// The USB link to the unit: frames go out through the HID port's write
/// routine as output reports on the worker thread, and the frame of every
/// input report comes in through PutReceived on the GUI thread (at most the
/// 128 bytes of the receive buffer a hand-over). It holds no device of its
/// own, so opening it does not look at the HID device. It is the port's
/// `UsbTransport` from creation until Close. The main window creates the
/// LUsbProc form. GUI thread only.
class LUsb : public InboxTransport {
public:
  ~LUsb() override;
  LUsb(const LUsb&) = delete;
  LUsb& operator=(const LUsb&) = delete;

  /// Starts the worker; false when opened before or when it cannot start.
  bool Open();
  /// Stops being `UsbTransport`, then closes as every transport does.
  void Close() override;

protected:
  LUsb(QObject* owner, int unitId, LinkProfile profile, std::shared_ptr<UsbHidPort> port);

private:
  std::shared_ptr<UsbHidPort> m_port;
};
