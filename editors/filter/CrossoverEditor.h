#pragma once

#include <array>

#include "editors/filter/FilterControls.h"

/// The low cut (high-pass) and high cut (low-pass) of every channel: the
/// cut-off track bars (store and send at once, curve after tmHpLpCurve), the
/// slope lists and bypass buttons (curve at once, then store and send), the
/// assembly of a crossover curve from standard sections and its rebuild
/// from the unit image. Sections 31 (low cut) and 32 (high cut) hold the
/// curves and their markers; 34-38 are work sections. GUI thread only.
class CrossoverEditor {
public:
  static constexpr int kLowCutSection = 31;
  static constexpr int kHighCutSection = 32;

  explicit CrossoverEditor(IEditorWindow& window) : m_c(window) {}

  void isLowCutFreqInAChange(TObject* Sender) { CutBarChange(Sender, true); }
  void isHighCutFreqInAChange(TObject* Sender) { CutBarChange(Sender, false); }
  void tmHpLpCurveTimer();
  void rzcLowCutSlopInAChange(TObject* Sender) { SlopeChange(Sender, true); }
  void rzcHighCutSlopInAChange(TObject* Sender) { SlopeChange(Sender, false); }
  void rzbLowCutBypassInAClick(TObject* Sender) { SlopeChange(Sender, true); }
  void rzbHighCutBypassInAClick(TObject* Sender) { SlopeChange(Sender, false); }
  /// Bound to the slope, output mode and FIR lists: the wheel never changes them.
  static void rzcLowCutSlopInAMouseWheel(bool& Handled) { Handled = true; }

  /// Builds the low cut into section `base` or the high cut into base + 1
  /// and draws its marker at 0 dB.
  void BuildCrossoverCurve(bool lowCut, int slope, double frequency, int base, int channel);
  /// Rebuild the channel's cut curves from the unit image (the plot's Tag
  /// is the channel); callers run the low cut first and repaint afterwards.
  void UpdateLowCutCurve(TControl* plot);
  void UpdateHighCutCurve(TControl* plot);

  /// Whether the cut's marker on the channel's plot stands for a cut: an
  /// output's always, an input's once its cut controls drew it (the
  /// rebuild from the image draws an input's low cut from a record the
  /// image does not keep).
  bool IsCutMarkerLive(int channel, bool lowCut) const;

  /// Stores a cut's index and slope in the channel's filter record (for
  /// its link group; an input's is sent only) and sends it.
  void StoreCut(int channel, bool lowCut, int index, int slope);

  /// The slope byte the channel's controls show: 0 while the bypass button
  /// is down, else the list's item index + 1; -1 without the controls.
  int ShownSlope(int channel, bool lowCut) const;

private:
  void CutBarChange(TObject* Sender, bool lowCut);
  void SlopeChange(TObject* Sender, bool lowCut);
  /// Fill of the cut's section, total, repaint.
  void ShowCut(int channel, bool lowCut);
  /// Sets a section flat at 32000 Hz, beyond the plot, and draws its marker.
  void FlattenBeyondPlot(int channel, int section, int markerKind);
  /// Builds a cut from its controls' values and counts its marker live.
  void BuildFromControls(bool lowCut, int slope, double frequency, int channel);

  FilterControls m_c;
  /// Per input, low and high cut: drawn by the cut controls.
  std::array<std::array<bool, 2>, 3> m_inputCutShown{};
};

/// Stems of a cut's controls.
struct CutNames {
  QString freqBar, freqBox, slopeList, bypassButton;
};
CutNames CrossoverControlNames(bool lowCut);
