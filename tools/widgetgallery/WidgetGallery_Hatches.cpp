#include "tools/widgetgallery/WidgetGallery_Hatches.h"

#include <cmath>
#include <vector>

#include <QPainter>

#include "platform/pictures/TBitmap.h"
#include "widgets/gdiplus/TGPBrush.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPGraphicsPath.h"

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

Sheet PathGradientsSheet() {
  constexpr int kCell = 150;
  TBitmap sheet(4 * kCell, kCell + 24);
  sheet.Canvas().Brush().SetColor(clBtnFace);
  sheet.Canvas().FillRect(Rect(0, 0, sheet.Width(), sheet.Height()));
  const ARGB rainbow[] = {OpaqueArgb(255, 0, 0), OpaqueArgb(255, 200, 0), OpaqueArgb(0, 200, 0),
                          OpaqueArgb(0, 120, 255), OpaqueArgb(160, 0, 255)};
  std::vector<TGPPointF> star;
  for (int k = 0; k < 10; ++k) {
    const double angle = -M_PI / 2 + k * M_PI / 5;
    const double radius = k % 2 == 0 ? 65 : 28;
    star.push_back({float(3 * kCell + 75 + radius * std::cos(angle)), float(75 + radius * std::sin(angle))});
  }
  const char* const names[] = {"triangle, 3 colours", "rectangle, 4 colours", "ellipse, 13 points",
                               "star, 10 colours"};
  TGPGraphicsPath paths[4];
  paths[0].AddPolygon(std::vector<TGPPointF>{{75, 10}, {140, 140}, {10, 140}});
  paths[1].AddRectangle(TGPRectF{kCell + 10, 10, 130, 130});
  paths[2].AddEllipse(2 * kCell + 10, 20, 130, 110);
  paths[3].AddPolygon(star);
  {
    TGPGraphics g(sheet.Canvas());
    g.SetSmoothingMode(SmoothingMode::SmoothingModeAntiAlias);
    for (TGPGraphicsPath& path : paths) {
      TGPPathGradientBrush brush(path);
      brush.SetCenterColor(OpaqueArgb(255, 255, 255));
      std::vector<ARGB> colors;
      for (int i = 0; i < brush.GetPointCount(); ++i) {
        colors.push_back(rainbow[i % 5]);
      }
      int count = int(colors.size());
      brush.SetSurroundColors(colors.data(), count);
      g.FillPath(brush, path);
    }
  }
  QImage image = sheet.Image();
  QPainter painter(&image);
  painter.setPen(Qt::black);
  for (int i = 0; i < 4; ++i) {
    painter.drawText(QRect(i * kCell + 8, kCell, kCell - 10, 22), Qt::AlignLeft | Qt::AlignTop,
                     QString::fromLatin1(names[i]));
  }
  painter.end();
  return {QStringLiteral("path_gradients.png"), image};
}

}  // namespace WidgetGallery
