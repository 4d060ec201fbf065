#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "tools/widgetgallery/WidgetGallery.h"

TEST(WidgetGallery, writesEverySheetAsPng) {
  QTemporaryDir dir;
  QString error;
  const QStringList written = WidgetGallery::WriteAll(dir.filePath(QStringLiteral("out")), &error);
  ASSERT_FALSE(written.isEmpty()) << error.toStdString();
  for (const QString& path : written) {
    const QImage image(path);
    EXPECT_FALSE(image.isNull()) << path.toStdString();
  }
  for (const char* name : {"panels.png", "labels.png", "combo_boxes.png", "push_buttons.png", "bitmap_buttons.png",
                           "led_buttons.png", "band_row.png", "docking.png", "hatches.png",
                           "path_gradients.png"}) {
    EXPECT_TRUE(written.contains(dir.filePath(QStringLiteral("out/") + QLatin1String(name)))) << name;
  }
  const QImage leds(dir.filePath(QStringLiteral("out/led_buttons.png")));
  ASSERT_FALSE(leds.isNull());
  EXPECT_EQ(leds.pixel(2, leds.height() - 2) & 0xFFFFFF, 0u);  // on black
}

TEST(WidgetGallery, refusesAFolderItCannotCreate) {
  QString error;
  EXPECT_TRUE(WidgetGallery::WriteAll(QStringLiteral("/proc/no/such/folder"), &error).isEmpty());
  EXPECT_FALSE(error.isEmpty());
}
