#include "dialogs/PasswordEdit.h"

#include "platform/text/AnsiCodePage.h"
#include "platform/widgets/TEdit.h"

namespace PasswordEdit {

TEdit& Add(QWidget& parent, int left, int top, int width) {
  auto* edit = new TEdit(&parent);
  edit->SetName(QStringLiteral("edName"));
  edit->SetBounds(left, top, width, 24);
  edit->Font().SetName(QStringLiteral("Arial"));
  edit->Font().SetHeight(-14);
  edit->SetCharCase(TEditCharCase::ecUpperCase);
  edit->SetMaxLength(kLength);
  edit->SetAlignment(TAlignment::taCenter);
  edit->SetCharFilter([](QChar c) { return CodePageHolds(QString(c)); });
  return *edit;
}

QByteArray Bytes(const TEdit& edit) { return WideToAnsiField(edit.Text().left(kLength), kLength); }

}  // namespace PasswordEdit
