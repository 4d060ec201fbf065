#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "tools/editorcontrols/EditorControlsSheet.h"

TEST(EditorControlsSheet, writesTheSheetAsPng) {
  QTemporaryDir dir;
  QString error;
  const QString written = EditorControlsSheet::Write(dir.filePath(QStringLiteral("out")), &error);
  ASSERT_FALSE(written.isEmpty()) << error.toStdString();
  const QImage image(written);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(620, 400));
}

TEST(EditorControlsSheet, refusesAFolderItCannotCreate) {
  QString error;
  EXPECT_TRUE(EditorControlsSheet::Write(QStringLiteral("/proc/no/such/folder"), &error).isEmpty());
  EXPECT_FALSE(error.isEmpty());
}
