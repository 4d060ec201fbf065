#pragma once

#include <QByteArray>

class QWidget;
class TEdit;

/// The password edit the lock dialogs share and the bytes a password
/// command takes from it. GUI thread only.
namespace PasswordEdit {

/// Characters in a password.
constexpr int kLength = 4;

/// An edit `edName` (width x 24) on parent: upper case, at most 4
/// characters, centred, taking only characters the system code page holds,
/// so a password that is set can always be typed again.
TEdit& Add(QWidget& parent, int left, int top, int width);
/// The 4 bytes of a password command: the edit's first 4 characters in
/// the code page, zero bytes after a shorter text.
QByteArray Bytes(const TEdit& edit);

}  // namespace PasswordEdit
