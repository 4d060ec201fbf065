#pragma once

#include "platform/widgets/InputTypes.h"

class DynamicsPanels;
class IEditorWindow;
class TObject;

/// The gate page: threshold, attack, release and ratio of the three inputs
/// by track bar and typed box. A change makes the input the panel's,
/// writes its box, redraws the gate panel at once, stores the parameter for
/// the input's link group, sends one command and shows the value on every
/// member. A mouse down on a box, the ratio bar or the column's caption
/// shows that input on the panel. Binds itself to the window's named
/// controls; the window owns it. GUI thread only.
class GateEditor {
 public:
  GateEditor(IEditorWindow& window, DynamicsPanels& panels) : m_window(window), m_panels(panels) {}

  void Bind();

  void isGateThresholdInAChange(TObject* Sender);
  void isGateAttackInAChange(TObject* Sender);
  void isGateReleaseInAChange(TObject* Sender);
  void isGateRatioInAChange(TObject* Sender);
  void cvdGateThresholdInAMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void lbGateInAMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void isGateThresholdInAMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

  /// The typed-entry pairs of the boxes: KeyDown takes Enter only, Exit
  /// leaving the box; both move the box's holding control.
  void cvdGateThresholdInAKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdGateThresholdInAExit(TObject* Sender);
  void cvdGateAttackInAKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdGateAttackInAExit(TObject* Sender);
  void cvdGateReleaseInAKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdGateReleaseInAExit(TObject* Sender);
  void cvdGateRatioInAKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdGateRatioInAExit(TObject* Sender);

  /// Shows one value (a track-bar position of `kind`) on every input of
  /// the channel's link group; for the ratio, on every other input.
  void SyncGateDisplay(int channel, int kind, int value);

 private:
  void EntryKeyDown(TObject* Sender, WORD& Key, int kind);
  void Entry(TObject* Sender, int kind);
  void BarChange(TObject* Sender, int kind);

  IEditorWindow& m_window;
  DynamicsPanels& m_panels;
};
