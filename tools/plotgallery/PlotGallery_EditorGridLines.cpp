// The Data View page's nested grid-line sub-pages, one picture each.
#include <QApplication>

#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotStoredSettings.h"
#include "plot/editor/TiComponentEditorPageControl.h"
#include "plot/editor/TiPlotEditorForm.h"
#include "tools/plotgallery/PlotGallery.h"

namespace PlotGallery {

std::vector<Gallery::Picture> RenderEditorGridLinePages() {
  TiPlot plot;
  plot.SetBounds(0, 0, 400, 300);
  plot.StoredSettings().EditorFormStyle = TiPlotFormStyle::ipfsStayOnTop;
  plot.Master().EditProperties();
  TiPlotEditorForm& form = *plot.Master().EditorForm();
  std::vector<Gallery::Picture> pictures;
  auto* view = form.Control<TiComponentEditorPageControl>(QStringLiteral("DataViewPageControl"));
  auto* families = form.Control<TiComponentEditorPageControl>(QStringLiteral("DataViewGridLinesPageControl"));
  if (view == nullptr || families == nullptr) return pictures;
  form.PageControl().setCurrentWidget(view->parentWidget()->parentWidget());
  view->setCurrentWidget(families->parentWidget());
  for (int i = 1; i < families->count(); ++i) {
    families->setCurrentIndex(i);
    QApplication::processEvents();
    const QString name = QStringLiteral("plot-editor-data_view-grid_lines-") + families->tabText(i).toLower();
    pictures.push_back({name + QStringLiteral(".png"), form.grab().toImage()});
  }
  form.close();
  return pictures;
}

}  // namespace PlotGallery
