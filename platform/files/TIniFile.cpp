#include "platform/files/TIniFile.h"

#include <cctype>

#include <QFile>
#include <QStringConverter>

#include "platform/text/AnsiCodePage.h"
#include "platform/text/IniValueText.h"
#include "platform/files/WriteWholeFile.h"

namespace {

QString Decode(const QByteArray& bytes, TIniEncoding encoding) {
  if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || bytes.startsWith("\xEF\xBB\xBF")) {
    QStringDecoder decoder(QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8));
    return decoder.decode(bytes);
  }
  switch (encoding) {
  case TIniEncoding::Default:
    return AnsiToWide(bytes);
  case TIniEncoding::Utf16: {
    QStringDecoder decoder(QStringConverter::Utf16LE);
    return decoder.decode(bytes);
  }
  case TIniEncoding::Utf8:
    break;
  }
  return QString::fromUtf8(bytes);
}

}  // namespace

TIniFile::TIniFile(const QString& fileName, TIniEncoding encoding) : m_fileName(fileName), m_encoding(encoding) {
  QFile file(fileName);
  if (file.open(QIODevice::ReadOnly)) {
    SetText(Decode(file.readAll(), encoding));
  }
}

// A section named twice (in any letter case) is merged into its first
// occurrence, and a key already there keeps its first value: what was read is
// what will be written back, and a write lands where the next read looks.
void TIniFile::SetText(const QString& text) {
  m_sections.clear();
  qsizetype current = -1;  // an index: appending a section moves the others
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (QString line : lines) {
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) {
      continue;
    }
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
      current = IndexOfOrAdd(line.mid(1, line.size() - 2));
      continue;
    }
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq > 0 && current >= 0) {
      Section& section = m_sections[current];
      const QString key = line.left(eq).trimmed();
      if (FindKey(section, key) == nullptr) {
        section.values.append({key, line.mid(eq + 1)});
      }
    }
  }
}

const TIniFile::Section* TIniFile::Find(const QString& section) const {
  for (const Section& s : m_sections) {
    if (s.name.compare(section, Qt::CaseInsensitive) == 0) {
      return &s;
    }
  }
  return nullptr;
}

qsizetype TIniFile::IndexOfOrAdd(const QString& section) {
  if (const Section* s = Find(section)) {
    return s - m_sections.constData();
  }
  m_sections.append({section, {}});
  return m_sections.size() - 1;
}

QString* TIniFile::FindKey(Section& section, const QString& key) {
  for (auto& [k, v] : section.values) {
    if (k.compare(key, Qt::CaseInsensitive) == 0) {
      return &v;
    }
  }
  return nullptr;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const {
  if (const Section* s = Find(section)) {
    for (const auto& [k, v] : s->values) {
      if (k.compare(key, Qt::CaseInsensitive) == 0) {
        return v;
      }
    }
  }
  return defaultValue;
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const {
  const QString text = ReadString(section, key, QString()).trimmed();
  bool ok = false;
  const int value = text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive) ? text.mid(2).toInt(&ok, 16)
                                                                               : text.toInt(&ok, 10);
  return ok ? value : defaultValue;
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const {
  return !ReadString(section, key, QString()).isNull();
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  Section& target = m_sections[IndexOfOrAdd(section)];
  if (QString* existing = FindKey(target, key)) {
    *existing = value;
    return;
  }
  target.values.append({key, value});
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value) {
  WriteString(section, key, QString::number(value));
}

QString TIniFile::Text() const {
  QString text;
  for (const Section& s : m_sections) {
    text += QLatin1Char('[') + s.name + QStringLiteral("]\r\n");
    for (const auto& [k, v] : s.values) {
      text += k + QLatin1Char('=') + v + QStringLiteral("\r\n");
    }
    text += QStringLiteral("\r\n");
  }
  return text;
}

QByteArray TIniFile::Bytes() const {
  const QString text = Text();
  switch (m_encoding) {
  case TIniEncoding::Default:
    return WideToAnsi(text);
  case TIniEncoding::Utf16: {
    QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
  }
  case TIniEncoding::Utf8:
    break;
  }
  return text.toUtf8();
}

bool TIniFile::UpdateFile(QString* error) const { return WriteWholeFile(m_fileName, Bytes(), error); }

void TIniFile::UpdateFileOrRaise() const {
  QString reason;
  if (!UpdateFile(&reason)) {
    throw EIniFileException(QStringLiteral("Cannot write \"%1\": %2").arg(m_fileName, reason).toStdString());
  }
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value) {
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

double TIniFile::ReadFloat(const QString& section, const QString& key, double defaultValue) const {
  return IniValueText::ToFloat(ReadString(section, key, QString()), defaultValue);
}

void TIniFile::WriteFloat(const QString& section, const QString& key, double value) {
  WriteString(section, key, IniValueText::FromFloat(value));
}

QDate TIniFile::ReadDate(const QString& section, const QString& key, const QDate& defaultValue) const {
  return IniValueText::ToDate(ReadString(section, key, QString()), defaultValue);
}

void TIniFile::WriteDate(const QString& section, const QString& key, const QDate& value) {
  WriteString(section, key, IniValueText::FromDate(value));
}

QTime TIniFile::ReadTime(const QString& section, const QString& key, const QTime& defaultValue) const {
  return IniValueText::ToTime(ReadString(section, key, QString()), defaultValue);
}

void TIniFile::WriteTime(const QString& section, const QString& key, const QTime& value) {
  WriteString(section, key, IniValueText::FromTime(value));
}

QDateTime TIniFile::ReadDateTime(const QString& section, const QString& key, const QDateTime& defaultValue) const {
  return IniValueText::ToDateTime(ReadString(section, key, QString()), defaultValue);
}

void TIniFile::WriteDateTime(const QString& section, const QString& key, const QDateTime& value) {
  WriteString(section, key, IniValueText::FromDateTime(value));
}

QByteArray TIniFile::ReadBinaryStream(const QString& section, const QString& key) const {
  const QByteArray text = ReadString(section, key, QString()).trimmed().toLatin1();
  if (text.size() % 2 != 0) {
    return {};
  }
  for (const char c : text) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) {
      return {};
    }
  }
  return QByteArray::fromHex(text);
}

void TIniFile::WriteBinaryStream(const QString& section, const QString& key, const QByteArray& value) {
  WriteString(section, key, QString::fromLatin1(value.toHex().toUpper()));
}

QStringList TIniFile::ReadSection(const QString& section) const {
  QStringList keys;
  if (const Section* s = Find(section)) {
    for (const auto& [k, v] : s->values) {
      keys << k;
    }
  }
  return keys;
}

QStringList TIniFile::ReadSections() const {
  QStringList names;
  for (const Section& s : m_sections) {
    names << s.name;
  }
  return names;
}

QStringList TIniFile::ReadSectionValues(const QString& section) const {
  QStringList lines;
  if (const Section* s = Find(section)) {
    for (const auto& [k, v] : s->values) {
      lines << k + QLatin1Char('=') + v;
    }
  }
  return lines;
}

void TIniFile::EraseSection(const QString& section) {
  if (const Section* s = Find(section)) {
    m_sections.removeAt(s - m_sections.constData());
  }
}

void TIniFile::DeleteKey(const QString& section, const QString& key) {
  if (const Section* s = Find(section)) {
    Section& target = m_sections[s - m_sections.constData()];
    for (qsizetype i = 0; i < target.values.size(); ++i) {
      if (target.values[i].first.compare(key, Qt::CaseInsensitive) == 0) {
        target.values.removeAt(i);
        return;
      }
    }
  }
}
