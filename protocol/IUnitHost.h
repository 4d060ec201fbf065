#pragma once

class LCmd;

/// What the unit model needs of the main window: whether the window is
/// moving its controls from the image (nothing is sent then), the send
/// routine, the curve overlay marking and the unit id commands carry. The
/// main window implements it; tests record the calls. GUI thread only.
class IUnitHost {
public:
  virtual ~IUnitHost() = default;

  /// True while the window refreshes its controls from the unit image.
  virtual bool IsRefreshingControls() const = 0;
  /// Frames the command with `mode` (1 = CommandFrame) and hands it to the
  /// open transport; forceAppend always appends it to the send queue instead
  /// of letting it replace a queued frame of the same code.
  virtual void SendCommand(const LCmd& command, bool forceAppend, int mode) = 0;
  /// Notes that the response curve of `channel` changed.
  virtual void MarkCurveOverlayDirty(int channel) = 0;
  /// The unit id every command is addressed to.
  virtual int GetUnitId() const = 0;

protected:
  IUnitHost() = default;
  IUnitHost(const IUnitHost&) = default;
  IUnitHost& operator=(const IUnitHost&) = default;
};
