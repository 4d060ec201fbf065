#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// The plot library's text files (property, annotation and translation
/// files): lines in the system's 8-bit code page ended by CR LF, written
/// to a temporary name and renamed into place; reading also takes UTF-8
/// and UTF-16 files that start with a byte-order mark. GUI thread.

/// The text of a file's bytes: a byte-order mark selects UTF-8 or UTF-16,
/// otherwise the system's 8-bit code page (a stray zero byte does not end
/// the text).
QString DecodeTextFile(const QByteArray& bytes);

/// The file's lines (CR LF, CR or LF ends a line; no empty last line for
/// the final line end). Throws EPlotError with the reason the file cannot
/// be read.
QStringList ReadTextFileLines(const QString& fileName);

/// Writes the lines, each ended by CR LF, in the code page, through a
/// temporary file renamed over fileName. Throws EPlotError with the
/// reason; the previous file then stays as it was and no temporary file
/// is left.
void WriteTextFileLines(const QString& fileName, const QStringList& lines);
