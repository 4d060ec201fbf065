#pragma once

#include <QByteArray>

/// Where the FIR designer hands a finished design: the main window's FIR
/// stores, which check the tap limits and the shared tap budget with their own
/// messages, keep the coefficients as 32-bit floats and send them to the unit.
/// `name` is the FIR name in the system code page (at most 8 bytes, no
/// terminator inside); `coefficients` holds at least `taps` values. GUI
/// thread only.
class DesignedFirReceiver {
public:
  virtual ~DesignedFirReceiver() = default;

  /// Input channel 0..2.
  virtual void ApplyInputFir(int channel, int taps, const QByteArray& name, const double* coefficients) = 0;
  /// Output channel 3..8.
  virtual void ApplyOutputFir(int channel, int taps, const QByteArray& name, const double* coefficients) = 0;
};
