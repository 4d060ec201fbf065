#pragma once

#include "platform/widgets/TControl.h"

/// A windowless control: it never takes the focus, always stacks below its
/// windowed siblings (a newly created or raised one is placed under the
/// lowest windowed sibling), paints nothing of its own background (the
/// parent shows through unpainted pixels) and lets mouse input pass to the
/// parent while disabled. GUI thread only.
class TGraphicControl : public TControl {
public:
  explicit TGraphicControl(QWidget* parent = nullptr);

  void SetEnabled(bool value) override;
  void BringToFront() override;

protected:
  void StackBelowWindowedSiblings();
};
