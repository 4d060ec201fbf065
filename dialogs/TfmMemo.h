#pragma once

#include "platform/widgets/TForm.h"

class TMemo;
class TRzBmpButton;

/// The message list behind the Help menu's hidden MemoShow entry, shown
/// without modality: a text box that only its Clear button changes.
/// Created at start-up and kept. GUI thread only.
class TfmMemo : public TForm {
public:
  explicit TfmMemo(QWidget* parent = nullptr);
  ~TfmMemo() override;

  TMemo* Memo = nullptr;
  TRzBmpButton* bnClearMemo = nullptr;

  void bnClearMemoClick(TObject* Sender);
};

/// The message list while it exists, else null.
extern TfmMemo* fmMemo;
