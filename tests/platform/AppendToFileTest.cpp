#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/files/AppendToFile.h"
#include "tests/support/FileSizeLimit.h"

namespace {

QByteArray Contents(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

}  // namespace

TEST(AppendToFile, AppendsToAnExistingFileOnly) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("log"));
  QString error;
  EXPECT_FALSE(AppendToFile(name, "x", &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(QFile::exists(name));

  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("head\r\n");
  file.close();
  EXPECT_TRUE(AppendToFile(name, "row 1\r\n"));
  EXPECT_TRUE(AppendToFile(name, {}));
  EXPECT_TRUE(AppendToFile(name, "row 2\r\n"));
  EXPECT_EQ(Contents(name), QByteArray("head\r\nrow 1\r\nrow 2\r\n"));

  ASSERT_TRUE(QFile::remove(name));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("log")));
  EXPECT_FALSE(AppendToFile(name, "row 3\r\n", &error));
}

TEST(AppendToFile, AWriteCutShortIsUndone) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("log"));
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("head\r\n");
  file.close();
  QString error;
  {
    const FileSizeLimit limit(10);
    ASSERT_TRUE(limit.Active());
    EXPECT_FALSE(AppendToFile(name, "a row of twenty bytes", &error));
  }
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(Contents(name), QByteArray("head\r\n"));
}
