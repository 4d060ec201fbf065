#include "platform/widgets/ColorChooser.h"

#include <QColorDialog>

namespace ColorChooser {
namespace {
Hook& CurrentHook() {
  static Hook hook;
  return hook;
}
}  // namespace

std::optional<TColor> Choose(QWidget* parent, const ColorChoice& choice) {
  if (CurrentHook()) {
    return CurrentHook()(choice);
  }
  for (int i = 0; i < int(choice.customColors.size()); ++i) {
    QColorDialog::setCustomColor(i, ToQColor(choice.customColors[i]));
  }
  const QColor chosen = QColorDialog::getColor(ToQColor(choice.color), parent);
  if (!chosen.isValid()) {
    return std::nullopt;
  }
  return RGB(chosen.red(), chosen.green(), chosen.blue());
}

void SetHook(Hook hook) { CurrentHook() = std::move(hook); }

}  // namespace ColorChooser
