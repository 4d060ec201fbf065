#include "dialogs/TfmNetworkSetup.h"

#include "dialogs/DialogParts.h"
#include "dialogs/IDialogHost.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TRadioButton.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"

TfmNetworkSetup* fmNetworkSetup = nullptr;

namespace {

constexpr int kNetworkSetupClientWidth = 300;
constexpr int kNetworkSetupClientHeight = 232;
constexpr int kMaxOctet = 255;
/// The light grey of the editor's group boxes.

TRzGroupBox* AddSettingGroup(TForm& form, const QString& name, int top) {
  return &DialogParts::AddGroup(form, name, QString(), 12, top, kNetworkSetupClientWidth - 24, 76);
}

TEdit* AddField(QWidget& parent, const QString& name, int left, int top, int width) {
  auto* field = new TEdit(&parent);
  field->SetName(name);
  field->SetBounds(left, top, width, 24);
  field->Font().SetName(QStringLiteral("Arial"));
  field->Font().SetHeight(-14);
  field->SetAlignment(TAlignment::taCenter);
  field->SetMaxLength(3);
  field->SetNumbersOnly(true);
  return field;
}

TLabel* AddDarkLabel(QWidget& parent, const QString& name, int left, int top, const QString& caption) {
  TLabel& label = DialogParts::AddLabel(parent, name, left, top, caption);
  label.Font().SetColor(clBlack);
  label.Font().SetStyle({TFontStyle::fsBold});
  return &label;
}

TRadioButton* AddHiddenOption(QWidget& parent, const QString& name, int top, bool checked) {
  auto* option = new TRadioButton(&parent);
  option->SetName(name);
  option->SetBounds(16, top, 120, 17);
  option->SetChecked(checked);
  option->SetVisible(false);
  return option;
}

/// The field's number; false when it holds none (empty).
bool ReadNumber(const TEdit& field, int& value) {
  bool ok = false;
  value = field.Text().toInt(&ok);
  return ok;
}

}  // namespace

TfmNetworkSetup::TfmNetworkSetup(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetName(QStringLiteral("fmNetworkSetup"));
  SetCaption(QStringLiteral("Setting ID/IP"));
  DialogParts::SetDialogFrame(*this, kNetworkSetupClientWidth, kNetworkSetupClientHeight);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
  imBase = &DialogParts::AddBackground(*this, QStringLiteral("imBase"));

  gbIpSetting = AddSettingGroup(*this, QStringLiteral("gbIpSetting"), 12);
  const QString dots[] = {QStringLiteral("Label1"), QStringLiteral("Label2"), QStringLiteral("Label3")};
  TLabel** dotLabels[] = {&Label1, &Label2, &Label3};
  TEdit** fields[] = {&edIp1, &edIp2, &edIp3, &edIp4};
  for (int i = 0; i < 4; ++i) {
    *fields[i] = AddField(*gbIpSetting, QStringLiteral("edIp%1").arg(i + 1), 22 + i * 62, 34, 48);
    if (i < 3) {
      *dotLabels[i] = AddDarkLabel(*gbIpSetting, dots[i], 74 + i * 62, 38, QStringLiteral("."));
    }
  }
  rbManualSetting = AddHiddenOption(*gbIpSetting, QStringLiteral("rbManualSetting"), 16, true);
  rbAutoSetting = AddHiddenOption(*gbIpSetting, QStringLiteral("rbAutoSetting"), 36, false);

  gbIdSetting = AddSettingGroup(*this, QStringLiteral("gbIdSetting"), 100);
  lbMessage = AddDarkLabel(*gbIdSetting, QStringLiteral("lbMessage"), 22, 38, QStringLiteral("Number :"));
  edId = AddField(*gbIdSetting, QStringLiteral("edId"), 146, 34, 60);
  edId->SetText(QStringLiteral("1"));

  bnSet = &DialogParts::AddButton(*this, QStringLiteral("bnSet"), 46, 190, mrNone);
  bnExit = &DialogParts::AddButton(*this, QStringLiteral("bnExit"), 174, 190, mrNone);
  bnExit->SetCancel(true);
  bnSet->OnClick = [this](TObject* sender) { bnSetClick(sender); };
  bnExit->OnClick = [this](TObject* sender) { bnExitClick(sender); };

  for (TEdit* field : AddressFields()) {
    field->OnEnter = [this](TObject* sender) { edIp1Enter(sender); };
    field->OnMouseDown = [this](TObject* sender, TMouseButton, TShiftState, int, int) { edIp1Enter(sender); };
    field->OnExit = [this](TObject* sender) { edIp1Exit(sender); };
    field->OnKeyPress = [this](TObject* sender, QChar& key) { edIp1KeyPress(sender, key); };
  }
  edId->OnEnter = [this](TObject* sender) { edIp1Enter(sender); };
  edId->OnMouseDown = [this](TObject* sender, TMouseButton, TShiftState, int, int) { edIp1Enter(sender); };
  edId->OnExit = [this](TObject* sender) { edIdExit(sender); };
  edId->OnKeyPress = [this](TObject* sender, QChar& key) { edIdKeyPress(sender, key); };
  rbManualSetting->OnClick = [this](TObject* sender) { rbManualSettingClick(sender); };
  rbAutoSetting->OnClick = [this](TObject* sender) { rbAutoSettingClick(sender); };
  OnShow = [this](TObject* sender) { FormShow(sender); };
  fmNetworkSetup = this;
}

