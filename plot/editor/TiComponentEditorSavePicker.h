#pragma once

#include "plot/editor/TiComponentEditorFilePicker.h"

/// A "Save" button that asks for a file name to save to; a click runs
/// Execute. The filter entry chosen in the dialog is not read back into
/// FilterIndex. GUI thread only.
class TiComponentEditorSavePicker : public TiComponentEditorFilePicker {
public:
  explicit TiComponentEditorSavePicker(QWidget* parent = nullptr)
      : TiComponentEditorFilePicker(QStringLiteral("Save"), parent) {}

  int FilterIndex() const { return m_filterIndex; }
  void SetFilterIndex(int value) { m_filterIndex = value; }

  /// True, with FileName and OnChange, when the user chose a name.
  bool Execute();
  void Click() override;

private:
  int m_filterIndex = 1;
};
