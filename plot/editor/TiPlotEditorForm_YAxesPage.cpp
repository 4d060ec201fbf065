// The Y-Axes page: the X-Axes page with its differences
// (iPlotEditorAxisPage.cpp): laid out as the X page, applied in its own
// order, and its "Child Ref Axis Name" list refreshed by the fill only.
#include "plot/editor/TiPlotEditorForm.h"

#include "plot/editor/TiComponentEditorComboBox.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/iPlotEditorAxisPage.h"
#include "plot/editor/iPlotEditorPages.h"

namespace {

/// The page's controls in the order the Y page's apply writes them, the
/// cursor precision edit twice.
const TiEditorPageTable& YAxisApplyTable() {
  static const TiEditorPageTable table = AxisPageTable(TiEditorAxisPage::Y, true);
  return table;
}

}  // namespace

const TiEditorPageTable& YAxisPageTable() {
  static const TiEditorPageTable table = AxisPageTable(TiEditorAxisPage::Y, false);
  return table;
}

void TiPlotEditorForm::BuildYAxesPage(QWidget* page) {
  BuildObjectPage(
      page, true, YAxisPageTable(), [this] { YAxisChange(); }, [this] { UpdateYAxesEdit(); });
  m_yAxisPage = BindBuiltControls(YAxisApplyTable(), m_controls);
  FinishAxisPage(
      *this, TiEditorAxisPage::Y, YAxisPageTable(), [this] { YAxisCursorCopyDefaultButtonClick(); },
      [this] { YAxisLegendCopyDefaultButtonClick(); });
  if (auto* childRef = Control<TiComponentEditorComboBox>(QStringLiteral("YAxisCartesianChildRefAxisNameComboBox"))) {
    childRef->OnDropDown = nullptr;
  }
}

void TiPlotEditorForm::UpdateYAxesEdit() {
  TiPlotObject* axis = FillObjectPage(*m_yAxisListBox, m_yAxisPage);
  ShowAxisDateTimeFormats(*this, TiEditorAxisPage::Y, axis);
  m_yAxisListBox->viewport()->update();
}

void TiPlotEditorForm::YAxisChange() {
  if (ApplyObjectPage(*m_yAxisListBox, m_yAxisPage) != nullptr) UpdateAll();
}

void TiPlotEditorForm::YAxisCursorCopyDefaultButtonClick() {
  CopyDefaultLabelFormat(*this, TiEditorAxisPage::Y, QStringLiteral("Cursor"));
  YAxisChange();
}

void TiPlotEditorForm::YAxisLegendCopyDefaultButtonClick() {
  CopyDefaultLabelFormat(*this, TiEditorAxisPage::Y, QStringLiteral("Legend"));
  YAxisChange();
}
