#include "dialogs/TfmCopy.h"

#include "dialogs/DialogParts.h"
#include "dialogs/IDialogHost.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/panels/TRzGroupBox.h"

TfmCopy* fmCopy = nullptr;

namespace {

/// The first output's channel number.
constexpr int kCopyFirstOutput = 3;
/// The light grey of the editor's group boxes.

/// One row of the dialog: a group box holding source => destination and
/// its copy button.
struct CopyRow {
  TRzGroupBox* group;
  TRzComboBox* source;
  TLabel* arrow;
  TRzComboBox* destination;
  TRzBmpButton* copy;
};

TRzComboBox* AddList(QWidget& parent, const QString& name, int left, const QStringList& items, int selected) {
  auto* list = new TRzComboBox(&parent, TComboBoxStyle::csDropDownList);
  list->SetName(name);
  list->SetBounds(left, 32, 84, 22);
  list->Font().SetName(QStringLiteral("Arial"));
  list->Font().SetHeight(-13);
  list->SetItems(items);
  list->SetItemIndex(selected);
  return list;
}

CopyRow AddRow(TForm& form, int index, const QString& caption, const QString& stem, const QStringList& items) {
  CopyRow row{};
  row.group = new TRzGroupBox(&form);
  row.group->SetName(QStringLiteral("GroupBox%1").arg(index + 1));
  row.group->SetBounds(14, 12 + index * 98, 317, 84);
  row.group->SetCaption(caption);
  row.group->SetColor(DialogParts::kGroupColor);
  row.group->Font().SetName(QStringLiteral("Arial"));
  row.group->Font().SetHeight(-13);
  row.group->Font().SetStyle({TFontStyle::fsBold});
  row.source = AddList(*row.group, QStringLiteral("cb%1Source").arg(stem), 14, items, 0);
  row.arrow = &DialogParts::AddLabel(*row.group, QStringLiteral("Label%1").arg(index + 1), 106, 35, QStringLiteral("=>"));
  row.arrow->Font().SetColor(clBlack);
  row.destination = AddList(*row.group, QStringLiteral("cb%1Destination").arg(stem), 132, items, 1);
  row.copy = &DialogParts::AddButton(*row.group, QStringLiteral("bn%1ChCopy").arg(stem), 226, 28, mrNone);
  row.copy->SetTag(index);
  return row;
}

}  // namespace

TfmCopy::TfmCopy(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetName(QStringLiteral("fmCopy"));
  SetCaption(QStringLiteral("Channel Copy"));
  DialogParts::SetDialogFrame(*this, 345, 257);
  imLinkSelIn = &DialogParts::AddBackground(*this, QStringLiteral("imLinkSelIn"));
  const CopyRow in = AddRow(*this, 0, QStringLiteral(" In "), QStringLiteral("In"),
                            {QStringLiteral("InA"), QStringLiteral("InB"), QStringLiteral("InC")});
  QStringList outputs;
  for (int n = 1; n <= 6; ++n) {
    outputs << QStringLiteral("Out%1").arg(n);
  }
  const CopyRow out = AddRow(*this, 1, QStringLiteral(" Out "), QStringLiteral("Out"), outputs);
  GroupBox1 = in.group;
  cbInSource = in.source;
  Label1 = in.arrow;
  cbInDestination = in.destination;
  bnInChCopy = in.copy;
  GroupBox2 = out.group;
  cbOutSource = out.source;
  Label2 = out.arrow;
  cbOutDestination = out.destination;
  bnOutChCopy = out.copy;
  bnExit = &DialogParts::AddButton(*this, QStringLiteral("bnExit"), 132, 212, mrNone);
  bnExit->SetCancel(true);
  for (TRzBmpButton* button : {bnInChCopy, bnOutChCopy}) {
    button->OnClick = [this](TObject* sender) { bnInChCopyClick(sender); };
  }
  bnExit->OnClick = [this](TObject*) { Close(); };
  fmCopy = this;
}

TfmCopy::~TfmCopy() {
  if (fmCopy == this) {
    fmCopy = nullptr;
  }
}

void TfmCopy::DoShow() {
  SetCaption(m_host.LookUpText(QStringLiteral("SID_COPY_TITLE")));
  const QString copy = m_host.LookUpText(QStringLiteral("SID_COPY"));
  bnInChCopy->SetCaption(copy);
  bnOutChCopy->SetCaption(copy);
  bnExit->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT")));
  TForm::DoShow();
}

void TfmCopy::bnInChCopyClick(TObject* Sender) {
  const auto* button = dynamic_cast<TControl*>(Sender);
  if (button == nullptr) {
    return;
  }
  if (button->Tag() == 0) {
    m_host.CopyChannel(cbInSource->ItemIndex(), cbInDestination->ItemIndex(), 1);
  } else {
    m_host.CopyChannel(cbOutSource->ItemIndex() + kCopyFirstOutput, cbOutDestination->ItemIndex() + kCopyFirstOutput, 1);
  }
}
