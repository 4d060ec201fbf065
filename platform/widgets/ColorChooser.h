#pragma once

#include <array>
#include <functional>
#include <optional>

#include "platform/drawing/TColor.h"

class QWidget;

/// What a colour dialog is asked for: the starting colour and the 16
/// custom colours it offers, all as RGB values (0x00BBGGRR).
struct ColorChoice {
  TColor color = 0;
  std::array<TColor, 16> customColors{};
};

/// Every colour dialog of the editor goes through here. GUI thread only.
/// Tests install a hook that answers instead of showing a dialog.
namespace ColorChooser {

using Hook = std::function<std::optional<TColor>(const ColorChoice&)>;

/// Shows the colour dialog (or asks the hook) and returns the chosen RGB
/// colour, or nothing when the user cancels.
std::optional<TColor> Choose(QWidget* parent, const ColorChoice& choice);

/// Installs (or, with an empty hook, removes) the answering hook.
void SetHook(Hook hook);

}  // namespace ColorChooser
