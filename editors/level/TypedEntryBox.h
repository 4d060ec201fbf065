#pragma once

#include <QString>

#include "editors/level/TypedValueEntry.h"
#include "platform/widgets/InputTypes.h"

class ControlRegistry;
class TCurvyEdit;
class TObject;

/// Runs a typed entry of `box` into its holding control `target` (a track
/// bar or an up-down; anything else, or null, does nothing and leaves the
/// typed text): empties the box, moves the control when the text is taken
/// (its own change handler stores and sends), then writes the box from the
/// control's position. A refused or unchanged text sends the box the End
/// key, so the caret sits at the end; `endKeyAlways` sends it after a
/// taken text too. GUI thread only.
void RunTypedEntry(TCurvyEdit& box, TObject* target, TypedEntryKind kind, int delayUnit = 0, bool endKeyAlways = false);

/// As RunTypedEntry, but the text is judged against `min`..`max`, the
/// range of the value kind, rather than the control's own: a value beyond
/// the control still moves it (the control clamps it and raises its change
/// even when it already stood at that end).
void RunTypedEntryOverRange(TCurvyEdit& box, TObject* target, TypedEntryKind kind, int min, int max);

/// The entry of a channel's box (`sender`, a TCurvyEdit whose Tag is its
/// channel) into the control named `stem` + "In"/"Out" + the Tag's letter
/// or digit; anything but a box does nothing.
void RunChannelEntry(const ControlRegistry& controls, TObject* sender, const QString& stem, TypedEntryKind kind,
                     int delayUnit = 0, bool endKeyAlways = false);

/// The key that takes an entry in a box's key-down handler.
inline bool IsEntryKey(WORD key) { return key == VK_RETURN; }

/// The suffix a box's Tag names: "A".."C" for an input (Tag 0-2), "1".."6"
/// for an output (Tag 3-8); the holding control is a fixed prefix plus it.
QString TagSuffix(int tag);
