#pragma once

#include <vector>

#include <QImage>

#include "tools/gallery/Gallery.h"

class TiPlotComponent;

/// Sheets of plot-library pictures for checking by eye, one render
/// function per sheet (each in a file of its own). Needs a QApplication
/// (the plots are widgets); GUI thread.
namespace PlotGallery {

/// A plot with tables left, right and above the data view; the left one
/// scrolls ("plot-tables.png").
QImage RenderTableSheet();
/// A plot in select mode showing the hint of the data point under the
/// mouse ("plot-hint.png").
QImage RenderHintSheet();
/// The layout viewer's diagrams of a default TiPlot, a default TiXYPlot and
/// a plot with every bar kind, and that plot mid-drag once per insert
/// direction ("plot-layout.png").
QImage RenderLayoutSheet();

/// The print preview of a plot in landscape beside its settings form
/// ("plot-preview.png").
QImage RenderPreviewSheet();
/// The pages of a plot printed at 60 dpi on Letter landscape, one X span
/// each ("plot-printed-pages.png").
QImage RenderPrintedPageSheet();

/// The OPC explorer listing two server connections of a stand-in client
/// library, beside the OPC manager's design-time icon ("plot-opc-explorer.png").
QImage RenderOpcExplorerSheet();
/// The plot editor of a plot holding every kind of object: one picture of
/// each page and each sub-page ("plot-editor-<page>[-<sub-page>].png").
std::vector<Gallery::Picture> RenderEditorPages();
/// The Data View page's Grid Lines sub-page with each line family's page
/// but the first, which RenderEditorPages shows
/// ("plot-editor-data_view-grid_lines-x-minors.png" ...).
std::vector<Gallery::Picture> RenderEditorGridLinePages();

// The plot editor's object pages in sheets, every sub-page (nested ones
// too) in the editor's 576 x 272 (PlotGallery_EditorObjectPages.cpp).
/// The Channels page of a time-series plot ("plot-editor-channels.png").
QImage RenderEditorChannelsSheet();
/// The Channels page of an X-Y plot ("plot-editor-xy-channels.png").
QImage RenderEditorXYChannelsSheet();
/// The X-Axes page ("plot-editor-x-axes.png").
QImage RenderEditorXAxesSheet();
/// The Y-Axes page ("plot-editor-y-axes.png").
QImage RenderEditorYAxesSheet();

/// Every sheet with its file name.
std::vector<Gallery::Picture> RenderAll();
/// Writes RenderAll() into folder (created if missing); returns the paths
/// written, or an empty list and an error text.
QStringList WriteAll(const QString& folder, QString* error);

/// The plot as it paints itself.
QImage Picture(TiPlotComponent& plot);

}  // namespace PlotGallery
