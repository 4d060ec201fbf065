#include "platform/TIniFile.h"

#include <QFile>
#include <QStringConverter>
#include <QTextStream>

#include "platform/WriteWholeFile.h"

TIniFile::TIniFile(const QString& fileName) : m_fileName(fileName) {
  QFile file(fileName);
  if (file.open(QIODevice::ReadOnly)) {
    SetText(QString::fromUtf8(file.readAll()));
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

bool TIniFile::UpdateFile(QString* error) const { return WriteWholeFile(m_fileName, Text().toUtf8(), error); }
