#pragma once

#include <vector>

#include "dsp/PlotSection.h"
#include "platform/drawing/TColor.h"

class ResponsePlotTarget;

/// The response curves of one plot: 48 filter sections and the plot control
/// they are drawn on. Sections 0-8 are equaliser bands, 30 and 31 FIR and low
/// cut, 32 high cut, 33 the total, 34-38 crossover work sections, 39-44
/// copies of other channels' totals. Owned by the main window; the target
/// must outlive it. GUI thread only.
class Plot {
public:
  static constexpr int kSectionCount = 48;
  static constexpr int kTotalSection = 33;

  explicit Plot(ResponsePlotTarget& target);

  int GetSectionCount() const { return kSectionCount; }
  /// Section 0..47; any other index throws std::out_of_range, in every build.
  PlotSection& Section(int index);
  const PlotSection& Section(int index) const;

  /// Hands the target a marker for the section at its frequency's grid
  /// position and level y in the section's marker colour, with `state` as
  /// the marker's shape, then the section's parameters.
  void DrawBandMarker(int section, double y, int state);
  /// Sums sections 0..32 into section 33 (folded into -18..+18 in phase
  /// mode) and draws it as curve 33 in the total colour of `plotIndex`.
  void DrawTotal(int plotIndex);
  /// Draws the section's curve as the curve numbered like the section.
  void DrawSection(int section, TColor colour);
  void RemoveCurve(int curve);
  /// show false hides the selected-band fill. Otherwise shows `section`
  /// (negative means 0) as the selected band with `marker` as its band type,
  /// y as its level and `value` as its Q.
  void DrawSectionFill(int marker, int section, double y, double value, bool show);

  /// Sets the flag here and on every section; recomputes nothing.
  void SetPhaseMode(bool phase);
  bool GetPhaseMode() const { return m_phaseMode; }
  void SetRemoveFirLatency(bool remove);
  bool GetRemoveFirLatency() const { return m_removeFirLatency; }

private:
  static bool IsSection(int index) { return index >= 0 && index < kSectionCount; }

  bool m_removeFirLatency = false;
  bool m_phaseMode = false;
  ResponsePlotTarget* m_target;
  std::vector<PlotSection> m_sections;
};
