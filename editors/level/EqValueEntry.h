#pragma once

#include "platform/widgets/InputTypes.h"

class IEditorWindow;
class TObject;

/// Value entry of the equaliser and crossover controls of every channel
/// page: typed Q and gain of the selected band, typed cut frequencies of the
/// outputs, and the nudging keys of the zero-width band box. It only moves
/// the track bars; their own change handlers (filter editing) store and
/// send. Binds itself to the window's named controls; the window owns it.
/// GUI thread only.
class EqValueEntry {
public:
  explicit EqValueEntry(IEditorWindow& window) : m_window(window) {}

  void Bind();

  void cvdEqBwInAKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdEqBwInAExit(TObject* Sender);
  void cvdEqGainInAKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdEqGainInAExit(TObject* Sender);
  void cvdHighCutFreqInAKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdHighCutFreqInAExit(TObject* Sender);
  void cvdLowCutFreqInAKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdLowCutFreqInAExit(TObject* Sender);
  void cvdEqParamInAKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);

private:
  IEditorWindow& m_window;
};
