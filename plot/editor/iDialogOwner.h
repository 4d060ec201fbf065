#pragma once

class QObject;
class QWidget;
class TWinControl;

/// Where the editor's dialog wrappers find the window that owns a dialog.
/// GUI thread.

/// The owner as a windowed control; EPlotError "Invalid class typecast"
/// when it is none (the colour and font dialogs need one).
TWinControl& WindowedOwner(QObject* owner);

/// The window of a file dialog: up the owner chain from owner, the first
/// form found, else the outermost windowed control found; nullptr when
/// the chain holds no windowed control.
QWidget* FileDialogOwnerWindow(QObject* owner);
