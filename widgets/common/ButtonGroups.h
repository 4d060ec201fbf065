#pragma once

class TControl;

/// Group notices of the grouped buttons: buttons with the same non-zero
/// GroupIndex on one parent release each other. GUI thread only.
constexpr unsigned WM_BMPBUTTON_GROUP = 0x2420;  ///< among bitmap buttons
constexpr unsigned WM_BUTTON_GROUP = 0x2421;     ///< among push buttons

/// Broadcasts the notice to every control of the sender's parent (WParam =
/// groupIndex, LParam = the sender). Returns false, sending nothing, when
/// groupIndex is 0 or the sender has no parent control.
bool SendGroupNotice(TControl* sender, unsigned msg, int groupIndex);
