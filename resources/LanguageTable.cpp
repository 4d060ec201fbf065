#include "resources/LanguageTable.h"

#include <algorithm>
#include <utility>

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

bool IsComment(const QString& line) { return line.startsWith(QLatin1String("//")); }

bool IsKey(const QString& line) {
  static const QRegularExpression pattern(QStringLiteral("^SID_[A-Z0-9_]+$"));
  return pattern.match(line).hasMatch();
}

// Walks the table as it is laid out: comments and key lines where a key is
// due, each key line taking the following line as its text.
template <typename Visit>
void ForEachKeyLine(const QStringList& lines, Visit visit) {
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (!IsComment(lines[i])) {
      visit(lines[i]);
      ++i;
    }
  }
}

void SetError(QString* error, const QString& text) {
  if (error) {
    *error = text;
  }
}

}  // namespace

LanguageTable::LanguageTable(QStringList lines) : m_lines(std::move(lines)) {}

std::optional<LanguageTable> LanguageTable::Load(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    SetError(error, QStringLiteral("text table %1 cannot be read: %2").arg(path, file.errorString()));
    return std::nullopt;
  }
  return Parse(file.readAll(), path, error);
}

std::optional<LanguageTable> LanguageTable::Parse(const QByteArray& utf8, const QString& path, QString* error) {
  QStringDecoder decoder(QStringDecoder::Utf8);
  const QString text = decoder.decode(utf8);
  if (decoder.hasError()) {
    SetError(error, QStringLiteral("text table %1 is not UTF-8 text").arg(path));
    return std::nullopt;
  }
  QStringList lines = text.split(QLatin1Char('\n'));
  if (text.endsWith(QLatin1Char('\n'))) {
    lines.removeLast();
  }
  for (QString& line : lines) {
    if (line.endsWith(QLatin1Char('\r'))) {
      line.chop(1);
    }
  }
  if (lines.isEmpty() || lines.first() != QLatin1String(FirstLine)) {
    SetError(error, QStringLiteral("text table %1 does not begin with the line \"%2\"").arg(path, QLatin1String(FirstLine)));
    return std::nullopt;
  }
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (IsComment(lines[i])) {
      continue;
    }
    const QString where = QStringLiteral("text table %1, line %2: ").arg(path).arg(i + 1);
    if (!IsKey(lines[i])) {
      SetError(error, where + QStringLiteral("expected a key (SID_...) or a comment (//...), found \"%1\"").arg(lines[i]));
      return std::nullopt;
    }
    if (++i == lines.size()) {
      SetError(error, where + QStringLiteral("key %1 has no text line").arg(lines[i - 1]));
      return std::nullopt;
    }
  }
  return LanguageTable(std::move(lines));
}

bool LanguageTable::LoadPair(const QString& englishPath, const QString& simplifiedPath, LanguageTable& english,
                             LanguageTable& simplified, QString* error) {
  std::optional<LanguageTable> loadedEnglish = Load(englishPath, error);
  if (!loadedEnglish) {
    return false;
  }
  std::optional<LanguageTable> loadedSimplified = Load(simplifiedPath, error);
  if (!loadedSimplified) {
    return false;
  }
  const QStringList englishKeys = loadedEnglish->Keys();
  const QStringList simplifiedKeys = loadedSimplified->Keys();
  if (englishKeys != simplifiedKeys) {
    const auto [e, s] = std::mismatch(englishKeys.begin(), englishKeys.end(), simplifiedKeys.begin(), simplifiedKeys.end());
    const QString expected = e == englishKeys.end() ? QStringLiteral("the end of the table") : *e;
    const QString found = s == simplifiedKeys.end() ? QStringLiteral("the end of the table") : *s;
    SetError(error, QStringLiteral("text table %1 does not hold the keys of %2 in their order: expected %3, found %4")
                        .arg(simplifiedPath, englishPath, expected, found));
    return false;
  }
  english = std::move(*loadedEnglish);
  simplified = std::move(*loadedSimplified);
  return true;
}

bool LanguageTable::LoadBuiltIn(LanguageTable& english, LanguageTable& simplified, QString* error) {
  // The tables are compiled into this static library, whose resource
  // registration the linker would otherwise drop.
  Q_INIT_RESOURCE(languages);
  return LoadPair(QString::fromLatin1(EnglishResource), QString::fromLatin1(SimplifiedResource), english, simplified,
                  error);
}

QString LanguageTable::LookUpText(const QString& key) const {
  const auto match = std::find_if(m_lines.begin(), m_lines.end(), [&key](const QString& line) {
    return line.compare(key, Qt::CaseInsensitive) == 0;
  });
  const qsizetype index = match == m_lines.end() ? -1 : match - m_lines.begin();
  // Only a line with no line after it cannot answer; the table's first line
  // stands in, as for a missing key.
  return index + 1 < m_lines.size() ? m_lines[index + 1] : m_lines.value(0);
}

bool LanguageTable::Contains(const QString& key) const { return Keys().contains(key, Qt::CaseInsensitive); }

QStringList LanguageTable::Keys() const {
  QStringList keys;
  ForEachKeyLine(m_lines, [&keys](const QString& key) {
    if (!keys.contains(key)) {
      keys.append(key);
    }
  });
  return keys;
}
