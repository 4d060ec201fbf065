#pragma once

#include <QString>

class DesignedFirReceiver;

/// What the FIR designer asks of the main window: its texts in the current
/// language, the information dialog, the two confirmations (whose OK the
/// main window ties to the designer) and the FIR stores that take a design.
/// The main window implements it; it must outlive the designer. GUI thread
/// only.
class IFirDesignHost {
public:
  virtual ~IFirDesignHost() = default;

  /// The text of `key` ("SID_...") in the current language.
  virtual QString LookUpText(const QString& key) const = 0;
  /// Shows the text in the information dialog, modally.
  virtual void ShowInformation(const QString& text) = 0;
  /// The equaliser reset confirmation for `channel` (9: the designer's own
  /// equaliser), shown modally.
  virtual void ConfirmEqReset(int channel) = 0;
  /// The FIR download confirmation, shown modally.
  virtual void ConfirmFirDownload() = 0;
  /// Where ApplyDesignedFir hands the design.
  virtual DesignedFirReceiver& FirReceiver() = 0;

protected:
  IFirDesignHost() = default;
  IFirDesignHost(const IFirDesignHost&) = default;
  IFirDesignHost& operator=(const IFirDesignHost&) = default;
};
