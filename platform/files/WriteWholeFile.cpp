#include "platform/files/WriteWholeFile.h"

#include <QSaveFile>

bool WriteWholeFile(const QString& fileName, const QByteArray& bytes, QString* error) {
  // Unbuffered, a short write shows in the count; through the buffer it would
  // be lost in the final flush and the commit would rename a cut file.
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size() ||
      !file.commit()) {
    if (error != nullptr) {
      *error = file.errorString();
    }
    return false;
  }
  return true;
}
