#include "platform/files/AppendToFile.h"

#include <QFile>

bool AppendToFile(const QString& fileName, const QByteArray& bytes, QString* error) {
  QFile file(fileName);
  QString reason;
  // ExistingOnly: a missing file is an error, not created. Unbuffered, so a
  // short write shows in the count and is not lost in a final flush.
  if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered)) {
    reason = file.errorString();
  } else {
    const qint64 length = file.size();
    if (!file.seek(length) || file.write(bytes) != bytes.size()) {
      reason = file.error() == QFileDevice::NoError ? QStringLiteral("The disk is full") : file.errorString();
      file.resize(length);
    }
  }
  if (reason.isEmpty()) {
    return true;
  }
  if (error != nullptr) {
    *error = QStringLiteral("Cannot write file \"%1\": %2").arg(fileName, reason);
  }
  return false;
}
