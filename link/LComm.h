#pragma once

#include <QString>

#include "link/LinkTransport.h"

/// The serial link to the unit: a serial port, named by its device path,
/// opened for exclusive use at the given line settings, read and written by
/// the transport's worker. A hang-up or I/O error of the port ends the
/// worker with LINK_ERROR_PORT_FAILED, a failed wait with
/// LINK_ERROR_WAIT_FAILED. Replies are delivered only while the port runs at
/// 115200 baud. The main window creates the LCommProc form. GUI thread only.
class LComm : public LinkTransport {
public:
  /// Opens the port and starts the worker. False when the transport was
  /// opened before, when the port cannot be opened (missing, in use) or
  /// refuses the settings (baud rates from 1200 to 128000, byte size 5 to 8, SerialPort's parity and stop-bit codes), or
  /// when the worker cannot start; the port is closed again then.
  bool Open(const QString& path, int baudRate, int byteSize, int parity, int stopBits);

  /// Extra resends granted before the resend rule (a page switch grants one).
  void SetSpareResends(int count);
  int SpareResends() const;

protected:
  LComm(QObject* owner, int unitId, LinkProfile profile, LinkLogSink log);
};
