#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "resources/LanguageTable.h"
#include "tests/support/FixturePath.h"

namespace {

// Folders of the repository that hold no program code: the tests themselves
// (which use missing keys on purpose), build trees and tool state.
bool IsSkippedFolder(const QDir& dir) {
  const QString name = dir.dirName();
  return name.startsWith(QLatin1Char('.')) || name == QLatin1String("tests") || dir.exists(QStringLiteral("CMakeCache.txt"));
}

void CollectSources(const QDir& dir, QStringList& files) {
  if (IsSkippedFolder(dir)) {
    return;
  }
  const QStringList codePatterns = {QStringLiteral("*.h"), QStringLiteral("*.cpp")};
  for (const QString& name : dir.entryList(codePatterns, QDir::Files)) {
    files.append(dir.filePath(name));
  }
  for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    CollectSources(QDir(dir.filePath(name)), files);
  }
}

// A literal is a key of the tables, or the stem of numbered keys that code
// composes ("SID_EQ_TYPE" + index).
bool IsKnown(const QString& literal, const LanguageTable& table) {
  if (table.Contains(literal)) {
    return true;
  }
  const QRegularExpression numbered(QStringLiteral("^%1[0-9]+$").arg(QRegularExpression::escape(literal)),
                                    QRegularExpression::CaseInsensitiveOption);
  return !table.Keys().filter(numbered).isEmpty();
}

}  // namespace

TEST(TextKeyScan, EverySidLiteralInTheCodeHasATextInBothTables) {
  LanguageTable english;
  LanguageTable simplified;
  QString error;
  ASSERT_TRUE(LanguageTable::LoadBuiltIn(english, simplified, &error)) << error.toStdString();

  QDir root(QString::fromStdString(FixturePath("")));
  ASSERT_TRUE(root.cdUp());
  ASSERT_TRUE(root.exists(QStringLiteral("resources/LanguageTable.h"))) << root.path().toStdString();
  QStringList files;
  for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    CollectSources(QDir(root.filePath(name)), files);
  }

  const QRegularExpression literal(QStringLiteral("\"(SID_[A-Za-z0-9_]+)\""));
  QStringList unknown;
  for (const QString& path : files) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    int lineNumber = 0;
    while (!file.atEnd()) {
      const QString line = QString::fromUtf8(file.readLine());
      ++lineNumber;
      for (auto it = literal.globalMatch(line); it.hasNext();) {
        const QString key = it.next().captured(1);
        if (!IsKnown(key, english) || !IsKnown(key, simplified)) {
          unknown.append(QStringLiteral("%1:%2: %3").arg(root.relativeFilePath(path)).arg(lineNumber).arg(key));
        }
      }
    }
  }
  EXPECT_TRUE(unknown.isEmpty()) << "keys without a text:\n" << unknown.join(QLatin1Char('\n')).toStdString();
}
