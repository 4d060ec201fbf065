#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/files/TIniFile.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/FixturePath.h"

namespace {
// [Setup] holds Port=COM1 and Baud; a later [SETUP] repeats Port=COM7 and adds Language.
QString CopyOfDuplicateSections(const QTemporaryDir& dir) {
  const QString path = dir.filePath(QStringLiteral("settings.ini"));
  QFile::copy(QString::fromStdString(FixturePath("platform/fixtures/duplicate_sections.ini")), path);
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
  return path;
}
}  // namespace

TEST(TIniFile, sectionsDifferingOnlyInCaseAreMergedIntoTheFirst) {
  QTemporaryDir dir;
  const TIniFile ini(CopyOfDuplicateSections(dir));
  EXPECT_EQ(ini.ReadString(QStringLiteral("setup"), QStringLiteral("Port"), {}), QStringLiteral("COM1"));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Setup"), QStringLiteral("Language"), {}), QStringLiteral("en"));
  EXPECT_EQ(ini.Text(), QStringLiteral("[Setup]\r\nPort=COM1\r\nBaud=9600\r\nLanguage=en\r\n\r\n"
                                       "[Other]\r\nA=1\r\n\r\n"));
}

TEST(TIniFile, writtenValueIsReadBackAfterReopeningAFileWithDuplicateSections) {
  QTemporaryDir dir;
  const QString path = CopyOfDuplicateSections(dir);
  {
    TIniFile ini(path);
    ini.WriteString(QStringLiteral("SETUP"), QStringLiteral("Port"), QStringLiteral("COM3"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Setup"), QStringLiteral("Port"), {}), QStringLiteral("COM3"));
    ASSERT_TRUE(ini.UpdateFile());
  }
  const TIniFile reopened(path);
  EXPECT_EQ(reopened.ReadString(QStringLiteral("Setup"), QStringLiteral("Port"), {}), QStringLiteral("COM3"));
}

TEST(TIniFile, aWriteCutShortLeavesTheFileAsItWas) {
  QTemporaryDir dir;
  const QString path = CopyOfDuplicateSections(dir);
  QFile original(path);
  ASSERT_TRUE(original.open(QIODevice::ReadOnly));
  const QByteArray before = original.readAll();
  original.close();

  TIniFile ini(path);
  ini.WriteString(QStringLiteral("Setup"), QStringLiteral("Long"), QString(4096, QLatin1Char('x')));
  QString error;
  {
    const FileSizeLimit limit(64);
    ASSERT_TRUE(limit.Active());
    EXPECT_FALSE(ini.UpdateFile(&error));
  }
  EXPECT_FALSE(error.isEmpty());
  ASSERT_TRUE(original.open(QIODevice::ReadOnly));
  EXPECT_EQ(original.readAll(), before);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("settings.ini")});
}
