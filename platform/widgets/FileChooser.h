#pragma once

#include <functional>
#include <optional>

#include <QString>

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

/// Every file dialog of the editor goes through here. GUI thread only.
/// Tests install a hook that answers instead of showing a dialog.
namespace FileChooser {

using Hook = std::function<std::optional<QString>(const FileChoice&)>;

/// Shows the native file dialog (or asks the hook) and returns the chosen
/// path, or nothing when the user cancels.
std::optional<QString> Choose(QWidget* parent, const FileChoice& choice);

/// Installs (or, with an empty hook, removes) the answering hook.
void SetHook(Hook hook);

/// Turns "Name (*.a)|*.a|Other|*.b;*.c" into Qt's "Name (*.a);;Other (*.b *.c)".
QString ToQtFilter(const QString& filter);

}  // namespace FileChooser
