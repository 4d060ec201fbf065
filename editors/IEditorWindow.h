#pragma once

#include <QString>

class ControlRegistry;
class LCmd;
class LUnitControl;
class LUnitSession;
class Plot;
struct MainWindowState;

/// What the editing handlers need of the main window: its named controls,
/// its shared state, the unit model, the link session and the twelve
/// response-curve objects (0-8 the channels, 9 input gain, 10 output gain,
/// 11 the compressor's side-chain equaliser). The main window implements
/// it; tests build a window or a fake. GUI thread only.
class IEditorWindow {
public:
  static constexpr int kResponseCurveCount = 12;

  virtual ~IEditorWindow() = default;

  virtual ControlRegistry& Controls() = 0;
  virtual MainWindowState& State() = 0;
  virtual LUnitControl& UnitControl() = 0;
  virtual LUnitSession& Session() = 0;
  /// Response-curve object 0..11.
  virtual Plot& ResponseCurve(int index) = 0;
  /// The text of a key ("SID_...") in the current language.
  virtual QString LookUpText(const QString& key) const = 0;

  // Filter editing.
  /// Marks a channel's total as changed on every plot that copies it.
  virtual void MarkCurveOverlayDirty(int channel) = 0;

  // Per-channel FIR.
  /// The information dialog showing a text.
  virtual void ShowInformation(const QString& text) = 0;
  /// Frames the command and hands it to the open transport.
  virtual void SendCommand(const LCmd& command, bool forceAppend, int mode) = 0;
  virtual int GetUnitId() const = 0;

protected:
  IEditorWindow() = default;
  IEditorWindow(const IEditorWindow&) = default;
  IEditorWindow& operator=(const IEditorWindow&) = default;
};
