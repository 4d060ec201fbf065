#pragma once

#include <QString>

class TForm;
class TImage;
class TLabel;
class TRzBmpButton;
class TRzGroupBox;

/// The build the equaliser reset and FIR download confirmations share: the
/// background image `imBase`, the light grey group box `GroupBox1` with the
/// centred question and the buttons `btnOK` and `btnCancel` below it.
/// Dialog border, centred on the screen, caption "Informaion" until the
/// texts are looked up. GUI thread only.
struct ConfirmationLayout {
  TImage* imBase = nullptr;
  TRzGroupBox* GroupBox1 = nullptr;
  TLabel* Question = nullptr;
  TRzBmpButton* btnOK = nullptr;
  TRzBmpButton* btnCancel = nullptr;

  /// Builds it on form (client width x 174) with a group box groupWidth wide
  /// and the question label's name and form text.
  void Build(TForm& form, int width, int groupWidth, const QString& questionName, const QString& question);
};
