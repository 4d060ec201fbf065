#pragma once

#include "editors/filter/FilterControls.h"
#include "protocol/UnitRecords.h"

class CrossoverEditor;

/// What each response plot shows: a channel's equaliser and FIR sections,
/// the copies of the other channels' totals (refreshed only where a channel
/// changed, and only when its plot comes on screen), the two gain summary
/// plots, the compressor's side-chain curve, and the view switches (EQ+FIR,
/// FIR or EQ; magnitude or phase; FIR latency removed). GUI thread only.
class CurveViews {
public:
  static constexpr int kInputSummary = 9;
  static constexpr int kOutputSummary = 10;
  static constexpr int kCompressorCurves = 11;
  static constexpr int kFirstCopySection = 39;

  CurveViews(IEditorWindow& window, CrossoverEditor& crossover) : m_c(window), m_crossover(crossover) {}

  void RefreshGainSummaryCurves();
  /// A channel page's copies; a function page number does nothing.
  void RefreshChannelOverlayCurves(int channel);
  /// A toggle's click: shows or hides the copy section `curveId` holds on
  /// plot `plotIndex` (0-8 a channel, 9 or 10 a summary).
  void OverlayToggleClick(TObject* Sender, int plotIndex, int curveId);

  void LoadPeqCurve(TControl* plot);
  void UpdateFirCurve(TControl* plot);
  void UpdateCompressorEqCurve();

  void rbShowEqFirInAClick(TObject* Sender);
  void rbShowGainInAClick(TObject* Sender) { ShowMagnitudeOrPhase(Sender, false); }
  void rbShowPhaseInAClick(TObject* Sender) { ShowMagnitudeOrPhase(Sender, true); }
  void vrbFirRemoveInAClick(TObject* Sender);

  /// The colour of a channel's total and of every copy of it.
  static TColor ChannelColour(int channel);

  /// The designed FIR of the output last shown, loaded from its record.
  FirDesignRecord PendingOutputFirDesign;

private:
  void ShowMagnitudeOrPhase(TObject* Sender, bool phase);
  /// The rebuild of a view change: FIR, the cuts (outputs), the bands.
  void RebuildChannelCurves(int channel, TControl* plot);
  void RepaintPlot(int plotIndex);

  FilterControls m_c;
  CrossoverEditor& m_crossover;
};
