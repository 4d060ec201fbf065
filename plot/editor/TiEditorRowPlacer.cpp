#include "plot/editor/TiEditorRowPlacer.h"

#include <algorithm>

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>

#include "platform/widgets/ControlRegistry.h"
#include "plot/editor/TiComponentEditorGroupBox.h"
#include "plot/editor/TiComponentEditorValueConverterPicker.h"
#include "plot/editor/TiUpDown.h"

namespace {

constexpr int kPlacerEditHeight = 21;
constexpr int kPlacerSpinWidth = 15;
constexpr int kPlacerConverterWidth = 21;

}  // namespace

TiEditorRowPlacer::TiEditorRowPlacer(const ControlRegistry& controls, const TiEditorPageTable& table)
    : m_controls(controls), m_table(table) {}

QWidget* TiEditorRowPlacer::Group(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
  auto* group = new TiComponentEditorGroupBox(parent);
  group->setObjectName(QStringLiteral("GroupBox") + m_table.Prefix + QString(caption).remove(QLatin1Char(' ')) +
                       QString(parent->objectName()).remove(QLatin1Char(' ')));
  group->setTitle(caption);
  group->setGeometry(left, top, width, height);
  group->show();
  m_parent = group;
  return group;
}

const TiEditorBinding* TiEditorRowPlacer::RowOf(const QString& property) const {
  for (const TiEditorBinding& row : m_table.Rows) {
    if (row.Property == property) return &row;
  }
  return nullptr;
}

QWidget* TiEditorRowPlacer::ControlOf(const QString& property) const {
  const TiEditorBinding* row = RowOf(property);
  return row != nullptr ? dynamic_cast<QWidget*>(m_controls.FindObject(BindingControlName(m_table, *row))) : nullptr;
}

void TiEditorRowPlacer::Place(const QString& property, int left, int top, int labelWidth, int controlWidth) {
  const TiEditorBinding* row = RowOf(property);
  QWidget* control = ControlOf(property);
  if (row == nullptr || control == nullptr || m_parent == nullptr) return;
  const QString name = BindingControlName(m_table, *row);
  QWidget* madeIn = control->parentWidget();
  auto move = [this](QWidget* widget, int x, int y, int w, int h) {
    widget->setParent(m_parent);
    widget->setGeometry(x, y, w, h);
    widget->show();
  };
  switch (row->Widget) {
    case TiEditorWidget::CheckBox:
      move(control, left, top + 2, labelWidth + controlWidth, 19);
      return;
    case TiEditorWidget::RadioGroup:
      move(control, left, top, labelWidth + controlWidth, control->height());
      return;
    case TiEditorWidget::FontPicker:
      move(control, left, top, 75, 25);
      return;
    default:
      break;
  }
  if (auto* label = madeIn->findChild<QLabel*>(name + QStringLiteral("Label"), Qt::FindDirectChildrenOnly)) {
    move(label, left, top + 3, labelWidth - 4, 17);
  }
  int width = controlWidth;
  auto* spin = m_controls.Find<TiUpDown>(name.chopped(4) + QStringLiteral("UpDown"));
  auto* picker = m_controls.Find<TiComponentEditorValueConverterPicker>(
      QStringLiteral("iComponentEditorValueConverterPicker") + m_table.Prefix + row->Property);
  if (row->Widget == TiEditorWidget::SpinEdit && spin != nullptr) width -= kPlacerSpinWidth;
  if (row->ValueConverter && picker != nullptr) width -= kPlacerConverterWidth;
  const int height = row->Widget == TiEditorWidget::ColorPicker ? kPlacerEditHeight : control->height();
  move(control, left + labelWidth, top, row->Widget == TiEditorWidget::ColorPicker ? 47 : width, height);
  if (row->Widget == TiEditorWidget::SpinEdit && spin != nullptr) {
    spin->setParent(m_parent);
    spin->SetAssociate(spin->Associate());
    spin->show();
  }
  if (row->ValueConverter && picker != nullptr) {
    move(picker, left + labelWidth + width, top, kPlacerConverterWidth, kPlacerEditHeight);
  }
}

int TiEditorRowPlacer::Column(QWidget* parent, int left, int top, int width, int labelWidth,
                              const QStringList& properties) {
  m_parent = parent;
  if (parent == nullptr) return top;
  if (labelWidth < 0) {
    // As wide as the longest caption of the column needs.
    const QFontMetrics metrics(parent->font());
    labelWidth = 0;
    for (const QString& property : properties) {
      const TiEditorBinding* row = RowOf(property);
      if (row != nullptr && row->Widget != TiEditorWidget::CheckBox) {
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(row->Caption) + 8);
      }
    }
  }
  int y = top;
  for (const QString& property : properties) {
    const TiEditorBinding* row = RowOf(property);
    if (row == nullptr) continue;
    Place(property, left, y, labelWidth, width - labelWidth);
    switch (row->Widget) {
      case TiEditorWidget::CheckBox:
        y += 21;
        break;
      case TiEditorWidget::RadioGroup:
        y += ControlOf(property)->height() + 3;
        break;
      case TiEditorWidget::FontPicker:
        y += 29;
        break;
      default:
        y += 24;
        break;
    }
  }
  return y;
}

void TiEditorRowPlacer::HintValueConverters(QWidget& page) {
  for (auto* picker : page.findChildren<TiComponentEditorValueConverterPicker*>()) {
    picker->setToolTip(QStringLiteral("Date/Time Editor"));
  }
}
