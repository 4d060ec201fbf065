// The X-Axes page: the plot's X axes (table and finishing steps shared with
// the Y-Axes page in iPlotEditorAxisPage.cpp).
#include "plot/editor/TiPlotEditorForm.h"

#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/iPlotEditorAxisPage.h"
#include "plot/editor/iPlotEditorPages.h"

const TiEditorPageTable& XAxisPageTable() {
  static const TiEditorPageTable table = AxisPageTable(TiEditorAxisPage::X, true);
  return table;
}

void TiPlotEditorForm::BuildXAxesPage(QWidget* page) {
  m_xAxisPage = BuildObjectPage(
      page, true, XAxisPageTable(), [this] { XAxisChange(); }, [this] { UpdateXAxesEdit(); });
  FinishAxisPage(
      *this, TiEditorAxisPage::X, XAxisPageTable(), [this] { XAxisCursorCopyDefaultButtonClick(); },
      [this] { XAxisLegendCopyDefaultButtonClick(); });
}

void TiPlotEditorForm::UpdateXAxesEdit() {
  TiPlotObject* axis = FillObjectPage(*m_xAxisListBox, m_xAxisPage);
  ShowAxisDateTimeFormats(*this, TiEditorAxisPage::X, axis);
  m_xAxisListBox->viewport()->update();
}

void TiPlotEditorForm::XAxisChange() {
  if (ApplyObjectPage(*m_xAxisListBox, m_xAxisPage) != nullptr) UpdateAll();
}

void TiPlotEditorForm::XAxisCursorCopyDefaultButtonClick() {
  CopyDefaultLabelFormat(*this, TiEditorAxisPage::X, QStringLiteral("Cursor"));
  XAxisChange();
}

void TiPlotEditorForm::XAxisLegendCopyDefaultButtonClick() {
  CopyDefaultLabelFormat(*this, TiEditorAxisPage::X, QStringLiteral("Legend"));
  XAxisChange();
}
