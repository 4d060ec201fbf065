#include "plot/core/TiPlotTranslationManager.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include "platform/AnsiCodePage.h"
#include "plot/base/EPlotError.h"

TiPlotTranslationObject& TiPlotTranslationManager::Items(int index) const {
  if (index < 0 || index >= Count()) {
    throw EPlotError(QStringLiteral("List index out of bounds (%1)").arg(index));
  }
  return *m_list[index];
}

TiPlotTranslationObject& TiPlotTranslationManager::CreateObject() {
  m_list.insert(m_list.begin(), std::make_unique<TiPlotTranslationObject>());
  return *m_list.front();
}

int TiPlotTranslationManager::Add() {
  CreateObject();
  return 0;
}

void TiPlotTranslationManager::Delete(int index) {
  Items(index);
  m_list.erase(m_list.begin() + index);
}

void TiPlotTranslationManager::Clear() { m_list.clear(); }

QString TiPlotTranslationManager::FindReplacement(const QString& text) const {
  for (const auto& entry : m_list) {
    if (entry->OriginalString == text) {
      return entry->ReplacementString;
    }
  }
  return text;
}

void TiPlotTranslationManager::SaveToFile(const QString& fileName) const {
  QByteArray bytes;
  for (const auto& entry : m_list) {
    bytes += WideToAnsi(entry->OriginalString + QLatin1Char('\t') + entry->ReplacementString);
    bytes += "\r\n";
  }
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    throw EPlotError(QStringLiteral("Error Saving Translation Data - ") + file.errorString());
  }
}

namespace {

/// The file's text: a byte-order mark selects UTF-8 or UTF-16, otherwise
/// the system's 8-bit code page.
QString DecodeText(const QByteArray& bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
    const auto encoding = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    QString text = decoder(bytes);
    if (text.startsWith(QChar(0xFEFF))) {
      text.remove(0, 1);
    }
    return text;
  }
  QString text;
  qsizetype start = 0;
  // AnsiToWide stops at a zero byte; convert zero-separated runs so a
  // stray zero does not end the file.
  while (start <= bytes.size()) {
    qsizetype end = bytes.indexOf('\0', start);
    if (end < 0) {
      end = bytes.size();
    }
    text += AnsiToWide(QByteArrayView(bytes.constData() + start, end - start));
    start = end + 1;
  }
  return text;
}

}  // namespace

void TiPlotTranslationManager::LoadFromFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    throw EPlotError(QStringLiteral("Error Loading Data - ") + file.errorString());
  }
  QString text = DecodeText(file.readAll());
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QStringList lines = text.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) {
    lines.removeLast();
  }
  Clear();
  for (const QString& line : lines) {
    const int tab = line.indexOf(QLatin1Char('\t'));
    if (tab < 0) {
      throw EPlotError(QStringLiteral("Error Loading Data - Invalid Format - Tab Deliminator Missing"));
    }
    TiPlotTranslationObject& entry = CreateObject();
    entry.OriginalString = line.left(tab);
    entry.ReplacementString = line.mid(tab + 1);
  }
}
