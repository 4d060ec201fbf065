#include "plot/editor/iPlotEditorPlacement.h"

#include <utility>
#include <vector>

#include <QTabWidget>
#include <QWidget>

#include "platform/widgets/ControlRegistry.h"
#include "plot/core/TiPlotObject.h"
#include "plot/core/TiPlotTranslationManager.h"
#include "plot/editor/TiComponentEditorCheckBox.h"
#include "plot/editor/TiComponentEditorColorPicker.h"
#include "plot/editor/TiComponentEditorComboBox.h"
#include "plot/editor/TiComponentEditorFontPicker.h"
#include "plot/editor/TiComponentEditorGroupBox.h"
#include "plot/editor/TiUpDown.h"
#include "plot/streaming/TiPlotPropertyRegistry.h"

namespace {

constexpr int kPlacedEditHeight = 21;
constexpr int kPlacedSpinWidth = 15;
// What a page control's frame takes of its width.
constexpr int kPlacedTabFrameWidth = 8;

int RowOf(const TiEditorBoundPage& page, const QString& property) {
  if (page.Table == nullptr) return -1;
  for (size_t i = 0; i < page.Table->Rows.size(); ++i) {
    if (page.Table->Rows[i].Property == property && page.Controls[i] != nullptr) return int(i);
  }
  return -1;
}

/// A sibling of control made for it by the binding builder (its label,
/// its spin buttons), found by name in the control's parent.
QWidget* Companion(QWidget* control, const QString& name) {
  QWidget* parent = control->parentWidget();
  return parent != nullptr ? parent->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly) : nullptr;
}

void MoveTo(QWidget* widget, QWidget* parent, int left, int top, int width, int height) {
  if (widget->parentWidget() != parent) widget->setParent(parent);
  widget->setGeometry(left, top, width, height);
  widget->show();
}

/// The special entries of a name list: their index in the list and their
/// untranslated text.
std::vector<std::pair<int, QString>> SpecialEntries(TiEditorNameList list, int count) {
  const QString none = QStringLiteral("<None>");
  const QString all = QStringLiteral("<All>");
  switch (list) {
    case TiEditorNameList::XAxes:
    case TiEditorNameList::YAxes:
    case TiEditorNameList::Channels:
      return {{0, none}};
    case TiEditorNameList::DataViewGridXAxes:
    case TiEditorNameList::DataViewGridYAxes:
      return {{0, none}, {count - 1, all}};
    case TiEditorNameList::DataCursorChannels:
      return {{0, all}};
    case TiEditorNameList::None:
      break;
  }
  return {};
}

/// Calls visit(combo, property, index, untranslated) for every special
/// entry of every name combo box of page that the object has.
template <class Visit>
void ForEachSpecialEntry(const TiEditorBoundPage& page, TObject& object, Visit visit) {
  if (page.Table == nullptr) return;
  auto* plotObject = dynamic_cast<TiPlotObject*>(&object);
  if (plotObject == nullptr) return;
  for (size_t i = 0; i < page.Table->Rows.size(); ++i) {
    const TiEditorBinding& row = page.Table->Rows[i];
    auto* combo = dynamic_cast<TiComponentEditorComboBox*>(page.Controls[i]);
    if (row.Widget != TiEditorWidget::NameComboBox || combo == nullptr) continue;
    const TiPlotProperty* property = TiPlotPropertyRegistry::Find(*plotObject, row.Property);
    if (property == nullptr) continue;
    for (const auto& [index, untranslated] : SpecialEntries(row.NameList, combo->count())) {
      if (index >= 0) visit(*combo, *property, index, untranslated);
    }
  }
}

}  // namespace

TiComponentEditorGroupBox* PlaceGroup(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                                      int width, int height, ControlRegistry& controls) {
  auto* group = new TiComponentEditorGroupBox(parent);
  group->SetName(name);
  group->setTitle(caption);
  group->SetBounds(left, top, width, height);
  controls.Register(name, group);
  return group;
}

QWidget* SubPageOf(const TiEditorBoundPage& page, const QString& caption) {
  for (QWidget* control : page.PageControls) {
    auto* tabs = qobject_cast<QTabWidget*>(control);
    if (tabs == nullptr) continue;
    for (int i = 0; i < tabs->count(); ++i) {
      if (tabs->tabText(i) == caption) return tabs->widget(i);
    }
  }
  return nullptr;
}

int SubPageWidth(const TiEditorBoundPage& page) {
  return page.PageControls.empty() ? 0 : page.PageControls.front()->width() - kPlacedTabFrameWidth;
}

void PlaceBoundRow(const TiEditorBoundPage& page, const QString& property, QWidget* parent, int left, int top,
                   int width, int labelWidth) {
  const int row = RowOf(page, property);
  if (row < 0) return;
  QWidget* control = page.Controls[size_t(row)];
  const QString name = control->objectName();
  if (dynamic_cast<TiComponentEditorCheckBox*>(control) != nullptr) {
    MoveTo(control, parent, left, top + 2, width, 19);
    return;
  }
  if (dynamic_cast<TiComponentEditorFontPicker*>(control) != nullptr) {
    MoveTo(control, parent, left, top, control->width(), 25);
    return;
  }
  if (QWidget* label = Companion(control, name + QStringLiteral("Label"))) {
    MoveTo(label, parent, left, top + 3, labelWidth - 4, 17);
  }
  int controlWidth = width - labelWidth;
  if (dynamic_cast<TiComponentEditorColorPicker*>(control) != nullptr) controlWidth = control->width();
  QWidget* spin = Companion(control, name.chopped(4) + QStringLiteral("UpDown"));
  if (spin != nullptr && name.endsWith(QStringLiteral("Edit"))) {
    controlWidth -= kPlacedSpinWidth;
    MoveTo(spin, parent, left + labelWidth + controlWidth, top, kPlacedSpinWidth, kPlacedEditHeight);
  }
  MoveTo(control, parent, left + labelWidth, top, controlWidth, kPlacedEditHeight);
}

int PlaceBoundColumn(const TiEditorBoundPage& page, const QStringList& properties, QWidget* parent, int left,
                     int top, int width, int labelWidth) {
  for (const QString& property : properties) {
    PlaceBoundRow(page, property, parent, left, top, width, labelWidth);
    top += kPlacedRowPitch;
  }
  return top;
}

void FillSpecialNames(const TiEditorBoundPage& page, TObject& object, const TiPlotTranslationManager& translation) {
  ForEachSpecialEntry(page, object,
                      [&](TiComponentEditorComboBox& combo, const TiPlotProperty& property, int index,
                          const QString& untranslated) {
                        const QString stored = property.Get(object);
                        if (stored == untranslated || stored == translation.FindReplacement(untranslated)) {
                          combo.SetAsInteger(index);
                        }
                      });
}

void ApplySpecialNames(const TiEditorBoundPage& page, TObject& object, const TiPlotTranslationManager& translation) {
  ForEachSpecialEntry(page, object,
                      [&](TiComponentEditorComboBox& combo, const TiPlotProperty& property, int index,
                          const QString& untranslated) {
                        if (combo.AsInteger() == index &&
                            combo.AsString() == translation.FindReplacement(untranslated)) {
                          property.Set(object, untranslated);
                        }
                      });
}