TfmNetworkSetup::~TfmNetworkSetup() {
  if (fmNetworkSetup == this) {
    fmNetworkSetup = nullptr;
  }
}

void TfmNetworkSetup::ShowAddress() {
  const std::uint32_t address = m_host.GetSelectedUnitAddress();
  std::uint32_t client = 0;
  for (int i = 0; i < 4; ++i) {
    const int octet = static_cast<int>((address >> (24 - 8 * i)) & 0xFF);
    AddressFields()[i]->SetText(QString::number(octet));
    client = (client << 8) | static_cast<std::uint32_t>(octet);
  }
  m_host.SetClientAddress(client);
}

QString TfmNetworkSetup::AddressText() const {
  const std::uint32_t address = m_host.GetSelectedUnitAddress();
  return QString::asprintf("%u.%u.%u.%u", address >> 24, (address >> 16) & 0xFF, (address >> 8) & 0xFF,
                           address & 0xFF);
}

void TfmNetworkSetup::FormShow(TObject* /*Sender*/) {
  const std::uint32_t address = m_host.GetSelectedUnitAddress();
  for (int i = 0; i < 4; ++i) {
    AddressFields()[i]->SetText(QString::number((address >> (24 - 8 * i)) & 0xFF));
  }
  SetCaption(m_host.LookUpText(QStringLiteral("SID_SET_NETWORK")));
  gbIpSetting->SetCaption(m_host.LookUpText(QStringLiteral("SID_IP_ADDRESS")));
  rbManualSetting->SetCaption(m_host.LookUpText(QStringLiteral("SID_MANU_NETWORK")));
  rbAutoSetting->SetCaption(m_host.LookUpText(QStringLiteral("SID_AUTO_NETWORK")));
  gbIdSetting->SetCaption(m_host.LookUpText(QStringLiteral("SID_INPUT_ID")));
  lbMessage->SetCaption(m_host.LookUpText(QStringLiteral("SID_NUMBER")));
  bnSet->SetCaption(m_host.LookUpText(QStringLiteral("SID_SET")));
  bnExit->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT")));
}

void TfmNetworkSetup::ShowLinkedState(bool linked) {
  gbIpSetting->SetEnabled(!linked);
  rbManualSetting->SetEnabled(!linked);
  rbAutoSetting->SetEnabled(!linked);
  const bool fixed = rbAutoSetting->Checked() || linked;
  SetAddressFieldsEnabled(!fixed);
  SetFieldEnabled(*edId, !fixed);
}

