#include "platform/widgets/TitleBar.h"

#include <algorithm>

#include <QFontDatabase>
#include <QFontMetrics>

namespace {
constexpr qreal kLeastPoints = 11;
constexpr int kEndWidth = 32;  // the icon or button at either end
constexpr int kMargin = 8;     // between them and the title
}  // namespace

namespace TitleBar {

QFont Font() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  font.setBold(true);
  if (font.pointSizeF() > 0) {
    font.setPointSizeF(std::max(font.pointSizeF(), kLeastPoints));
  } else {
    font.setPixelSize(std::max(font.pixelSize(), int(kLeastPoints * 96 / 72 + 0.5)));
  }
  return font;
}

int TextWidth(const QString& title) { return QFontMetrics(Font()).horizontalAdvance(title); }

int Room(int frameWidth) { return std::max(0, frameWidth - 2 * (kEndWidth + kMargin)); }

}  // namespace TitleBar
