#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/pictures/TBitmap.h"
#include "platform/pictures/TJPEGImage.h"
#include "platform/pictures/TPicture.h"
#include "platform/pictures/TPngImage.h"

namespace {
// A 16 x 12 picture: red left half, blue right half.
TBitmap& TwoHalves(TBitmap& bitmap) {
  bitmap.SetSize(16, 12);
  bitmap.Canvas().Brush().SetColor(clRed);
  bitmap.Canvas().FillRect(Rect(0, 0, 8, 12));
  bitmap.Canvas().Brush().SetColor(clBlue);
  bitmap.Canvas().FillRect(Rect(8, 0, 16, 12));
  return bitmap;
}

bool Close(QRgb a, QRgb b, int tolerance) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}
}  // namespace

TEST(TJPEGImage, encodeThenDecodeKeepsSizeAndColours) {
  TBitmap source;
  TJPEGImage jpeg;
  jpeg.Assign(TwoHalves(source));
  QByteArray bytes;
  QString error;
  ASSERT_TRUE(jpeg.SaveToBytes(bytes, &error)) << error.toStdString();
  ASSERT_TRUE(bytes.startsWith("\xFF\xD8"));
  TJPEGImage decoded;
  ASSERT_TRUE(decoded.LoadFromBytes(bytes, &error)) << error.toStdString();
  EXPECT_EQ(decoded.Width(), 16);
  EXPECT_EQ(decoded.Height(), 12);
  EXPECT_TRUE(Close(decoded.ToImage().pixel(2, 6), qRgb(255, 0, 0), 24));
  EXPECT_TRUE(Close(decoded.ToImage().pixel(13, 6), qRgb(0, 0, 255), 24));
  QByteArray again;
  ASSERT_TRUE(decoded.SaveToBytes(again));
  EXPECT_EQ(again, bytes);  // unchanged pictures save their own bytes
}

TEST(TJPEGImage, corruptOrTruncatedFilesAreRefusedWithAMessage) {
  TBitmap source;
  TJPEGImage jpeg;
  jpeg.Assign(TwoHalves(source));
  QByteArray bytes;
  ASSERT_TRUE(jpeg.SaveToBytes(bytes));
  const QByteArray damaged[] = {QByteArray("\xFF\xD8\xFF\xE0garbage", 11), bytes.left(bytes.size() / 2),
                                QByteArray("\xFF\xD8", 2), QByteArray()};
  for (const QByteArray& data : damaged) {
    TJPEGImage target;
    target.Assign(source);
    QString error;
    EXPECT_FALSE(target.LoadFromBytes(data, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(target.Width(), 16);
  }
}

TEST(TPicture, loadsByContentAndConvertsToBitmap) {
  QTemporaryDir dir;
  TBitmap source;
  TwoHalves(source);
  TPngImage png;
  png.Assign(source);
  const QString path = dir.filePath(QStringLiteral("p.dat"));
  ASSERT_TRUE(png.SaveToFile(path));
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  QString error;
  ASSERT_TRUE(picture.LoadFromFile(path, &error)) << error.toStdString();
  EXPECT_NE(dynamic_cast<TPngImage*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Bitmap().Canvas().Pixel(12, 3), clBlue);
  EXPECT_GE(changes, 1);

  TPicture copy;
  copy.Assign(picture);
  EXPECT_NE(copy.Graphic(), picture.Graphic());
  EXPECT_EQ(copy.Width(), 16);

  EXPECT_FALSE(picture.LoadFromBytes(QByteArray("GIF89a"), &error));
  EXPECT_EQ(picture.Width(), 16);
}
