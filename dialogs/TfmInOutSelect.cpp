#include "dialogs/TfmInOutSelect.h"

#include "dialogs/DialogParts.h"
#include "dialogs/IDialogHost.h"
#include "platform/widgets/TComboBox.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"

TfmInOutSelect* fmInOutSelect = nullptr;

namespace {

constexpr int kInOutSelectClientWidth = 280;
constexpr int kInOutSelectClientHeight = TfmInOutSelect::kHeightWithDante - TfmInOutSelect::kFrameHeight;
constexpr int kExitTopWithDante = 330;
constexpr int kExitTopWithoutDante = 240;
/// The light grey of the editor's group boxes.

TRzGroupBox* AddSelectGroup(TForm& form, const char* name, const char* caption, int top, int rows) {
  return &DialogParts::AddGroup(form, QLatin1String(name), QString::fromLatin1(caption), 14, top, 252, 28 + 30 * rows);
}

/// Row `row` of a group: the label and its list, filed under the group
/// (HelpContext) and the pair (Tag).
TComboBox* AddRow(TRzGroupBox& group, const QString& stem, const char* caption, int helpContext, int pair,
                  const QStringList& items, TLabel*& label) {
  const int top = 24 + 30 * pair;
  label = &DialogParts::AddLabel(group, QStringLiteral("lb") + stem, 16, top + 3, QString::fromLatin1(caption));
  label->Font().SetColor(clBlack);
  auto* combo = new TComboBox(&group);
  combo->SetName(QStringLiteral("cb") + stem);
  combo->SetBounds(108, top, 128, 22);
  combo->Font().SetName(QStringLiteral("Arial"));
  combo->Font().SetHeight(-13);
  combo->SetItems(items);
  combo->SetItemIndex(0);
  combo->SetHelpContext(helpContext);
  combo->SetTag(pair);
  return combo;
}

QStringList InputTypes(bool dante) {
  QStringList items{QStringLiteral("Analog"), QStringLiteral("AES/EBU")};
  if (dante) {
    items << QStringLiteral("Dante");
  }
  return items;
}

}  // namespace

TfmInOutSelect::TfmInOutSelect(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetName(QStringLiteral("fmInOutSelect"));
  SetCaption(QStringLiteral("In/Out Select"));
  DialogParts::SetDialogFrame(*this, kInOutSelectClientWidth, kInOutSelectClientHeight);
  imBase = &DialogParts::AddBackground(*this, QStringLiteral("imBase"));
  gbInSelect = AddSelectGroup(*this, "gbInSelect", " In Select ", 10, 2);
  cbInABSel = AddRow(*gbInSelect, QStringLiteral("InABSel"), "InA/B  : ", 0, 0, InputTypes(true), lbInABSel);
  cbInCDSel = AddRow(*gbInSelect, QStringLiteral("InCDSel"), "InC: ", 0, 1, InputTypes(true), lbInCDSel);
  gbOutSelect = AddSelectGroup(*this, "gbOutSelect", " Out Select  ", 106, 3);
  const QStringList outputTypes{QStringLiteral("Analog"), QStringLiteral("AES/EBU")};
  cbOut12Sel = AddRow(*gbOutSelect, QStringLiteral("Out12Sel"), "Out1/2 : ", 1, 0, outputTypes, lbOut12Sel);
  cbOut34Sel = AddRow(*gbOutSelect, QStringLiteral("Out34Sel"), "Out3/4 : ", 1, 1, outputTypes, lbOut34Sel);
  cbOut56Sel = AddRow(*gbOutSelect, QStringLiteral("Out56Sel"), "Out5/6 : ", 1, 2, outputTypes, lbOut56Sel);
  gbDanteOutSelect = AddSelectGroup(*this, "gbDanteOutSelect", " Dante Out Select  ", 232, 2);
  cbDanteOut12 = AddRow(*gbDanteOutSelect, QStringLiteral("DanteOut12"), "Dante1/2 : ", 2, 0,
                        {QStringLiteral("Output1/2"), QStringLiteral("Output5/6")}, lbDanteOut12);
  cbDanteOut34 = AddRow(*gbDanteOutSelect, QStringLiteral("DanteOut34"), "Dante3/4 : ", 2, 1,
                        {QStringLiteral("Output3/4"), QStringLiteral("Output7/8")}, lbDanteOut34);
  bnExit = &DialogParts::AddButton(*this, QStringLiteral("bnExit"), 100, kExitTopWithDante, mrNone);
  bnExit->SetCancel(true);
  bnExit->SetCaption(QStringLiteral("Exit"));
  for (TComboBox* combo :
       {cbInABSel, cbInCDSel, cbOut12Sel, cbOut34Sel, cbOut56Sel, cbDanteOut12, cbDanteOut34}) {
    combo->OnChange = [this](TObject* sender) { cbInABSelChange(sender); };
  }
  bnExit->OnClick = [this](TObject* sender) { bnExitClick(sender); };
  DialogParts::RegisterControls(m_controls, *this);
  FormCreate();
  fmInOutSelect = this;
}

