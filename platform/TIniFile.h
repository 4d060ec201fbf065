#pragma once

#include <QList>
#include <QPair>
#include <QString>

/// An INI file as the settings code reads and writes it: sections of
/// "Key=Value" lines, names compared without regard to letter case, keys
/// kept in the order first written. Each section and key exists once: a file
/// naming one twice is merged into the first on reading. The file is read when the object is
/// made; UpdateFile writes it to a temporary name and renames it into
/// place. GUI thread (or the one thread using it).
class TIniFile {
public:
  explicit TIniFile(const QString& fileName);

  QString FileName() const { return m_fileName; }
  QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
  /// A decimal integer (optionally "0x" hexadecimal); the default when the
  /// value is missing or not a number.
  int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
  bool ValueExists(const QString& section, const QString& key) const;
  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteInteger(const QString& section, const QString& key, int value);
  /// The whole content as text, as the file holds it.
  QString Text() const;
  /// Replaces the content with INI text.
  void SetText(const QString& text);
  /// Writes the file; false with an error text when it cannot.
  bool UpdateFile(QString* error = nullptr) const;

private:
  struct Section {
    QString name;
    QList<QPair<QString, QString>> values;
  };
  const Section* Find(const QString& section) const;
  qsizetype IndexOfOrAdd(const QString& section);
  static QString* FindKey(Section& section, const QString& key);

  QString m_fileName;
  QList<Section> m_sections;
};
