#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "platform/core/TObject.h"

/// Picks a file name to save under with the system's file dialog and gives
/// it the extension of the chosen filter entry. Created with an owner (its
/// Qt parent); the dialog belongs to the first form up the owner chain.
/// GUI thread only.
class TiSaveDialog : public QObject, public TObject {
public:
  explicit TiSaveDialog(QObject* owner = nullptr) : QObject(owner) {}

  QString FileName() const { return m_fileName; }
  void SetFileName(const QString& value) { m_fileName = value; }
  /// Description and pattern pairs separated by "|"; a pattern lists one
  /// or more extensions ("*.jpg;*.jpeg").
  QString Filter() const { return m_filter; }
  void SetFilter(const QString& value) { m_filter = value; }
  /// The filter entry selected, from 1.
  int FilterIndex() const { return m_filterIndex; }
  void SetFilterIndex(int value) { m_filterIndex = value; }
  QString DefaultExt() const { return m_defaultExt; }
  void SetDefaultExt(const QString& value) { m_defaultExt = value; }
  /// The folder the dialog starts in; empty means ".".
  QString DefaultDir() const { return m_defaultDir; }
  void SetDefaultDir(const QString& value) { m_defaultDir = value; }
  /// The extension of the entry chosen by the last Execute (".png"; the
  /// first one of an entry listing several; empty without a pattern).
  QString ReturnExt() const { return m_returnExt; }

  /// Shows the dialog modally (asking before overwriting); when confirmed,
  /// FileName is the chosen name with ReturnExt appended unless it is
  /// ".*" or the name already ends in one of the chosen entry's
  /// extensions, FilterIndex the chosen entry, and the answer is true.
  /// Cancelled: false and nothing changes. False, without a dialog, when
  /// no windowed control owns this one.
  bool Execute();

private:
  QString m_fileName;
  QString m_filter;
  int m_filterIndex = 1;
  QString m_defaultExt;
  QString m_defaultDir;
  QString m_returnExt;
  QStringList m_filterList;
};
