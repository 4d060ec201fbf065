#pragma once

#include "platform/widgets/TForm.h"

class TListBox;
class TRzBmpButton;
class TRzPanel;

/// The traffic monitor behind the Help menu's hidden HidData entry, shown
/// without modality: the link code adds one line per frame and scan line
/// (some only while it is shown), each selected as it comes; Clear empties
/// the list. It keeps the newest kMaxLines lines, so a long run cannot
/// grow it without end. Created at start-up and kept. GUI thread only.
class TfmHidData : public TForm {
public:
  static constexpr int kMaxLines = 10000;

  explicit TfmHidData(QWidget* parent = nullptr);
  ~TfmHidData() override;

  TListBox* hbHidData = nullptr;
  TRzPanel* plButtons = nullptr;
  TRzBmpButton* bnClear = nullptr;

  /// Appends line, selects it and drops the oldest lines beyond kMaxLines.
  void AddLine(const QString& line);
  void bnClearClick(TObject* Sender);
};

/// The traffic monitor while it exists, else null.
extern TfmHidData* fmHidData;
