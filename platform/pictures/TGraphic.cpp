#include "platform/pictures/TGraphic.h"

#include <QFile>

#include "platform/files/WriteWholeFile.h"

void TGraphic::SetTransparent(bool value) {
  if (StoreIfChanged(m_transparent, value)) {
    Changed();
  }
}

bool TGraphic::LoadFromFile(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error != nullptr) {
      *error = QStringLiteral("Cannot open file \"%1\": %2").arg(path, file.errorString());
    }
    return false;
  }
  return LoadFromBytes(file.readAll(), error);
}

bool TGraphic::SaveToFile(const QString& path, QString* error) const {
  QByteArray bytes;
  if (!SaveToBytes(bytes, error)) {
    return false;
  }
  QString reason;
  if (!WriteWholeFile(path, bytes, &reason)) {
    if (error != nullptr) {
      *error = QStringLiteral("Cannot write file \"%1\": %2").arg(path, reason);
    }
    return false;
  }
  return true;
}
