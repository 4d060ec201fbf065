#pragma once

#include <QString>

#include "platform/widgets/TForm.h"
#include "platform/widgets/TPrinter.h"

class QToolButton;
class TiComponentEditorButton;
class TiPaintBox;
class TiPlotComponent;
class TCanvas;
class TWinControl;
struct TiPreviewPage;

/// The print preview of a plot: a sheet of the chosen paper with a drop
/// shadow, the margins left free and the plot's snapshot scaled into the
/// printable area. Print prints the plot; Settings edits the margins,
/// orientation and document name of the plot and the paper of the
/// preview. Made, shown modally and freed by the plot's PreviewChart. GUI
/// thread only.
class TiPlotPreviewForm : public TForm {
public:
  explicit TiPlotPreviewForm(QWidget* parent = nullptr);

  TWinControl* Panel2;
  QToolButton* PrintButton;
  TiComponentEditorButton* SettingsButton;
  QToolButton* CloseButton;
  TiPaintBox* Preview;

  /// The plot being previewed (not owned).
  TiPlotComponent* iComponent = nullptr;
  double PrintMarginLeft = 1.0;
  double PrintMarginTop = 1.0;
  double PrintMarginRight = 1.0;
  double PrintMarginBottom = 1.0;
  TPrinterOrientation PrintOrientation = TPrinterOrientation::poPortrait;
  QString PrintDocumentName;
  /// Paper: 0 Letter, 1 Legal, 2 A3, 3 A4, 4 A5.
  int PrintSize = 0;

  /// The plot's translation table applied to the form's texts.
  void DoTranslation();
  /// The sheet as the paint box of that size shows it now.
  TiPreviewPage PageLayout(int boxWidth, int boxHeight);

  void CloseButtonClick();
  void PrintButtonClick();
  void SettingsButtonClick();
  void PreviewPaint();

private:
  void DrawPage(TCanvas& canvas, int boxWidth, int boxHeight);
};
