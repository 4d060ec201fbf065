#pragma once

#include <QStringList>

#include "plot/editor/TiComponentEditorFilePicker.h"

/// An "Open" button that asks for one or several existing files; OK sets
/// FileName and Files and raises OnChange. GUI thread only.
class TiComponentEditorOpenPicker : public TiComponentEditorFilePicker {
public:
  explicit TiComponentEditorOpenPicker(QWidget* parent = nullptr)
      : TiComponentEditorFilePicker(QStringLiteral("Open"), parent) {}

  bool FileMustExist() const { return m_fileMustExist; }
  void SetFileMustExist(bool value) { m_fileMustExist = value; }
  bool AllowMultiSelect() const { return m_allowMultiSelect; }
  void SetAllowMultiSelect(bool value) { m_allowMultiSelect = value; }
  const QStringList& Files() const { return m_files; }

  void Click() override;

private:
  bool m_fileMustExist = false;
  bool m_allowMultiSelect = false;
  QStringList m_files;
};
