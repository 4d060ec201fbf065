#include "plot/editor/TiComponentEditorPageControl.h"

QWidget* TiComponentEditorPageControl::AddPage(const QString& caption) {
  auto* page = new QWidget;
  addTab(page, caption);
  return page;
}
