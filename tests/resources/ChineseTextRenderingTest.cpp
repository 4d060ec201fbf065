#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "resources/LanguageTable.h"

namespace {

const QString kCjkFamily = QStringLiteral("WenQuanYi Micro Hei");

QFont CjkFont() {
  QFont font(kCjkFamily);
  font.setPixelSize(12);
  return font;
}

}  // namespace

TEST(ChineseTextRendering, CjkFontCoversEveryCharacterOfTheSimplifiedTable) {
  LanguageTable english;
  LanguageTable simplified;
  QString error;
  ASSERT_TRUE(LanguageTable::LoadBuiltIn(english, simplified, &error)) << error.toStdString();
  const QFont font = CjkFont();
  ASSERT_EQ(QFontInfo(font).family(), kCjkFamily) << "the CJK font (fonts-wqy-microhei) is not installed";

  const QFontMetrics metrics(font);
  for (const QString& key : simplified.Keys()) {
    const QString text = simplified.LookUpText(key);
    for (const char32_t ch : text.toUcs4()) {
      EXPECT_TRUE(metrics.inFontUcs4(ch)) << key.toStdString() << ": U+" << std::hex << static_cast<unsigned>(ch);
    }
  }
}

TEST(ChineseTextRendering, ChineseTextDrawsInkOnAnOffscreenImage) {
  QImage image(160, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setFont(CjkFont());
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("FIR资源耗尽!!"));
  }
  const QRgb white = qRgb(255, 255, 255);
  int inkColumnsInChinesePart = 0;
  const int chineseStart = QFontMetrics(CjkFont()).horizontalAdvance(QStringLiteral("FIR"));
  const int chineseEnd = QFontMetrics(CjkFont()).horizontalAdvance(QStringLiteral("FIR资源耗尽"));
  for (int x = chineseStart; x < chineseEnd; ++x) {
    for (int y = 0; y < image.height(); ++y) {
      if (image.pixel(x, y) != white) {
        ++inkColumnsInChinesePart;
        break;
      }
    }
  }
  EXPECT_GT(inkColumnsInChinesePart, (chineseEnd - chineseStart) / 2);
}
