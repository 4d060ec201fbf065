// The Layout page: the plot's layout viewer and its pop-up menu.
#include "plot/editor/TiPlotEditorForm.h"

#include "platform/widgets/TPopupMenu.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotLayoutObject.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/TiComponentEditorPageControl.h"
#include "plot/editor/TiPlotLayoutViewer.h"
#include "plot/editor/iHandlerError.h"
#include "plot/editor/iPlotEditorLayout.h"

void TiPlotEditorForm::BuildLayoutPage(QWidget* page) {
  m_layoutViewer = new TiPlotLayoutViewer(page);
  m_layoutViewer->setObjectName(QStringLiteral("iPlotLayoutViewer"));
  m_layoutViewer->SetBounds(2, 2, kEditorPageWidth - 4, kEditorPageHeight - 4);
  m_controls.Register(m_layoutViewer->objectName(), m_layoutViewer);
  m_layoutViewer->OnChange = [this](TObject*) { RunShowingErrors(this, [this] { iPlotLayoutViewerChange(); }); };
  m_layoutViewer->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int x, int y) {
    iPlotLayoutViewerMouseDown(x, y);
  };
  m_layoutViewer->OnMouseUp = [this](TObject*, TMouseButton button, TShiftState, int x, int y) {
    if (button != TMouseButton::mbRight) return;
    const QPoint at = m_layoutViewer->mapToGlobal(QPoint(x, y));
    m_layoutPopupMenu->Popup(at.x(), at.y());
  };
  BuildLayoutPopupMenu();
}

void TiPlotEditorForm::BuildLayoutPopupMenu() {
  m_layoutPopupMenu = std::make_unique<TPopupMenu>(this);
  m_layoutPopupMenu->OnPopup = [this](TObject*) { LayoutPopupMenuPopup(); };
  const auto add = [this](const QString& name, const QString& caption, void (TiPlotEditorForm::*click)()) {
    auto item = std::make_unique<TMenuItem>();
    item->Name = name;
    item->Caption = caption;
    if (click != nullptr) {
      item->OnClick = [this, click](TObject*) { RunShowingErrors(this, [this, click] { (this->*click)(); }); };
    }
    return &m_layoutPopupMenu->Add(std::move(item));
  };
  using F = TiPlotEditorForm;
  m_xyAxesReverseMenuItem =
      add(QStringLiteral("XYAxesReverseMenuItem"), QStringLiteral("XY-Axes Reverse"), &F::XYAxesReverseMenuItemClick);
  add(QStringLiteral("N1"), QStringLiteral("-"), nullptr);
  add(QStringLiteral("AddXAxisMenuItem"), QStringLiteral("Add X-Axis"), &F::AddXAxisMenuItemClick);
  add(QStringLiteral("AddYAxisMenuItem"), QStringLiteral("Add Y-Axis"), &F::AddYAxisMenuItemClick);
  add(QStringLiteral("AddLabelMenuItem"), QStringLiteral("Add Label"), &F::AddLabelMenuItemClick);
  add(QStringLiteral("N2"), QStringLiteral("-"), nullptr);
  m_deleteMenuItem = add(QStringLiteral("DeleteMenuItem"), QStringLiteral("Delete"), &F::DeleteMenuItemClick);
  m_visibleMenuItem = add(QStringLiteral("VisibleMenuItem"), QStringLiteral("Visible"), &F::VisibleMenuItemClick);
  m_editMenuItem = add(QStringLiteral("EditMenuItem"), QStringLiteral("Edit"), &F::EditMenuItemClick);
}

void TiPlotEditorForm::iPlotLayoutViewerMouseDown(int x, int y) {
  m_rightClickObject = m_layoutViewer->GetMouseOverBlock(x, y);
}

void TiPlotEditorForm::iPlotLayoutViewerChange() { UpdateAll(); }

void TiPlotEditorForm::LayoutPopupMenuPopup() {
  m_xyAxesReverseMenuItem->Checked = m_master != nullptr && m_master->XYAxesReverse();
  m_deleteMenuItem->Enabled = false;
  m_visibleMenuItem->Enabled = false;
  m_visibleMenuItem->Checked = false;
  m_editMenuItem->Enabled = false;
  TiPlotLayoutObject* object = m_rightClickObject;
  if (object == nullptr || m_master == nullptr) return;
  using K = TiPlotObjectKind;
  const K kind = object->Kind();
  const TiPlotKindManager& labels = m_master->LabelManager();
  const bool title = labels.Count() > 0 && labels.Items(0) == object;
  m_deleteMenuItem->Enabled =
      kind == K::XAxis || kind == K::YAxis || kind == K::Table || (kind == K::Label && !title);
  m_visibleMenuItem->Enabled = kind != K::DataView;
  m_visibleMenuItem->Checked = object->Visible();
  m_editMenuItem->Enabled = true;
}

void TiPlotEditorForm::XYAxesReverseMenuItemClick() {
  if (m_master != nullptr) m_master->SetXYAxesReverse(!m_master->XYAxesReverse());
}

void TiPlotEditorForm::AddXAxisMenuItemClick() {
  if (m_master != nullptr) m_master->AddXAxis();
}

void TiPlotEditorForm::AddYAxisMenuItemClick() {
  if (m_master != nullptr) m_master->AddYAxis();
}

void TiPlotEditorForm::AddLabelMenuItemClick() {
  if (m_master != nullptr) m_master->AddLabel();
}

void TiPlotEditorForm::DeleteMenuItemClick() {
  TiPlotLayoutObject* object = std::exchange(m_rightClickObject, nullptr);
  FreePlotObject(object);
  UpdateAll();
}

void TiPlotEditorForm::VisibleMenuItemClick() {
  if (m_rightClickObject == nullptr) return;
  m_rightClickObject->SetVisible(!m_rightClickObject->Visible());
  UpdateAll();
}

void TiPlotEditorForm::EditMenuItemClick() {
  if (m_rightClickObject == nullptr) return;
  const TiPlotObjectKind kind = m_rightClickObject->Kind();
  QWidget* page = PageOfKind(kind);
  TiComponentEditorListBox* list = ListOfKind(kind);
  if (page == nullptr || list == nullptr) return;
  m_pageControl->SetActivePage(page);
  for (int i = 0; i < list->Count(); ++i) {
    if (list->Object(i) == m_rightClickObject) list->SetItemIndex(i);
  }
  UpdateKindEdit(kind);
}
