#include "plot/editor/TiPlotEditorForm.h"

#include <QEvent>
#include <QTabBar>

#include "platform/widgets/TPopupMenu.h"
#include "plot/annotations/TiPlotDataCursor.h"
#include "plot/annotations/TiPlotLimit.h"
#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotLayoutObject.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotTranslationManager.h"
#include "plot/editor/TiComponentEditorButton.h"
#include "plot/editor/TiComponentEditorComboBox.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/TiComponentEditorPageControl.h"
#include "plot/editor/TiPlotLayoutViewer.h"
#include "plot/editor/iHandlerError.h"
#include "plot/editor/iPlotEditorLayout.h"
#include "plot/objects/TiPlotAxis.h"

TiPlotEditorForm::TiPlotEditorForm(QWidget* parent) : TiCustomEditorForm(parent) {
  SetCaption(QStringLiteral("Plot"));
  SetBounds(0, 0, kEditorFormWidth, kEditorFormHeight);
  m_pageControl = new TiComponentEditorPageControl(this);
  m_pageControl->SetName(QStringLiteral("PageControl"));
  m_pageControl->SetBounds(0, 0, kEditorFormWidth, kEditorFormHeight);
  // Twelve captions share the form's width.
  m_pageControl->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 2px; font-size: 11px; }"));
  m_controls.Register(m_pageControl->Name(), m_pageControl);
  BuildPages();
  FormCreate();
  OnClose = [this](TObject* sender, TCloseAction& action) { iCustomEditorFormClose(sender, action); };
}

TiPlotEditorForm::~TiPlotEditorForm() {
  if (m_plotComponent != nullptr) Raise(m_plotComponent->OnAfterCloseEditor, this);
}

void TiPlotEditorForm::ForgetObject(TObject* object) {
  if (object != nullptr && object == static_cast<TObject*>(m_rightClickObject)) m_rightClickObject = nullptr;
}

void TiPlotEditorForm::FormCreate() { SetBorderStyle(TFormBorderStyle::bsDialog); }

void TiPlotEditorForm::iCustomEditorFormClose(TObject*, TCloseAction&) { m_isClosing = true; }

void TiPlotEditorForm::SetStayOnTop(bool value) {
  m_stayOnTop = value;
  setWindowFlag(Qt::WindowStaysOnTopHint, value);
}

bool TiPlotEditorForm::event(QEvent* event) {
  const bool result = TiCustomEditorForm::event(event);
  if (event->type() == QEvent::WindowActivate && m_stayOnTop && !m_isClosing) {
    RunShowingErrors(this, [this] { UpdateAll(); });
  }
  return result;
}

void TiPlotEditorForm::BuildPages() {
  const auto addPage = [this](const QString& caption, const QString& name) {
    QWidget* page = m_pageControl->AddPage(caption);
    page->setObjectName(name);
    return page;
  };
  m_controlTabSheet = addPage(QStringLiteral("Control"), QStringLiteral("ControlTabSheet"));
  m_layoutTabSheet = addPage(QStringLiteral("Layout"), QStringLiteral("LayoutTabSheet"));
  m_channelsTabSheet = addPage(QStringLiteral("Channels"), QStringLiteral("ChannelsTabSheet"));
  m_dataCursorTabSheet = addPage(QStringLiteral("Cursors"), QStringLiteral("DataCursorTabSheet"));
  m_limitTabSheet = addPage(QStringLiteral("Limits"), QStringLiteral("LimitTabSheet"));
  m_labelTabSheet = addPage(QStringLiteral("Labels"), QStringLiteral("LabelTabSheet"));
  m_xAxesTabSheet = addPage(QStringLiteral("X-Axes"), QStringLiteral("XAxesTabSheet"));
  m_yAxesTabSheet = addPage(QStringLiteral("Y-Axes"), QStringLiteral("YAxesTabSheet"));
  m_legendTabSheet = addPage(QStringLiteral("Legend"), QStringLiteral("LegendTabSheet"));
  m_tablesTabSheet = addPage(QStringLiteral("Tables"), QStringLiteral("TablesTabSheet"));
  m_toolBarTabSheet = addPage(QStringLiteral("ToolBar"), QStringLiteral("ToolBarTabSheet"));
  m_dataViewTabSheet = addPage(QStringLiteral("Data View"), QStringLiteral("DataViewTabSheet"));
  BuildLists();
  BuildAddRemoveButtons();
  BuildControlPage(m_controlTabSheet);
  BuildLayoutPage(m_layoutTabSheet);
  BuildChannelsPage(m_channelsTabSheet);
  BuildCursorsPage(m_dataCursorTabSheet);
  BuildLimitsPage(m_limitTabSheet);
  BuildLabelsPage(m_labelTabSheet);
  BuildXAxesPage(m_xAxesTabSheet);
  BuildYAxesPage(m_yAxesTabSheet);
  BuildLegendPage(m_legendTabSheet);
  BuildTablesPage(m_tablesTabSheet);
  BuildToolBarPage(m_toolBarTabSheet);
  BuildDataViewPage(m_dataViewTabSheet);
}