void TfmNetworkSetup::SetFieldEnabled(TEdit& field, bool enabled) {
  field.SetEnabled(enabled);
  field.SetColor(enabled ? clWindow : clSilver);
}

void TfmNetworkSetup::SetAddressFieldsEnabled(bool enabled) {
  for (TEdit* field : AddressFields()) {
    SetFieldEnabled(*field, enabled);
  }
}

void TfmNetworkSetup::bnSetClick(TObject* /*Sender*/) {
  bool changed = false;
  int id = 0;
  // An empty id is refused like one out of range.
  if (ReadNumber(*edId, id) && id >= kMinId && id <= kMaxId) {
    m_host.SetUnitId(id);
    changed = true;
  } else {
    m_host.ShowInformation(m_host.LookUpText(QStringLiteral("SID_ID_NUMBER_ERROR")));
    edId->SetText(QString::number(m_host.GetUnitId()));
  }
  if (rbManualSetting->Checked() && !m_host.IsUnitOnline()) {
    std::uint32_t address = 0;
    for (TEdit* field : AddressFields()) {
      int octet = 0;
      if (!ReadNumber(*field, octet)) {
        // An empty field gives no address: nothing is applied, and the
        // dialog stays open on that field.
        m_host.ShowInformation(m_host.LookUpText(QStringLiteral("SID_IP_ADDRESS")));
        field->SetFocus();
        field->SelectAll();
        return;
      }
      address = (address << 8) | static_cast<std::uint32_t>(octet & 0xFF);
    }
    m_host.SetManualUnitAddress(address);
    changed = true;
  }
  if (changed) {
    Finish();
  }
}

void TfmNetworkSetup::bnExitClick(TObject* /*Sender*/) {
  edId->SetText(QString::number(m_host.GetUnitId()));
  Finish();
}

void TfmNetworkSetup::Finish() {
  if (Modal()) {
    SetModalResult(mrOk);
  } else {
    SetVisible(false);
  }
}

void TfmNetworkSetup::edIp1Enter(TObject* Sender) {
  if (auto* field = dynamic_cast<TEdit*>(Sender)) {
    field->SelectAll();
  }
}

void TfmNetworkSetup::LimitOctet(TEdit& field) {
  int value = 0;
  if (ReadNumber(field, value) && value > kMaxOctet) {
    field.SetText(QString::number(kMaxOctet));
  }
}

void TfmNetworkSetup::LimitId(TEdit& field) {
  int value = 0;
  if (!ReadNumber(field, value)) {
    return;
  }
  if (value > kMaxId) {
    field.SetText(QString::number(kMaxId));
  } else if (value < kMinId) {
    field.SetText(QString::number(kMinId));
  }
}

void TfmNetworkSetup::edIp1Exit(TObject* Sender) {
  if (auto* field = dynamic_cast<TEdit*>(Sender)) {
    LimitOctet(*field);
    field->SelectAll();
  }
}

void TfmNetworkSetup::edIp1KeyPress(TObject* Sender, QChar& Key) {
  auto* field = dynamic_cast<TEdit*>(Sender);
  if (field == nullptr || Key != QLatin1Char('\r')) {
    return;
  }
  LimitOctet(*field);
  field->SelectAll();
  Key = QChar();
}

void TfmNetworkSetup::edIdExit(TObject* Sender) {
  if (auto* field = dynamic_cast<TEdit*>(Sender)) {
    LimitId(*field);
    field->SelectAll();
  }
}

void TfmNetworkSetup::edIdKeyPress(TObject* Sender, QChar& Key) {
  auto* field = dynamic_cast<TEdit*>(Sender);
  if (field == nullptr || Key != QLatin1Char('\r')) {
    return;
  }
  LimitId(*field);
  field->SelectAll();
  Key = QChar();
}

void TfmNetworkSetup::rbManualSettingClick(TObject* /*Sender*/) { SetAddressFieldsEnabled(true); }

void TfmNetworkSetup::rbAutoSettingClick(TObject* /*Sender*/) { SetAddressFieldsEnabled(false); }
