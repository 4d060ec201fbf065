#pragma once

#include <QString>

#include "platform/widgets/InputTypes.h"

class IEditorWindow;
class TObject;

/// The delay page: per channel a track bar in samples, a typed box and a
/// delay line (a picture dragged along a line of dashes, with a time label),
/// shown in ms, m or ft by the three unit buttons. A change is stored for
/// the channel's link group, sent once, and shown on every member. Binds
/// itself to the window's named controls; the window owns it. GUI thread
/// only.
class DelayEditor {
public:
  explicit DelayEditor(IEditorWindow& window) : m_window(window) {}

  void Bind();

  void isDelayInAChange(TObject* Sender);
  void rzbUnit0Click(TObject* Sender);
  void SyncDelayDisplay(int channel, int samples, int pictureLeft);
  /// Lays out a channel's time label and dashes from where its picture is.
  void UpdateDelayLine(int channel);
  void lbDelayLineInAMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void lbDelayLineInAMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void lbDelayLineInAMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void isDelayInAEnter(TObject* Sender);
  void tmSliderTimer(TObject* Sender);
  void cvdDelayInBKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdDelayInAExit(TObject* Sender);

  /// 1 while a delay picture is held with the mouse.
  int DelayLineDragging = 0;

  /// The line of dashes that ends at a picture's left edge.
  static QString DashesBefore(int pictureLeft);

private:
  bool OverPicture(int channel, int x, int y) const;

  IEditorWindow& m_window;
};
