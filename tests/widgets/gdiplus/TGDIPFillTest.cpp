#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "platform/pictures/TBitmap.h"
#include "platform/files/TIniFile.h"
#include "tests/support/FixturePath.h"
#include "widgets/gdiplus/TGDIPFill.h"
#include "widgets/gdiplus/TGPBrush.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPGraphicsPath.h"

namespace {
constexpr TColor kPaper = 0x00112233;

QByteArray PngBytes(int w, int h, QRgb color) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(color);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

void LoadPicture(TAdvGDIPPicture& picture, const QByteArray& bytes) {
  QByteArray copy = bytes;
  QBuffer buffer(&copy);
  buffer.open(QIODevice::ReadOnly);
  picture.LoadFromStream(&buffer);
}
}  // namespace

TEST(TGDIPFill, Glow_keepsTheCallersClip) {
  TBitmap bitmap(40, 40);
  bitmap.Canvas().Brush().SetColor(kPaper);
  bitmap.Canvas().FillRect(Rect(0, 0, 40, 40));
  TGDIPFill fill;
  fill.SetGlow(TGlowMode::gmGradient);
  fill.SetColor(clBlue);
  fill.SetColorTo(clBlue);
  {
    TGPGraphics g(bitmap.Canvas());
    TGPGraphicsPath clip;
    clip.AddRectangle(TGPRectF{0, 0, 20, 40});
    g.SetClip(clip);
    fill.Fill(&g, TGPRectF{0, 0, 40, 40});
    // Drawn after the fill: must still be clipped to the left half.
    g.FillRectangle(TGPSolidBrush(OpaqueArgb(255, 0, 0)), 0, 0, 40, 40);
  }
  EXPECT_EQ(bitmap.Canvas().Pixel(10, 20), clRed);
  EXPECT_EQ(bitmap.Canvas().Pixel(30, 20), kPaper);
}

TEST(TGDIPFill, Shadow_takesTheOffsetOffTheRectangle) {
  TBitmap bitmap(60, 60);
  TGPGraphics g(bitmap.Canvas());
  TGDIPFill fill;
  fill.SetShadowOffset(4);
  fill.SetShadowType(TShadowType::stSurround);
  EXPECT_EQ(fill.Fill(&g, TGPRectF{0, 0, 50, 40}), (TGPRectF{4, 4, 42, 32}));
  fill.SetShadowType(TShadowType::stRightBottom);
  EXPECT_EQ(fill.Fill(&g, TGPRectF{0, 0, 50, 40}), (TGPRectF{0, 0, 46, 36}));
}

TEST(TGDIPFill, RoundingBeyondHalfTheRectangle_drawsAsHalfTheRectangle) {
  // Descriptions as a damaged or hostile file holds them; each once made the
  // shadow's brush texture cover the huge rounded path, or took minutes.
  for (const char* name : {"rounding_1000000_shadow.fill", "rounding_3000.fill"}) {
    SCOPED_TRACE(name);
    QFile file(QString::fromStdString(FixturePath(std::string("widgets/gdiplus/fixtures/") + name)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    TGDIPFill hostile;
    ASSERT_TRUE(hostile.LoadFromBytes(file.readAll()));
    hostile.SetColor(clBlue);
    hostile.SetColorTo(clBlue);
    TGDIPFill half;
    half.Assign(&hostile);
    half.SetRounding(13);  // half of the shorter side, 26
    TBitmap drawn(48, 32);
    TBitmap expected(48, 32);
    {
      TGPGraphics g(drawn.Canvas());
      g.SetSmoothingMode(SmoothingMode::SmoothingModeAntiAlias);
      hostile.Fill(&g, TGPRectF{4, 3, 40, 26});
      TGPGraphics h(expected.Canvas());
      h.SetSmoothingMode(SmoothingMode::SmoothingModeAntiAlias);
      half.Fill(&h, TGPRectF{4, 3, 40, 26});
    }
    EXPECT_EQ(drawn.Image(), expected.Image());
    EXPECT_EQ(drawn.Canvas().Pixel(24, 16), clBlue);
    EXPECT_EQ(drawn.Canvas().Pixel(5, 4), clWhite);  // outside the rounded corner
  }
}

TEST(TGDIPFill, Background_followsTheColours) {
  TBitmap bitmap(30, 30);
  bitmap.Canvas().Brush().SetColor(kPaper);
  bitmap.Canvas().FillRect(Rect(0, 0, 30, 30));
  TGDIPFill fill;
  fill.SetColor(clNone);
  {
    TGPGraphics g(bitmap.Canvas());
    fill.Fill(&g, TGPRectF{0, 0, 30, 30});
    EXPECT_EQ(bitmap.Canvas().Pixel(15, 15), kPaper);
    fill.SetColor(clLime);
    fill.SetColorTo(clNone);
    fill.Fill(&g, TGPRectF{0, 0, 30, 30});
  }
  EXPECT_EQ(bitmap.Canvas().Pixel(15, 15), clLime);
  EXPECT_EQ(bitmap.Canvas().Pixel(15, 28), clLime);
}

TEST(TGDIPFill, ChangesUnderBeginUpdate_raiseNothing) {
  TGDIPFill fill;
  int changes = 0;
  fill.OnChange = [&](TObject*) { ++changes; };
  fill.BeginUpdate();
  fill.SetColor(clRed);
  fill.EndUpdate();
  EXPECT_EQ(changes, 0);
  fill.SetColor(clRed);
  EXPECT_EQ(changes, 0);
  fill.SetColor(clBlue);
  EXPECT_EQ(changes, 1);
}

TEST(TGDIPFill, Ini_roundTripKeepsThePictureAndItsSizeMode) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("fill.ini"));
  TGDIPFill fill;
  fill.SetRounding(6);
  fill.SetColorMirror(clAqua);
  fill.SetPictureSize(TFillPictureSize::psCustom);
  fill.SetGradientType(TAdvGradientType::gtAngle);
  LoadPicture(fill.Picture(), PngBytes(3, 2, 0xFF00FF00));
  ASSERT_TRUE(fill.SaveToFile(file, QStringLiteral("Fill")));

  TGDIPFill loaded;
  int changes = 0;
  loaded.OnChange = [&](TObject*) { ++changes; };
  ASSERT_TRUE(loaded.LoadFromFile(file, QStringLiteral("Fill")));
  EXPECT_EQ(loaded.Rounding(), 6);
  EXPECT_EQ(loaded.ColorMirror(), clAqua);
  EXPECT_EQ(loaded.GradientType(), TAdvGradientType::gtAngle);
  EXPECT_EQ(loaded.PictureSize(), TFillPictureSize::psCustom);
  EXPECT_EQ(loaded.Picture().Data(), fill.Picture().Data());
  EXPECT_EQ(loaded.Picture().Width(), 3);
  EXPECT_GE(changes, 1);
}

