#include "dialogs/TfmStoreName.h"

#include "dialogs/DialogParts.h"
#include "dialogs/IDialogHost.h"
#include "dialogs/PresetList.h"
#include "dialogs/TfmRecallPreset.h"
#include "dialogs/TfmStorePreset.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/widgets/InputTypes.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/TRzBmpButton.h"

TfmStoreName* fmStoreName = nullptr;

namespace {

constexpr int kStoreNameClientWidth = 240;
constexpr int kStoreNameClientHeight = 148;

}  // namespace

TfmStoreName::TfmStoreName(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetName(QStringLiteral("fmStoreName"));
  SetCaption(QStringLiteral("Name"));
  DialogParts::SetDialogFrame(*this, kStoreNameClientWidth, kStoreNameClientHeight);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  imBase = &DialogParts::AddBackground(*this, QStringLiteral("imBase"));
  lblPresetName = &DialogParts::AddCentredLabel(*this, QStringLiteral("lblPresetName"), 0, 14, kStoreNameClientWidth, QStringLiteral("Name"));
  lblPresetName->Font().SetHeight(-15);
  lTitle = &DialogParts::AddCentredLabel(*this, QStringLiteral("lTitle"), 14, 50, 60, QStringLiteral("F00 : "));
  edName = new TEdit(this);
  edName->SetName(QStringLiteral("edName"));
  edName->SetBounds(76, 48, 148, 24);
  edName->Font().SetName(QStringLiteral("Arial"));
  edName->Font().SetHeight(-14);
  edName->SetMaxLength(PresetList::kNameBytes);
  edName->SetText(QStringLiteral("Default Preset"));
  edName->OnKeyDown = [this](TObject* sender, WORD& key, TShiftState shift) { edNameKeyDown(sender, key, shift); };
  btnOK = &DialogParts::AddButton(*this, QStringLiteral("btnOK"), 26, 100, mrNone);
  bnCancel = &DialogParts::AddButton(*this, QStringLiteral("bnCancel"), 134, 100, mrNone);
  bnCancel->SetCancel(true);
  btnOK->OnClick = [this](TObject* sender) { btnOKClick(sender); };
  bnCancel->OnClick = [this](TObject* sender) { bnCancelClick(sender); };
  OnActivate = [this](TObject* sender) { FormActivate(sender); };
  fmStoreName = this;
}

TfmStoreName::~TfmStoreName() {
  if (fmStoreName == this) {
    fmStoreName = nullptr;
  }
}

void TfmStoreName::DoShow() {
  SetCaption(m_host.LookUpText(QStringLiteral("SID_PST_NAME")));
  lblPresetName->SetCaption(Caption());
  btnOK->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_OK")));
  bnCancel->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_CANCEL")));
  TForm::DoShow();
}

void TfmStoreName::SetNameText(const QString& name) {
  QString text = name.left(PresetList::kNameBytes);
  while (!text.isEmpty() && (text.back() == QLatin1Char('\r') || text.back() == QLatin1Char(' '))) {
    text.chop(1);
  }
  edName->SetText(text);
}

void TfmStoreName::ShowAbove(PresetListForm& list) {
  if (parentWidget() != &list) {
    setParent(&list, windowFlags());
  }
  SetVisible(true);
  raise();
  activateWindow();
  FormActivate(this);
}

void TfmStoreName::FormActivate(TObject* /*Sender*/) {
  const bool store = StoreMode == 1;
  edName->SetEnabled(store);
  if (store) {
    edName->SetFocus();
    edName->SelectAll();
  }
}

void TfmStoreName::edNameKeyDown(TObject* Sender, WORD& Key, TShiftState /*Shift*/) {
  if (Key == VK_RETURN) {
    Key = 0;
    btnOKClick(Sender);
  }
}

void TfmStoreName::btnOKClick(TObject* /*Sender*/) {
  const QByteArray name = PresetList::PaddedName(edName->Text());
  edName->SetText(AnsiToWide(name));
  const bool online = m_host.IsUnitOnline();
  PresetListForm* list = StoreMode == 1 ? static_cast<PresetListForm*>(fmStorePreset)
                                        : static_cast<PresetListForm*>(fmRecallPreset);
  if (online && list != nullptr) {
    list->Hide();
  }
  Close();
  if (list != nullptr) {
    list->Close();
  }
  if (StoreMode == 1) {
    m_host.StorePreset(PresetIndex, name);
    if (fmRecallPreset != nullptr) {
      fmRecallPreset->SetPresetRow(PresetIndex + 1, name);
    }
    if (fmStorePreset != nullptr) {
      fmStorePreset->SetPresetRow(PresetIndex, name);
    }
  } else {
    m_host.RecallPreset(PresetIndex);
  }
}

void TfmStoreName::bnCancelClick(TObject* /*Sender*/) { Close(); }
