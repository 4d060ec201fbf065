#pragma once

#include <functional>
#include <optional>

#include <QString>

#include "platform/drawing/TColor.h"
#include "platform/text/TFont.h"

class QWidget;

/// A font as the font dialog takes and gives it: face name, height in
/// pixels (negative: the em height), weight (400 normal, 700 bold),
/// italic, underline, strike-out, character set and colour (RGB).
struct FontChoice {
  QString faceName;
  int height = 0;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int charset = DEFAULT_CHARSET;
  TColor color = 0;
};

/// The font dialog's description of font (colour resolved to RGB).
FontChoice DescribeFont(const TFont& font);
/// Bold (weight above 400), italic, underline and strike-out of a choice.
TFontStyles StyleOf(const FontChoice& choice);

/// Every font dialog of the editor goes through here. GUI thread only.
/// Tests install a hook that answers instead of showing a dialog.
namespace FontChooser {

using Hook = std::function<std::optional<FontChoice>(const FontChoice&)>;

/// Shows the font dialog starting from choice (or asks the hook) and
/// returns the chosen font, or nothing when the user cancels. The dialog
/// offers no colour or character set: those come back as they went in.
std::optional<FontChoice> Choose(QWidget* parent, const FontChoice& choice);

/// Installs (or, with an empty hook, removes) the answering hook.
void SetHook(Hook hook);

}  // namespace FontChooser
