#include "dialogs/TfmSourceSelect.h"

#include "dialogs/DialogParts.h"
#include "dialogs/IDialogHost.h"
#include "platform/widgets/TComboBox.h"
#include "platform/widgets/TImage.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"

TfmSourceSelect* fmSourceSelect = nullptr;

namespace {

constexpr int kSourceSelectClientWidth = 512;
constexpr int kSourceSelectClientHeight = 299;
constexpr int kSourceSelectChannels = 9;
constexpr int kSourceSelectFirstOutput = 3;
/// The light grey of the editor's group boxes.

/// The two items of each channel's list: its own signal, then the pair.
struct SourceItems {
  const char* own;
  const char* pair;
};
constexpr SourceItems kItems[kSourceSelectChannels] = {
    {"          InA", "    InA + InB"}, {"          InB", "    InA + InB"}, {"          InC", "    InC + InD"},
    {"        Out1", " Out1 + Out2"},   {"        Out2", " Out1 + Out2"},   {"        Out3", " Out3 + Out4"},
    {"        Out4", " Out3 + Out4"},   {"         Out5", " Out5 + Out6"},  {"        Out6", " Out5 + Out6"}};

TRzGroupBox* AddSourceGroup(QWidget& parent, const QString& name, const QString& caption, TRect bounds, bool bold) {
  return &DialogParts::AddGroup(parent, name, caption, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(), bold);
}

}  // namespace

TfmSourceSelect::TfmSourceSelect(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetName(QStringLiteral("fmSourceSelect"));
  SetCaption(QStringLiteral("Source Select"));
  DialogParts::SetDialogFrame(*this, kSourceSelectClientWidth, kSourceSelectClientHeight);
  imBase = &DialogParts::AddBackground(*this, QStringLiteral("imBase"));
  gbInput = AddSourceGroup(*this, QStringLiteral("gbInput"), QStringLiteral(" Input "), Bounds(14, 8, 484, 86), true);
  gbOutput = AddSourceGroup(*this, QStringLiteral("gbOutput"), QStringLiteral(" Output "), Bounds(14, 100, 484, 148), true);
  for (int channel = 0; channel < kSourceSelectChannels; ++channel) {
    const bool input = channel < kSourceSelectFirstOutput;
    const QString suffix = ChannelSuffix(channel);
    // Inputs side by side; outputs in pair columns, the odd one above.
    const int column = input ? channel : (channel - kSourceSelectFirstOutput) / 2;
    const int row = input ? 0 : (channel - kSourceSelectFirstOutput) % 2;
    // The form writes InA's caption without the trailing blank of the others.
    const QString caption = channel == 0 ? QStringLiteral(" InA") : QStringLiteral(" %1 ").arg(suffix);
    TRzGroupBox* box = AddSourceGroup(input ? *gbInput : *gbOutput, QStringLiteral("gb") + suffix, caption,
                                Bounds(12 + 158 * column, 22 + 60 * row, 146, 56), false);
    auto* combo = new TComboBox(box);
    combo->SetName(QStringLiteral("cb") + suffix);
    combo->SetBounds(12, 22, 122, 22);
    combo->Font().SetName(QStringLiteral("Arial"));
    combo->Font().SetHeight(-13);
    combo->SetItems({QLatin1String(kItems[channel].own), QLatin1String(kItems[channel].pair)});
    combo->SetItemIndex(0);
    // The channel numbers the pairing bit both ways: ChannelIndex.
    combo->SetTag(channel);
    combo->OnChange = [this](TObject* sender) { cbInAChange(sender); };
  }
  bnExit = &DialogParts::AddButton(*this, QStringLiteral("bnExit"), 216, 258, mrNone);
  bnExit->SetCancel(true);
  bnExit->SetCaption(QStringLiteral("Exit"));
  bnExit->OnClick = [this](TObject* sender) { bnExitClick(sender); };
  DialogParts::RegisterControls(m_controls, *this);
  // InC has no neighbour to pair with.
  SourceCombo(2)->SetEnabled(false);
  fmSourceSelect = this;
}

TfmSourceSelect::~TfmSourceSelect() {
  if (fmSourceSelect == this) {
    fmSourceSelect = nullptr;
  }
}

TComboBox* TfmSourceSelect::SourceCombo(int channel) const {
  return m_controls.Find<TComboBox>(QStringLiteral("cb"), channel);
}

void TfmSourceSelect::DoShow() {
  SetCaption(m_host.LookUpText(QStringLiteral("SID_SOURCE_SELECT")));
  bnExit->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT")));
  FillingCombos = 1;
  for (int channel = 0; channel < kSourceSelectChannels; ++channel) {
    if (TComboBox* combo = SourceCombo(channel)) {
      combo->SetItemIndex(m_host.GetSourcePair(channel) ? 1 : 0);
    }
  }
  FillingCombos = 0;
  TForm::DoShow();
}

void TfmSourceSelect::cbInAChange(TObject* Sender) {
  const auto* combo = dynamic_cast<TComboBox*>(Sender);
  if (FillingCombos != 0 || combo == nullptr) {
    return;
  }
  m_host.SetSourcePair(combo->Tag(), combo->ItemIndex());
}

void TfmSourceSelect::bnExitClick(TObject* /*Sender*/) { Close(); }
