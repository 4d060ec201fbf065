#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "tools/plotgallery/PlotGallery.h"

TEST(PlotGallery, writesEverySheet) {
  QTemporaryDir dir;
  QString error;
  const QStringList written = PlotGallery::WriteAll(dir.filePath(QStringLiteral("out")), &error);
  ASSERT_FALSE(written.isEmpty()) << error.toStdString();
  for (const QString& name :
       {QStringLiteral("plot-tables.png"), QStringLiteral("plot-hint.png"), QStringLiteral("plot-layout.png"),
        QStringLiteral("plot-preview.png"), QStringLiteral("plot-printed-pages.png"),
        QStringLiteral("plot-editor-control-general.png"), QStringLiteral("plot-editor-layout.png"),
        QStringLiteral("plot-editor-labels-general.png"), QStringLiteral("plot-editor-tables-grid.png")}) {
    const QImage image(dir.filePath(QStringLiteral("out/") + name));
    EXPECT_FALSE(image.isNull()) << name.toStdString();
  }
}
