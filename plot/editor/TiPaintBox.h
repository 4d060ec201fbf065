#pragma once

#include "platform/widgets/TCustomControl.h"

/// An owner-painted surface, drawn off-screen first: Paint raises OnPaint.
/// GUI thread only.
class TiPaintBox : public TCustomControl {
public:
  explicit TiPaintBox(QWidget* parent = nullptr);

  TNotifyEvent OnPaint;

protected:
  void Paint() override { Raise(OnPaint, this); }
};
