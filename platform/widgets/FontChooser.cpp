#include "platform/widgets/FontChooser.h"

#include <QFontDialog>

#include "platform/core/Rounding.h"

FontChoice DescribeFont(const TFont& font) {
  FontChoice choice;
  choice.faceName = font.Name();
  choice.height = font.Height();
  choice.weight = font.Style().Contains(TFontStyle::fsBold) ? 700 : 400;
  choice.italic = font.Style().Contains(TFontStyle::fsItalic);
  choice.underline = font.Style().Contains(TFontStyle::fsUnderline);
  choice.strikeOut = font.Style().Contains(TFontStyle::fsStrikeOut);
  choice.charset = font.Charset();
  choice.color = ColorToRGB(font.Color());
  return choice;
}

TFontStyles StyleOf(const FontChoice& choice) {
  TFontStyles style;
  if (choice.weight > 400) style.Include(TFontStyle::fsBold);
  if (choice.italic) style.Include(TFontStyle::fsItalic);
  if (choice.underline) style.Include(TFontStyle::fsUnderline);
  if (choice.strikeOut) style.Include(TFontStyle::fsStrikeOut);
  return style;
}

namespace FontChooser {
namespace {
Hook& CurrentHook() {
  static Hook hook;
  return hook;
}
}  // namespace

std::optional<FontChoice> Choose(QWidget* parent, const FontChoice& choice) {
  if (CurrentHook()) {
    return CurrentHook()(choice);
  }
  TFont start;
  start.SetName(choice.faceName);
  start.SetHeight(choice.height);
  start.SetStyle(StyleOf(choice));
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, start.ToQFont(), parent);
  if (!ok) {
    return std::nullopt;
  }
  FontChoice answer = choice;
  answer.faceName = chosen.family();
  answer.height = chosen.pixelSize() > 0 ? -chosen.pixelSize() : -MulDiv(Round(chosen.pointSizeF()), 96, 72);
  answer.weight = chosen.weight();
  answer.italic = chosen.italic();
  answer.underline = chosen.underline();
  answer.strikeOut = chosen.strikeOut();
  return answer;
}

void SetHook(Hook hook) { CurrentHook() = std::move(hook); }

}  // namespace FontChooser
