#include "dialogs/MessageDialogLayout.h"

#include "dialogs/DialogParts.h"
#include "platform/pictures/TBitmap.h"
#include "platform/widgets/TForm.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "widgets/panels/TRzGroupBox.h"

namespace {

/// The dialog picture: a round blue sign with a white "i".
void DrawSign(TBitmap& bitmap) {
  bitmap.SetSize(40, 40);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(DialogParts::kGroupColor);
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
  DialogParts::SetDialogFrame(form, width, height);
  imBase = &DialogParts::AddBackground(form, QStringLiteral("imBase"));
  GroupBox1 = new TRzGroupBox(&form);
  GroupBox1->SetName(QStringLiteral("GroupBox1"));
  GroupBox1->SetBounds(10, 10, width - 20, height - 60);
  GroupBox1->SetGroupStyle(TRzGroupBoxStyle::gsCustom);
  GroupBox1->SetColor(DialogParts::kGroupColor);
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
  return DialogParts::AddButton(form, name, left, top, modalResult);
}