void TiPlotEditorForm::BuildLists() {
  struct ObjectListEntry {
    TiComponentEditorListBox*& list;
    QWidget* page;
    const char* name;
    bool visible;
    void (TiPlotEditorForm::*click)();
    void (TiPlotEditorForm::*getData)(int, bool&, TColor&, QString&);
  };
  using F = TiPlotEditorForm;
  const ObjectListEntry entries[] = {
      {m_channelListBox, m_channelsTabSheet, "ChannelListBox", true, &F::ChannelListBoxClick,
       &F::ChannelListBoxGetData},
      {m_dataCursorListBox, m_dataCursorTabSheet, "DataCursorListBox", true, &F::DataCursorListBoxClick,
       &F::DataCursorListBoxGetData},
      {m_limitListBox, m_limitTabSheet, "LimitListBox", true, &F::LimitListBoxClick, &F::LimitListBoxGetData},
      {m_labelListBox, m_labelTabSheet, "LabelListBox", true, &F::LabelListBoxClick, &F::LabelListBoxGetData},
      {m_xAxisListBox, m_xAxesTabSheet, "XAxisListBox", true, &F::XAxisListBoxClick, &F::XAxisListBoxGetData},
      {m_yAxisListBox, m_yAxesTabSheet, "YAxisListBox", true, &F::YAxisListBoxClick, &F::YAxisListBoxGetData},
      {m_legendListBox, m_legendTabSheet, "LegendListBox", false, &F::LegendListBoxClick,
       &F::LegendListBoxGetData},
      {m_tableListBox, m_tablesTabSheet, "TableListBox", true, &F::TableListBoxClick, &F::TableListBoxGetData},
      {m_toolBarListBox, m_toolBarTabSheet, "ToolBarListBox", false, &F::ToolBarListBoxClick,
       &F::ToolBarListBoxGetData},
      {m_dataViewListBox, m_dataViewTabSheet, "DataViewListBox", false, &F::DataViewListBoxClick,
       &F::DataViewListBoxGetData},
  };
  for (const ObjectListEntry& entry : entries) {
    auto* list = new TiComponentEditorListBox(entry.page);
    list->SetName(QString::fromLatin1(entry.name));
    list->SetBounds(kEditorListLeft, kEditorListTop, kEditorListWidth, kEditorListHeight);
    list->setVisible(entry.visible);
    list->OnClick = [this, click = entry.click](TObject*) { RunShowingErrors(this, [this, click] { (this->*click)(); }); };
    list->OnGetData = [this, getData = entry.getData](int index, bool& box, TColor& color, QString& text) {
      (this->*getData)(index, box, color, text);
    };
    list->FreeObject = [this](TObject* object) { FreePlotObject(dynamic_cast<TiPlotObject*>(object)); };
    m_controls.Register(list->Name(), list);
    entry.list = list;
  }
}

