// The name lists of the editor: the combo boxes that pick an axis or a
// channel by name, with their translated special entries.
#include "plot/editor/TiPlotEditorForm.h"

#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotTranslationManager.h"
#include "plot/editor/TiComponentEditorComboBox.h"

TiPlotKindManager* TiPlotEditorForm::ManagerOfList(TiEditorNameList list) const {
  if (m_master == nullptr) return nullptr;
  switch (list) {
    case TiEditorNameList::XAxes:
    case TiEditorNameList::DataViewGridXAxes:
      return &m_master->XAxisManager();
    case TiEditorNameList::YAxes:
    case TiEditorNameList::DataViewGridYAxes:
      return &m_master->YAxisManager();
    case TiEditorNameList::Channels:
    case TiEditorNameList::DataCursorChannels:
      return &m_master->ChannelManager();
    case TiEditorNameList::None:
      break;
  }
  return nullptr;
}

void TiPlotEditorForm::FillNameList(TiComponentEditorComboBox& comboBox, TiEditorNameList list) {
  const TiPlotKindManager* manager = ManagerOfList(list);
  if (manager == nullptr) return;
  const TiPlotTranslationManager& translation = m_master->TranslationManager();
  const QString none = translation.FindReplacement(QStringLiteral("<None>"));
  const QString all = translation.FindReplacement(QStringLiteral("<All>"));
  const QString shown = comboBox.AsString();
  QStringList items;
  items << (list == TiEditorNameList::DataCursorChannels ? all : none);
  for (int i = 0; i < manager->Count(); ++i) items << manager->Items(i)->Name();
  if (list == TiEditorNameList::DataViewGridXAxes || list == TiEditorNameList::DataViewGridYAxes) items << all;
  comboBox.SetItems(items);
  comboBox.SetAsInteger(int(items.indexOf(shown)));
}

void TiPlotEditorForm::XAxisNameComboBoxDropDown(TObject* sender) {
  if (auto* combo = dynamic_cast<TiComponentEditorComboBox*>(sender)) FillNameList(*combo, TiEditorNameList::XAxes);
}

void TiPlotEditorForm::YAxisNameComboBoxDropDown(TObject* sender) {
  if (auto* combo = dynamic_cast<TiComponentEditorComboBox*>(sender)) FillNameList(*combo, TiEditorNameList::YAxes);
}

void TiPlotEditorForm::DataViewGridXAxisNameComboBoxDropDown(TObject* sender) {
  if (auto* combo = dynamic_cast<TiComponentEditorComboBox*>(sender)) {
    FillNameList(*combo, TiEditorNameList::DataViewGridXAxes);
  }
}

void TiPlotEditorForm::DataViewGridYAxisNameComboBoxDropDown(TObject* sender) {
  if (auto* combo = dynamic_cast<TiComponentEditorComboBox*>(sender)) {
    FillNameList(*combo, TiEditorNameList::DataViewGridYAxes);
  }
}

void TiPlotEditorForm::ChannelNameComboBoxDropDown(TObject* sender) {
  if (auto* combo = dynamic_cast<TiComponentEditorComboBox*>(sender)) FillNameList(*combo, TiEditorNameList::Channels);
}

void TiPlotEditorForm::DataCursorChannelNameComboBoxDropDown(TObject* sender) {
  if (auto* combo = dynamic_cast<TiComponentEditorComboBox*>(sender)) {
    FillNameList(*combo, TiEditorNameList::DataCursorChannels);
  }
}

void TiPlotEditorForm::RenameInNameLists(const QStringList& comboBoxNames, TiEditorNameList list,
                                         const QString& oldName, const QString& newName) {
  for (const QString& name : comboBoxNames) {
    auto* combo = Control<TiComponentEditorComboBox>(name);
    if (combo == nullptr || combo->AsString() != oldName) continue;
    FillNameList(*combo, list);
    combo->SetAsInteger(int(combo->Items().indexOf(newName)));
  }
}
