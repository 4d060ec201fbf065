#include "dialogs/MessageDialogLayout.h"

#include "platform/TBitmap.h"
#include "platform/widgets/TForm.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/ButtonFaces.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/panelset/Gradients.h"

namespace {

constexpr TColor kGroupColor = 14211288;

/// The dialog picture: a round blue sign with a white "i".
void DrawSign(TBitmap& bitmap) {
  bitmap.SetSize(40, 40);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(kGroupColor);
  canvas.FillRect(Rect(0, 0, 40, 40));
  canvas.Pen().SetColor(RGB(0, 60, 140));
  canvas.Brush().SetColor(RGB(30, 100, 200));
  canvas.Ellipse(2, 2, 38, 38);
  canvas.Pen().SetColor(clWhite);
  canvas.Brush().SetColor(clWhite);
  canvas.Ellipse(17, 8, 23, 14);
  canvas.FillRect(Rect(17, 17, 23, 32));
}

}  // namespace

void MessageDialogLayout::Build(TForm& form, int width, int height, const QString& messageName,
                                const QString& messageText) {
  form.resize(width, height);
  form.SetBorderStyle(TFormBorderStyle::bsDialog);
  form.SetPosition(TPosition::poScreenCenter);
  imBase = new TImage(&form);
  imBase->SetName(QStringLiteral("imBase"));
  imBase->SetBounds(0, 0, width, height);
  imBase->SetStretch(true);
  TBitmap& base = imBase->Picture().Bitmap();
  base.SetSize(width, height);
  Rz::FillGradient(base.Canvas(), Rect(0, 0, width, height), Rz::TGradientDirection::gdVerticalEnd,
                   RGB(70, 80, 100), RGB(24, 28, 36), 64);
  GroupBox1 = new TRzGroupBox(&form);
  GroupBox1->SetName(QStringLiteral("GroupBox1"));
  GroupBox1->SetBounds(10, 10, width - 20, height - 60);
  GroupBox1->SetGroupStyle(TRzGroupBoxStyle::gsCustom);
  GroupBox1->SetColor(kGroupColor);
  Image1 = new TImage(GroupBox1);
  Image1->SetName(QStringLiteral("Image1"));
  Image1->SetBounds(10, (height - 60 - 40) / 2, 40, 40);
  DrawSign(Image1->Picture().Bitmap());
  Message = new TLabel(GroupBox1);
  Message->SetName(messageName);
  Message->SetAutoSize(false);
  Message->SetBounds(56, 0, width - 20 - 62, height - 60);
  Message->SetAlignment(TAlignment::taCenter);
  Message->SetLayout(TTextLayout::tlCenter);
  Message->SetWordWrap(true);
  Message->SetTransparent(true);
  Message->Font().SetName(QStringLiteral("Arial"));
  Message->Font().SetHeight(-14);
  Message->SetCaption(messageText);
}

TRzBmpButton& MessageDialogLayout::AddButton(TForm& form, const QString& name, int left, int top, int modalResult) {
  auto* button = new TRzBmpButton(&form);
  button->SetName(name);
  button->SetBounds(left, top, 80, 30);
  button->Font().SetName(QStringLiteral("Arial"));
  button->Font().SetHeight(-13);
  button->Font().SetColor(clWhite);
  button->SetModalResult(modalResult);
  ButtonFaces::Fill(button->Bitmaps(), 80, 30, clFuchsia);
  return *button;
}