TiComponentEditorButton* TiPlotEditorForm::AddButton(QWidget* page, const QString& name, const QString& caption,
                                                     int left, int top, std::function<void()> click) {
  auto* button = new TiComponentEditorButton(page);
  button->SetName(name);
  button->SetCaption(caption);
  button->SetBounds(left, top, kEditorButtonWidth, kEditorButtonHeight);
  button->OnClick = [this, click = std::move(click)](TObject*) { RunShowingErrors(this, click); };
  m_controls.Register(name, button);
  return button;
}

void TiPlotEditorForm::BuildAddRemoveButtons() {
  struct AddRemoveEntry {
    QWidget* page;
    const char* add;
    const char* remove;
    void (TiPlotEditorForm::*addClick)();
    void (TiPlotEditorForm::*removeClick)();
  };
  using F = TiPlotEditorForm;
  const AddRemoveEntry entries[] = {
      {m_channelsTabSheet, "iChannelAddButton", "ChannelRemoveButton", &F::iChannelAddButtonClick,
       &F::ChannelRemoveButtonClick},
      {m_dataCursorTabSheet, "iDataCursorAddButton", "DataCursorRemoveButton", &F::iDataCursorAddButtonClick,
       &F::DataCursorRemoveButtonClick},
      {m_limitTabSheet, "iLimitAddButton", "LimitRemoveButton", &F::iLimitAddButtonClick,
       &F::LimitRemoveButtonClick},
      {m_labelTabSheet, "iLabelAddButton", "LabelRemoveButton", &F::iLabelAddButtonClick,
       &F::LabelRemoveButtonClick},
      {m_xAxesTabSheet, "XAxesAddButton", "XAxisRemoveButton", &F::XAxesAddButtonClick, &F::XAxisRemoveButtonClick},
      {m_yAxesTabSheet, "YAxesAddButton", "YAxisRemoveButton", &F::YAxesAddButtonClick, &F::YAxisRemoveButtonClick},
      {m_tablesTabSheet, "iTableAddButton", "TableRemoveButton", &F::iTableAddButtonClick,
       &F::TableRemoveButtonClick},
  };
  for (const AddRemoveEntry& entry : entries) {
    AddButton(entry.page, QString::fromLatin1(entry.add), QStringLiteral("Add"), kEditorListLeft, kEditorButtonTop,
              [this, f = entry.addClick] { (this->*f)(); });
    AddButton(entry.page, QString::fromLatin1(entry.remove), QStringLiteral("Remove"),
              kEditorListLeft + kEditorListWidth - kEditorButtonWidth, kEditorButtonTop,
              [this, f = entry.removeClick] { (this->*f)(); });
  }
}

QWidget* TiPlotEditorForm::ObjectPageArea(QWidget* page, bool besideList, int& width, int& height) {
  auto* area = new QWidget(page);
  const int left = besideList ? kEditorListLeft + kEditorListWidth + 4 : 2;
  width = kEditorPageWidth - left - 2;
  height = kEditorPageHeight - 4;
  area->setGeometry(left, 2, width, height);
  return area;
}

TiEditorPageHooks TiPlotEditorForm::Hooks(std::function<void()> change, std::function<void()> fill) {
  TiEditorPageHooks hooks;
  hooks.Apply = [this, change = std::move(change), fill = std::move(fill)] { RunAction(change, fill); };
  hooks.FillNameList = [this](TiComponentEditorComboBox& comboBox, TiEditorNameList list) {
    FillNameList(comboBox, list);
  };
  return hooks;
}

TiEditorBoundPage TiPlotEditorForm::BuildObjectPage(QWidget* page, bool besideList, const TiEditorPageTable& table,
                                                    std::function<void()> change, std::function<void()> fill) {
  int width = 0;
  int height = 0;
  QWidget* area = ObjectPageArea(page, besideList, width, height);
  return BuildBindingPage(area, width, height, table, m_controls, Hooks(std::move(change), std::move(fill)));
}

void TiPlotEditorForm::RunAction(const std::function<void()>& action, const std::function<void()>& fill) {
  bool done = false;
  RunShowingErrors(this, [&] {
    action();
    done = true;
  });
  if (!done && fill) RunShowingErrors(this, fill);
}

