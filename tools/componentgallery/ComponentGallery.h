#pragma once

#include <vector>

#include <QImage>
#include <QString>
#include <QStringList>

#include "tools/widgetgallery/WidgetGallery.h"

/// Pictures of the response plot, the level meters and the band panels as
/// the main window shows them, for checking by eye. Needs a QApplication.
/// GUI thread.
namespace ComponentGallery {

/// A channel plot as the main window sets it up, with three equaliser
/// bands, a low cut, the total, band markers with their parameter texts,
/// the selected band and the bypass text, shown after `updates` calls of
/// UpdateCurvePage.
QImage RenderResponsePlot(int updates);

/// The main window's meter kinds side by side: level meters at several
/// levels, a gate meter and the two lamps.
QImage RenderMeters();

/// The response plot, the meters and an input and an output band panel.
std::vector<WidgetGallery::Sheet> RenderAll();

/// Writes RenderAll() into folder (created if missing), each file under a
/// temporary name renamed into place; returns the paths written, or an
/// empty list and an error text.
QStringList WriteAll(const QString& folder, QString* error);

}  // namespace ComponentGallery
