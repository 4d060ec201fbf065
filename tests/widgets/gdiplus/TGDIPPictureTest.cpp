#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "platform/pictures/TBitmap.h"
#include "tests/support/FixturePath.h"
#include "widgets/gdiplus/TAdvGDIPPicture.h"
#include "widgets/gdiplus/TGDIPPicture.h"
#include "widgets/gdiplus/TGDIPPictureContainer.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPImage.h"

namespace {
constexpr TColor kPicturePaper = 0x00112233;

QByteArray BmpBytes() {
  // 4 x 3: bottom-left pixel red (the key), the rest blue.
  TBitmap bitmap(4, 3);
  bitmap.Canvas().Brush().SetColor(clBlue);
  bitmap.Canvas().FillRect(Rect(0, 0, 4, 3));
  bitmap.Canvas().SetPixel(0, 2, clRed);
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  QByteArray bytes;
  bitmap.SaveToBytes(bytes);
  return bytes;
}

template <typename Picture>
void ReadForm(Picture& picture, QByteArray bytes) {
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  picture.ReadData(&buffer);
}

// A GIF whose graphic control extension holds the byte 2C before the image.
QByteArray GifWithSeparatorByteInExtension() {
  const unsigned char bytes[] = {'G', 'I', 'F', '8', '9', 'a', 3, 0, 2, 0, 0x80, 0, 0,  // header, 3 x 2
                                 0, 0, 0, 255, 255, 255,  // colour table
                                 0x21, 0xF9, 4, 0, 0x2C, 0, 0, 0,  // control extension, delay 0x2C
                                 0x2C, 0, 0, 0, 0, 3, 0, 2, 0, 0,  // image descriptor
                                 2, 4, 0x04, 0, 0, 0x05, 0, 0x3B};
  return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
}
}  // namespace

TEST(TGDIPPicture, FormLoaded_reportsNoSizeUntilMeasured_advancedPictureAtOnce) {
  TGDIPPicture plain;
  ReadForm(plain, BmpBytes());
  EXPECT_FALSE(plain.Empty());
  EXPECT_EQ(plain.Width(), 0);
  EXPECT_TRUE(plain.GetImageSizes());
  EXPECT_EQ(plain.Width(), 4);
  EXPECT_EQ(plain.Height(), 3);

  TAdvGDIPPicture advanced;
  ReadForm(advanced, BmpBytes());
  EXPECT_EQ(advanced.Width(), 4);
}

TEST(TGDIPPicture, CanvasDraw_stretchesABitmap_advancedDrawsItUnscaled) {
  TBitmap target(20, 20);
  target.Canvas().Brush().SetColor(kPicturePaper);
  target.Canvas().FillRect(Rect(0, 0, 20, 20));
  TGDIPPicture plain;
  ReadForm(plain, BmpBytes());
  target.Canvas().StretchDraw(Rect(0, 0, 8, 6), plain);
  EXPECT_EQ(target.Canvas().Pixel(7, 0), clBlue);
  EXPECT_EQ(target.Canvas().Pixel(0, 5), kPicturePaper);  // the key colour is left out

  TAdvGDIPPicture advanced;
  ReadForm(advanced, BmpBytes());
  target.Canvas().StretchDraw(Rect(10, 10, 20, 20), advanced);
  EXPECT_EQ(target.Canvas().Pixel(13, 10), clBlue);
  EXPECT_EQ(target.Canvas().Pixel(14, 10), kPicturePaper);
}

TEST(TGDIPPicture, GdipDraw_keysTheBottomLeftColourOrTheFixedOne) {
  TBitmap target(10, 10);
  TAdvGDIPPicture picture;
  ReadForm(picture, BmpBytes());
  picture.SetTransparent(true);
  auto draw = [&] {
    target.Canvas().Brush().SetColor(kPicturePaper);
    target.Canvas().FillRect(Rect(0, 0, 10, 10));
    TGPGraphics g(target.Canvas());
    picture.GDIPDraw(g, Rect(0, 0, 10, 10));
  };
  draw();
  EXPECT_EQ(target.Canvas().Pixel(0, 2), kPicturePaper);
  EXPECT_EQ(target.Canvas().Pixel(1, 2), clBlue);
  picture.SetBitmapTransparentMode(TTransparentMode::tmFixed);
  picture.SetBitmapTransparentColor(clBlue);
  draw();
  EXPECT_EQ(target.Canvas().Pixel(0, 2), clRed);
  EXPECT_EQ(target.Canvas().Pixel(1, 2), kPicturePaper);
}

