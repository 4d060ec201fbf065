#pragma once

#include <QString>

struct FileChoice;

/// Where a file dialog starts: the folder of the file last chosen for the
/// same kind of file (the same filter) in this run, else the user's home
/// folder, never the program's own folder, which an installed copy cannot
/// write. GUI thread only.
namespace FileFolders {

/// The folder a dialog for `choice` starts in.
QString StartFolder(const FileChoice& choice);
/// Records the folder of `path` as the last one used for `choice`'s kind.
void Remember(const FileChoice& choice, const QString& path);
/// Forgets every folder (tests).
void Forget();

}  // namespace FileFolders
