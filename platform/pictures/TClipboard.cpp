#include "platform/pictures/TClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/pictures/TGraphic.h"

namespace TClipboard {

bool Assign(const TGraphic& graphic, const QString& mimeType, QString* error) {
  auto data = std::make_unique<QMimeData>();
  data->setImageData(graphic.ToImage());
  if (!mimeType.isEmpty()) {
    QByteArray bytes;
    if (!graphic.SaveToBytes(bytes, error)) {
      return false;
    }
    data->setData(mimeType, bytes);
  }
  QGuiApplication::clipboard()->setMimeData(data.release());
  return true;
}

}  // namespace TClipboard
