#pragma once

#include <cstddef>

#include <QByteArray>
#include <QString>

/// Reads a whole regular file in one pass, at most `cap` bytes: a caller
/// that expects n bytes passes n + 1 and so sees a longer file as longer
/// without reading all of it. A directory, FIFO, device or a missing file is
/// refused without blocking. False with the system's reason in `error` when
/// it cannot. Any thread.
bool ReadWholeFile(const QString& fileName, std::size_t cap, QByteArray& bytes, QString* error = nullptr);
