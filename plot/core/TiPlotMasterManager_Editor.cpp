// The master manager's side of the run-time editor: opening it, loading and
// writing its Control page, keeping its lists in step with the plot and
// translating its words.
#include "plot/core/TiPlotMasterManager.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/widgets/TForm.h"
#include "platform/widgets/TPopupMenu.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotTranslationManager.h"
#include "plot/editor/TiComponentEditorButton.h"
#include "plot/editor/TiComponentEditorEdit.h"
#include "plot/editor/TiComponentEditorFilePicker.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/TiComponentEditorPageControl.h"
#include "plot/editor/TiPlotEditorForm.h"
#include "plot/editor/TiPlotLayoutViewer.h"
#include "plot/editor/iTranslateForm.h"

namespace {

/// The kinds in the order the editor's lists are filled.
constexpr TiPlotObjectKind kEditorListKinds[] = {
    TiPlotObjectKind::ToolBar, TiPlotObjectKind::Legend,  TiPlotObjectKind::Table,
    TiPlotObjectKind::XAxis,   TiPlotObjectKind::YAxis,   TiPlotObjectKind::DataView,
    TiPlotObjectKind::Channel, TiPlotObjectKind::DataCursor, TiPlotObjectKind::Limit,
    TiPlotObjectKind::Label};

}  // namespace

const std::array<QString, 14>& TiPlotMasterManager::EditorPageControlNames() {
  static const std::array<QString, 14> names{
      QStringLiteral("PageControl"),          QStringLiteral("ControlPageControl"),
      QStringLiteral("ChannelPageControl"),   QStringLiteral("XAxisPageControl"),
      QStringLiteral("XAxisLabelsPageControl"), QStringLiteral("YAxisPageControl"),
      QStringLiteral("YAxisLabelsPageControl"), QStringLiteral("DataCursorPageControl"),
      QStringLiteral("LimitPageControl"),     QStringLiteral("LabelPageControl"),
      QStringLiteral("LegendPageControl"),    QStringLiteral("TablePageControl"),
      QStringLiteral("DataViewPageControl"),  QStringLiteral("DataViewGridLinesCustomPageControl")};
  return names;
}

TiPlotEditorForm* TiPlotMasterManager::EditorForm() const { return m_editorForm.data(); }

TiPlotEditorForm* TiPlotMasterManager::OpenEditor() const {
  return m_editorForm != nullptr && !m_editorForm->IsClosing() ? m_editorForm.data() : nullptr;
}

void TiPlotMasterManager::FreeEditorForm() {
  delete m_editorForm.data();
  m_editorForm = nullptr;
}

void TiPlotMasterManager::CreateEditorForm() {
  if (m_owner == nullptr) return;
  auto* form = new TiPlotEditorForm(m_owner);
  m_editorForm = form;
  form->SetFormTranslationMethod([this](TForm* f) { TranslateForm(f); });
  form->OnClose = [this](TObject* sender, TCloseAction& action) { EditorFormClose(sender, action); };
  form->SetMaster(this);
  form->LayoutViewer().SetMaster(this);
  form->LayoutViewer().SetLayoutManager(m_layoutManager.get());
  form->LayoutViewer().SetTranslationManager(m_translationManager.get());
  for (const TiPlotObjectKind kind : kEditorListKinds) {
    TiComponentEditorListBox* list = form->ListOfKind(kind);
    for (TiPlotObject* object : ManagerOfKind(kind)->Snapshot()) list->AddObject(QString(), object);
    list->SetItemIndex(list->Count() > 0 ? 0 : -1);
    form->UpdateKindEdit(kind);
  }
  for (size_t i = 0; i < m_editorPageIndexes.size(); ++i) {
    auto* pageControl = form->Control<TiComponentEditorPageControl>(EditorPageControlNames()[i]);
    if (pageControl != nullptr && m_editorPageIndexes[i] < pageControl->count()) {
      pageControl->setCurrentIndex(m_editorPageIndexes[i]);
    }
  }
  const bool addRemove = m_owner->UserCanAddRemoveChannels();
  for (const char* name : {"iChannelAddButton", "ChannelRemoveButton"}) {
    if (auto* button = form->Control<TiComponentEditorButton>(QString::fromLatin1(name))) button->setVisible(addRemove);
  }
  TranslateForm(form);
}

