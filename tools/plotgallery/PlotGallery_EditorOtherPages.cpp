#include <QCoreApplication>
#include <QTabWidget>

#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/editor/TiComponentEditorPageControl.h"
#include "plot/editor/TiPlotEditorForm.h"
#include "tools/plotgallery/PlotGallery.h"

namespace PlotGallery {

namespace {

/// Shows the page of that caption in a tab widget; false when it has none.
bool ShowTab(QTabWidget& tabs, const QString& caption) {
  for (int i = 0; i < tabs.count(); ++i) {
    if (tabs.tabText(i) == caption) {
      tabs.setCurrentIndex(i);
      return true;
    }
  }
  return false;
}

struct EditorSubPage {
  const char* fileName;
  const char* page;
  const char* pageControl;  ///< the page's own page control, or nullptr
  const char* subPage;
  const char* nestedControl;  ///< a page control inside the sub-page, or nullptr
  const char* nestedPage;
};

}  // namespace

std::vector<Gallery::Picture> RenderEditorOtherPagesSheets() {
  TiPlot plot;
  plot.SetBounds(0, 0, 400, 250);
  plot.AddChannel();
  plot.Master().AddDataCursor();
  plot.Master().AddLimit();
  plot.StoredSettings().EditorFormStyle = TiPlotFormStyle::ipfsStayOnTop;
  plot.Master().EditProperties();
  TiPlotEditorForm* form = plot.Master().EditorForm();
  std::vector<Gallery::Picture> pictures;
  if (form == nullptr) return pictures;
  const EditorSubPage pages[] = {
      {"editor-dataview-general.png", "Data View", "DataViewPageControl", "General", nullptr, nullptr},
      {"editor-dataview-gridlines-xmajors.png", "Data View", "DataViewPageControl", "Grid Lines",
       "DataViewGridLinesPageControl", "X-Majors"},
      {"editor-dataview-gridlines-xminors.png", "Data View", "DataViewPageControl", "Grid Lines",
       "DataViewGridLinesPageControl", "X-Minors"},
      {"editor-dataview-gridlines-ymajors.png", "Data View", "DataViewPageControl", "Grid Lines",
       "DataViewGridLinesPageControl", "Y-Majors"},
      {"editor-dataview-gridlines-yminors.png", "Data View", "DataViewPageControl", "Grid Lines",
       "DataViewGridLinesPageControl", "Y-Minors"},
      {"editor-legend-general.png", "Legend", "LegendPageControl", "General", nullptr, nullptr},
      {"editor-legend-columns.png", "Legend", "LegendPageControl", "Columns", nullptr, nullptr},
      {"editor-legend-wrap.png", "Legend", "LegendPageControl", "Wrap", nullptr, nullptr},
      {"editor-cursors-general.png", "Cursors", "DataCursorPageControl", "General", nullptr, nullptr},
      {"editor-cursors-channel.png", "Cursors", "DataCursorPageControl", "Channel", nullptr, nullptr},
      {"editor-cursors-hint.png", "Cursors", "DataCursorPageControl", "Hint", nullptr, nullptr},
      {"editor-limits-general.png", "Limits", "LimitPageControl", "General", nullptr, nullptr},
      {"editor-toolbar.png", "ToolBar", nullptr, nullptr, nullptr, nullptr},
  };
  for (const EditorSubPage& p : pages) {
    ShowTab(form->PageControl(), QString::fromLatin1(p.page));
    if (p.pageControl != nullptr) {
      if (auto* tabs = form->Control<TiComponentEditorPageControl>(QString::fromLatin1(p.pageControl))) {
        ShowTab(*tabs, QString::fromLatin1(p.subPage));
      }
    }
    if (p.nestedControl != nullptr) {
      if (auto* tabs = form->Control<TiComponentEditorPageControl>(QString::fromLatin1(p.nestedControl))) {
        ShowTab(*tabs, QString::fromLatin1(p.nestedPage));
      }
    }
    QCoreApplication::processEvents();
    pictures.push_back({QString::fromLatin1(p.fileName), form->grab().toImage()});
  }
  form->close();
  return pictures;
}

}  // namespace PlotGallery
