#include "tools/gallery/Gallery.h"

#include <QBuffer>
#include <QDir>

#include "platform/pictures/TBitmap.h"
#include "platform/files/WriteWholeFile.h"
#include "widgets/panelset/FrameStyles.h"
#include "widgets/panelset/Gradients.h"

namespace Gallery {
namespace {
constexpr int kTile = 96;
constexpr int kCaption = 18;
constexpr TColor kFace = clBtnFace;
constexpr TColor kShadedFace = clSkyBlue;

const char* const kFrameNames[] = {"fsNone",      "fsFlat",   "fsGroove", "fsBump",   "fsLowered",  "fsButtonDown",
                                   "fsRaised",    "fsButtonUp", "fsStatus", "fsPopup", "fsFlatBold", "fsFlatRounded"};
const char* const kGradientNames[] = {"gdDiagonalUp",  "gdDiagonalDown", "gdHorizontalEnd", "gdHorizontalCenter",
                                      "gdHorizontalBox", "gdVerticalEnd", "gdVerticalCenter", "gdVerticalBox",
                                      "gdSquareBox",   "gdBigSquareBox"};

QImage Frame(Rz::TFrameStyleEx style, bool shaded) {
  TBitmap bitmap(kTile, kTile / 2);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(shaded ? kShadedFace : kFace);
  canvas.FillRect(Rect(0, 0, kTile, kTile / 2));
  const TRect r = Rect(8, 8, kTile - 8, kTile / 2 - 8);
  if (shaded) {
    Rz::StrokeShadedFrameStyle(canvas, r, kShadedFace, style);
  } else {
    Rz::StrokeFrameStyle(canvas, r, style);
  }
  return bitmap.Image();
}

QImage Gradient(Rz::TGradientDirection direction) {
  TBitmap bitmap(kTile, kTile * 2 / 3);
  Rz::FillGradient(bitmap.Canvas(), Rect(0, 0, kTile, kTile * 2 / 3), direction, clWhite, clNavy, 1);
  return bitmap.Image();
}

// Lays the pictures out in rows of `columns` with their names underneath.
QImage Overview(const std::vector<Picture>& pictures, int columns) {
  int cellHeight = 0;
  for (const Picture& p : pictures) {
    cellHeight = std::max(cellHeight, p.image.height());
  }
  cellHeight += kCaption + 8;
  const int cellWidth = kTile + 40;
  const int rows = (int(pictures.size()) + columns - 1) / columns;
  TBitmap sheet(columns * cellWidth, rows * cellHeight);
  TCanvas& canvas = sheet.Canvas();
  canvas.Brush().SetColor(kFace);
  canvas.FillRect(Rect(0, 0, sheet.Width(), sheet.Height()));
  canvas.Font().SetName(QStringLiteral("Tahoma"));
  canvas.Font().SetHeight(-11);
  canvas.Font().SetColor(clBlack);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const int x = int(i) % columns * cellWidth + 20;
    const int y = int(i) / columns * cellHeight + 4;
    TBitmap tile;
    tile.AssignImage(pictures[i].image);
    canvas.Draw(x, y, tile);
    TRect caption = Bounds(x - 20, y + pictures[i].image.height() + 2, cellWidth, kCaption);
    QString name = pictures[i].fileName;
    name.chop(4);
    canvas.DrawText(name, caption, DT_CENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  }
  return sheet.Image();
}
}  // namespace

std::vector<Picture> RenderAll() {
  std::vector<Picture> pictures;
  for (int i = 0; i <= int(Rz::TFrameStyleEx::fsFlatRounded); ++i) {
    const QString name = QString::fromLatin1(kFrameNames[i]);
    pictures.push_back({QStringLiteral("frame_%1.png").arg(name), Frame(Rz::TFrameStyleEx(i), false)});
    pictures.push_back({QStringLiteral("shaded_%1.png").arg(name), Frame(Rz::TFrameStyleEx(i), true)});
  }
  for (int i = 0; i <= int(Rz::TGradientDirection::gdBigSquareBox); ++i) {
    pictures.push_back({QStringLiteral("gradient_%1.png").arg(QString::fromLatin1(kGradientNames[i])),
                        Gradient(Rz::TGradientDirection(i))});
  }
  pictures.push_back({QStringLiteral("gallery.png"), Overview(pictures, 4)});
  return pictures;
}

QStringList WriteAll(const QString& folder, QString* error) { return WritePictures(RenderAll(), folder, error); }

bool WritePng(const QString& path, const QImage& image, QString* error) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QString reason;
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG") || !WriteWholeFile(path, bytes, &reason)) {
    if (error != nullptr) {
      *error = QStringLiteral("Cannot write \"%1\": %2")
                   .arg(path, reason.isEmpty() ? QStringLiteral("the picture cannot be encoded") : reason);
    }
    return false;
  }
  return true;
}

QStringList WritePictures(const std::vector<Picture>& pictures, const QString& folder, QString* error) {
  QDir dir(folder);
  if (!dir.mkpath(QStringLiteral("."))) {
    if (error != nullptr) {
      *error = QStringLiteral("Cannot create folder \"%1\"").arg(folder);
    }
    return {};
  }
  QStringList written;
  for (const Picture& picture : pictures) {
    const QString path = dir.filePath(picture.fileName);
    if (!WritePng(path, picture.image, error)) {
      return {};
    }
    written << path;
  }
  return written;
}

}  // namespace Gallery
