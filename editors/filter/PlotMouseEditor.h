#pragma once

#include <functional>

#include "editors/filter/FilterControls.h"
#include "editors/filter/PlotPointer.h"
#include "platform/widgets/InputTypes.h"

class CrossoverEditor;
class LMyFFTDrawHpLp6dB;
class PeqEditor;

/// Grabbing and dragging the markers of the response plots: band markers
/// move a band's frequency and gain, the cut markers a cut-off frequency;
/// every step stores and sends, the curve follows on tmMouseEqCurve (bands)
/// or tmHpLpCurve (cuts). Only markers drawn on the plot can be hit, so the
/// gain summary plots, which draw none, never start a drag. The hover
/// cursor becomes a cross over a marker. GUI thread only.
class PlotMouseEditor {
public:
  /// Marker ids of the cuts.
  static constexpr int kLowCutMarker = 31;
  static constexpr int kHighCutMarker = 32;
  static constexpr int kHighestMarker = 35;

  PlotMouseEditor(IEditorWindow& window, PeqEditor& peq, CrossoverEditor& crossover)
      : m_c(window), m_peq(peq), m_crossover(crossover) {}

  void fftDrawInAMouseDown(TObject* Sender, TMouseButton Button, int X, int Y);
  void fftDrawInAMouseMove(TObject* Sender, int X, int Y);
  void fftDrawInAMouseUp(TObject* Sender);
  void tmMouseEqCurveTimer();
  void vrbEqShowAllInAClick(TObject* Sender);

  /// Horizontal pixels per inch of the window's canvas (the hover narrows
  /// its window at exactly 96). Replaceable for tests.
  std::function<int()> ScreenDpi;

private:
  PlotPointer PointerOf(const LMyFFTDrawHpLp6dB& plot) const;
  /// The gain a marker is drawn at: the band's for bands, 0 for the cuts.
  double MarkerGain(int channel, int marker) const;
  bool MarkerHit(const LMyFFTDrawHpLp6dB& plot, int channel, int marker, int x, int y, double scale) const;
  void DragBand(int channel, int band, double frequency, double gain);
  void DragCut(int channel, bool lowCut, double frequency);

  FilterControls m_c;
  PeqEditor& m_peq;
  CrossoverEditor& m_crossover;
};
