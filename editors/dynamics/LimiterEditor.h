#pragma once

#include "editors/dynamics/DynamicsSectionEditor.h"
#include "platform/widgets/InputTypes.h"
#include "platform/widgets/TUpDown.h"

/// The limiter page: threshold, attack and release by track bar, knee and
/// ratio by up-down, each with its typed box, for the six outputs. A change
/// stores the parameter for the output's link group, sends one command,
/// shows the value on every member and schedules a redraw of the panel
/// (tmLimitDisp, 1 ms, one-shot). A mouse down on a box, track bar or the
/// column's caption shows that output on the panel. Binds itself to the
/// window's named controls; the window owns it. GUI thread only.
class LimiterEditor {
 public:
  LimiterEditor(IEditorWindow& window, DynamicsPanels& panels);

  void Bind();

  void isLimitThresholdOut1Change(TObject* Sender);
  void isLimitAttackOut1Change(TObject* Sender);
  void isLimitReleaseOut1Change(TObject* Sender);
  void udLimitKneeOut1ChangingEx(TObject* Sender, bool& AllowChange, short NewValue, TUpDownDirection Direction);
  void udLimitRatioOut1ChangingEx(TObject* Sender, bool& AllowChange, short NewValue, TUpDownDirection Direction);
  void cvdLimitThresholdOut1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void isLimitThresholdOut1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void lbLimitOut1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void tmLimitDispTimer(TObject* Sender);

  /// The typed-entry pairs of the boxes: KeyDown takes Enter only, Exit
  /// leaving the box; both move the box's holding control.
  void cvdLimitThresholdOut1KeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdLimitThresholdOut1Exit(TObject* Sender);
  void cvdLimitAttackOut1KeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdLimitAttackOut1Exit(TObject* Sender);
  void cvdLimitReleaseOut1KeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdLimitReleaseOut1Exit(TObject* Sender);
  void cvdLimitRatioOut1KeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdLimitRatioOut1Exit(TObject* Sender);
  void cvdLimitKneeOut1KeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdLimitKneeOut1Exit(TObject* Sender);

  /// Shows one value (a control position of `kind`) on every output of the
  /// channel's link group; for knee and ratio, on every other output.
  void SyncLimiterDisplay(int channel, int kind, int value);

  /// The output the next tick of tmLimitDisp redraws.
  int LimiterRedrawChannel() const { return m_section.RedrawChannel(); }

 private:
  IEditorWindow& m_window;
  DynamicsSectionEditor m_section;
};
