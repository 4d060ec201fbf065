#pragma once

#include <functional>

#include "components/MainWindowState.h"
#include "editors/filter/FilterControls.h"
#include "platform/widgets/InputTypes.h"

class TAdvTrackBar;
class TCurvyEdit;

/// The equaliser bands of every channel on the main window: band selection,
/// the band panel's change (Q rules, codes, curve, store and send for the
/// link group), the three band track bars deferred to tmEqCurve, the typed
/// frequency, the reset of a channel's bands and the whole-equaliser bypass.
/// Handlers take the control that raised the event; a missing sibling
/// control ends a handler. GUI thread only.
class PeqEditor {
public:
  explicit PeqEditor(IEditorWindow& window) : m_c(window) {}

  void rzbEq1InAClick(TObject* Sender);
  void peqPeqInAEditMouseDown(TObject* Sender);
  void peqPeqInAChange(TObject* Sender);
  void isEqFreqInAChange(TObject* Sender);
  void isEqBwInAChange(TObject* Sender);
  void isEqGainInAChange(TObject* Sender);
  void tmEqCurveTimer();
  void cvdEqFreqInAExit(TObject* Sender);
  void cvdEqFreqInAKeyDown(TObject* Sender, WORD& Key);
  void vrbEqResetInAClick(TObject* Sender);
  void vrbEqBypassInAClick(TObject* Sender);

  void ShowPeqBandValues(int channel, bool enabled, double frequency, double gain, double q);
  void FocusPeqParamEdit(int channel);
  void ResetChannelPeq(int channel);
  /// Section `band` of the channel's curves from the band's values (flat
  /// when bypassed), its marker, the selected fill and the total, repainted.
  void DrawBandCurve(int channel, int band, double frequency, double gain, double q, int type, bool bypass);

  /// Shows the equaliser reset confirmation for a channel; its OK calls
  /// ResetChannelPeq. Set by the window.
  std::function<void(int channel)> ShowResetDialog;

private:
  /// A band track bar with its box and band panel; all null while the
  /// window is refreshed or when one is missing.
  struct BandBar {
    TAdvTrackBar* bar = nullptr;
    TCurvyEdit* box = nullptr;
    TMyPEQType10* panel = nullptr;
  };
  BandBar BandBarOf(TObject* Sender, const QString& boxStem) const;
  /// Records a track-bar edit's kind and channel and arms tmEqCurve; the
  /// caller fills in the value.
  MainWindowState::CurveEdit& ArmCurveTimer(int kind, int channel);
  /// Steps 2-4 of a band choice: band values on the bars, marker, fill,
  /// total and repaint.
  void ChooseBand(int channel, int band);
  void ApplyTypedFrequency(TObject* Sender);

  FilterControls m_c;
};