void TiPlotMasterManager::StoreEditorPageIndexes() {
  if (m_editorForm == nullptr) return;
  for (size_t i = 0; i < m_editorPageIndexes.size(); ++i) {
    if (auto* pageControl = m_editorForm->Control<TiComponentEditorPageControl>(EditorPageControlNames()[i])) {
      m_editorPageIndexes[i] = pageControl->currentIndex();
    }
  }
}

void TiPlotMasterManager::LoadEditorGeneralPage() {
  TiPlotEditorForm& form = *m_editorForm;
  FillBindingPage(form.ControlBoundPage(), *m_owner);
  FillBindingPage(form.TitlePlotView(), *m_owner);
  const std::pair<const char*, QString> directories[] = {
      {"ControlPropertiesSavePicker", m_owner->DefaultPropertyDirectory()},
      {"ControlPropertiesOpenPicker", m_owner->DefaultPropertyDirectory()},
      {"ControlDataSavePicker", m_owner->DefaultDataDirectory()},
      {"ControlDataOpenPicker", m_owner->DefaultDataDirectory()},
      {"ControlAnnotationSavePicker", m_owner->DefaultAnnotationDirectory()},
      {"ControlAnnotationOpenPicker", m_owner->DefaultAnnotationDirectory()}};
  for (const auto& [name, directory] : directories) {
    if (auto* picker = form.Control<TiComponentEditorFilePicker>(QString::fromLatin1(name))) {
      picker->SetDefaultDir(directory);
    }
  }
}

void TiPlotMasterManager::SetEditorLogControlsEnabled() {
  TiPlotEditorForm& form = *m_editorForm;
  const bool logging = m_owner->LoggingActive();
  const auto enable = [&form](const char* name, bool value) {
    TObject* object = form.Controls().FindObject(QString::fromLatin1(name));
    if (auto* edit = dynamic_cast<TiComponentEditorEdit*>(object)) {
      edit->SetEnabled(value);
    } else if (auto* control = dynamic_cast<TControl*>(object)) {
      control->SetEnabled(value);
    } else if (auto* widget = dynamic_cast<QWidget*>(object)) {
      widget->setEnabled(value);
    }
  };
  enable("ControlLogActivateButton", !logging);
  enable("ControlLogDeactivateButton", logging);
  enable("ControlLogFileNameEdit", !logging);
  enable("ControlLogFileNamePicker", !logging);
}

void TiPlotMasterManager::EditProperties() {
  if (m_editorForm == nullptr) CreateEditorForm();
  if (m_editorForm == nullptr) return;
  const bool modal = m_owner->StoredSettings().EditorFormStyle == TiPlotFormStyle::ipfsModal;
  try {
    TiPlotEditorForm& form = *m_editorForm;
    form.UpdateAll();
    form.SetPlotComponent(m_owner);
    LoadEditorGeneralPage();
    SetEditorLogControlsEnabled();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->geometry();
      form.move(area.width() / 2 - form.width() / 2, area.height() / 2 - form.height() / 2);
    }
    Raise(m_owner->OnAfterOpenEditor, this);
    if (m_editorForm != nullptr) {
      if (modal) {
        m_editorForm->ShowModal();
      } else {
        m_editorForm->SetStayOnTop(true);
        m_editorForm->show();
        m_editorForm->raise();
        m_editorForm->activateWindow();
      }
    }
    StoreEditorPageIndexes();
  } catch (...) {
    if (modal) FreeEditorForm();
    throw;
  }
  if (modal) FreeEditorForm();
}