TEST(TGDIPPicture, Assign_unsupportedSourceLeavesItEmptyAndDrawsNothing) {
  TGDIPPicture picture;
  ReadForm(picture, BmpBytes());
  TObject other;
  picture.Assign(&other);
  EXPECT_TRUE(picture.Empty());
  EXPECT_FALSE(picture.Data().isEmpty());
  TBitmap target(4, 4);
  target.Canvas().Brush().SetColor(kPicturePaper);
  target.Canvas().FillRect(Rect(0, 0, 4, 4));
  target.Canvas().StretchDraw(Rect(0, 0, 4, 4), picture);
  EXPECT_EQ(target.Canvas().Pixel(2, 0), kPicturePaper);
}

TEST(TGDIPPicture, SizeFromFileName_usesTheDecoderAndTheExtension) {
  QTemporaryDir dir;
  auto write = [&](const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
  };
  TAdvGDIPPicture picture;
  picture.LoadFromFile(write(QStringLiteral("a.gif"), GifWithSeparatorByteInExtension()));
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(picture.Height(), 2);
  picture.LoadFromFile(write(QStringLiteral("b.tif"), BmpBytes()));
  EXPECT_EQ(picture.Width(), 0);
  EXPECT_FALSE(picture.Empty());
  picture.LoadFromFile(write(QStringLiteral("c.bmp"), BmpBytes()));
  EXPECT_EQ(picture.Width(), 4);
}

TEST(TGDIPPicture, LoadFromUrl_takesFilePrefixInAnyCaseAndIgnoresOthers) {
  QTemporaryDir dir;
  QFile file(dir.filePath(QStringLiteral("p.bmp")));
  file.open(QIODevice::WriteOnly);
  file.write(BmpBytes());
  file.close();
  TGDIPPicture picture;
  picture.LoadFromURL(QStringLiteral("http://") + file.fileName());
  EXPECT_TRUE(picture.Empty());
  picture.LoadFromURL(QStringLiteral("file://") + file.fileName());
  EXPECT_FALSE(picture.Empty());
  EXPECT_EQ(picture.Width(), 4);
}

TEST(TGDIPPictureContainer, FindPicture_ignoresLetterCase) {
  TGDIPPictureContainer container;
  container.Add().SetName(QStringLiteral("Knob"));
  TPictureItem& second = container.Add();
  second.SetName(QStringLiteral("Face"));
  EXPECT_EQ(container.FindPicture(QStringLiteral("fACE")), &second.Picture());
  EXPECT_EQ(container.FindPicture(QStringLiteral("none")), nullptr);
}

TEST(TGDIPPicture, TiffFile_isDecodedAndADamagedOneDrawsNothing) {
  auto bytesOf = [](const char* name) {
    QFile file(QString::fromStdString(FixturePath(std::string("platform/fixtures/") + name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  TGPImage good(bytesOf("rgb_3x2_lzw.tif"), false);
  EXPECT_EQ(good.GetLastStatus(), Status::Ok);
  EXPECT_EQ(good.GetFormat(), TGPImageFormat::ifTIFF);
  EXPECT_EQ(good.GetWidth(), 3u);
  EXPECT_EQ(good.GetHeight(), 2u);
  EXPECT_FALSE(good.HasAlphaChannel());

  TGDIPPicture picture;
  ReadForm(picture, bytesOf("rgb_3x2_lzw.tif"));
  EXPECT_TRUE(picture.GetImageSizes());
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(picture.Height(), 2);

  TGPImage damaged(bytesOf("strip_beyond_end.tif"), false);
  EXPECT_EQ(damaged.GetLastStatus(), Status::UnknownImageFormat);
  EXPECT_EQ(damaged.GetWidth(), 0u);
}
