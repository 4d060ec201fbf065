#pragma once

#include <span>

#include <QByteArrayView>
#include <QString>

#include "editors/filter/FilterControls.h"
#include "editors/fir/FirTransferProgress.h"
#include "editors/fir/OutputFirDesigner.h"

class FilterEditing;
class ILinkWindow;
class IPresetWindow;
class TObject;
struct OutputFilterRecord;

/// The per-channel FIR of the main window: coefficient files, the shared
/// tap budget, sending coefficients, the FIR bypasses and the output mode,
/// bound by name to the window's controls, with the output pages' FIR
/// designer and the progress window of a transfer. Owned by the main window
/// next to the filter editing, whose curve routines redraw the curves; the
/// link and preset windows show the progress. GUI thread only.
class FirEditing {
public:
  FirEditing(IEditorWindow& window, FilterEditing& filters, ILinkWindow& linkWindow, IPresetWindow& presetWindow);

  /// Binds the open-file and bypass buttons of every channel, the output
  /// modes and the designers.
  void Bind();

  /// Charges `n` taps against the budget; true (and the message shown) when
  /// they do not fit. Giving taps back always succeeds.
  bool ReserveFirTaps(int n);
  /// True (and the message shown) when a value is above 50.0 or not finite.
  bool CheckFirCoefficients(std::span<const float> values);
  /// Queues the channel's stored coefficients as blocks of 12.
  void SendFirCoefficients(int channel, int taps);
  /// Advances the progress window by one, then queues the channel's stored
  /// coefficients as the FIR of stored preset `preset` (1-30).
  void StoreFirCoefficientsInEeprom(int preset, int channel, int count);
  /// Takes a designed coefficient set for an input (taps doubles).
  void ApplyInputFir(int channel, int taps, QByteArrayView name, std::span<const double> values);

  /// Takes a designed coefficient set for an output (taps doubles).
  void ApplyOutputFir(int channel, int taps, QByteArrayView name, std::span<const double> values);
  /// Arranges an output's IIR cut, FIR and designer groups by its mode.
  void RefreshOutputModeControls(int channel);

  void sbOpenFirFileInAClick(TObject* Sender);
  void rzbFirBypassInAClick(TObject* Sender);
  void sbOpenFileOut1Click(TObject* Sender);
  void rzbFirBypassOut1Click(TObject* Sender);
  void rzcModeOut1Change(TObject* Sender);

  OutputFirDesigner& Designer() { return m_designer; }
  FirTransferProgress& Progress() { return m_progress; }

private:
  /// Shows the text of `key` in the information dialog.
  void Refuse(const char* key);
  /// Stores a checked, charged set for an input and its link group, names
  /// it, sends it and releases the bypass.
  void TakeInputFir(int channel, std::span<const float> values, const QString& name);
  /// Charges an output's new set of `taps` against what its record runs
  /// (nothing in IIR mode); true when refused.
  bool ChargeOutputSet(int channel, const OutputFilterRecord& record, int taps);
  /// Stores a checked set for an output and its link group, names it (once
  /// for every member when `nameEveryMember`), sends it.
  void TakeOutputFir(int channel, std::span<const float> values, const QString& name, bool nameEveryMember);
  void RedrawFir(int channel);
  /// SendFirCoefficients with the progress window following the blocks.
  void SendFollowed(int channel, int taps);

  FilterControls m_c;
  FilterEditing& m_filters;
  FirTransferProgress m_progress;
  OutputFirDesigner m_designer;
};
