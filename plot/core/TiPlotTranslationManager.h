#pragma once

#include <memory>
#include <vector>

#include <QString>

#include "platform/core/TObject.h"

/// One pair of the translation table: a text as the library spells it and
/// what to show instead. Both start as "Unknown". Owned by the table.
class TiPlotTranslationObject : public TObject {
public:
  QString OriginalString = QStringLiteral("Unknown");
  QString ReplacementString = QStringLiteral("Unknown");
};

/// The plot's translation table: every user-visible word of the library
/// passes through FindReplacement just before it is shown. New entries go
/// in front, so the table is ordered newest first and the last entry added
/// for a text wins. Owned by the master manager; GUI thread only.
class TiPlotTranslationManager {
public:
  int Count() const { return int(m_list.size()); }
  /// EPlotError "List index out of bounds (i)" outside the table.
  TiPlotTranslationObject& Items(int index) const;
  /// A new entry ("Unknown" both ways) in front of the others.
  TiPlotTranslationObject& CreateObject();
  /// CreateObject; answers its index, 0.
  int Add();
  /// Frees the entry at index (the list index error outside the table).
  void Delete(int index);
  void Clear();
  /// The replacement of the first entry whose original equals text exactly;
  /// text itself when there is none.
  QString FindReplacement(const QString& text) const;
  bool DoWriteToStream() const { return !m_list.empty(); }

  /// Lines of original, tab, replacement in table order, CR LF, in the
  /// system's 8-bit code page; written to a temporary file and renamed.
  /// Throws EPlotError "Error Saving Translation Data - " + the reason.
  void SaveToFile(const QString& fileName) const;
  /// Replaces the table with the file's lines (each goes in front, so the
  /// file's last line becomes entry 0). A line without a tab stops the
  /// load with EPlotError "Error Loading Data - Invalid Format - Tab
  /// Deliminator Missing", keeping the lines before it; an unreadable file
  /// leaves the table as it was.
  void LoadFromFile(const QString& fileName);

private:
  std::vector<std::unique_ptr<TiPlotTranslationObject>> m_list;
};
