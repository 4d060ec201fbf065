#pragma once

/// Vocabulary shared by the panels, labels and buttons of the widget set.
/// Plain enumerations, any thread.

#include "platform/widgets/TextPlacement.h"

/// Vertical placement of a caption in a panel or push button.
enum class TAlignmentVertical : unsigned char { avTop, avCenter, avBottom };

/// 3D look of a caption: plain, raised, recessed or with a drop shadow.
enum class TTextStyle : unsigned char { tsNormal, tsRaised, tsRecessed, tsShadow };

/// Draw state of the grouped buttons: bsDown = pressed, bsExclusive = stays down.
enum class TButtonState : unsigned char { bsUp, bsDisabled, bsDown, bsExclusive };

/// The DT_ alignment flag of a horizontal alignment.
unsigned AlignmentFlag(TAlignment alignment);
