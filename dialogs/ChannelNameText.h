#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

/// A channel name as the unit stores it: 8 bytes in the unit's code page,
/// zero-filled, without terminator when all 8 are used. Any thread.
namespace ChannelNameText {

constexpr int kNameBytes = 8;

/// The 8-byte field of a typed name: the whole characters that fit in 8
/// bytes (a double-byte character is never cut in half; one the code page
/// lacks becomes '?'), then zero bytes.
QByteArray Field(const QString& text);
/// The stored name: at most 8 bytes, up to the first zero byte.
QByteArray Stored(QByteArrayView field);
/// The text of a stored name.
QString Shown(QByteArrayView field);

}  // namespace ChannelNameText
