#pragma once

#include "editors/dynamics/DynamicsSectionEditor.h"
#include "platform/widgets/InputTypes.h"
#include "platform/widgets/TUpDown.h"

/// The compressor page: threshold, attack, release, side-chain frequency
/// and type by track bar, ratio and knee by up-down, each with its typed
/// box, for the three inputs. A change stores the parameter for the input's
/// link group, sends one command, shows the value on every member and
/// schedules a redraw of the panel (tmCompDisp, 1 ms, one-shot). A mouse
/// down on a box or a column's caption shows that input on the panel.
/// Binds itself to the window's named controls; the window owns it. GUI
/// thread only.
class CompressorEditor {
 public:
  CompressorEditor(IEditorWindow& window, DynamicsPanels& panels);

  void Bind();

  void isCompThresholdInAChange(TObject* Sender);
  void isCompAttackInAChange(TObject* Sender);
  void isCompReleaseInAChange(TObject* Sender);
  void isCompEqFreqInAChange(TObject* Sender);
  void isCompEqTypeInAChange(TObject* Sender);
  void udCompRatioInAChangingEx(TObject* Sender, bool& AllowChange, short NewValue, TUpDownDirection Direction);
  void udCompKneeInAChangingEx(TObject* Sender, bool& AllowChange, short NewValue, TUpDownDirection Direction);
  void cvdCompThresholdInAMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void lbCompInAMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void tmCompDispTimer(TObject* Sender);

  /// The typed-entry pairs of the boxes: KeyDown takes Enter only, Exit
  /// leaving the box; both move the box's holding control.
  void cvdCompThresholdInAKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdCompThresholdInAExit(TObject* Sender);
  void cvdCompAttackInAKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdCompAttackInAExit(TObject* Sender);
  void cvdCompReleaseInAKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdCompReleaseInAExit(TObject* Sender);
  void cvdCompRatioInAKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdCompRatioInAExit(TObject* Sender);
  void cvdCompKneeInAKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdCompKneeInAExit(TObject* Sender);
  void cvdCompEqFreqInAKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdCompEqFreqInAExit(TObject* Sender);
  void cvdCompEqTypeInAKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdCompEqTypeInAExit(TObject* Sender);

  /// Shows one value (a control position of `kind`) on every input of the
  /// channel's link group; for ratio and knee, on every other input.
  void SyncCompressorDisplay(int channel, int kind, int value);

  /// The input the next tick of tmCompDisp redraws.
  int CompressorRedrawChannel() const { return m_section.RedrawChannel(); }

 private:
  IEditorWindow& m_window;
  DynamicsSectionEditor m_section;
};
