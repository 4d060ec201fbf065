#include "tools/widgetgallery/WidgetGallery_Hatches.h"

#include <QPainter>

#include "platform/pictures/TBitmap.h"
#include "widgets/gdiplus/TGPBrush.h"
#include "widgets/gdiplus/TGPGraphics.h"

namespace WidgetGallery {
namespace {

const char* const kHatchNames[] = {
    "Horizontal", "Vertical", "ForwardDiagonal", "BackwardDiagonal", "Cross", "DiagonalCross", "05Percent",
    "10Percent", "20Percent", "25Percent", "30Percent", "40Percent", "50Percent", "60Percent", "70Percent",
    "75Percent", "80Percent", "90Percent", "LightDownwardDiagonal", "LightUpwardDiagonal", "DarkDownwardDiagonal",
    "DarkUpwardDiagonal", "WideDownwardDiagonal", "WideUpwardDiagonal", "LightVertical", "LightHorizontal",
    "NarrowVertical", "NarrowHorizontal", "DarkVertical", "DarkHorizontal", "DashedDownwardDiagonal",
    "DashedUpwardDiagonal", "DashedHorizontal", "DashedVertical", "SmallConfetti", "LargeConfetti", "ZigZag",
    "Wave", "DiagonalBrick", "HorizontalBrick", "Weave", "Plaid", "Divot", "DottedGrid", "DottedDiamond",
    "Shingle", "Trellis", "Sphere", "SmallGrid", "SmallCheckerBoard", "LargeCheckerBoard", "OutlinedDiamond",
    "SolidDiamond"};
static_assert(std::size(kHatchNames) == std::size_t(HatchStyle::HatchStyleTotal));

}  // namespace

Sheet HatchesSheet() {
  constexpr int kColumns = 6;
  constexpr int kCellWidth = 172;
  constexpr int kCellHeight = 58;
  constexpr int kSwatchWidth = 64;  // pixels of pattern, shown at twice the size
  constexpr int kSwatchHeight = 16;
  const int rows = (int(std::size(kHatchNames)) + kColumns - 1) / kColumns;
  TBitmap sheet(kColumns * kCellWidth, rows * kCellHeight);
  sheet.Canvas().Brush().SetColor(clBtnFace);
  sheet.Canvas().FillRect(Rect(0, 0, sheet.Width(), sheet.Height()));
  QImage image = sheet.Image();
  QPainter painter(&image);
  for (int i = 0; i < int(std::size(kHatchNames)); ++i) {
    TBitmap swatch(kSwatchWidth, kSwatchHeight);
    {
      TGPGraphics g(swatch.Canvas());
      const TGPHatchBrush brush(HatchStyle(i), OpaqueArgbFromColor(clNavy), OpaqueArgbFromColor(clWhite));
      g.FillRectangle(brush, 0, 0, kSwatchWidth, kSwatchHeight);
    }
    const int x = i % kColumns * kCellWidth + 8;
    const int y = i / kColumns * kCellHeight + 4;
    painter.drawImage(QRect(x, y, 2 * kSwatchWidth, 2 * kSwatchHeight), swatch.Image());
    painter.setPen(Qt::black);
    painter.drawText(QRect(x, y + 2 * kSwatchHeight + 2, kCellWidth - 10, 22), Qt::AlignLeft | Qt::AlignTop,
                     QString::fromLatin1(kHatchNames[i]));
  }
  painter.end();
  return {QStringLiteral("hatches.png"), image};
}

}  // namespace WidgetGallery
