#include <sys/stat.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/files/ReadWholeFile.h"

namespace {

TEST(ReadWholeFile, readsUpToTheCapAndRefusesWhatIsNotARegularFile) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QFile file(folder.filePath("ten"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write("0123456789"), 10);
  file.close();

  QByteArray bytes;
  ASSERT_TRUE(ReadWholeFile(folder.filePath("ten"), 100, bytes));
  EXPECT_EQ(bytes, "0123456789");
  ASSERT_TRUE(ReadWholeFile(folder.filePath("ten"), 4, bytes));
  EXPECT_EQ(bytes, "0123") << "a longer file is seen as longer, and read no further";

  ASSERT_TRUE(QDir(folder.path()).mkdir("folder"));
  ASSERT_EQ(mkfifo(folder.filePath("fifo").toLocal8Bit().constData(), 0600), 0);
  for (const char* name : {"folder", "fifo", "missing"}) {
    QByteArray kept("kept");
    QString error;
    EXPECT_FALSE(ReadWholeFile(folder.filePath(name), 100, kept, &error)) << name;
    EXPECT_EQ(kept, "kept") << name;
    EXPECT_FALSE(error.isEmpty()) << name;
  }
}

}  // namespace
