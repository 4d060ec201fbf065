#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/TJPEGImage.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "tests/plot/ErrorOf.h"

namespace {

constexpr int kExportWidth = 420;
constexpr int kExportHeight = 260;

class PlotImageExport : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    plot.SetBounds(0, 0, kExportWidth, kExportHeight);
    for (int i = 0; i < 50; ++i) {
      plot.Channel(0)->AddXY(i, (i * 37) % 100);
    }
  }
  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  QImage Reference() {
    TBitmap bitmap(kExportWidth, kExportHeight);
    plot.iPaintTo(bitmap.Canvas());
    return bitmap.Image().convertToFormat(QImage::Format_RGB32);
  }
  static QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir dir;
  TiPlot plot;
};

quint32 U32(const QByteArray& bytes, int offset) {
  return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

bool HasMarker(const QByteArray& jpeg, unsigned char marker) {
  const char bytes[] = {char(0xFF), char(marker)};
  return jpeg.contains(QByteArray(bytes, 2));
}

}  // namespace

TEST_F(PlotImageExport, CompressionOutOfRange_raisesAndWritesNothing) {
  const QString jpeg = QStringLiteral("Compression must be in the range of 1-100");
  const QString png = QStringLiteral("Compression must be in the range of 0-9");
  EXPECT_EQ(ErrorOf([&] { plot.SaveImageToJPEG(Path("a.jpg"), 0, false); }), jpeg);
  EXPECT_EQ(ErrorOf([&] { plot.SaveImageToJPEG(Path("a.jpg"), 101, true); }), jpeg);
  EXPECT_EQ(ErrorOf([&] { plot.SaveImageToPNG(Path("a.png"), -1); }), png);
  EXPECT_EQ(ErrorOf([&] { plot.SaveImageToPNG(Path("a.png"), 10); }), png);
  EXPECT_EQ(ErrorOf([&] { plot.GetBytesJPEG(0, false); }), jpeg);
  EXPECT_EQ(ErrorOf([&] { plot.GetBytesPNG(10); }), png);
  EXPECT_EQ(ErrorOf([&] { plot.MakeJPEGImage(101, false); }), jpeg);
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
  // The lock is released on the error path: another thread can take it.
  std::thread other([&] {
    plot.Lock();
    plot.Unlock();
  });
  other.join();
}

TEST_F(PlotImageExport, EveryAcceptedLevel_decodesToThePlotsPicture) {
  const QImage reference = Reference();
  QImage::Format format = QImage::Format_RGB32;
  for (int quality : {1, 100}) {
    const QString path = Path("q.jpg");
    plot.SaveImageToJPEG(path, quality, false);
    QImage decoded;
    ASSERT_TRUE(JpegCodec::Decode(Read(path), decoded, nullptr));
    EXPECT_EQ(decoded.size(), QSize(kExportWidth, kExportHeight)) << quality;
  }
  for (int level : {0, 9}) {
    plot.SaveImageToPNG(Path(level == 0 ? "l0.png" : "l9.png"), level);
    const QImage decoded(Path(level == 0 ? "l0.png" : "l9.png"));
    EXPECT_EQ(decoded.convertToFormat(format), reference) << level;
  }
  EXPECT_GT(QFile(Path("l0.png")).size(), QFile(Path("l9.png")).size());
  EXPECT_EQ(plot.GetBytesPNG(9), Read(Path("l9.png")));
  EXPECT_TRUE(plot.GetBytesPNG(9).startsWith("\x89PNG\r\n\x1A\n"));
}

TEST_F(PlotImageExport, ProgressiveJpeg_hasProgressiveFrame) {
  plot.SaveImageToJPEG(Path("p.jpg"), 90, true);
  const QByteArray progressive = Read(Path("p.jpg"));
  EXPECT_TRUE(HasMarker(progressive, 0xC2));
  EXPECT_FALSE(HasMarker(progressive, 0xC0));
  const QByteArray baseline = plot.GetBytesJPEG(90, false);
  EXPECT_TRUE(HasMarker(baseline, 0xC0));
  EXPECT_FALSE(HasMarker(baseline, 0xC2));
  EXPECT_TRUE(HasMarker(plot.GetBytesJPEG(90, true), 0xC2));
  std::unique_ptr<TJPEGImage> image = plot.MakeJPEGImage(100, true);
  EXPECT_EQ(image->Width(), kExportWidth);
  QByteArray saved;
  ASSERT_TRUE(image->SaveToBytes(saved));
  EXPECT_TRUE(HasMarker(saved, 0xC2));
}

