#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "platform/core/TObject.h"

/// Picks one or several files to open with the system's file dialog.
/// Created with an owner (its Qt parent); the dialog belongs to the first
/// form up the owner chain. GUI thread only.
class TiOpenDialog : public QObject, public TObject {
public:
  explicit TiOpenDialog(QObject* owner = nullptr) : QObject(owner) {}

  QString FileName() const { return m_fileName; }
  void SetFileName(const QString& value) { m_fileName = value; }
  /// Description and pattern pairs separated by "|".
  QString Filter() const { return m_filter; }
  void SetFilter(const QString& value) { m_filter = value; }
  QString DefaultExt() const { return m_defaultExt; }
  void SetDefaultExt(const QString& value) { m_defaultExt = value; }
  /// The folder the dialog starts in; empty means ".".
  QString DefaultDir() const { return m_defaultDir; }
  void SetDefaultDir(const QString& value) { m_defaultDir = value; }
  bool FileMustExist() const { return m_fileMustExist; }
  void SetFileMustExist(bool value) { m_fileMustExist = value; }
  bool AllowMultiSelect() const { return m_allowMultiSelect; }
  void SetAllowMultiSelect(bool value) { m_allowMultiSelect = value; }
  /// The files chosen by the last Execute (absolute with multi-selection).
  const QStringList& Files() const { return m_files; }

  /// Clears Files and shows the dialog modally; when confirmed, Files
  /// holds the chosen files, FileName the first, and the answer is true.
  /// False, without a dialog, when no windowed control owns this one.
  bool Execute();

private:
  QString m_fileName;
  QString m_filter;
  QString m_defaultExt;
  QString m_defaultDir;
  bool m_fileMustExist = false;
  bool m_allowMultiSelect = false;
  QStringList m_files;
};
