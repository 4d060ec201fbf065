#pragma once

#include <QString>

class IEditorWindow;
class TObject;

/// Shows one dynamics value on every member of the channel's link group
/// while RefreshingControls is set. A parameter's holding control (a track
/// bar or an up-down) and its box are found by stem and channel
/// ("isCompAttack" + "InB"). Moves the member's control to `value` (its
/// handler returns at once) and writes `text` into its box. The edited
/// channel itself is skipped when `skipEdited` (an up-down still inside
/// its own change). A member whose control or box is missing ends the walk.
void SyncDynamicsDisplay(IEditorWindow& window, int channel, const QString& controlStem, const QString& boxStem,
                         int value, const QString& text, bool skipEdited);
