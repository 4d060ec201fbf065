#pragma once

class QString;
class QWidget;

/// The information message: the text with the information icon and one OK
/// button, titled with the application's name, modal above owner's window
/// (or the application) until OK, Escape or its close box ends it. GUI
/// thread only.
void ShowInformationMessage(QWidget* owner, const QString& text);
