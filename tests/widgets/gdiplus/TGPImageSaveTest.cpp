#include <gtest/gtest.h>

#include <cstdint>

#include <QByteArray>
#include <QFileInfo>
#include <QTemporaryDir>

#include "widgets/gdiplus/TGPImage.h"

namespace {
/// A picture with detail everywhere, so that JPEG quality shows in its size.
void FillWithNoise(TGPBitmap& bitmap) {
  std::uint32_t seed = 12345;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      seed = seed * 1664525u + 1013904223u;
      bitmap.SetPixel(x, y, OpaqueArgb(int(seed >> 24), int((seed >> 16) & 0xFF), (x * 4) & 0xFF));
    }
  }
}

EncoderParameters QualityParameters(const std::uint32_t& quality,
                                    EncoderParameterValueType type = EncoderParameterValueType::EncoderParameterValueTypeLong,
                                    std::uint32_t count = 1) {
  return EncoderParameters{{EncoderParameter{EncoderQuality, count, type, &quality}}};
}

QByteArray SavedJpeg(TGPBitmap& bitmap, std::uint32_t quality) {
  QByteArray bytes;
  const EncoderParameters parameters = QualityParameters(quality);
  EXPECT_EQ(bitmap.Save(bytes, "JPEG", &parameters), Status::Ok);
  return bytes;
}
}  // namespace

TEST(TGPImage, SaveWithJpegQuality_lowerQualityGivesASmallerFileAndBothDecode) {
  TGPBitmap bitmap(64, 64);
  FillWithNoise(bitmap);
  const QByteArray low = SavedJpeg(bitmap, 10);
  const QByteArray high = SavedJpeg(bitmap, 95);
  EXPECT_LT(low.size(), high.size());
  for (const QByteArray& bytes : {low, high}) {
    TGPImage decoded(bytes, false);
    EXPECT_EQ(decoded.GetFormat(), TGPImageFormat::ifJPEG);
    EXPECT_EQ(decoded.GetWidth(), 64u);
    EXPECT_EQ(decoded.GetHeight(), 64u);
  }
}

TEST(TGPImage, SaveWithJpegQuality_refusesAQualityItCannotTake) {
  TGPBitmap bitmap(64, 64);
  FillWithNoise(bitmap);
  const std::uint32_t tooHigh = 101;
  const std::uint32_t fine = 50;
  const struct {
    const char* what;
    EncoderParameters parameters;
  } cases[] = {
      {"above 100", QualityParameters(tooHigh)},
      {"not a Long", QualityParameters(fine, EncoderParameterValueType::EncoderParameterValueTypeShort)},
      {"two values", QualityParameters(fine, EncoderParameterValueType::EncoderParameterValueTypeLong, 2)},
      {"no value", EncoderParameters{{EncoderParameter{EncoderQuality, 1,
                                                       EncoderParameterValueType::EncoderParameterValueTypeLong,
                                                       nullptr}}}},
  };
  for (const auto& c : cases) {
    QByteArray bytes;
    EXPECT_EQ(bitmap.Save(bytes, "JPEG", &c.parameters), Status::InvalidParameter) << c.what;
    EXPECT_TRUE(bytes.isEmpty()) << c.what;
  }
  // A PNG has no quality: the parameter is passed over.
  QByteArray png;
  const EncoderParameters quality = QualityParameters(tooHigh);
  EXPECT_EQ(bitmap.Save(png, "PNG", &quality), Status::Ok);
  EXPECT_EQ(TGPImage(png, false).GetFormat(), TGPImageFormat::ifPNG);
}

TEST(TGPImage, SaveToFile_writesThePictureWithItsQuality) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  TGPBitmap bitmap(64, 64);
  FillWithNoise(bitmap);
  const QString name = dir.filePath(QStringLiteral("picture.jpg"));
  const std::uint32_t quality = 10;
  const EncoderParameters parameters = QualityParameters(quality);
  ASSERT_EQ(bitmap.Save(name, "JPEG", &parameters), Status::Ok);
  TGPImage decoded(name);
  EXPECT_EQ(decoded.GetWidth(), 64u);
  EXPECT_EQ(QFileInfo(name).size(), SavedJpeg(bitmap, 10).size());
}
