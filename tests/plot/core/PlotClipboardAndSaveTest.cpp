#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>

#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/TMetafile.h"
#include "platform/pictures/TPicture.h"
#include "platform/widgets/FileChooser.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotObject.h"
#include "tests/plot/ErrorOf.h"

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 200;

QImage PlotImage(TiPlotComponent& plot) {
  TBitmap bitmap(kWidth, kHeight);
  plot.iPaintTo(bitmap.Canvas());
  return bitmap.Image().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(PlotClipboard, EachFormat_putsItsTypesAndRestoresEveryToolBar) {
  TiPlot plot;
  plot.SetBounds(0, 0, kWidth, kHeight);
  plot.Master().AddToolBar();
  TiPlotKindManager& toolBars = plot.Master().ToolBarManager();
  toolBars.Items(1)->SetVisible(false);
  // What is copied is the plot without its toolbars.
  toolBars.Items(0)->SetVisible(false);
  const QImage withoutToolBars = PlotImage(plot);
  toolBars.Items(0)->SetVisible(true);

  struct Case {
    TiPlotExportFormat format;
    const char* mimeType;
  };
  for (const Case& c : {Case{TiPlotExportFormat::ipefMetaFile, "image/emf"},
                        Case{TiPlotExportFormat::ipefBitmap, nullptr},
                        Case{TiPlotExportFormat::ipefJPEG, "image/jpeg"}}) {
    QGuiApplication::clipboard()->clear();
    plot.StoredSettings().CopyToClipBoardFormat = c.format;
    plot.CopyToClipBoard();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasImage());
    const QImage image = qvariant_cast<QImage>(data->imageData()).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.size(), QSize(kWidth, kHeight));
    if (c.format == TiPlotExportFormat::ipefJPEG) {
      QImage decoded;
      ASSERT_TRUE(JpegCodec::Decode(data->data(QStringLiteral("image/jpeg")), decoded, nullptr));
      EXPECT_EQ(decoded.size(), QSize(kWidth, kHeight));
    } else {
      EXPECT_EQ(image, withoutToolBars) << int(c.format);
    }
    if (c.mimeType != nullptr) {
      EXPECT_TRUE(data->hasFormat(QLatin1String(c.mimeType))) << c.mimeType;
    }
    EXPECT_TRUE(toolBars.Items(0)->Visible());
    EXPECT_FALSE(toolBars.Items(1)->Visible());
  }
  const QByteArray emfStart = QByteArray::fromRawData("\x01\0\0\0", 4);
  plot.StoredSettings().CopyToClipBoardFormat = TiPlotExportFormat::ipefMetaFile;
  plot.CopyToClipBoard();
  EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("image/emf")).startsWith(emfStart));
}

TEST(PlotClipboard, PlotWithoutToolBar_copies) {
  TiPlot plot;
  plot.SetBounds(0, 0, kWidth, kHeight);
  plot.RemoveAll(plot.Master().ToolBarManager());
  plot.StoredSettings().CopyToClipBoardFormat = TiPlotExportFormat::ipefBitmap;
  EXPECT_EQ(ErrorOf([&] { plot.CopyToClipBoard(); }), QString());
  EXPECT_EQ(qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData()).size(),
            QSize(kWidth, kHeight));
}

TEST(PlotSnapShot, SamePictureEveryTime_holdingThePlotsMetafile) {
  TiPlot plot;
  plot.SetBounds(0, 0, kWidth, kHeight);
  TPicture& first = plot.GetSnapShotPicture();
  TPicture& second = plot.GetSnapShotPicture();
  EXPECT_EQ(&first, &second);
  auto* metafile = dynamic_cast<TMetafile*>(first.Graphic());
  ASSERT_NE(metafile, nullptr);
  EXPECT_EQ(metafile->Description(), QStringLiteral("iPlot"));
  EXPECT_EQ(metafile->Width(), kWidth);
  EXPECT_EQ(metafile->ToImage().convertToFormat(QImage::Format_RGB32), PlotImage(plot));
}

TEST(PlotSave, ChosenNameAndFilter_pickTheFormat) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  TiPlot plot;
  plot.SetBounds(0, 0, kWidth, kHeight);
  plot.StoredSettings().DefaultSaveImageDirectory = dir.path();
  plot.StoredSettings().DefaultSaveImageFormat = TiPlotImageFormatStyle::ipifPNG;
  struct Case {
    const char* chosen;
    int filterIndex;
    const char* written;
    const char* format;
  };
  const Case cases[] = {
      {"a.bmp", 4, "a.bmp", "BMP"},          {"b.PNG", 1, "b.PNG", "PNG"},
      {"c.Jpg", 1, "c.Jpg", "JPEG"},         {"d", 3, "d.jpg", "JPEG"},
      {"e.txt", 4, "e.txt.png", "PNG"},      {"f.emf", 1, "f.emf", nullptr},
  };
  for (const Case& c : cases) {
    FileDialogChoice asked;
    FileChooser::SetFilesHook([&](const FileDialogChoice& choice) {
      asked = choice;
      return FileAnswer{{dir.filePath(QLatin1String(c.chosen))}, c.filterIndex};
    });
    plot.Save();
    FileChooser::SetFilesHook(nullptr);
    EXPECT_EQ(asked.filterIndex, 4);
    EXPECT_EQ(asked.initialPath, QStringLiteral("Untitled"));
    EXPECT_EQ(asked.directory, dir.path());
    EXPECT_EQ(asked.filter, QStringLiteral("Bitmap (*.bmp)|*.bmp|Enhanced Metafile (*.emf)|*.emf|"
                                           "JPEG File (*.jpg)|*.jpg|PNG (*.png)|*.png"));
    const QString written = dir.filePath(QLatin1String(c.written));
    ASSERT_TRUE(QFile::exists(written)) << c.written;
    if (c.format != nullptr) {
      const QImage image(written, c.format);
      EXPECT_EQ(image.size(), QSize(kWidth, kHeight)) << c.written;
    }
  }
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("d"))));
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("e.txt"))));

  // A failed write raises and leaves the file that was there.
  const QString kept = dir.filePath(QStringLiteral("kept"));
  {
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old");
  }
  FileChooser::SetFilesHook([&](const FileDialogChoice&) { return FileAnswer{{kept + "/x.png"}, 4}; });
  EXPECT_FALSE(ErrorOf([&] { plot.Save(); }).isEmpty());
  FileChooser::SetFilesHook([](const FileDialogChoice&) { return std::optional<FileAnswer>(); });
  plot.Save();
  FileChooser::SetFilesHook(nullptr);
  QFile file(kept);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("old"));
}