TiPlotObject* TiPlotEditorForm::SelectedObject(const TiComponentEditorListBox& list) {
  const int index = list.ItemIndex();
  return index >= 0 ? dynamic_cast<TiPlotObject*>(list.Object(index)) : nullptr;
}

TiPlotObject* TiPlotEditorForm::FillObjectPage(TiComponentEditorListBox& list, const TiEditorBoundPage& page) {
  FillBindingNameLists(page, Hooks({}, {}));
  const QString prefix = page.Table != nullptr ? page.Table->Prefix : QString();
  TiPlotObject* object = SelectedObject(list);
  if (object == nullptr) {
    if (!prefix.isEmpty()) DisableControls(prefix);
    return nullptr;
  }
  if (!prefix.isEmpty()) EnableControls(prefix);
  FillBindingPage(page, *object);
  return object;
}

TiPlotObject* TiPlotEditorForm::ApplyObjectPage(TiComponentEditorListBox& list, const TiEditorBoundPage& page) {
  TiPlotObject* object = SelectedObject(list);
  if (object != nullptr) ApplyBindingPage(page, *object);
  return object;
}

void TiPlotEditorForm::DisableControls(const QString& prefix) { SetControlsEnabledByPrefix(*this, prefix, false); }

void TiPlotEditorForm::EnableControls(const QString& prefix) { SetControlsEnabledByPrefix(*this, prefix, true); }

void TiPlotEditorForm::SetFormTranslationMethod(const TFormTranslationMethod& value) {
  for (QWidget* child : findChildren<QWidget*>()) {
    if (auto* picker = dynamic_cast<TiComponentEditorValueConverterPicker*>(child)) picker->TranslationMethod = value;
  }
}

TiComponentEditorListBox* TiPlotEditorForm::ListOfKind(TiPlotObjectKind kind) const {
  using K = TiPlotObjectKind;
  switch (kind) {
    case K::ToolBar:
      return m_toolBarListBox;
    case K::Legend:
      return m_legendListBox;
    case K::Table:
      return m_tableListBox;
    case K::XAxis:
      return m_xAxisListBox;
    case K::YAxis:
      return m_yAxisListBox;
    case K::Channel:
    case K::XYChannel:
      return m_channelListBox;
    case K::DataView:
      return m_dataViewListBox;
    case K::DataCursor:
      return m_dataCursorListBox;
    case K::Limit:
      return m_limitListBox;
    case K::Label:
      return m_labelListBox;
    default:
      return nullptr;
  }
}

QWidget* TiPlotEditorForm::PageOfKind(TiPlotObjectKind kind) const {
  using K = TiPlotObjectKind;
  switch (kind) {
    case K::ToolBar:
      return m_toolBarTabSheet;
    case K::Legend:
      return m_legendTabSheet;
    case K::Table:
      return m_tablesTabSheet;
    case K::XAxis:
      return m_xAxesTabSheet;
    case K::YAxis:
      return m_yAxesTabSheet;
    case K::Channel:
    case K::XYChannel:
      return m_channelsTabSheet;
    case K::DataView:
      return m_dataViewTabSheet;
    case K::DataCursor:
      return m_dataCursorTabSheet;
    case K::Limit:
      return m_limitTabSheet;
    case K::Label:
      return m_labelTabSheet;
    default:
      return nullptr;
  }
}

void TiPlotEditorForm::UpdateKindEdit(TiPlotObjectKind kind) {
  using K = TiPlotObjectKind;
  switch (kind) {
    case K::ToolBar:
      return UpdateToolBarEdit();
    case K::Legend:
      return UpdateLegendEdit();
    case K::Table:
      return UpdateTableEdit();
    case K::XAxis:
      return UpdateXAxesEdit();
    case K::YAxis:
      return UpdateYAxesEdit();
    case K::Channel:
    case K::XYChannel:
      return UpdateChannelEdit();
    case K::DataView:
      return UpdateDataViewEdit();
    case K::DataCursor:
      return UpdateDataCursorEdit();
    case K::Limit:
      return UpdateLimitEdit();
    case K::Label:
      return UpdateLabelEdit();
    default:
      return;
  }
}