TfmInOutSelect::~TfmInOutSelect() {
  if (fmInOutSelect == this) {
    fmInOutSelect = nullptr;
  }
}

void TfmInOutSelect::FormCreate() { DanteAvailable = 1; }

void TfmInOutSelect::DoShow() {
  SetCaption(m_host.LookUpText(QStringLiteral("SID_IN_OUT_SELECT")));
  bnExit->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT")));
  const bool dante = DanteAvailable != 0;
  const int height = dante ? kHeightWithDante : kHeightWithoutDante;
  // The dialog border keeps the size fixed for the user, not for code.
  setFixedSize(kInOutSelectClientWidth, height - kFrameHeight);
  imBase->SetBounds(0, 0, kInOutSelectClientWidth, height - kFrameHeight);
  bnExit->SetTop(dante ? kExitTopWithDante : kExitTopWithoutDante);
  gbDanteOutSelect->SetVisible(dante);
  // Rebuilt for the unit's option; the type the refresh set stays picked
  // while the list still offers it.
  for (TComboBox* combo : {cbInABSel, cbInCDSel}) {
    const int picked = combo->ItemIndex();
    combo->SetItems(InputTypes(dante));
    combo->SetItemIndex(picked);
  }
  TForm::DoShow();
}

void TfmInOutSelect::cbInABSelChange(TObject* Sender) {
  const auto* combo = dynamic_cast<TComboBox*>(Sender);
  if (combo == nullptr) {
    return;
  }
  m_host.SendCommand(CM_MCS_CMD(m_host.GetUnitId(), CMD_SOURCE_TYPE, combo->HelpContext(), combo->Tag(),
                                combo->ItemIndex()),
                     true, SERIALIZE_FRAME);
  ShowSourceTypeLabel(combo->HelpContext(), combo->Tag(), combo->ItemIndex());
}

void TfmInOutSelect::ShowSourceTypeLabel(int group, int pair, int value) {
  ShowSourceTypeLabelOn(m_host.Controls(), group, pair, value);
}

void TfmInOutSelect::ShowSourceTypeLabelOn(ControlRegistry& controls, int group, int pair, int value) {
  QString name;
  QString text = QStringLiteral("AES/EBU");
  if (group == 0 && (pair == 0 || pair == 1)) {
    name = QStringLiteral("lbSelDigitalIn%1").arg(pair + 1);
    if (value != 0 && value != 1) {
      text = QStringLiteral("Dante");
    }
  } else if (group == 1 && pair >= 0 && pair <= 2) {
    name = QStringLiteral("lbSelDigitalOut%1").arg(pair + 1);
  } else {
    return;
  }
  auto* label = controls.Find<TLabel>(name);
  if (label == nullptr) {
    return;
  }
  if (value == 0) {
    label->SetVisible(false);
    return;
  }
  label->SetCaption(text);
  label->SetVisible(true);
}

void TfmInOutSelect::bnExitClick(TObject* /*Sender*/) { Close(); }
