#pragma once

#include "widgets/panelset/IFrameSettingsClient.h"
#include "widgets/panelset/ShadeSystem.h"
#include "widgets/panelset/TRzFrameController.h"

/// What a framed panel or label takes from its frame controller: with the
/// controller's FrameVisible set, each setting its mask holds (every one for
/// fcpAll): FrameStyle as the outer border, FrameSides as the border sides,
/// FrameColor as the flat colour (no adjustment), Color and ParentColor,
/// and border shades from the colour. GUI thread only.
template <typename Control>
void ApplyFrameSettingsTo(Control& control, const TRzFrameController& c, TRzFrameControllerProperty p,
                          TRzFrameControllerNotifications mask) {
  using P = TRzFrameControllerProperty;
  if (!c.FrameVisible()) {
    return;
  }
  auto applies = [&](P which) { return (p == P::fcpAll || p == which) && mask.Contains(which); };
  if (applies(P::fcpFrameStyle)) {
    control.SetBorderOuter(c.FrameStyle());
  }
  if (applies(P::fcpFrameSides)) {
    control.SetBorderSides(c.FrameSides());
  }
  if (applies(P::fcpFrameColor)) {
    control.SetFlatColor(c.FrameColor());
    control.SetFlatColorAdjustment(0);
  }
  if (applies(P::fcpColor)) {
    control.SetColor(c.Color());
  }
  if (applies(P::fcpParentColor)) {
    control.SetParentColor(c.ParentColor());
  }
  if (applies(P::fcpColor)) {
    control.SetBorderHighlight(Rz::LighterShade(c.Color(), 100));
    control.SetBorderShadow(Rz::DarkerShade(c.Color(), 50));
  }
  control.Invalidate();
}

/// The FrameController property of a framed control: unregisters from the
/// old controller and registers with the new one.
inline void ChangeFrameController(QPointer<TRzFrameController>& field, TRzFrameController* value, QWidget* control) {
  if (field == value) {
    return;
  }
  if (field != nullptr) {
    field->RemoveControl(control);
  }
  field = value;
  if (value != nullptr) {
    value->AddControl(control);
  }
}
