#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "app/TfmMain.h"
#include "tools/windowgallery/WindowGallery.h"

TEST(WindowGallery, writesEveryPageInBothLanguagesTheStretchedShotAndTheSheet) {
  QTemporaryDir dir;
  QString error;
  const WindowGallery::Result result = WindowGallery::WriteAll(dir.filePath(QStringLiteral("out")), &error);
  ASSERT_FALSE(result.written.isEmpty()) << error.toStdString();
  for (const char* name : {"en-00-InA.png", "en-11-Gain.png", "zh-12-Matrix.png", "zh-14-Limit.png"}) {
    const QImage page(dir.filePath(QStringLiteral("out/") + QLatin1String(name)));
    ASSERT_FALSE(page.isNull()) << name;
    // A page is the window without frame and caption: the client area of the
    // design size with the menu bar above it.
    EXPECT_EQ(page.width(), TfmMain::DesignClientWidth) << name;
    EXPECT_GT(page.height(), TfmMain::DesignClientHeight) << name;
    EXPECT_LT(page.height(), TfmMain::DesignHeight) << name;
  }
  for (const char* name : {"en-dialog-StorePreset.png", "zh-dialog-Process.png", "en-dialog-FirDesignImported.png",
                           "zh-dialog-PeqRst.png", "en-fir-Out2-FIR-designer.png", "en-fir-InA-import.png",
                           "en-dialog-Rs232CmdEnglish.png", "zh-dialog-Rs232Cmd.png", "zh-dialog-InOutSelect.png",
                           "en-dialog-LockPassWord.png", "zh-dialog-PanelLockSetup.png", "zh-dialog-HidData.png"}) {
    EXPECT_FALSE(QImage(dir.filePath(QStringLiteral("out/") + QLatin1String(name))).isNull()) << name;
  }
  EXPECT_EQ(QImage(dir.filePath(QStringLiteral("out/stretched.png"))).size(), QSize(1400, 900));
  EXPECT_FALSE(QImage(dir.filePath(QStringLiteral("out/sheet.png"))).isNull());
  EXPECT_GT(result.firstPaintMilliseconds, 0.0);
  EXPECT_GT(result.residentKilobytes, 0);
}

TEST(WindowGallery, refusesAFolderItCannotCreate) {
  QString error;
  EXPECT_TRUE(WindowGallery::WriteAll(QStringLiteral("/proc/no/such/folder"), &error).written.isEmpty());
  EXPECT_FALSE(error.isEmpty());
}
