#pragma once

#include <span>

#include <QByteArrayView>
#include <QString>

#include "editors/filter/FilterControls.h"

class CurveViews;
class TObject;

/// The per-channel FIR of the main window: coefficient files, the shared
/// tap budget, sending coefficients and the input FIR bypass, bound by name
/// to the window's controls. Owned by the main window next to the filter
/// editing, whose curve views redraw the FIR curves. GUI thread only.
class FirEditing {
public:
  FirEditing(IEditorWindow& window, CurveViews& views);

  /// Binds the open-file and bypass buttons of every channel.
  void Bind();

  /// Charges `n` taps against the budget; true (and the message shown) when
  /// they do not fit. Giving taps back always succeeds.
  bool ReserveFirTaps(int n);
  /// True (and the message shown) when a value is above 50.0 or not finite.
  bool CheckFirCoefficients(std::span<const float> values);
  /// Queues the channel's stored coefficients as blocks of 12.
  void SendFirCoefficients(int channel, int taps);
  /// Takes a designed coefficient set for an input (taps doubles).
  void ApplyInputFir(int channel, int taps, QByteArrayView name, std::span<const double> values);

  void sbOpenFirFileInAClick(TObject* Sender);
  void rzbFirBypassInAClick(TObject* Sender);

private:
  /// Shows the text of `key` in the information dialog.
  void Refuse(const char* key);
  /// Stores a checked, charged set for an input and its link group, names
  /// it, sends it and releases the bypass.
  void TakeInputFir(int channel, std::span<const float> values, const QString& name);
  void RedrawFir(int channel);

  FilterControls m_c;
  CurveViews& m_views;
};