TEST_F(PlotImageExport, Metafile_isAnEmfHoldingThePlotsPicture) {
  plot.SaveImageToMetaFile(Path("a.emf"));
  const QByteArray emf = Read(Path("a.emf"));
  ASSERT_GT(emf.size(), 200);
  EXPECT_EQ(U32(emf, 0), 1u);                      // EMR_HEADER
  EXPECT_EQ(U32(emf, 40), 0x464D4520u);            // " EMF"
  EXPECT_EQ(U32(emf, 48), quint32(emf.size()));    // nBytes
  EXPECT_EQ(U32(emf, 52), 3u);                     // records
  const quint32 headerSize = U32(emf, 4);
  const quint32 descriptionChars = U32(emf, 60);
  const QString description = QString::fromUtf16(
      reinterpret_cast<const char16_t*>(emf.constData() + U32(emf, 64)), qsizetype(descriptionChars));
  EXPECT_EQ(description, QStringLiteral("Vivove") + QChar(0) + QChar(0) + QChar(0));
  // The picture record: a bottom-up 24-bit DIB of the plot's size.
  const int record = int(headerSize);
  EXPECT_EQ(U32(emf, record), 81u);  // EMR_STRETCHDIBITS
  const int bmi = record + int(U32(emf, record + 48));
  const int bits = record + int(U32(emf, record + 56));
  EXPECT_EQ(qint32(U32(emf, bmi + 4)), kExportWidth);
  EXPECT_EQ(qint32(U32(emf, bmi + 8)), kExportHeight);
  EXPECT_EQ(qFromLittleEndian<quint16>(emf.constData() + bmi + 14), 24);
  const QImage reference = Reference();
  const int stride = (kExportWidth * 3 + 3) / 4 * 4;
  bool same = true;
  for (int y = 0; y < kExportHeight && same; ++y) {
    const auto* row = reinterpret_cast<const uchar*>(emf.constData() + bits + (kExportHeight - 1 - y) * stride);
    for (int x = 0; x < kExportWidth && same; ++x) {
      const QRgb pixel = reference.pixel(x, y);
      same = row[3 * x] == qBlue(pixel) && row[3 * x + 1] == qGreen(pixel) && row[3 * x + 2] == qRed(pixel);
    }
  }
  EXPECT_TRUE(same);
  const int end = record + int(U32(emf, record + 4));
  EXPECT_EQ(U32(emf, end), 14u);  // EMR_EOF
  EXPECT_EQ(end + 20, emf.size());
}

TEST_F(PlotImageExport, FailedWrite_raisesAndKeepsTheOldFile) {
  const QString path = Path("keep.png");
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old");
  }
  EXPECT_FALSE(ErrorOf([&] { plot.SaveImageToPNG(Path("missing/dir/a.png"), 5); }).isEmpty());
  EXPECT_FALSE(ErrorOf([&] { plot.SaveImageToMetaFile(path + QStringLiteral("/under/a/file.emf")); }).isEmpty());
  EXPECT_EQ(Read(path), QByteArray("old"));
}

TEST_F(PlotImageExport, GetBytesJPEG_fromAWorkerWhileTheGuiThreadAddsPoints) {
  std::atomic<bool> done{false};
  QByteArray bytes;
  std::thread worker([&] {
    for (int i = 0; i < 5; ++i) {
      bytes = plot.GetBytesJPEG(80, false);
    }
    done = true;
  });
  double x = 50;
  while (!done) {
    plot.Lock();
    plot.Channel(0)->AddXY(x, x);
    plot.Unlock();
    x += 1;
  }
  worker.join();
  QImage decoded;
  ASSERT_TRUE(JpegCodec::Decode(bytes, decoded, nullptr));
  EXPECT_EQ(decoded.size(), QSize(kExportWidth, kExportHeight));
}
