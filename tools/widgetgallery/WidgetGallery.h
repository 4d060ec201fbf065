#pragma once

#include <vector>

#include <QImage>
#include <QString>
#include <QStringList>

/// Pictures of the panel and button widget set in their states, one sheet
/// per family, for checking by eye. Needs a QApplication. GUI thread.
namespace WidgetGallery {

struct Sheet {
  QString fileName;  ///< e.g. "bitmap_buttons.png"
  QImage image;
};

/// Panels and group boxes, labels, combo boxes, push and shape buttons,
/// bitmap buttons, LED and 3D-text buttons, and a band-panel row.
std::vector<Sheet> RenderAll();

/// Writes the sheets into folder (created if missing), each file under a
/// temporary name renamed into place; returns the paths written, or an
/// empty list and an error text.
QStringList WriteSheets(const QString& folder, const std::vector<Sheet>& sheets, QString* error);

/// Writes RenderAll() into folder (created if missing), each file under a
/// temporary name renamed into place; returns the paths written, or an
/// empty list and an error text.
QStringList WriteAll(const QString& folder, QString* error);

}  // namespace WidgetGallery
