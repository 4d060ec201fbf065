#include <QFile>

#include "platform/pictures/TBitmap.h"
#include "plot/base/EPlotError.h"
#include "plot/core/TiPlotComponent.h"

TImageList& TiPlotComponent::ImageList(int imageListIndex) {
  if (imageListIndex < 0 || imageListIndex > 2) {
    throw EPlotError(QStringLiteral("ImageList Index must be 0-2"));
  }
  return m_imageLists[imageListIndex];
}

void TiPlotComponent::ImageListAdd(int imageListIndex, const TBitmap& bitmap) {
  TImageList& list = ImageList(imageListIndex);
  const int w = bitmap.Width();
  const int h = bitmap.Height();
  const TColor transparent = bitmap.TransparentColor();
  if (list.Count() == 0) {
    list.SetSize(w, h);
  }
  const int listW = list.Width();
  const int listH = list.Height();
  if (w < listW && h < listH) {
    TBitmap centred(listW, listH);
    centred.Canvas().Brush().SetColor(transparent);
    centred.Canvas().Brush().SetStyle(TBrushStyle::bsSolid);
    centred.Canvas().FillRect({0, 0, listW, listH});
    centred.Canvas().Draw(listW / 2 - w / 2, listH / 2 - h / 2, bitmap);
    list.AddMasked(centred, transparent);
  } else if ((w > listW && h > listH) || w == listW || h == listH) {
    list.AddMasked(bitmap, transparent);
  } else {
    throw EPlotError(
        QStringLiteral("Image Width and Height must be the same as other images, or both smaller, or both larger"));
  }
  InvalidateChange();
}

void TiPlotComponent::ImageListLoadFromResourceName(int imageListIndex, const QString& resName) {
  ImageList(imageListIndex);
  QFile resource(QStringLiteral(":/") + resName);
  if (resName.isEmpty() || !resource.open(QIODevice::ReadOnly)) {
    throw EPlotError(QStringLiteral("Resource %1 not found").arg(resName));
  }
  TBitmap bitmap;
  QString error;
  if (!bitmap.LoadFromBytes(resource.readAll(), &error)) {
    throw EPlotError(error);
  }
  ImageListAdd(imageListIndex, bitmap);
}

void TiPlotComponent::ImageListLoadFromResourceID(int imageListIndex, int resID) {
  ImageListLoadFromResourceName(imageListIndex, QString::number(resID));
}
