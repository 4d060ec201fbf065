#include "plot/core/TiPlotMasterManager.h"

#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/core/TiPlotLayoutManager.h"
#include "plot/core/TiPlotObjectManager.h"
#include "plot/core/TiPlotTranslationManager.h"
#include "plot/objects/TiPlotDataView.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

TiPlotMasterManager::TiPlotMasterManager(TiPlotComponent* owner) : m_owner(owner) {
  using K = TiPlotObjectKind;
  const TNotifyEvent change = [this](TObject* s) { NotifyChange(s); };
  const TNotifyEvent insert = [this](TObject* s) { NotifyInsert(s); };
  const TNotifyEvent remove = [this](TObject* s) { NotifyRemove(s); };
  const TNotifyEvent rename = [this](TObject* s) { NotifyRename(s); };
  m_objectManager = std::make_unique<TiPlotObjectManager>(owner, change, insert, remove, rename);
  m_toolBarManager = MakeKindManager({K::ToolBar}, QStringLiteral("Toolbar"));
  m_legendManager = MakeKindManager({K::Legend}, QStringLiteral("Legend"));
  m_tableManager = MakeKindManager({K::Table}, QStringLiteral("Table"));
  m_channelManager = MakeKindManager({K::Channel, K::XYChannel}, QStringLiteral("Channel"));
  m_dataCursorManager = MakeKindManager({K::DataCursor}, QStringLiteral("Cursor"));
  m_dataViewManager = MakeKindManager({K::DataView}, QStringLiteral("Data View"));
  m_xAxisManager = MakeKindManager({K::XAxis}, QStringLiteral("X-Axis"));
  m_yAxisManager = MakeKindManager({K::YAxis}, QStringLiteral("Y-Axis"));
  m_limitManager = MakeKindManager({K::Limit}, QStringLiteral("Limit"));
  m_labelManager = MakeKindManager({K::Label}, QStringLiteral("Label"));
  m_annotationManager = MakeKindManager({K::Annotation}, QStringLiteral("Annotation"));
  m_layoutManager = std::make_unique<TiPlotLayoutManager>(owner, change, insert, remove, rename);
  m_translationManager = std::make_unique<TiPlotTranslationManager>();
  RegisterAxisAndDataViewClasses();
}

TiPlotMasterManager::~TiPlotMasterManager() {
  FreeEditorForm();
  m_toolBarManager.reset();
  m_legendManager.reset();
  m_tableManager.reset();
  m_channelManager.reset();
  m_xAxisManager.reset();
  m_yAxisManager.reset();
  m_dataViewManager.reset();
  m_dataCursorManager.reset();
  m_limitManager.reset();
  m_labelManager.reset();
  m_annotationManager.reset();
  m_translationManager.reset();
  m_objectManager.reset();
  m_layoutManager.reset();
}

std::unique_ptr<TiPlotKindManager> TiPlotMasterManager::MakeKindManager(std::initializer_list<TiPlotObjectKind> kinds,
                                                                        const QString& baseName) {
  return std::make_unique<TiPlotKindManager>(
      kinds, baseName, m_owner, [this](TObject* s) { NotifyChange(s); }, [this](TObject* s) { NotifyInsert(s); },
      [this](TObject* s) { NotifyRemove(s); }, [this](TObject* s) { NotifyRename(s); });
}

void TiPlotMasterManager::RegisterAxisAndDataViewClasses() {
  const TiPlotFirstReferences axisTitle = [](TiPlotObject& object) {
    auto& axis = static_cast<TiPlotAxis&>(object);
    axis.SetTitle(axis.Name());
  };
  m_xAxisManager->SetObjectClass(PlotObjectFactory<TiPlotXAxis>(), axisTitle);
  m_yAxisManager->SetObjectClass(PlotObjectFactory<TiPlotYAxis>(), axisTitle);
  m_dataViewManager->SetObjectClass(PlotObjectFactory<TiPlotDataView>(), [this](TiPlotObject& object) {
    auto& view = static_cast<TiPlotDataView&>(object);
    if (m_xAxisManager && m_xAxisManager->Count() > 0) {
      view.SetGridXAxisName(m_xAxisManager->Items(0)->Name());
    }
    if (m_yAxisManager && m_yAxisManager->Count() > 0) {
      view.SetGridYAxisName(m_yAxisManager->Items(0)->Name());
    }
  });
}

std::vector<TiPlotKindManager*> TiPlotMasterManager::KindManagers() const {
  std::vector<TiPlotKindManager*> list;
  for (TiPlotKindManager* m : {m_toolBarManager.get(), m_legendManager.get(), m_tableManager.get(),
                               m_xAxisManager.get(), m_yAxisManager.get(), m_channelManager.get(),
                               m_dataViewManager.get(), m_dataCursorManager.get(), m_limitManager.get(),
                               m_labelManager.get(), m_annotationManager.get()}) {
    if (m != nullptr) {
      list.push_back(m);
    }
  }
  return list;
}

TiPlotKindManager* TiPlotMasterManager::ManagerOfKind(TiPlotObjectKind kind) const {
  for (TiPlotKindManager* m : KindManagers()) {
    if (m->HoldsKind(kind)) {
      return m;
    }
  }
  return nullptr;
}

