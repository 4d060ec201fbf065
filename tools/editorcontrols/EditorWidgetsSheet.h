#pragma once

#include <QImage>
#include <QList>
#include <QString>

/// Pictures of the plot editor's widget set, for checking by eye: every
/// widget in three columns (enabled, disabled, focused), and the three
/// pages of the value converter form. Needs a QApplication. GUI thread.
namespace EditorWidgetsSheet {

/// The widget sheet, rendered on a shown (offscreen) form.
QImage Render();
/// The value converter's "Interval", "Date/Time" and "Price 32nds" pages.
QList<QImage> RenderConverterPages();

/// Writes "editor_widgets.png" and "value_converter_<page>.png" into
/// folder; returns the paths, or none and an error text.
QStringList Write(const QString& folder, QString* error);

}  // namespace EditorWidgetsSheet