void TiPlotEditorForm::UpdateAll() {
  UpdateToolBarEdit();
  UpdateLegendEdit();
  UpdateXAxesEdit();
  UpdateYAxesEdit();
  UpdateChannelEdit();
  UpdateDataViewEdit();
  UpdateDataCursorEdit();
  UpdateLimitEdit();
  UpdateLabelEdit();
  UpdateTableEdit();
}

// List handlers.

void TiPlotEditorForm::ChannelListBoxClick() {
  UpdateChannelEdit();
  ClearChannelStats();
}
void TiPlotEditorForm::DataCursorListBoxClick() { UpdateDataCursorEdit(); }
void TiPlotEditorForm::LimitListBoxClick() { UpdateLimitEdit(); }
void TiPlotEditorForm::LabelListBoxClick() { UpdateLabelEdit(); }
void TiPlotEditorForm::XAxisListBoxClick() { UpdateXAxesEdit(); }
void TiPlotEditorForm::YAxisListBoxClick() { UpdateYAxesEdit(); }
void TiPlotEditorForm::LegendListBoxClick() { UpdateLegendEdit(); }
void TiPlotEditorForm::TableListBoxClick() { UpdateTableEdit(); }
void TiPlotEditorForm::ToolBarListBoxClick() { UpdateToolBarEdit(); }
void TiPlotEditorForm::DataViewListBoxClick() { UpdateDataViewEdit(); }

namespace {

/// The list item's object's name, and no colour box.
TiPlotObject* NameOnly(const TiComponentEditorListBox& list, int index, bool& drawColorBox, QString& text) {
  auto* object = dynamic_cast<TiPlotObject*>(list.Object(index));
  drawColorBox = false;
  if (object != nullptr) text = object->Name();
  return object;
}

template <class T>
void NameAndColor(const TiComponentEditorListBox& list, int index, bool& drawColorBox, TColor& color,
                  QString& text) {
  if (auto* object = dynamic_cast<T*>(NameOnly(list, index, drawColorBox, text))) {
    drawColorBox = true;
    color = object->Color();
  }
}

void NameAndAxisColor(const TiComponentEditorListBox& list, int index, bool& drawColorBox, TColor& color,
                      QString& text) {
  if (auto* axis = dynamic_cast<TiPlotAxis*>(NameOnly(list, index, drawColorBox, text))) {
    drawColorBox = true;
    color = axis->LabelsFont().Color();
  }
}

}  // namespace

void TiPlotEditorForm::ChannelListBoxGetData(int index, bool& drawColorBox, TColor& color, QString& text) {
  NameAndColor<TiPlotChannelCustom>(*m_channelListBox, index, drawColorBox, color, text);
}
void TiPlotEditorForm::DataCursorListBoxGetData(int index, bool& drawColorBox, TColor& color, QString& text) {
  NameAndColor<TiPlotDataCursor>(*m_dataCursorListBox, index, drawColorBox, color, text);
}
void TiPlotEditorForm::LimitListBoxGetData(int index, bool& drawColorBox, TColor& color, QString& text) {
  NameAndColor<TiPlotLimit>(*m_limitListBox, index, drawColorBox, color, text);
}
void TiPlotEditorForm::XAxisListBoxGetData(int index, bool& drawColorBox, TColor& color, QString& text) {
  NameAndAxisColor(*m_xAxisListBox, index, drawColorBox, color, text);
}
void TiPlotEditorForm::YAxisListBoxGetData(int index, bool& drawColorBox, TColor& color, QString& text) {
  NameAndAxisColor(*m_yAxisListBox, index, drawColorBox, color, text);
}
void TiPlotEditorForm::LabelListBoxGetData(int index, bool& drawColorBox, TColor&, QString& text) {
  NameOnly(*m_labelListBox, index, drawColorBox, text);
}
void TiPlotEditorForm::LegendListBoxGetData(int index, bool& drawColorBox, TColor&, QString& text) {
  NameOnly(*m_legendListBox, index, drawColorBox, text);
}
void TiPlotEditorForm::TableListBoxGetData(int index, bool& drawColorBox, TColor&, QString& text) {
  NameOnly(*m_tableListBox, index, drawColorBox, text);
}
void TiPlotEditorForm::ToolBarListBoxGetData(int index, bool& drawColorBox, TColor&, QString& text) {
  NameOnly(*m_toolBarListBox, index, drawColorBox, text);
}
void TiPlotEditorForm::DataViewListBoxGetData(int index, bool& drawColorBox, TColor&, QString& text) {
  NameOnly(*m_dataViewListBox, index, drawColorBox, text);
}

