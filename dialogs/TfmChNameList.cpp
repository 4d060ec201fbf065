#include "dialogs/TfmChNameList.h"

#include "dialogs/ChannelNameText.h"
#include "dialogs/DialogParts.h"
#include "dialogs/IDialogHost.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"

TfmChNameList* fmChNameList = nullptr;

namespace {

constexpr int kChNameListClientWidth = 360;
constexpr int kChNameListClientHeight = 287;
constexpr int kChNameListChannels = 9;
constexpr int kChNameListFirstOutput = 3;
/// The light grey of the editor's group boxes.

TRzGroupBox* AddNameGroup(TForm& form, const QString& name, const QString& caption, int left, int height) {
  return &DialogParts::AddGroup(form, name, caption, left, 10, 160, height);
}

/// Row `row` of a group: the channel's short name and its name edit.
void AddRow(QWidget& group, int channel, int row) {
  const QString suffix = ChannelSuffix(channel);
  const int top = 28 + 32 * row;
  TLabel& label = DialogParts::AddLabel(group, QStringLiteral("lbChNameList") + suffix, 14, top + 3, suffix);
  label.Font().SetColor(clBlack);
  auto* edit = new TEdit(&group);
  edit->SetName(QStringLiteral("edMatrixChName") + suffix);
  edit->SetBounds(60, top, 86, 22);
  edit->Font().SetName(QStringLiteral("Arial"));
  edit->Font().SetHeight(-13);
  edit->SetMaxLength(ChannelNameText::kNameBytes);
  edit->SetAlignment(TAlignment::taCenter);
  edit->SetText(channel < kChNameListFirstOutput ? QStringLiteral("Input%1").arg(channel + 1)
                                       : QStringLiteral("Output%1").arg(channel - kChNameListFirstOutput + 1));
}

}  // namespace

TfmChNameList::TfmChNameList(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetName(QStringLiteral("fmChNameList"));
  SetCaption(QStringLiteral("Channel Name"));
  DialogParts::SetDialogFrame(*this, kChNameListClientWidth, kChNameListClientHeight);
  imChNameList = &DialogParts::AddBackground(*this, QStringLiteral("imChNameList"));
  gbInChNameList = AddNameGroup(*this, QStringLiteral("gbInChNameList"), QStringLiteral(" In "), 14, 132);
  gbOutChNameList = AddNameGroup(*this, QStringLiteral("gbOutChNameList"), QStringLiteral(" Out "), 186, 228);
  for (int channel = 0; channel < kChNameListChannels; ++channel) {
    const bool input = channel < kChNameListFirstOutput;
    AddRow(input ? *gbInChNameList : *gbOutChNameList, channel, input ? channel : channel - kChNameListFirstOutput);
  }
  btnOK = &DialogParts::AddButton(*this, QStringLiteral("btnOK"), 94, 248, mrNone);
  btnCancel = &DialogParts::AddButton(*this, QStringLiteral("btnCancel"), 186, 248, mrNone);
  btnCancel->SetCancel(true);
  btnOK->OnClick = [this](TObject* sender) { btnOKClick(sender); };
  btnCancel->OnClick = [this](TObject* sender) { btnCancelClick(sender); };
  DialogParts::RegisterControls(m_controls, *this);
  fmChNameList = this;
}

TfmChNameList::~TfmChNameList() {
  if (fmChNameList == this) {
    fmChNameList = nullptr;
  }
}

TEdit* TfmChNameList::NameEdit(int channel) const {
  return m_controls.Find<TEdit>(QStringLiteral("edMatrixChName"), channel);
}

void TfmChNameList::DoShow() {
  for (int channel = 0; channel < kChNameListChannels; ++channel) {
    if (TEdit* edit = NameEdit(channel)) {
      edit->SetText(ChannelNameText::Shown(m_host.GetChannelName(channel)));
    }
  }
  SetCaption(m_host.LookUpText(QStringLiteral("SID_CH_NAME_LIST")));
  btnOK->SetCaption(m_host.LookUpText(QStringLiteral("SID_SET")));
  btnCancel->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT")));
  TForm::DoShow();
}

void TfmChNameList::btnOKClick(TObject* /*Sender*/) {
  for (int channel = 0; channel < kChNameListChannels; ++channel) {
    TEdit* edit = NameEdit(channel);
    if (edit == nullptr) {
      continue;
    }
    const QByteArray field = ChannelNameText::Field(edit->Text());
    if (ChannelNameText::Stored(field) != ChannelNameText::Stored(m_host.GetChannelName(channel))) {
      edit->SetText(ChannelNameText::Shown(field));
      m_host.SetChannelName(channel, field);
    }
  }
  Close();
}

void TfmChNameList::btnCancelClick(TObject* /*Sender*/) { Close(); }
