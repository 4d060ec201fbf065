#include "dialogs/TfmMemo.h"

#include "dialogs/DialogParts.h"
#include "platform/widgets/TMemo.h"
#include "widgets/buttons/TRzBmpButton.h"

TfmMemo* fmMemo = nullptr;

namespace {
constexpr int kClientWidth = 250;
constexpr int kClientHeight = 453;
}  // namespace

TfmMemo::TfmMemo(QWidget* parent) : TForm(parent) {
  SetName(QStringLiteral("fmMemo"));
  SetCaption(QStringLiteral("Message List"));
  DialogParts::SetDialogFrame(*this, kClientWidth, kClientHeight);
  DialogParts::AddBackground(*this, QStringLiteral("imBase"));
  Memo = new TMemo(this);
  Memo->SetName(QStringLiteral("Memo"));
  Memo->SetBounds(8, 8, kClientWidth - 16, kClientHeight - 58);
  Memo->Font().SetName(QStringLiteral("Arial"));
  Memo->Font().SetHeight(-13);
  Memo->SetScrollBars(TScrollStyle::ssVertical);
  Memo->SetLines({QStringLiteral("Memo")});
  bnClearMemo = &DialogParts::AddButton(*this, QStringLiteral("bnClearMemo"), (kClientWidth - 80) / 2,
                                        kClientHeight - 42, mrNone);
  bnClearMemo->SetCaption(QStringLiteral("Clear"));
  bnClearMemo->OnClick = [this](TObject* sender) { bnClearMemoClick(sender); };
  fmMemo = this;
}

TfmMemo::~TfmMemo() {
  if (fmMemo == this) {
    fmMemo = nullptr;
  }
}

void TfmMemo::bnClearMemoClick(TObject* /*Sender*/) { Memo->Clear(); }
