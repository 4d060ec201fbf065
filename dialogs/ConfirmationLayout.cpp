#include "dialogs/ConfirmationLayout.h"

#include "dialogs/DialogParts.h"
#include "platform/widgets/TForm.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"

namespace {

constexpr int kConfirmationLayoutClientHeight = 174;

}  // namespace

void ConfirmationLayout::Build(TForm& form, int width, int groupWidth, const QString& questionName,
                               const QString& question) {
  form.SetCaption(QStringLiteral("Informaion"));
  DialogParts::SetDialogFrame(form, width, kConfirmationLayoutClientHeight);
  imBase = &DialogParts::AddBackground(form, QStringLiteral("imBase"));
  GroupBox1 = new TRzGroupBox(&form);
  GroupBox1->SetName(QStringLiteral("GroupBox1"));
  GroupBox1->SetBounds(20, 18, groupWidth, 106);
  GroupBox1->SetGroupStyle(TRzGroupBoxStyle::gsCustom);
  GroupBox1->SetColor(DialogParts::kGroupColor);
  Question = new TLabel(GroupBox1);
  Question->SetName(questionName);
  Question->SetAutoSize(false);
  Question->SetBounds(0, 48, groupWidth, 20);
  Question->SetAlignment(TAlignment::taCenter);
  Question->SetTransparent(true);
  Question->Font().SetName(QStringLiteral("Arial"));
  Question->Font().SetHeight(-16);
  Question->Font().SetColor(clBlack);
  Question->SetCaption(question);
  btnOK = &DialogParts::AddButton(form, QStringLiteral("btnOK"), 46, 130, mrNone);
  btnCancel = &DialogParts::AddButton(form, QStringLiteral("btnCancel"), 146, 130, mrNone);
  btnCancel->SetCancel(true);
  for (TRzBmpButton* button : {btnOK, btnCancel}) {
    button->Font().SetHeight(-16);
    button->Font().SetColor(clBlack);
  }
  btnOK->SetCaption(QStringLiteral("OK"));
  btnCancel->SetCaption(QStringLiteral("Cancel"));
}
