#pragma once

#include <QByteArray>
#include <QString>

/// Appends `bytes` to the end of an existing file in one write. A write that
/// fails or is cut short (a full disk, a size limit) is undone: the file is
/// cut back to its former length, so it never ends in part of what was
/// appended. False with the reason in `error` when it cannot (the file is
/// missing, cannot be opened, or the write failed). Any thread.
bool AppendToFile(const QString& fileName, const QByteArray& bytes, QString* error = nullptr);