// Add and Remove.

void TiPlotEditorForm::AddObject(const std::function<void()>& add, TiComponentEditorListBox& list,
                                 const std::function<void()>& fill) {
  if (m_master == nullptr) return;
  add();
  list.SelectLast();
  fill();
}

void TiPlotEditorForm::FreePlotObject(TiPlotObject* object) {
  if (object == nullptr || m_master == nullptr) return;
  if (TiPlotKindManager* manager = m_master->ManagerOfKind(object->Kind())) manager->FreeObject(object);
}

void TiPlotEditorForm::RemoveSelected(TiComponentEditorListBox& list, const std::function<void()>& fill) {
  list.DeleteSelectedObject();
  fill();
}

void TiPlotEditorForm::XAxesAddButtonClick() {
  AddObject([this] { m_master->AddXAxis(); }, *m_xAxisListBox, [this] { UpdateXAxesEdit(); });
}
void TiPlotEditorForm::YAxesAddButtonClick() {
  AddObject([this] { m_master->AddYAxis(); }, *m_yAxisListBox, [this] { UpdateYAxesEdit(); });
}
void TiPlotEditorForm::iChannelAddButtonClick() {
  AddObject([this] { m_master->AddChannel(); }, *m_channelListBox, [this] {
    UpdateChannelEdit();
    ClearChannelStats();
  });
}
void TiPlotEditorForm::iDataCursorAddButtonClick() {
  AddObject([this] { m_master->AddDataCursor(); }, *m_dataCursorListBox, [this] { UpdateDataCursorEdit(); });
}
void TiPlotEditorForm::iLimitAddButtonClick() {
  AddObject([this] { m_master->AddLimit(); }, *m_limitListBox, [this] { UpdateLimitEdit(); });
}
void TiPlotEditorForm::iLabelAddButtonClick() {
  AddObject([this] { m_master->AddLabel(); }, *m_labelListBox, [this] { UpdateLabelEdit(); });
}
void TiPlotEditorForm::iTableAddButtonClick() {
  AddObject([this] { m_master->AddTable(); }, *m_tableListBox, [this] { UpdateTableEdit(); });
}

void TiPlotEditorForm::XAxisRemoveButtonClick() {
  RemoveSelected(*m_xAxisListBox, [this] {
    UpdateChannelEdit();
    UpdateXAxesEdit();
  });
}
void TiPlotEditorForm::YAxisRemoveButtonClick() {
  RemoveSelected(*m_yAxisListBox, [this] {
    UpdateChannelEdit();
    UpdateYAxesEdit();
  });
}
void TiPlotEditorForm::ChannelRemoveButtonClick() {
  RemoveSelected(*m_channelListBox, [this] {
    UpdateChannelEdit();
    ClearChannelStats();
  });
}
void TiPlotEditorForm::DataCursorRemoveButtonClick() {
  RemoveSelected(*m_dataCursorListBox, [this] { UpdateDataCursorEdit(); });
}
void TiPlotEditorForm::LimitRemoveButtonClick() {
  RemoveSelected(*m_limitListBox, [this] { UpdateLimitEdit(); });
}
void TiPlotEditorForm::LabelRemoveButtonClick() {
  RemoveSelected(*m_labelListBox, [this] { UpdateLabelEdit(); });
}
void TiPlotEditorForm::TableRemoveButtonClick() {
  RemoveSelected(*m_tableListBox, [this] { UpdateTableEdit(); });
}
