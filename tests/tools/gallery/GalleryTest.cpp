#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "tools/gallery/Gallery.h"

TEST(Gallery, writesEveryFrameStyleAndGradientAsPng) {
  QTemporaryDir dir;
  QString error;
  const QStringList written = Gallery::WriteAll(dir.filePath(QStringLiteral("out")), &error);
  ASSERT_FALSE(written.isEmpty()) << error.toStdString();
  EXPECT_EQ(written.size(), 12 * 2 + 10 + 1);
  for (const QString& path : written) {
    QImage image(path);
    EXPECT_FALSE(image.isNull()) << path.toStdString();
  }
  const QImage up(dir.filePath(QStringLiteral("out/gradient_gdDiagonalUp.png")));
  ASSERT_FALSE(up.isNull());
  EXPECT_GT(qGray(up.pixel(0, up.height() - 1)), 200);  // white start at the bottom-left
  EXPECT_LT(qGray(up.pixel(up.width() - 1, 0)), 60);    // navy stop at the top-right
}

TEST(Gallery, refusesAFolderItCannotCreate) {
  QString error;
  EXPECT_TRUE(Gallery::WriteAll(QStringLiteral("/proc/no/such/folder"), &error).isEmpty());
  EXPECT_FALSE(error.isEmpty());
}
