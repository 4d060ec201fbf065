#pragma once

#include <QString>

#include "platform/drawing/TColor.h"

class ControlRegistry;
class QWidget;
class TForm;
class TImage;
class TLabel;
class TRzBmpButton;
class TRzGroupBox;

/// The pieces the editor's small dialogs are built from: the dark gradient
/// background picture, the bitmap buttons and the white caption labels.
/// GUI thread only.
namespace DialogParts {

/// The face of the dialogs' group boxes.
inline constexpr TColor kGroupColor = 0x00D8D8D8;

/// Sizes form to a fixed client area (width x height) with a dialog border,
/// centred on the screen.
void SetDialogFrame(TForm& form, int width, int height);
/// Widens form beyond its client width `width` (the width it was built at)
/// where its title bar cannot hold its caption, so the title shows whole;
/// the controls keep their places centred in the wider area and a control
/// as wide as the form (the background) widens with it. Call after each
/// change of the caption.
void FitTitle(TForm& form, int width);
/// The background picture name filling form's client area.
TImage& AddBackground(TForm& form, const QString& name);
/// An 80 x 30 bitmap button on parent.
TRzBmpButton& AddButton(QWidget& parent, const QString& name, int left, int top, int modalResult);
/// A transparent label in white Arial 13 px at (left, top), sized to its text.
TLabel& AddLabel(QWidget& parent, const QString& name, int left, int top, const QString& caption);
/// The same label at a fixed width x 20, its text centred both ways.
TLabel& AddCentredLabel(QWidget& parent, const QString& name, int left, int top, int width, const QString& caption);
/// A group box in the group face with its caption in Arial 13 px, bold
/// unless `bold` is false.
TRzGroupBox& AddGroup(QWidget& parent, const QString& name, const QString& caption, int left, int top, int width,
                      int height, bool bold = true);
/// Registers every named control under root (root included) by its name.
void RegisterControls(ControlRegistry& registry, QWidget& root);

}  // namespace DialogParts