TEST(TGDIPFill, OldIni_withTheTextLengthUnderPictureSize_loadsThePicture) {
  const QByteArray png = PngBytes(2, 2, 0xFFFF0000);
  const QString hex = QString::fromLatin1(png.toHex().toUpper());
  TIniFile ini{QString()};
  ini.WriteInteger(QStringLiteral("F"), QStringLiteral("PictureSize"), int(hex.size()));
  ini.WriteString(QStringLiteral("F"), QStringLiteral("Picture"), hex);
  TGDIPFill fill;
  ASSERT_TRUE(fill.LoadFromIni(ini, QStringLiteral("F")));
  EXPECT_EQ(fill.PictureSize(), TFillPictureSize::psOriginal);
  EXPECT_EQ(fill.Picture().Data(), png);
}

TEST(TGDIPFill, PictureText_badDigitStopsWithNoHexNumber_oddLengthLoadsThePairs) {
  TIniFile ini{QString()};
  ini.WriteString(QStringLiteral("F"), QStringLiteral("Picture"), QStringLiteral("0A1G"));
  ini.WriteInteger(QStringLiteral("F"), QStringLiteral("PictureDataSize"), 4);
  ini.WriteInteger(QStringLiteral("F"), QStringLiteral("Rounding"), 3);
  TGDIPFill fill;
  QString error;
  EXPECT_FALSE(fill.LoadFromIni(ini, QStringLiteral("F"), &error));
  EXPECT_EQ(error, QStringLiteral("No Hex-Number"));
  EXPECT_EQ(fill.Rounding(), 3);

  ini.WriteString(QStringLiteral("F"), QStringLiteral("Picture"), QStringLiteral("0a1"));
  ini.WriteInteger(QStringLiteral("F"), QStringLiteral("PictureDataSize"), 3);
  ASSERT_TRUE(fill.LoadFromIni(ini, QStringLiteral("F")));
  EXPECT_EQ(fill.Picture().Data(), QByteArray("\x0a", 1));
}

TEST(TGDIPFill, Clipboard_roundTrip) {
  TGDIPFill fill;
  fill.SetBorderColor(clMaroon);
  fill.SetGlow(TGlowMode::gmRadial);
  fill.SaveToClipBoard();
  TGDIPFill copy;
  copy.LoadFromClipBoard();
  EXPECT_EQ(copy.BorderColor(), clMaroon);
  EXPECT_EQ(copy.Glow(), TGlowMode::gmRadial);
}

TEST(TGDIPFill, Assign_copiesAppearanceButNotFocus) {
  TGDIPFill source;
  source.SetAngle(33);
  source.SetFocus(true);
  LoadPicture(source.BackGroundPicture(), PngBytes(1, 1, 0xFF0000FF));
  TGDIPFill target;
  target.Assign(&source);
  EXPECT_EQ(target.Angle(), 33);
  EXPECT_FALSE(target.Focus());
  EXPECT_EQ(target.BackGroundPicture().Data(), source.BackGroundPicture().Data());
}
