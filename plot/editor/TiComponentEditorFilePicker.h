#pragma once

#include "plot/editor/TiComponentEditorButton.h"

/// What the open and save pickers share: the file name, filter, default
/// extension and folder they start their dialog with. The dialog starts
/// from FileName, with "Untitled" added when it ends in a folder
/// separator, and in DefaultDir on the first run only; later runs start
/// where the dialog's own rule puts them. GUI thread only.
class TiComponentEditorFilePicker : public TiComponentEditorButton {
public:
  explicit TiComponentEditorFilePicker(const QString& caption, QWidget* parent = nullptr);

  QString FileName() const { return m_fileName; }
  void SetFileName(const QString& value) { m_fileName = value; }
  QString Filter() const { return m_filter; }
  void SetFilter(const QString& value) { m_filter = value; }
  QString DefaultExt() const { return m_defaultExt; }
  void SetDefaultExt(const QString& value) { m_defaultExt = value; }
  QString DefaultDir() const { return m_defaultDir; }
  void SetDefaultDir(const QString& value) { m_defaultDir = value; }
  void Disable() { SetEnabled(false); }
  void Enable() { SetEnabled(true); }

  TNotifyEvent OnChange;

protected:
  /// Gives a dialog wrapper the start name, filter, extension and, on the
  /// first run, the folder.
  template <class Dialog>
  void PrepareDialog(Dialog& dialog) {
    dialog.SetFileName(StartName());
    dialog.SetFilter(m_filter);
    dialog.SetDefaultExt(m_defaultExt);
    if (!m_defaultDirUsed) {
      dialog.SetDefaultDir(m_defaultDir);
      m_defaultDirUsed = true;
    }
  }
  /// After OK: the chosen name, the owner form's UserChange, a repaint and
  /// OnChange.
  void Chosen(const QString& fileName);

private:
  QString StartName() const;

  QString m_fileName;
  QString m_filter;
  QString m_defaultExt;
  QString m_defaultDir;
  bool m_defaultDirUsed = false;
};
