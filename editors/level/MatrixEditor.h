#pragma once

#include "platform/widgets/InputTypes.h"
#include "platform/widgets/TUpDown.h"

class IEditorWindow;
class TObject;

/// The mix matrix page: per output, a route button, a mix-level up-down and
/// a typed box for each input. Edits change the edited output alone (no
/// link group) and are sent as one command each. The handlers of an output
/// take it as `output` (ChannelIndex 3-8) and the input from the control's
/// Tag. Binds itself to the window's named controls; the window owns it.
/// GUI thread only.
class MatrixEditor {
public:
  explicit MatrixEditor(IEditorWindow& window) : m_window(window) {}

  void Bind();

  void rzbAMatrixOutClick(TObject* Sender, int output);
  void udMixGainAOutChangingEx(TObject* Sender, bool& AllowChange, short NewValue, TUpDownDirection Direction,
                               int output);
  void cvdAMatrixOutKeyDown(TObject* Sender, WORD& Key, TShiftState Shift, int output);
  void cvdAMatrixOutExit(TObject* Sender, int output);

private:
  void RepaintRoutingOverview();

  IEditorWindow& m_window;
};
