#include "dialogs/TfmMemo.h"

#include "dialogs/DialogParts.h"
#include "platform/widgets/TMemo.h"
#include "widgets/buttons/TRzBmpButton.h"

TfmMemo* fmMemo = nullptr;

namespace {
constexpr int kMemoClientWidth = 250;
constexpr int kMemoClientHeight = 453;
}  // namespace

TfmMemo::TfmMemo(QWidget* parent) : TForm(parent) {
  SetName(QStringLiteral("fmMemo"));
  SetCaption(QStringLiteral("Message List"));
  DialogParts::SetDialogFrame(*this, kMemoClientWidth, kMemoClientHeight);
  DialogParts::AddBackground(*this, QStringLiteral("imBase"));
  Memo = new TMemo(this);
  Memo->SetName(QStringLiteral("Memo"));
  Memo->SetBounds(8, 8, kMemoClientWidth - 16, kMemoClientHeight - 58);
  Memo->Font().SetName(QStringLiteral("Arial"));
  Memo->Font().SetHeight(-13);
  Memo->SetScrollBars(TScrollStyle::ssVertical);
  Memo->SetLines({QStringLiteral("Memo")});
  bnClearMemo = &DialogParts::AddButton(*this, QStringLiteral("bnClearMemo"), (kMemoClientWidth - 80) / 2,
                                        kMemoClientHeight - 42, mrNone);
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
