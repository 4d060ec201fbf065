#pragma once

#include <QString>

/// What the FIR design steps show: the designer plot's channels, the import
/// gain and delay with their value holders, the name labels and the
/// information dialog. The designer dialog implements it; tests record the
/// calls. GUI thread only.
class FirDesignView {
public:
  /// Plot channels of the designer, by curve and view.
  enum Channel : int {
    LoadMagnitude = 0,
    LoadPhase = 1,
    ExceptMagnitude = 2,
    ExceptPhase = 3,
    FirMagnitude = 4,
    FirPhase = 5,
    PeqMagnitude = 6,
    TargetMagnitude = 8,
    TargetPhase = 9,
    ResultMagnitude = 10,
    ResultPhase = 11,
  };

  virtual ~FirDesignView() = default;

  /// Replaces the points of a plot channel by (x[i], y[i]), i < count, in
  /// ascending x; a count of 0 leaves the channel empty.
  virtual void ShowCurve(int channel, const double* x, const double* y, int count) = 0;
  /// isFirImportGain := position (0..240); edFirImportGain shows the text.
  virtual void ShowImportGain(int position, const QString& text) = 0;
  /// isFirImportDelay := position (-960..960); edFirImportDelay shows the text.
  virtual void ShowImportDelay(int position, const QString& text) = 0;
  /// lbNowImportName.
  virtual void ShowMeasurementName(const QString& name) = 0;
  /// lbNowTargetName.
  virtual void ShowTargetName(const QString& name) = 0;
  /// edFirName.
  virtual void ShowFirName(const QString& name) = 0;
  /// The information dialog with the looked-up text of `textKey`, modally.
  virtual void ShowInformation(const char* textKey) = 0;
};
