#include "plot/editor/iTranslateForm.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

#include "platform/widgets/TControl.h"
#include "plot/core/TiPlotTranslationManager.h"
#include "plot/editor/TiComponentEditorComboBox.h"
#include "plot/editor/TiRadioGroup.h"

namespace {

QStringList Translated(const QStringList& items, const TiPlotTranslationManager& table) {
  QStringList result;
  for (const QString& item : items) {
    result << table.FindReplacement(item);
  }
  return result;
}

void TranslateWidget(QWidget* widget, const TiPlotTranslationManager& table) {
  if (auto* control = dynamic_cast<TControl*>(widget)) {
    control->SetCaption(table.FindReplacement(control->Caption()));
  }
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(table.FindReplacement(button->text()));
  }
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(table.FindReplacement(label->text()));
  }
  if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
    for (int i = 0; i < tabs->count(); ++i) tabs->setTabText(i, table.FindReplacement(tabs->tabText(i)));
  }
  if (auto* groupBox = qobject_cast<QGroupBox*>(widget)) {
    groupBox->setTitle(table.FindReplacement(groupBox->title()));
  }
  if (auto* radioGroup = dynamic_cast<TiRadioGroup*>(widget)) {
    const int index = radioGroup->ItemIndex();
    radioGroup->SetItems(Translated(radioGroup->Items(), table));
    radioGroup->SetItemIndex(index);
  }
  if (auto* comboBox = dynamic_cast<TiComponentEditorComboBox*>(widget)) {
    const int index = comboBox->AsInteger();
    comboBox->SetItems(Translated(comboBox->Items(), table));
    comboBox->SetAsInteger(index);
  }
}

}  // namespace

void TranslateForm(QWidget* form, const TiPlotTranslationManager& table) {
  if (form == nullptr || table.Count() == 0) {
    return;
  }
  TranslateWidget(form, table);
  for (QWidget* child : form->findChildren<QWidget*>()) {
    TranslateWidget(child, table);
  }
}
