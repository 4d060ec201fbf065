#include "dialogs/PresetListForm.h"

#include "dialogs/DialogParts.h"
#include "dialogs/IDialogHost.h"
#include "dialogs/TfmStoreName.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TValueListEditor.h"
#include "widgets/buttons/TRzBmpButton.h"

namespace {

constexpr int kUserPresets = 30;
constexpr int kPresetListFormClientWidth = 260;

QString TwoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

}  // namespace

PresetListForm::PresetListForm(IDialogHost& host, bool store, QWidget* parent)
    : TForm(parent), m_host(host), m_store(store), m_rows(!store, kUserPresets) {
  const int height = store ? 319 : 316;
  SetCaption(store ? QStringLiteral("Store Preset") : QStringLiteral("Recall Preset"));
  DialogParts::SetDialogFrame(*this, kPresetListFormClientWidth, height);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  imWorkStatusBase = &DialogParts::AddBackground(*this, QStringLiteral("imWorkStatusBase"));
  lPresetSelect = &DialogParts::AddLabel(*this, QStringLiteral("lPresetSelect"), 0, 10, Caption());
  lPresetSelect->SetAutoSize(false);
  lPresetSelect->SetBounds(0, 10, kPresetListFormClientWidth, 20);
  lPresetSelect->SetAlignment(TAlignment::taCenter);
  lPresetSelect->Font().SetHeight(-15);

  vledPresetName = new TValueListEditor(this);
  vledPresetName->SetName(QStringLiteral("vledPresetName"));
  vledPresetName->SetBounds(12, 38, kPresetListFormClientWidth - 24, height - 38 - 48);
  vledPresetName->Font().SetName(QStringLiteral("Arial"));
  vledPresetName->Font().SetHeight(-13);
  vledPresetName->SetColWidth0(70);
  vledPresetName->SetTitleCaptions(QStringLiteral(" Number"), QStringLiteral("         Name"));
  QStringList keys;
  QStringList values;
  for (int row = 0; row < m_rows.Count(); ++row) {
    keys << m_rows.Key(row);
    values << QStringLiteral("  ") + m_rows.NameText(row);
  }
  vledPresetName->SetRows(keys, values);
  vledPresetName->OnSelectCell = [this](TObject* sender, int col, int row, bool& canSelect) {
    vledPresetNameSelectCell(sender, col, row, canSelect);
  };

  bnCancel = &DialogParts::AddButton(*this, QStringLiteral("bnCancel"), (kPresetListFormClientWidth - 80) / 2, height - 40, mrNone);
  bnCancel->SetCancel(true);
  bnCancel->OnClick = [this](TObject* sender) { bnCancelClick(sender); };
}

PresetListForm::~PresetListForm() {
  // The name dialog is only lent to the list it shows above; it is owned
  // by whoever created it.
  if (fmStoreName != nullptr && fmStoreName->parentWidget() == this) {
    fmStoreName->setParent(nullptr, fmStoreName->windowFlags());
  }
}

void PresetListForm::DoShow() {
  const QString title = m_host.LookUpText(m_store ? QStringLiteral("SID_SAVE_PRESET") : QStringLiteral("SID_RECALL_PRESET"));
  SetCaption(title);
  lPresetSelect->SetCaption(title);
  bnCancel->SetCaption(m_host.LookUpText(QStringLiteral("SID_CANCEL")));
  vledPresetName->SetTitleCaptions(m_host.LookUpText(QStringLiteral("SID_PST_NUM")),
                                   m_host.LookUpText(QStringLiteral("SID_PST_NAME")));
  TForm::DoShow();
}

void PresetListForm::SetPresetRow(int index, const QByteArray& name) {
  if (index < 0 || index >= m_rows.Count()) {
    return;
  }
  m_rows.SetName(index, name);
  vledPresetName->SetValue(index, QStringLiteral("  ") + m_rows.NameText(index));
}

QString PresetListForm::LineTitle(int line) const {
  if (m_store) {
    return QStringLiteral("U") + TwoDigits(line) + QStringLiteral(" : ");
  }
  return line == 1 ? QStringLiteral("F00 : ") : QStringLiteral("U") + TwoDigits(line - 1) + QStringLiteral(" : ");
}

void PresetListForm::vledPresetNameSelectCell(TObject* /*Sender*/, int /*ACol*/, int ARow, bool& /*CanSelect*/) {
  if (fmStoreName == nullptr || ARow < 1 || ARow > m_rows.Count()) {
    return;
  }
  fmStoreName->SetNameText(m_rows.NameText(ARow - 1));
  fmStoreName->SetPresetIndex(ARow - 1);
  fmStoreName->lTitle->SetCaption(LineTitle(ARow));
  fmStoreName->SetStoreMode(m_store ? 1 : 0);
  fmStoreName->ShowAbove(*this);
}

void PresetListForm::bnCancelClick(TObject* /*Sender*/) {
  vledPresetName->SetFocus();
  Close();
}
