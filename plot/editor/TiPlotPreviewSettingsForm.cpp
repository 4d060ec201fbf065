#include "plot/editor/TiPlotPreviewSettingsForm.h"

#include <cmath>
#include <iterator>

#include <QLocale>

#include "platform/widgets/TLabel.h"
#include "plot/editor/TiComponentEditorButton.h"
#include "plot/editor/TiComponentEditorComboBox.h"
#include "plot/editor/TiComponentEditorEdit.h"
#include "plot/editor/TiComponentEditorGroupBox.h"
#include "plot/editor/TiComponentEditorRadioGroup.h"
#include "plot/editor/TiPlotPreviewForm.h"

namespace {

TiComponentEditorEdit* MarginEdit(QWidget* parent, const char* name, int left, int top) {
  auto* edit = new TiComponentEditorEdit(parent);
  edit->SetName(QString::fromLatin1(name));
  edit->SetNumeric(true);
  edit->SetBounds(left, top, 33, 21);
  return edit;
}

TLabel* RightLabel(QWidget* parent, const char* name, const char* caption, int left, int top, int width) {
  auto* label = new TLabel(parent);
  label->SetName(QString::fromLatin1(name));
  label->SetAutoSize(false);
  label->SetAlignment(TAlignment::taRightJustify);
  label->SetCaption(QString::fromLatin1(caption));
  label->SetBounds(left, top, width, 13);
  return label;
}

TiComponentEditorButton* ResultButton(TForm* form, const char* name, const char* caption, int top,
                                      TModalResult result) {
  auto* button = new TiComponentEditorButton(form);
  button->SetName(QString::fromLatin1(name));
  button->SetCaption(QString::fromLatin1(caption));
  button->SetBounds(320, top, 75, 25);
  button->OnClick = [form, result](TObject*) { form->SetModalResult(result); };
  return button;
}

/// The edit's number, or current when its text is no finite number.
double MarginOf(const TiComponentEditorEdit& edit, double current) {
  QString text = edit.text().trimmed();
  text.replace(QLatin1Char(','), QLatin1Char('.'));
  bool ok = false;
  const double value = QLocale::c().toDouble(text, &ok);
  return ok && std::isfinite(value) ? value : current;
}

}  // namespace

TiPlotPreviewSettingsForm::TiPlotPreviewSettingsForm(QWidget* parent)
    : TForm(parent),
      PrinterMarginGroupBox(new TiComponentEditorGroupBox(this)),
      PrintMarginTopEdit(MarginEdit(PrinterMarginGroupBox, "PrintMarginTopEdit", 52, 19)),
      PrintMarginLeftEdit(MarginEdit(PrinterMarginGroupBox, "PrintMarginLeftEdit", 20, 43)),
      PrintMarginRightEdit(MarginEdit(PrinterMarginGroupBox, "PrintMarginRightEdit", 84, 43)),
      PrintMarginBottomEdit(MarginEdit(PrinterMarginGroupBox, "PrintMarginBottomEdit", 52, 67)),
      PrintOrientationRadioGroup(new TiComponentEditorRadioGroup(this)),
      // Right-justified labels ending at x = 88; they reach further left
      // than the original places so that our wider fonts are not clipped.
      Label175(RightLabel(this, "Label175", "Document Name", 0, 135, 88)),
      PrintDocumentNameEdit(new TiComponentEditorEdit(this)),
      Label120(RightLabel(this, "Label120", "Paper Size", 0, 161, 88)),
      PrintPaperSizeComboBox(new TiComponentEditorComboBox(this)),
      Button1(ResultButton(this, "Button1", "OK", 24, mrOk)),
      Button2(ResultButton(this, "Button2", "Cancel", 56, mrCancel)) {
  SetName(QStringLiteral("iPlotPreviewSettingsForm"));
  SetCaption(QStringLiteral("Settings"));
  SetBounds(0, 0, 419, 237);
  SetColor(clBtnFace);
  SetPosition(TPosition::poScreenCenter);
  Font().SetName(QStringLiteral("MS Sans Serif"));
  Font().SetHeight(-11);

  PrinterMarginGroupBox->SetName(QStringLiteral("PrinterMarginGroupBox"));
  PrinterMarginGroupBox->setTitle(QStringLiteral("Margin"));
  PrinterMarginGroupBox->SetBounds(144, 12, 137, 101);
  PrintOrientationRadioGroup->SetName(QStringLiteral("PrintOrientationRadioGroup"));
  PrintOrientationRadioGroup->SetCaption(QStringLiteral("Orientation"));
  PrintOrientationRadioGroup->SetBounds(8, 12, 121, 101);
  PrintOrientationRadioGroup->SetItems({QStringLiteral("Portrait"), QStringLiteral("Landscape")});
  PrintOrientationRadioGroup->SetAsInteger(0);
  PrintDocumentNameEdit->SetName(QStringLiteral("PrintDocumentNameEdit"));
  PrintDocumentNameEdit->SetBounds(96, 131, 185, 21);
  PrintPaperSizeComboBox->SetName(QStringLiteral("PrintPaperSizeComboBox"));
  PrintPaperSizeComboBox->SetBounds(96, 158, 185, 21);
  PrintPaperSizeComboBox->SetItems({QStringLiteral("Letter"), QStringLiteral("Legal"), QStringLiteral("A3"),
                                    QStringLiteral("A4"), QStringLiteral("A5")});

  QWidget* const order[] = {PrintMarginTopEdit, PrintMarginLeftEdit, PrintMarginRightEdit, PrintMarginBottomEdit,
                            PrintOrientationRadioGroup, PrintDocumentNameEdit, PrintPaperSizeComboBox, Button1,
                            Button2};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    setTabOrder(order[i - 1], order[i]);
  }
}

void TiPlotPreviewSettingsForm::SetValues(const TiPlotPreviewForm& preview) {
  PrintMarginTopEdit->SetAsFloat(preview.PrintMarginTop);
  PrintMarginLeftEdit->SetAsFloat(preview.PrintMarginLeft);
  PrintMarginRightEdit->SetAsFloat(preview.PrintMarginRight);
  PrintMarginBottomEdit->SetAsFloat(preview.PrintMarginBottom);
  PrintOrientationRadioGroup->SetAsInteger(int(preview.PrintOrientation));
  PrintDocumentNameEdit->SetAsString(preview.PrintDocumentName);
  PrintPaperSizeComboBox->SetAsInteger(preview.PrintSize);
}

void TiPlotPreviewSettingsForm::TakeValues(TiPlotPreviewForm& preview) const {
  preview.PrintMarginTop = MarginOf(*PrintMarginTopEdit, preview.PrintMarginTop);
  preview.PrintMarginLeft = MarginOf(*PrintMarginLeftEdit, preview.PrintMarginLeft);
  preview.PrintMarginRight = MarginOf(*PrintMarginRightEdit, preview.PrintMarginRight);
  preview.PrintMarginBottom = MarginOf(*PrintMarginBottomEdit, preview.PrintMarginBottom);
  preview.PrintOrientation = PrintOrientationRadioGroup->AsInteger() == 1 ? TPrinterOrientation::poLandscape
                                                                          : TPrinterOrientation::poPortrait;
  preview.PrintDocumentName = PrintDocumentNameEdit->AsString();
  if (PrintPaperSizeComboBox->AsInteger() >= 0) {
    preview.PrintSize = PrintPaperSizeComboBox->AsInteger();
  }
}
