#pragma once

#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

class QWidget;

/// What a file dialog is asked for: open or save, its caption, the filter in
/// the "Text (*.txt)|*.txt" form the forms use, and the starting file name.
struct FileChoice {
  enum class Kind { Open, Save };
  Kind kind = Kind::Open;
  QString title;
  QString filter;
  QString initialPath;
};

/// Everything ChooseFiles asks a file dialog for: a FileChoice and the
/// starting folder, the extension given to a name typed without one
/// (without the dot), the filter entry selected at the start (from 1),
/// whether several files may be chosen and whether a file to open must
/// exist.
struct FileDialogChoice : FileChoice {
  QString directory;
  QString defaultExt;
  int filterIndex = 1;
  bool multiSelect = false;
  bool fileMustExist = false;
};

/// What the user chose in ChooseFiles: the files (several only with
/// multiSelect) and the filter entry selected at the end (from 1).
struct FileAnswer {
  QStringList files;
  int filterIndex = 1;
};

/// Every file dialog of the editor goes through here. GUI thread only.
/// Tests install a hook that answers instead of showing a dialog.
namespace FileChooser {

using Hook = std::function<std::optional<QString>(const FileChoice&)>;

/// Shows the native file dialog (or asks the hook) and returns the chosen
/// path, or nothing when the user cancels; it starts as ChooseFiles does.
std::optional<QString> Choose(QWidget* parent, const FileChoice& choice);

/// Installs (or, with an empty hook, removes) the answering hook.
void SetHook(Hook hook);

using FilesHook = std::function<std::optional<FileAnswer>(const FileDialogChoice&)>;

/// Shows the file dialog with every option of choice (or asks the files
/// hook; without one, the plain hook answers one file and keeps the filter
/// index) and returns what was chosen, or nothing when the user cancels.
/// A choice with neither a directory nor a starting path that names one
/// starts in the last folder used for its kind of file, else the user's
/// home (see FileFolders), and its answer's folder is remembered.
std::optional<FileAnswer> ChooseFiles(QWidget* parent, const FileDialogChoice& choice);

/// Installs (or, with an empty hook, removes) the hook that answers ChooseFiles.
void SetFilesHook(FilesHook hook);

/// Turns "Name (*.a)|*.a|Other|*.b;*.c" into Qt's "Name (*.a);;Other (*.b *.c)".
QString ToQtFilter(const QString& filter);

}  // namespace FileChooser
