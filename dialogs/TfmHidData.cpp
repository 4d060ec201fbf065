#include "dialogs/TfmHidData.h"

#include "dialogs/DialogParts.h"
#include "platform/widgets/TListBox.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzPanel.h"

TfmHidData* fmHidData = nullptr;

namespace {
constexpr int kHidDataClientWidth = 1022;
constexpr int kHidDataClientHeight = 541;
constexpr int kButtonStripHeight = 40;
}  // namespace

TfmHidData::TfmHidData(QWidget* parent) : TForm(parent) {
  SetName(QStringLiteral("fmHidData"));
  SetCaption(QStringLiteral("Hid Data"));
  resize(kHidDataClientWidth, kHidDataClientHeight);
  SetPosition(TPosition::poMainFormCenter);
  plButtons = new TRzPanel(this);
  plButtons->SetName(QStringLiteral("plButtons"));
  plButtons->SetBounds(0, kHidDataClientHeight - kButtonStripHeight, kHidDataClientWidth, kButtonStripHeight);
  plButtons->SetAlign(TAlign::alBottom);
  hbHidData = new TListBox(this);
  hbHidData->SetName(QStringLiteral("hbHidData"));
  hbHidData->SetItemHeight(13);
  hbHidData->Font().SetName(QStringLiteral("Courier New"));
  hbHidData->Font().SetHeight(-12);
  hbHidData->SetAlign(TAlign::alClient);
  bnClear = &DialogParts::AddButton(*plButtons, QStringLiteral("bnClear"), (kHidDataClientWidth - 80) / 2, 5, mrNone);
  bnClear->SetCaption(QStringLiteral("Clear"));
  bnClear->OnClick = [this](TObject* sender) { bnClearClick(sender); };
  fmHidData = this;
}

TfmHidData::~TfmHidData() {
  if (fmHidData == this) {
    fmHidData = nullptr;
  }
}

void TfmHidData::AddLine(const QString& line) {
  const int index = hbHidData->Add(line);
  hbHidData->SetItemIndex(index);
  while (hbHidData->Count() > kMaxLines) {
    hbHidData->Delete(0);
  }
}

void TfmHidData::bnClearClick(TObject* /*Sender*/) { hbHidData->Clear(); }
