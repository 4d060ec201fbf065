#pragma once

#include "platform/widgets/TGraphicControl.h"

/// A windowless control (105 x 105 when new) whose drawing is left to its owner: Paint raises
/// OnPaint (Sender = the box) with Canvas() bound to the control's image,
/// its brush set to Color and its font to Font. Derived controls override
/// Paint and call this one last. GUI thread only.
class TPaintBox : public TGraphicControl {
public:
  explicit TPaintBox(QWidget* parent = nullptr) : TGraphicControl(parent) { SetBounds(0, 0, 105, 105); }

  TNotifyEvent OnPaint;

protected:
  void Paint() override { Raise(OnPaint, this); }
};
