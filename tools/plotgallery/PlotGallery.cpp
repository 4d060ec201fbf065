#include "tools/plotgallery/PlotGallery.h"

#include "platform/pictures/TBitmap.h"
#include "plot/core/TiPlotComponent.h"

namespace PlotGallery {

QImage Picture(TiPlotComponent& plot) {
  TBitmap bitmap(plot.Width(), plot.Height());
  plot.iPaintTo(bitmap.Canvas());
  return bitmap.Image();
}

std::vector<Gallery::Picture> RenderAll() {
  std::vector<Gallery::Picture> pictures{{QStringLiteral("plot-tables.png"), RenderTableSheet()},
                                         {QStringLiteral("plot-hint.png"), RenderHintSheet()},
                                         {QStringLiteral("plot-layout.png"), RenderLayoutSheet()},
                                         {QStringLiteral("plot-preview.png"), RenderPreviewSheet()},
                                         {QStringLiteral("plot-printed-pages.png"), RenderPrintedPageSheet()},
                                         {QStringLiteral("plot-opc-explorer.png"), RenderOpcExplorerSheet()},
                                         {QStringLiteral("plot-editor-channels.png"), RenderEditorChannelsSheet()},
                                         {QStringLiteral("plot-editor-xy-channels.png"), RenderEditorXYChannelsSheet()},
                                         {QStringLiteral("plot-editor-x-axes.png"), RenderEditorXAxesSheet()},
                                         {QStringLiteral("plot-editor-y-axes.png"), RenderEditorYAxesSheet()}};
  for (Gallery::Picture& picture : RenderEditorPages()) pictures.push_back(std::move(picture));
  for (Gallery::Picture& picture : RenderEditorGridLinePages()) pictures.push_back(std::move(picture));
  return pictures;
}

QStringList WriteAll(const QString& folder, QString* error) {
  return Gallery::WritePictures(RenderAll(), folder, error);
}

}  // namespace PlotGallery
