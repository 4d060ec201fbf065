#include "plot/core/TiPlotTranslationManager.h"

#include <QStringList>

#include "plot/base/EPlotError.h"
#include "plot/base/iTextFile.h"

TiPlotTranslationObject& TiPlotTranslationManager::Items(int index) const {
  if (index < 0 || index >= Count()) {
    ThrowListIndexError(index);
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
  QStringList lines;
  for (const auto& entry : m_list) {
    lines << entry->OriginalString + QLatin1Char('\t') + entry->ReplacementString;
  }
  try {
    WriteTextFileLines(fileName, lines);
  } catch (const EPlotError& e) {
    throw EPlotError(QStringLiteral("Error Saving Translation Data - ") + e.Message());
  }
}

void TiPlotTranslationManager::LoadFromFile(const QString& fileName) {
  QStringList lines;
  try {
    lines = ReadTextFileLines(fileName);
  } catch (const EPlotError& e) {
    throw EPlotError(QStringLiteral("Error Loading Data - ") + e.Message());
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
