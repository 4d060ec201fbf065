#pragma once

#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

/// One language's text table: an ordered list of lines in which a key line
/// ("SID_" plus upper-case words) is followed by exactly one text line and a
/// line beginning with "//" is a comment. A key may occur more than once; only
/// its first occurrence counts. A plain value, owned by whoever loaded it (the
/// main window holds one per language); any thread may read a table.
class LanguageTable {
public:
  /// The title comment every table begins with; also the text a missing key yields.
  static constexpr char FirstLine[] = "//---------------------- Menu ------------------------";
  /// Where the tables compiled into the program live.
  static constexpr char EnglishResource[] = ":/language/moEnglish.txt";
  static constexpr char SimplifiedResource[] = ":/language/moSimplified.txt";

  LanguageTable() = default;

  /// Reads a UTF-8 table file. Refuses an unreadable file, text that is not
  /// UTF-8, a table that does not begin with FirstLine, a line that is neither
  /// a comment nor a key where a key is due, and a key without its text line;
  /// the error names the file and the line.
  static std::optional<LanguageTable> Load(const QString& path, QString* error);

  /// Loads the English and the Simplified Chinese table and also refuses the
  /// pair when they do not hold the same keys in the same order.
  static bool LoadPair(const QString& englishPath, const QString& simplifiedPath, LanguageTable& english,
                       LanguageTable& simplified, QString* error);

  /// LoadPair on the tables compiled into the program.
  static bool LoadBuiltIn(LanguageTable& english, LanguageTable& simplified, QString* error);

  /// The line after the first line equal to the key, ignoring letter case;
  /// the table's first line when no line matches.
  QString LookUpText(const QString& key) const;

  /// True when a key line equals the key, ignoring letter case.
  bool Contains(const QString& key) const;

  /// The keys in table order, each at its first occurrence.
  QStringList Keys() const;

  const QStringList& Lines() const { return m_lines; }

private:
  explicit LanguageTable(QStringList lines);
  static std::optional<LanguageTable> Parse(const QByteArray& utf8, const QString& path, QString* error);

  QStringList m_lines;
};
