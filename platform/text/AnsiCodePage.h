#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

/// The system's 8-bit code page, used for every name the unit stores (preset,
/// channel and FIR names): GBK, converted through iconv. ASCII round-trips byte
/// for byte; a character GBK cannot hold becomes '?'. Any thread.

/// The whole text in the code page (no terminator inside the array).
QByteArray WideToAnsi(const QString& text);

/// A fixed-width field of exactly `width` bytes: as many whole characters as
/// fit (a double-byte character is never split), then zero bytes.
QByteArray WideToAnsiField(const QString& text, int width);

/// Whether the code page holds every character of text, so that WideToAnsi
/// turns none of them into '?'.
bool CodePageHolds(const QString& text);

/// The text of an 8-bit field, up to its first zero byte; bytes that are not
/// GBK become '?'.
QString AnsiToWide(QByteArrayView bytes);