void TiPlotMasterManager::EditObject(TObject* object) {
  if (m_editorForm == nullptr) CreateEditorForm();
  auto* plotObject = dynamic_cast<TiPlotObject*>(object);
  if (m_editorForm != nullptr && plotObject != nullptr && plotObject->Kind() != TiPlotObjectKind::Label) {
    QWidget* page = m_editorForm->PageOfKind(plotObject->Kind());
    TiComponentEditorListBox* list = m_editorForm->ListOfKind(plotObject->Kind());
    if (page != nullptr && list != nullptr) {
      m_editorForm->PageControl().SetActivePage(page);
      for (int i = 0; i < list->Count(); ++i) {
        if (list->Object(i) == plotObject) list->SetItemIndex(i);
      }
    }
  }
  EditProperties();
}

void TiPlotMasterManager::EditorFormClose(TObject* sender, TCloseAction& action) {
  if (m_owner->StoredSettings().EditorFormStyle != TiPlotFormStyle::ipfsStayOnTop) return;
  if (m_editorForm != nullptr) m_editorForm->iCustomEditorFormClose(sender, action);
  m_editorForm = nullptr;
  action = TCloseAction::caFree;
}

void TiPlotMasterManager::BasicPropertyChanged() {
  TiPlotEditorForm* form = OpenEditor();
  if (form == nullptr || m_owner == nullptr) return;
  ApplyBindingPage(form->ControlBoundPage(), *m_owner);
  ApplyBindingPage(form->TitlePlotView(), *m_owner);
  SetEditorLogControlsEnabled();
}

void TiPlotMasterManager::TranslateForm(TForm* form) {
  if (form == nullptr || m_translationManager == nullptr || m_translationManager->Count() == 0) return;
  auto* editor = dynamic_cast<TiPlotEditorForm*>(form);
  if (editor != nullptr && editor->IsClosing()) return;
  ::TranslateForm(form, *m_translationManager);
  if (editor != nullptr) {
    TPopupMenu& menu = editor->LayoutPopupMenu();
    for (int i = 0; i < menu.Count(); ++i) {
      menu.Item(i).Caption = m_translationManager->FindReplacement(menu.Item(i).Caption);
    }
  }
}

void TiPlotMasterManager::EditorInsert(TiPlotObject* object) {
  TiPlotEditorForm* form = OpenEditor();
  if (form == nullptr) return;
  TiComponentEditorListBox* list = form->ListOfKind(object->Kind());
  if (list == nullptr) return;
  list->AddObject(QString(), object);
  list->SelectLast();
  form->UpdateKindEdit(object->Kind());
}

void TiPlotMasterManager::EditorRemove(TiPlotObject* object) {
  TiPlotEditorForm* form = OpenEditor();
  if (form == nullptr) return;
  form->ForgetObject(object);
  if (TiComponentEditorListBox* list = form->ListOfKind(object->Kind())) list->DeleteObjectIndex(object);
}

void TiPlotMasterManager::EditorRename(TiPlotObject* object) {
  TiPlotEditorForm* form = OpenEditor();
  if (form == nullptr) return;
  using K = TiPlotObjectKind;
  switch (object->Kind()) {
    case K::XAxis:
      form->RenameInNameLists({QStringLiteral("ChannelXAxisNameComboBox"), QStringLiteral("LimitXAxisNameComboBox")},
                              TiEditorNameList::XAxes, object->NameOld(), object->Name());
      form->RenameInNameLists({QStringLiteral("DataViewGridXAxisNameComboBox")}, TiEditorNameList::DataViewGridXAxes,
                              object->NameOld(), object->Name());
      break;
    case K::YAxis:
      form->RenameInNameLists({QStringLiteral("ChannelYAxisNameComboBox"), QStringLiteral("LimitYAxisNameComboBox")},
                              TiEditorNameList::YAxes, object->NameOld(), object->Name());
      form->RenameInNameLists({QStringLiteral("DataViewGridYAxisNameComboBox")}, TiEditorNameList::DataViewGridYAxes,
                              object->NameOld(), object->Name());
      break;
    case K::Channel:
    case K::XYChannel:
      form->RenameInNameLists({QStringLiteral("DataCursorChannelNameComboBox")}, TiEditorNameList::Channels,
                              object->NameOld(), object->Name());
      break;
    default:
      break;
  }
}
