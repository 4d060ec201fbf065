#pragma once

#include <optional>

#include "platform/widgets/FileChooser.h"

class QObject;
class QWidget;
class TWinControl;

/// Where the editor's dialog wrappers find the window that owns a dialog,
/// and what the open and save wrappers share in asking for files. GUI
/// thread.

/// The owner as a windowed control; EPlotError "Invalid class typecast"
/// when it is none (the colour and font dialogs need one).
TWinControl& WindowedOwner(QObject* owner);

/// The window of a file dialog: up the owner chain from owner, the first
/// form found, else the outermost windowed control found; nullptr when
/// the chain holds no windowed control.
QWidget* FileDialogOwnerWindow(QObject* owner);

/// A file dialog of the given kind, filter, starting file name and default
/// extension, starting in defaultDir ("." when it is empty).
FileDialogChoice WrapperChoice(FileChoice::Kind kind, const QString& filter, const QString& fileName,
                               const QString& defaultExt, const QString& defaultDir);

/// Shows choice for the wrapper owned by owner (the window of
/// FileDialogOwnerWindow); nothing, and no dialog, when no windowed control
/// owns the wrapper or the user cancels.
std::optional<FileAnswer> ChooseForOwner(QObject* owner, const FileDialogChoice& choice);
