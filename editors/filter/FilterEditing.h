#pragma once

#include <functional>

#include "editors/filter/CrossoverEditor.h"
#include "editors/filter/CurveViews.h"
#include "editors/filter/PeqEditor.h"
#include "editors/filter/PlotMouseEditor.h"

/// The filter editing of the main window: the equaliser bands, the cuts,
/// the marker dragging and the curve views of every channel, bound by name
/// to the window's controls. Owned by the main window, after its controls
/// exist. GUI thread only.
class FilterEditing {
public:
  explicit FilterEditing(IEditorWindow& window);

  /// Binds every handler to its controls' events; a missing control ends
  /// the binding of its channel.
  void Bind();

  PeqEditor& Peq() { return m_peq; }
  CrossoverEditor& Crossover() { return m_crossover; }
  PlotMouseEditor& Mouse() { return m_mouse; }
  CurveViews& Views() { return m_views; }

private:
  void BindChannel(int channel);
  void BindCrossover(int channel, bool lowCut);
  void BindPlotMouse(TControl* plot);
  void BindOverlayToggles();

  FilterControls m_c;
  PeqEditor m_peq;
  CrossoverEditor m_crossover;
  PlotMouseEditor m_mouse;
  CurveViews m_views;
};
