#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/pictures/TBitmap.h"

TEST(TBitmap, newPixelsAreWhiteAndResizeKeepsTheRest) {
  TBitmap bitmap(3, 2);
  EXPECT_EQ(bitmap.Canvas().Pixel(2, 1), clWhite);
  bitmap.Canvas().SetPixel(0, 0, clRed);
  bitmap.SetSize(5, 5);
  EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clRed);
  EXPECT_EQ(bitmap.Canvas().Pixel(4, 4), clWhite);
  bitmap.SetSize(0, 5);
  EXPECT_TRUE(bitmap.Empty());
}

TEST(TBitmap, transparentDrawLeavesOutTheBottomLeftColour) {
  TBitmap picture(2, 2);
  picture.Canvas().SetPixel(0, 1, clFuchsia);  // tmAuto: bottom-left pixel
  picture.Canvas().SetPixel(1, 0, clFuchsia);
  picture.Canvas().SetPixel(0, 0, clRed);
  picture.SetTransparent(true);
  EXPECT_EQ(picture.TransparentColor(), clFuchsia);
  TBitmap target(2, 2);
  target.Canvas().Brush().SetColor(clBlue);
  target.Canvas().FillRect(Rect(0, 0, 2, 2));
  target.Canvas().Draw(0, 0, picture);
  EXPECT_EQ(target.Canvas().Pixel(0, 0), clRed);
  EXPECT_EQ(target.Canvas().Pixel(1, 0), clBlue);
  EXPECT_EQ(target.Canvas().Pixel(1, 1), clWhite);

  picture.SetTransparentColor(clRed);
  EXPECT_EQ(picture.TransparentMode(), TTransparentMode::tmFixed);
  target.Canvas().Draw(0, 0, picture);
  EXPECT_EQ(target.Canvas().Pixel(0, 0), clRed);  // left alone: was red already
  EXPECT_EQ(target.Canvas().Pixel(1, 0), clFuchsia);
}

TEST(TBitmap, bmpFilesRoundTripAtEveryDepth) {
  QTemporaryDir dir;
  const TPixelFormat formats[] = {TPixelFormat::pf1bit, TPixelFormat::pf4bit, TPixelFormat::pf8bit,
                                  TPixelFormat::pf16bit, TPixelFormat::pf24bit, TPixelFormat::pf32bit};
  for (TPixelFormat format : formats) {
    TBitmap bitmap(5, 3);
    bitmap.SetPixelFormat(format);
    bitmap.Canvas().SetPixel(0, 0, clBlack);
    bitmap.Canvas().SetPixel(4, 2, format == TPixelFormat::pf1bit ? clBlack : clRed);
    const QString path = dir.filePath(QStringLiteral("b%1.bmp").arg(int(format)));
    ASSERT_TRUE(bitmap.SaveToFile(path));
    TBitmap loaded;
    QString error;
    ASSERT_TRUE(loaded.LoadFromFile(path, &error)) << error.toStdString();
    EXPECT_EQ(loaded.Width(), 5);
    EXPECT_EQ(loaded.Height(), 3);
    EXPECT_EQ(loaded.PixelFormat(), format);
    EXPECT_EQ(loaded.Canvas().Pixel(0, 0), clBlack);
    EXPECT_EQ(loaded.Canvas().Pixel(4, 2), format == TPixelFormat::pf1bit ? clBlack : clRed);
    EXPECT_EQ(loaded.Canvas().Pixel(1, 1), clWhite);
  }
}

TEST(TBitmap, corruptBmpIsRefusedAndChangesNothing) {
  TBitmap bitmap(2, 2);
  QString error;
  QByteArray bytes;
  ASSERT_TRUE(bitmap.SaveToBytes(bytes));
  EXPECT_FALSE(bitmap.LoadFromBytes(bytes.left(bytes.size() - 3), &error));
  EXPECT_FALSE(error.isEmpty());
  QByteArray huge = bytes;
  huge[18] = char(0xFF);
  huge[19] = char(0xFF);
  huge[20] = char(0xFF);
  huge[21] = char(0x7F);
  EXPECT_FALSE(bitmap.LoadFromBytes(huge, &error));
  QByteArray lowest = bytes;  // height -2^31: no absolute value in 32 bits
  lowest[22] = 0;
  lowest[23] = 0;
  lowest[24] = 0;
  lowest[25] = char(0x80);
  EXPECT_FALSE(bitmap.LoadFromBytes(lowest, &error));
  EXPECT_FALSE(bitmap.LoadFromBytes(QByteArray("BM"), &error));
  EXPECT_EQ(bitmap.Width(), 2);
}

TEST(TBitmap, monochromeKeepsOnlyWhiteAsWhite) {
  TBitmap bitmap(2, 1);
  bitmap.Canvas().SetPixel(0, 0, clSilver);
  bitmap.SetMonochrome(true);
  EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clBlack);
  EXPECT_EQ(bitmap.Canvas().Pixel(1, 0), clWhite);
  EXPECT_EQ(bitmap.TransparentColor(), clWhite);
}
