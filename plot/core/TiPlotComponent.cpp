#include "plot/core/TiPlotComponent.h"

#include <algorithm>

#include "platform/pictures/TBitmap.h"
#include "platform/pictures/TMetafile.h"
#include "platform/pictures/TPicture.h"
#include "platform/widgets/TPopupMenu.h"
#include "plot/base/EPlotError.h"
#include "plot/base/iDrawing.h"
#include "plot/core/TiPlotLayoutManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotObjectManager.h"
#include "plot/objects/TiPlotDataView.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

TiPlotComponent::TiPlotComponent(QWidget* parent)
    : TiCustomComponent(parent), m_popupMenu(std::make_unique<TPopupMenu>(this)) {
  SetBounds(Left(), Top(), 500, 200);
  SetBackGroundColor(0);
  SetBorderStyle(TiBevelStyle::ibsLowered);
  SetUpdateFrameRate(60);
  SetAutoFrameRate(true);
  m_master = std::make_unique<TiPlotMasterManager>(this);
  m_master->OnChange = [this](TObject*) { DoObjectChange(); };
  m_master->OnRemove = [this](TObject* object) { DoObjectRemove(object); };
  m_master->OnInsert = [this](TObject* object) { DoObjectInsert(object); };
  m_master->OnInvalidateNow = [this](TObject*) { InvalidateNow(); };
  m_master->SetUserCanEditObjects(true);
  OnInternalTimer = [this](TObject*) { InternalTimerEvent(); };
  m_annotationDefaultFont.SetColor(clWhite);
}

TiPlotComponent::~TiPlotComponent() {
  m_log.StopQuietly();
  m_mouseDownObject = nullptr;
  m_lastMouseOverObject = nullptr;
  m_lastMouseClickObject = nullptr;
  ClearAxesCollisionList();
  m_master->ObjectManager().ShutDownSetup();
  m_master->OnChange = nullptr;
  m_master->OnRemove = nullptr;
  m_master->OnInsert = nullptr;
  m_master->OnInvalidateNow = nullptr;
  m_master.reset();
}

int TiPlotComponent::XAxisCount() const { return m_master->XAxisManager().Count(); }
int TiPlotComponent::YAxisCount() const { return m_master->YAxisManager().Count(); }
int TiPlotComponent::DataViewCount() const { return m_master->DataViewManager().Count(); }

TiPlotXAxis* TiPlotComponent::XAxis(int index) const {
  return m_master->XAxisManager().ItemAs<TiPlotXAxis>(index);
}

TiPlotYAxis* TiPlotComponent::YAxis(int index) const {
  return m_master->YAxisManager().ItemAs<TiPlotYAxis>(index);
}

TiPlotDataView* TiPlotComponent::DataView(int index) const {
  return m_master->DataViewManager().ItemAs<TiPlotDataView>(index);
}

int TiPlotComponent::GetXAxisIndexByName(const QString& value) const {
  return m_master->XAxisManager().GetIndexByName(value);
}

int TiPlotComponent::GetYAxisIndexByName(const QString& value) const {
  return m_master->YAxisManager().GetIndexByName(value);
}

int TiPlotComponent::GetDataViewIndexByName(const QString& value) const {
  return m_master->DataViewManager().GetIndexByName(value);
}

int TiPlotComponent::AddXAxis() { return m_master->AddXAxis(); }
int TiPlotComponent::AddYAxis() { return m_master->AddYAxis(); }
int TiPlotComponent::AddDataView() { return m_master->AddDataView(); }

void TiPlotComponent::DeleteObject(TiPlotKindManager& manager, int index) {
  manager.FreeObject(manager.Items(index));
  InvalidateNow();
}

void TiPlotComponent::DeleteXAxis(int index) { DeleteObject(m_master->XAxisManager(), index); }
void TiPlotComponent::DeleteYAxis(int index) { DeleteObject(m_master->YAxisManager(), index); }
void TiPlotComponent::DeleteDataView(int index) { DeleteObject(m_master->DataViewManager(), index); }

