#include "dialogs/remote/RemoteCodeForm.h"

#include "dialogs/DialogParts.h"
#include "platform/widgets/TComboBox.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "widgets/panels/TRzGroupBox.h"

namespace {

using S = RemoteSelector;

constexpr int kRemoteCodeFormClientWidth = 392;
constexpr int kRemoteCodeFormClientHeight = 426;
/// The English form draws its type and volume lists with rows of this height.
constexpr int kOwnerDrawItemHeight = 22;
/// The light grey of the editor's group boxes.
/// Left edge and width of the three parameter places.
constexpr int kPlaceLeft[3] = {14, 126, 238};
constexpr int kPlaceWidth[3] = {104, 104, 112};
constexpr int kSelectorTop = 58;

struct FormTexts {
  const char* caption;
  const char* information;
};
constexpr FormTexts kEnglish{"RS232 Remote Control Code", "TCP/IP Port : 9761 Baudrate : 115200 Interval : 100ms"};
constexpr FormTexts kChinese{"232通讯协议代码", "TCP/IP端口号: 9761 特波率 : 115200 间隔 : 100ms"};

TRzGroupBox* AddCodeGroup(TForm& form, const char* name, const char* caption, int top, int height) {
  return &DialogParts::AddGroup(form, QLatin1String(name), QLatin1String(caption), 14, top, 364, height);
}

TLabel* AddGroupLabel(QWidget& group, const char* name, int left, int top, const QString& caption) {
  TLabel* label = &DialogParts::AddLabel(group, QLatin1String(name), left, top, caption);
  label->Font().SetColor(clBlack);
  return label;
}

TComboBox* AddList(QWidget& parent, const QString& name, TRect bounds, const QStringList& items) {
  auto* list = new TComboBox(&parent);
  list->SetName(name);
  list->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  list->Font().SetName(QStringLiteral("Arial"));
  list->Font().SetHeight(-13);
  list->SetItems(items);
  list->SetItemIndex(0);
  return list;
}

}  // namespace

RemoteCodeForm::RemoteCodeForm(bool chinese, QWidget* parent) : TForm(parent) {
  const FormTexts& texts = chinese ? kChinese : kEnglish;
  SetCaption(QString::fromUtf8(texts.caption));
  DialogParts::SetDialogFrame(*this, kRemoteCodeFormClientWidth, kRemoteCodeFormClientHeight);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  imLinkSelIn = &DialogParts::AddBackground(*this, QStringLiteral("imLinkSelIn"));

  gbCommand = AddCodeGroup(*this, "gbCommand", " Command ", 16, 112);
  lbId = AddGroupLabel(*gbCommand, "lbId", 16, 34, QStringLiteral("   ID  : "));
  QStringList ids;
  for (int id = 1; id <= kRemoteIdCount; ++id) {
    ids << QString::number(id);
  }
  cbId = AddList(*gbCommand, QStringLiteral("cbId"), Bounds(96, 30, 110, 24), ids);
  lbType = AddGroupLabel(*gbCommand, "lbType", 16, 74, QStringLiteral("Type  : "));
  cbType = AddList(*gbCommand, QStringLiteral("cbType"), Bounds(96, 70, 250, 24), RemoteCodeTables::KindNames(chinese));

  gbParameter = AddCodeGroup(*this, "gbParameter", " Parameters ", 144, 116);
  lbValue1 = AddGroupLabel(*gbParameter, "lbValue1", kPlaceLeft[0], 32, QStringLiteral("Value1"));
  lbValue2 = AddGroupLabel(*gbParameter, "lbValue2", kPlaceLeft[1], 32, QStringLiteral("Value2"));
  lbValue3 = AddGroupLabel(*gbParameter, "lbValue3", kPlaceLeft[2], 32, QStringLiteral("Value3"));
  for (int i = 0; i < kRemoteSelectorCount; ++i) {
    const auto selector = static_cast<RemoteSelector>(i);
    const int place = RemoteCodeTables::Place(selector) - 1;
    // The volume list reaches from place 2 over place 3.
    const int width = selector == S::cb2Volume ? kPlaceLeft[2] + kPlaceWidth[2] - kPlaceLeft[1] : kPlaceWidth[place];
    m_selectors[static_cast<std::size_t>(i)] =
        AddList(*gbParameter, RemoteCodeTables::SelectorName(selector),
                Bounds(kPlaceLeft[place], kSelectorTop, width, 24), RemoteCodeTables::Items(selector, chinese));
  }
  if (!chinese) {
    cbType->SetItemHeight(kOwnerDrawItemHeight);
    Selector(S::cb2Volume)->SetItemHeight(kOwnerDrawItemHeight);
  }

  lbRemoteCtrl = &DialogParts::AddLabel(*this, QStringLiteral("lbRemoteCtrl"), 16, 276,
                                        QStringLiteral("Remote Control Code"));
  edRemoteCtrl = new TEdit(this);
  edRemoteCtrl->SetName(QStringLiteral("edRemoteCtrl"));
  edRemoteCtrl->SetBounds(14, 300, 364, 36);
  edRemoteCtrl->Font().SetName(QStringLiteral("Arial"));
  edRemoteCtrl->Font().SetHeight(-20);
  edRemoteCtrl->Font().SetStyle({TFontStyle::fsBold});
  edRemoteCtrl->SetReadOnly(true);
  edRemoteCtrl->SetAlignment(TAlignment::taCenter);
  edRemoteCtrl->SetTabStop(false);
  lbInformation =
      &DialogParts::AddLabel(*this, QStringLiteral("lbInformation"), 16, 356, QString::fromUtf8(texts.information));

  cbType->OnChange = [this](TObject* sender) { cbTypeChange(sender); };
  cbId->OnChange = [this](TObject* sender) { cbIdChange(sender); };
  const std::pair<RemoteSelector, void (RemoteCodeForm::*)(TObject*)> handlers[] = {
      {S::cb1InOutSel, &RemoteCodeForm::cb1InOutSelChange},
      {S::cb1FactoryUserSel, &RemoteCodeForm::cb1FactoryUserSelChange},
      {S::cb1InChannelSel, &RemoteCodeForm::cb1InChannelSelChange},
      {S::cb1OutChannelSel, &RemoteCodeForm::cb1OutChannelSelChange},
      {S::cb2InChSel, &RemoteCodeForm::cb2InChSelChange},
      {S::cb2OutChSel, &RemoteCodeForm::cb2OutChSelChange},
      {S::cb2PresetSel, &RemoteCodeForm::cb2PresetSelChange},
      {S::cb2Volume, &RemoteCodeForm::cb2VolumeChange},
      {S::cb3IncDecSel, &RemoteCodeForm::cb3IncDecSelChange},
      {S::cb3MuteSel, &RemoteCodeForm::cb3MuteSelChange},
      {S::cb3OnOffSel, &RemoteCodeForm::cb3OnOffSelChange}};
  for (const auto& [selector, handler] : handlers) {
    Selector(selector)->OnChange = [this, handler = handler](TObject* sender) { (this->*handler)(sender); };
  }
  DialogParts::RegisterControls(m_controls, *this);
  ShowFrame();
}

