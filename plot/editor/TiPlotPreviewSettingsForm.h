#pragma once

#include "platform/widgets/TForm.h"

class TLabel;
class TiComponentEditorButton;
class TiComponentEditorComboBox;
class TiComponentEditorEdit;
class TiComponentEditorGroupBox;
class TiComponentEditorRadioGroup;
class TiPlotPreviewForm;

/// "Settings" of the print preview: margins, orientation, document name and
/// paper size. Closed with OK (mrOk) or Cancel (mrCancel); made, shown and
/// freed by the preview's Settings button. GUI thread only.
class TiPlotPreviewSettingsForm : public TForm {
public:
  explicit TiPlotPreviewSettingsForm(QWidget* parent = nullptr);

  TiComponentEditorGroupBox* PrinterMarginGroupBox;
  TiComponentEditorEdit* PrintMarginTopEdit;
  TiComponentEditorEdit* PrintMarginLeftEdit;
  TiComponentEditorEdit* PrintMarginRightEdit;
  TiComponentEditorEdit* PrintMarginBottomEdit;
  TiComponentEditorRadioGroup* PrintOrientationRadioGroup;
  TLabel* Label175;
  TiComponentEditorEdit* PrintDocumentNameEdit;
  TLabel* Label120;
  TiComponentEditorComboBox* PrintPaperSizeComboBox;
  TiComponentEditorButton* Button1;
  TiComponentEditorButton* Button2;

  /// The controls take the preview's margins, orientation, document name
  /// and paper size.
  void SetValues(const TiPlotPreviewForm& preview);
  /// The preview takes the controls' values; a margin whose text is no
  /// number keeps the preview's value.
  void TakeValues(TiPlotPreviewForm& preview) const;
};
