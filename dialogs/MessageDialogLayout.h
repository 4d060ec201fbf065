#pragma once

#include <QString>

class TForm;
class TImage;
class TLabel;
class TRzBmpButton;
class TRzGroupBox;

/// The layout the information box and the quit confirmation share: a
/// background image `imBase`, the light grey group box `GroupBox1` with a
/// picture `Image1` on its left and the centred message label, and bitmap
/// buttons below. Dialog border, centred on the screen. GUI thread only.
struct MessageDialogLayout {
  TImage* imBase = nullptr;
  TRzGroupBox* GroupBox1 = nullptr;
  TImage* Image1 = nullptr;
  TLabel* Message = nullptr;

  /// Builds it on form (client width x height) with the message label's name.
  void Build(TForm& form, int width, int height, const QString& messageName, const QString& messageText);
  /// A button of the row below the group box.
  static TRzBmpButton& AddButton(TForm& form, const QString& name, int left, int top, int modalResult);
};