void TiPlotComponent::RemoveAll(TiPlotKindManager& manager) {
  manager.Clear();
  InvalidateNow();
}

void TiPlotComponent::RemoveAllXAxes() { RemoveAll(m_master->XAxisManager()); }
void TiPlotComponent::RemoveAllYAxes() { RemoveAll(m_master->YAxisManager()); }
void TiPlotComponent::RemoveAllDataViews() { RemoveAll(m_master->DataViewManager()); }

void TiPlotComponent::DeleteLabel(int index) {
  if (index == 0) {
    throw EPlotError(QStringLiteral("Label Index 0 can not be Deleted (Resevered for Title)"));
  }
  TiPlotKindManager& labels = m_master->LabelManager();
  labels.FreeObject(labels.Items(index));
}

void TiPlotComponent::RemoveAllLabels() {
  TiPlotKindManager& labels = m_master->LabelManager();
  while (labels.Count() > 1) {
    labels.FreeObject(labels.Items(1));
  }
}

int TiPlotComponent::ObjectIndex(const TiPlotObject* object) const {
  if (object == nullptr) {
    return -1;
  }
  TiPlotKindManager* manager = m_master->ManagerOfKind(object->Kind());
  return manager ? manager->GetIndex(object) : -1;
}

int TiPlotComponent::DataViewZHorz() const { return m_master->LayoutManager().DataViewHorz().ZOrder(); }
// A marker that moves changes which side objects lie on: the side lists
// are rebuilt at once, not left for the next layout change.
void TiPlotComponent::SetDataViewZHorz(int value) {
  m_master->LayoutManager().DataViewHorz().SetZOrder(value);
  m_master->LayoutManager().RebuildLists();
}
int TiPlotComponent::DataViewZVert() const { return m_master->LayoutManager().DataViewVert().ZOrder(); }
void TiPlotComponent::SetDataViewZVert(int value) {
  m_master->LayoutManager().DataViewVert().SetZOrder(value);
  m_master->LayoutManager().RebuildLists();
}
bool TiPlotComponent::XYAxesReverse() const { return m_master->LayoutManager().XYAxesReverse(); }
void TiPlotComponent::SetXYAxesReverse(bool value) { m_master->SetXYAxesReverse(value); }
bool TiPlotComponent::UserCanEditObjects() const { return m_master->UserCanEditObjects(); }
void TiPlotComponent::SetUserCanEditObjects(bool value) { m_master->SetUserCanEditObjects(value); }
void TiPlotComponent::DisableLayoutManager() { m_master->LayoutManager().SetEnabled(false); }
void TiPlotComponent::EnableLayoutManager() { m_master->LayoutManager().SetEnabled(true); }

void TiPlotComponent::RefreshLayoutManager() {
  DisableLayoutManager();
  EnableLayoutManager();
}

void TiPlotComponent::ReCalcLayout() {
  TBitmap scratch(Width(), Height());
  iPaintTo(scratch.Canvas());
}

bool TiPlotComponent::ReserveAxisLabelRect(const TRect& rect) {
  for (const TRect& taken : m_axesCollisionList) {
    if (!IntersectRect(rect, taken).IsEmpty()) {
      return false;
    }
  }
  if (!m_axesCollisionList.empty() && DataViewCount() > 0) {
    const TRect view = DataView(0)->DrawRect();
    if (rect.Left < view.Left || rect.Top < view.Top || rect.Right > view.Right || rect.Bottom > view.Bottom) {
      return false;
    }
  }
  m_axesCollisionList.push_back(rect);
  return true;
}

void TiPlotComponent::SetBackGroundGradientDirection(TiFillDirection value) {
  if (value != m_gradientDirection) {
    m_gradientDirection = value;
    InvalidateChange();
  }
}

void TiPlotComponent::Loaded() {
  TiCustomComponent::Loaded();
  EnableLayoutManager();
  EndUpdate();
}