void TiPlotMasterManager::SetUserCanEditObjects(bool value) {
  m_userCanEditObjects = value;
  for (TiPlotKindManager* m : KindManagers()) {
    for (TiPlotObject* object : m->Snapshot()) {
      object->SetUserCanEdit(value);
    }
  }
}

void TiPlotMasterManager::SetXYAxesReverse(bool value) {
  m_xyAxesReverse = value;
  m_layoutManager->SetXYAxesReverse(value);
  for (TiPlotKindManager* m : KindManagers()) {
    for (TiPlotObject* object : m->Snapshot()) {
      object->SetXYAxesReversed(value);
    }
  }
  Raise(OnInvalidateNow, this);
}

void TiPlotMasterManager::SetChannelClass(TiPlotObjectFactory factory, TiPlotFirstReferences firstReferences) {
  m_channelManager->SetObjectClass(std::move(factory), std::move(firstReferences));
}

int TiPlotMasterManager::AddOf(TiPlotKindManager& manager) {
  std::unique_ptr<TiPlotObject> object = manager.CreateObject();
  TiPlotObject* raw = object.get();
  manager.Adopt(std::move(object));
  raw->DoInsert();
  return manager.GetIndex(raw);
}

int TiPlotMasterManager::AddChannel() { return AddOf(*m_channelManager); }
int TiPlotMasterManager::AddDataView() { return AddOf(*m_dataViewManager); }
int TiPlotMasterManager::AddDataCursor() { return AddOf(*m_dataCursorManager); }
int TiPlotMasterManager::AddXAxis() { return AddOf(*m_xAxisManager); }
int TiPlotMasterManager::AddYAxis() { return AddOf(*m_yAxisManager); }
int TiPlotMasterManager::AddLegend() { return AddOf(*m_legendManager); }
int TiPlotMasterManager::AddTable() { return AddOf(*m_tableManager); }
int TiPlotMasterManager::AddToolBar() { return AddOf(*m_toolBarManager); }
int TiPlotMasterManager::AddLimit() { return AddOf(*m_limitManager); }
int TiPlotMasterManager::AddLabel() { return AddOf(*m_labelManager); }
int TiPlotMasterManager::AddAnnotation() { return AddOf(*m_annotationManager); }
int TiPlotMasterManager::AddTranslation() { return m_translationManager->Add(); }

void TiPlotMasterManager::ShowToolBars(bool value) {
  for (TiPlotObject* toolBar : m_toolBarManager->Snapshot()) {
    toolBar->SetVisible(value);
  }
}

void TiPlotMasterManager::ClearAllData() {
  for (TiPlotObject* channel : m_channelManager->Snapshot()) {
    static_cast<TiPlotChannelCustom*>(channel)->Clear();
  }
  for (TiPlotKindManager* axes : {m_xAxisManager.get(), m_yAxisManager.get()}) {
    for (TiPlotObject* axis : axes->Snapshot()) {
      static_cast<TiPlotAxis*>(axis)->ResetFirstAlign();
    }
  }
}

void TiPlotMasterManager::DeSelectAll() { m_objectManager->ClearAllUserSelections(); }

void TiPlotMasterManager::NotifyInsert(TObject* sender) {
  if (auto* object = dynamic_cast<TiPlotObject*>(sender)) {
    if (m_objectManager) {
      m_objectManager->NotificationInsert(object);
    }
    if (m_layoutManager) {
      m_layoutManager->NotificationInsert(object);
    }
    for (TiPlotKindManager* m : KindManagers()) {
      m->NotificationInsert(object);
    }
    object->OnSetFocus = [this](TObject* s) { NotifySetFocus(s); };
    object->OnInvalidateNow = OnInvalidateNow;
    object->SetUserCanEdit(m_userCanEditObjects);
    object->OnEdit = [this](TObject* s) { EditObject(s); };
    object->SetXYAxesReversed(m_xyAxesReverse);
    EditorInsert(object);
  }
  Raise(OnInsert, sender);
}

void TiPlotMasterManager::NotifyRemove(TObject* sender) {
  Raise(OnRemove, sender);
  if (auto* object = dynamic_cast<TiPlotObject*>(sender)) {
    EditorRemove(object);
  }
  if (m_objectManager) {
    m_objectManager->NotificationRemove(sender);
  }
  if (m_layoutManager) {
    m_layoutManager->NotificationRemove(sender);
  }
  for (TiPlotKindManager* m : KindManagers()) {
    m->NotificationRemove(sender);
  }
}

void TiPlotMasterManager::NotifyRename(TObject* sender) {
  for (TiPlotKindManager* m : KindManagers()) {
    m->NotificationRename(sender);
  }
  if (m_layoutManager) {
    m_layoutManager->NotificationRename(sender);
  }
  if (auto* object = dynamic_cast<TiPlotObject*>(sender)) {
    EditorRename(object);
  }
}

void TiPlotMasterManager::NotifySetFocus(TObject* sender) {
  for (TiPlotKindManager* m : KindManagers()) {
    m->NotificationSetFocus(sender);
  }
  if (m_layoutManager) {
    m_layoutManager->NotificationSetFocus(sender);
  }
}

void TiPlotMasterManager::NotifyChange(TObject*) { Raise(OnChange, this); }
