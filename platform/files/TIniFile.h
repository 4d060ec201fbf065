#pragma once

#include <stdexcept>

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

/// How an INI file's text is stored: the platform's code page (GBK), UTF-8
/// or UTF-16 (little-endian with a byte-order mark).
enum class TIniEncoding { Default, Utf8, Utf16 };

/// Raised by the settings stores when a file cannot be written: the message
/// names the file and the reason.
class EIniFileException : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

/// An INI file as the settings code reads and writes it: sections of
/// "Key=Value" lines, names compared without regard to letter case, keys
/// kept in the order first written. Each section and key exists once: a file
/// naming one twice is merged into the first on reading. The file is read when the object is
/// made; UpdateFile writes it to a temporary name and renames it into
/// place. GUI thread (or the one thread using it).
class TIniFile {
public:
  /// Reads the file in the encoding (UTF-8 unless told otherwise; a
  /// byte-order mark decides over it).
  explicit TIniFile(const QString& fileName, TIniEncoding encoding = TIniEncoding::Utf8);

  QString FileName() const { return m_fileName; }
  QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
  /// A decimal integer (optionally "0x" hexadecimal); the default when the
  /// value is missing or not a number.
  int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
  bool ValueExists(const QString& section, const QString& key) const;
  bool SectionExists(const QString& section) const { return Find(section) != nullptr; }
  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteInteger(const QString& section, const QString& key, int value);
  /// An integer other than 0 is true; "1" and "0" are written.
  bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
  void WriteBool(const QString& section, const QString& key, bool value);
  /// A number in the C locale (a point as the decimal separator); the
  /// default when missing or not a number.
  double ReadFloat(const QString& section, const QString& key, double defaultValue) const;
  void WriteFloat(const QString& section, const QString& key, double value);
  /// ISO 8601 dates ("2026-12-10"), times ("21:05:00.250") and both
  /// ("2026-12-10T21:05:00.250"); the default when missing or unreadable.
  QDate ReadDate(const QString& section, const QString& key, const QDate& defaultValue) const;
  void WriteDate(const QString& section, const QString& key, const QDate& value);
  QTime ReadTime(const QString& section, const QString& key, const QTime& defaultValue) const;
  void WriteTime(const QString& section, const QString& key, const QTime& value);
  QDateTime ReadDateTime(const QString& section, const QString& key, const QDateTime& defaultValue) const;
  void WriteDateTime(const QString& section, const QString& key, const QDateTime& value);
  /// Bytes as hexadecimal digit pairs; empty when missing or not hexadecimal.
  QByteArray ReadBinaryStream(const QString& section, const QString& key) const;
  void WriteBinaryStream(const QString& section, const QString& key, const QByteArray& value);
  /// The keys of a section, the section names, and a section's "key=value" lines.
  QStringList ReadSection(const QString& section) const;
  QStringList ReadSections() const;
  QStringList ReadSectionValues(const QString& section) const;
  void EraseSection(const QString& section);
  void DeleteKey(const QString& section, const QString& key);

  TIniEncoding Encoding() const { return m_encoding; }
  void SetEncoding(TIniEncoding encoding) { m_encoding = encoding; }
  /// The content as the file holds it in the encoding.
  QByteArray Bytes() const;
  /// The whole content as text, as the file holds it.
  QString Text() const;
  /// Replaces the content with INI text.
  void SetText(const QString& text);
  /// Writes the file in the encoding; false with an error text when it cannot.
  bool UpdateFile(QString* error = nullptr) const;
  /// Writes the file or raises EIniFileException naming it and the reason.
  void UpdateFileOrRaise() const;

private:
  struct Section {
    QString name;
    QList<QPair<QString, QString>> values;
  };
  const Section* Find(const QString& section) const;
  qsizetype IndexOfOrAdd(const QString& section);
  static QString* FindKey(Section& section, const QString& key);

  QString m_fileName;
  TIniEncoding m_encoding = TIniEncoding::Utf8;
  QList<Section> m_sections;
};
