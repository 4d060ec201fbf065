#pragma once

#include <QImage>
#include <QString>

/// A picture of the plot editor's own check boxes (both alignments,
/// checked, held, disabled, focused) and radio groups (one to three
/// columns, disabled, focused), for checking by eye. Needs a QApplication.
/// GUI thread.
namespace EditorControlsSheet {

/// Renders the sheet on a shown (offscreen) form.
QImage Render();

/// Writes Render() as "editor_controls.png" into folder (created if
/// missing) under a temporary name renamed into place; returns the path,
/// or an empty string and an error text.
QString Write(const QString& folder, QString* error);

/// Writes image as a PNG named fileName into folder (created if missing)
/// under a temporary name renamed into place; returns the path, or an
/// empty string and an error text.
QString WriteImage(const QString& folder, const QString& fileName, const QImage& image, QString* error);

}  // namespace EditorControlsSheet
