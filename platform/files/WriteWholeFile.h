#pragma once

#include <QByteArray>
#include <QString>

/// Writes `bytes` to a temporary file beside `fileName` and renames it into
/// place, so the file holds either its old content or all of the new. A write
/// cut short (a full disk, a size limit) counts as a failure and leaves the
/// old file. False with the reason in `error` when it cannot. Any thread.
bool WriteWholeFile(const QString& fileName, const QByteArray& bytes, QString* error = nullptr);
