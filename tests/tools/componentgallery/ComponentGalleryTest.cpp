#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "tools/componentgallery/ComponentGallery.h"

TEST(ComponentGallery, writesEveryPictureAsPng) {
  QTemporaryDir dir;
  QString error;
  const QStringList written = ComponentGallery::WriteAll(dir.filePath(QStringLiteral("out")), &error);
  ASSERT_EQ(written.size(), 4) << error.toStdString();
  for (const QString& path : written) {
    const QImage image(path);
    EXPECT_FALSE(image.isNull()) << path.toStdString();
  }
  EXPECT_EQ(QImage(dir.filePath(QStringLiteral("out/response-plot.png"))).size(), QSize(1070, 255));
}

TEST(ComponentGallery, refusesAFolderItCannotCreate) {
  QString error;
  EXPECT_TRUE(ComponentGallery::WriteAll(QStringLiteral("/proc/no/such/folder"), &error).isEmpty());
  EXPECT_FALSE(error.isEmpty());
}

// The selected band's translucent fill and the antialiased texts are
// composed once over the clean page, however often the page is shown.
TEST(ComponentGallery, responsePlotLooksTheSameAfterOneAndAHundredUpdates) {
  const QImage once = ComponentGallery::RenderResponsePlot(1);
  const QImage often = ComponentGallery::RenderResponsePlot(100);
  ASSERT_FALSE(once.isNull());
  EXPECT_EQ(once, often);
}
