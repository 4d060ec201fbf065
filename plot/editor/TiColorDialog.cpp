#include "plot/editor/TiColorDialog.h"

#include "platform/widgets/ColorChooser.h"
#include "platform/widgets/TWinControl.h"
#include "plot/editor/iDialogOwner.h"

bool TiColorDialog::Execute() {
  TWinControl& owner = WindowedOwner(parent());
  ColorChoice choice;
  choice.color = ColorToRGB(m_color);
  choice.customColors.fill(0xFFFFFF);
  const std::optional<TColor> chosen = ColorChooser::Choose(&owner, choice);
  if (!chosen) {
    return false;
  }
  m_color = *chosen;
  return true;
}
