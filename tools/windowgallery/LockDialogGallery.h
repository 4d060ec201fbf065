#pragma once

#include <QImage>
#include <QString>
#include <utility>
#include <vector>

class TfmMain;

/// Renders the lock dialogs (unlock prompt, lock setting with a lock set,
/// panel lock setting for a first panel lock, confirmation) and the dialogs
/// behind hidden menu entries (factory default, lock mode, message list,
/// traffic monitor with some lines) in the main window's current language.
/// GUI thread.
namespace LockDialogGallery {

/// Pairs of a file stem ("LockPassWord", ...) and the dialog's picture.
std::vector<std::pair<QString, QImage>> Render(TfmMain& window);

}  // namespace LockDialogGallery