void RemoteCodeForm::cbTypeChange(TObject* /*Sender*/) {
  m_frame.ChangeType(cbType->ItemIndex());
  ShowFrame();
}

void RemoteCodeForm::cbIdChange(TObject* /*Sender*/) {
  m_frame.ChangeId(cbId->ItemIndex());
  ShowFrame();
}

void RemoteCodeForm::cb1InOutSelChange(TObject*) { SelectorChange(S::cb1InOutSel); }
void RemoteCodeForm::cb1FactoryUserSelChange(TObject*) { SelectorChange(S::cb1FactoryUserSel); }
void RemoteCodeForm::cb1InChannelSelChange(TObject*) { SelectorChange(S::cb1InChannelSel); }
void RemoteCodeForm::cb1OutChannelSelChange(TObject*) { SelectorChange(S::cb1OutChannelSel); }
void RemoteCodeForm::cb2InChSelChange(TObject*) { SelectorChange(S::cb2InChSel); }
void RemoteCodeForm::cb2OutChSelChange(TObject*) { SelectorChange(S::cb2OutChSel); }
void RemoteCodeForm::cb2PresetSelChange(TObject*) { SelectorChange(S::cb2PresetSel); }
void RemoteCodeForm::cb2VolumeChange(TObject*) { SelectorChange(S::cb2Volume); }
void RemoteCodeForm::cb3IncDecSelChange(TObject*) { SelectorChange(S::cb3IncDecSel); }
void RemoteCodeForm::cb3MuteSelChange(TObject*) { SelectorChange(S::cb3MuteSel); }
void RemoteCodeForm::cb3OnOffSelChange(TObject*) { SelectorChange(S::cb3OnOffSel); }

void RemoteCodeForm::SelectorChange(RemoteSelector selector) {
  m_frame.ChangeSelector(selector, Selector(selector)->ItemIndex());
  ShowFrame();
}

void RemoteCodeForm::ShowFrame() {
  for (int i = 0; i < kRemoteSelectorCount; ++i) {
    const auto selector = static_cast<RemoteSelector>(i);
    TComboBox* list = Selector(selector);
    list->SetItemIndex(m_frame.ItemIndex(selector));
    // Only the selector in front is seen at its place.
    list->SetVisible(m_frame.IsInFront(selector));
    if (m_frame.IsInFront(selector)) {
      list->BringToFront();
    }
  }
  edRemoteCtrl->SetText(m_frame.CodeText);
}
