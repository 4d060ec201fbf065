#include "widgets/smooth/html/HtmlImages.h"

#include <cmath>
#include <memory>

#include <QIcon>
#include <QMimeDatabase>

#include "platform/pictures/TBitmap.h"
#include "platform/drawing/TCanvas.h"
#include "platform/pictures/TImageList.h"
#include "widgets/gdiplus/GdipNative.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPImage.h"

namespace HtmlImages {
namespace {

// A key colour no picture of ours uses; its pixels become transparent.
constexpr TColor kKey = RGB(1, 254, 3);

void DrawQImage(TGPGraphics& surface, const QImage& image, const TGPRectF& dest) {
  if (image.isNull()) {
    return;
  }
  auto native = std::make_unique<Gdip::GpImage>();
  native->image = image.convertToFormat(QImage::Format_ARGB32);
  native->format = TGPImageFormat::ifPNG;
  const TGPBitmap bitmap(std::move(native), Status::Ok);
  surface.DrawImage(&bitmap, dest);
}

QIcon IconFor(const QString& name) {
  if (name.endsWith(QLatin1Char('/'))) {
    return QIcon::fromTheme(QStringLiteral("folder"));
  }
  const QMimeType type = QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension);
  return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
}

}  // namespace

void DrawListImage(TGPGraphics& surface, const TImageList& images, int index, int x, int y) {
  if (index < 0 || index >= images.Count() || images.Width() <= 0 || images.Height() <= 0) {
    return;
  }
  TBitmap bitmap(images.Width(), images.Height());
  bitmap.Canvas().Brush().SetColor(kKey);
  bitmap.Canvas().FillRect(TRect{0, 0, images.Width(), images.Height()});
  images.Draw(bitmap.Canvas(), 0, 0, index, true);
  QImage image = bitmap.Image().convertToFormat(QImage::Format_ARGB32);
  const QRgb key = qRgb(GetRValue(kKey), GetGValue(kKey), GetBValue(kKey));
  for (int row = 0; row < image.height(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
    for (int col = 0; col < image.width(); ++col) {
      if ((line[col] & 0xFFFFFFu) == (key & 0xFFFFFFu)) {
        line[col] = 0;
      }
    }
  }
  DrawQImage(surface, image, TGPRectF{float(x), float(y), float(image.width()), float(image.height())});
}

TSize DrawShellIcon(TGPGraphics& surface, int x, int y, double resFactor, bool print, bool draw, bool large,
                    const QString& name) {
  const int side = large ? 32 : 16;
  if (draw && !name.isEmpty()) {
    const QImage image = IconFor(name).pixmap(side, side).toImage();
    const double scale = print ? resFactor : 1.0;
    const float w = float(std::nearbyint(side * scale));
    const float h = float(std::nearbyint(side * scale));
    DrawQImage(surface, image, TGPRectF{float(x), float(y), w, h});
  }
  return TSize{side, side};
}

}  // namespace HtmlImages
