// The plot editor's pages, one picture per page and sub-page.
#include <QApplication>

#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotStoredSettings.h"
#include "plot/editor/TiComponentEditorPageControl.h"
#include "plot/editor/TiPlotEditorForm.h"
#include "tools/plotgallery/PlotGallery.h"

namespace PlotGallery {

namespace {

QString EditorPictureName(const QString& page, const QString& subPage) {
  QString name = QStringLiteral("plot-editor-") + page;
  if (!subPage.isEmpty()) name += QLatin1Char('-') + subPage;
  name = name.toLower();
  for (QChar& c : name) {
    if (!c.isLetterOrNumber() && c != QLatin1Char('-')) c = QLatin1Char('_');
  }
  return name + QStringLiteral(".png");
}

}  // namespace

std::vector<Gallery::Picture> RenderEditorPages() {
  TiPlot plot;
  plot.SetBounds(0, 0, 400, 300);
  TiPlotMasterManager& master = plot.Master();
  master.AddTable();
  master.AddLimit();
  master.AddDataCursor();
  master.AddLabel();
  plot.StoredSettings().EditorFormStyle = TiPlotFormStyle::ipfsStayOnTop;
  master.EditProperties();
  TiPlotEditorForm& form = *master.EditorForm();
  std::vector<Gallery::Picture> pictures;
  TiComponentEditorPageControl& pages = form.PageControl();
  for (int p = 0; p < pages.count(); ++p) {
    pages.setCurrentIndex(p);
    const QString caption = pages.tabText(p);
    auto* sub = pages.widget(p)->findChild<QTabWidget*>();
    if (sub == nullptr || sub->count() == 0) {
      QApplication::processEvents();
      pictures.push_back({EditorPictureName(caption, {}), form.grab().toImage()});
      continue;
    }
    for (int s = 0; s < sub->count(); ++s) {
      if (!sub->isTabVisible(s)) continue;
      sub->setCurrentIndex(s);
      QApplication::processEvents();
      pictures.push_back({EditorPictureName(caption, sub->tabText(s)), form.grab().toImage()});
    }
  }
  form.close();
  return pictures;
}

}  // namespace PlotGallery
