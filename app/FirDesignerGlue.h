#pragma once

#include "firdesign/DesignedFirReceiver.h"
#include "firdesign/IFirDesignHost.h"

class TfmMain;

/// The main window as the FIR designer sees it: texts and the information
/// dialog of the window, the equaliser reset and FIR download confirmations
/// (`fmPeqRst`, `fmFirDownload`, when they exist) and the per-channel FIR
/// stores that check, keep and send a design. Owned by the main window.
/// GUI thread only.
class FirDesignerGlue : public IFirDesignHost, public DesignedFirReceiver {
public:
  explicit FirDesignerGlue(TfmMain& window) : m_window(window) {}

  QString LookUpText(const QString& key) const override;
  void ShowInformation(const QString& text) override;
  /// fmPeqRst for the channel, shown modally.
  void ConfirmEqReset(int channel) override;
  void ConfirmFirDownload() override;
  DesignedFirReceiver& FirReceiver() override { return *this; }

  void ApplyInputFir(int channel, int taps, const QByteArray& name, const double* coefficients) override;
  void ApplyOutputFir(int channel, int taps, const QByteArray& name, const double* coefficients) override;

private:
  TfmMain& m_window;
};
