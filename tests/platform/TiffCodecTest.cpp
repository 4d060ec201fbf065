#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>

#include "platform/pictures/TiffCodec.h"
#include "tests/support/FixturePath.h"

namespace {
QByteArray TiffFixture(const char* name) {
  QFile file(QString::fromStdString(FixturePath(std::string("platform/fixtures/") + name)));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

TEST(TiffCodec, LzwFileWithPredictor_decodesEveryPixelOpaque) {
  // Written by ImageMagick from a 3 x 2 PPM: LZW, horizontal predictor, little-endian.
  const QByteArray bytes = TiffFixture("rgb_3x2_lzw.tif");
  ASSERT_TRUE(TiffCodec::LooksLikeTiff(bytes));
  QImage image;
  QString error;
  ASSERT_TRUE(TiffCodec::Decode(bytes, image, &error)) << error.toStdString();
  ASSERT_EQ(image.size(), QSize(3, 2));
  EXPECT_FALSE(image.hasAlphaChannel());
  const QRgb expected[2][3] = {{0xFFFF0000, 0xFF00FF00, 0xFF0000FF}, {0xFFFFFFFF, 0xFF000000, 0xFF804020}};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(image.pixel(x, y), expected[y][x]) << x << ", " << y;
    }
  }
}

TEST(TiffCodec, DamagedOrForeignBytes_areRefusedWithAMessageAndNoImage) {
  const QByteArray good = TiffFixture("rgb_3x2_lzw.tif");
  ASSERT_FALSE(good.isEmpty());
  struct Case {
    const char* name;
    QByteArray bytes;
  };
  const Case cases[] = {
      {"strip beyond the end", TiffFixture("strip_beyond_end.tif")},
      {"cut inside the directory", good.left(40)},
      {"header only", good.left(8)},
      {"not a TIFF file", QByteArrayLiteral("GIF89a\x01\x00\x01\x00")},
      {"no bytes", QByteArray()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QImage image;
    QString error;
    EXPECT_FALSE(TiffCodec::Decode(c.bytes, image, &error));
    EXPECT_TRUE(image.isNull());
    EXPECT_TRUE(error.startsWith(QStringLiteral("TIFF error: "))) << error.toStdString();
    EXPECT_GT(error.size(), 12);
  }
}

TEST(TiffCodec, DeclaredSizeAboveTheBound_isRefusedBeforeAllocating) {
  // The fixture's directory altered to declare 65536 x 65536 pixels.
  QImage image;
  QString error;
  EXPECT_FALSE(TiffCodec::Decode(TiffFixture("declares_65536x65536.tif"), image, &error));
  EXPECT_EQ(error, QStringLiteral("TIFF error: Image too large"));
  EXPECT_TRUE(image.isNull());
}
