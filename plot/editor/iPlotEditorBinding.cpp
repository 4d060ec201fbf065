#include "plot/editor/iPlotEditorBinding.h"

#include <algorithm>
#include <map>

#include <QFontMetrics>
#include <QLabel>
#include <QPoint>
#include <QStackedWidget>

#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TLabel.h"
#include "plot/base/EPlotError.h"
#include "plot/core/TiPlotObject.h"
#include "plot/editor/TiComponentEditorCheckBox.h"
#include "plot/editor/TiComponentEditorColorPicker.h"
#include "plot/editor/TiComponentEditorComboBox.h"
#include "plot/editor/TiComponentEditorEdit.h"
#include "plot/editor/TiComponentEditorFontPicker.h"
#include "plot/editor/TiComponentEditorGroupBox.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/TiComponentEditorPageControl.h"
#include "plot/editor/TiComponentEditorRadioGroup.h"
#include "plot/editor/TiComponentEditorValueConverterPicker.h"
#include "plot/editor/TiUpDown.h"

namespace {

constexpr int kBindingMargin = 6;
constexpr int kBindingColumnGap = 8;
constexpr int kBindingRowHeight = 24;
constexpr int kBindingEditHeight = 21;
constexpr int kBindingGroupTop = 18;
constexpr int kBindingGroupBottom = 5;
constexpr int kBindingGroupInset = 6;
constexpr int kBindingRadioItemHeight = 18;
constexpr int kBindingSpinWidth = 15;
constexpr int kBindingConverterWidth = 21;
constexpr int kBindingCrossEditWidth = 44;
constexpr int kBindingColorWidth = 47;
constexpr int kBindingFontWidth = 75;
constexpr int kBindingMinWidgetWidth = 56;
// What a page control takes of its size for its tabs and frame.
constexpr int kBindingTabFrameWidth = 8;
constexpr int kBindingTabFrameHeight = 30;

QString WidgetSuffix(TiEditorWidget widget) {
  switch (widget) {
    case TiEditorWidget::Edit:
    case TiEditorWidget::SpinEdit:
      return QStringLiteral("Edit");
    case TiEditorWidget::CheckBox:
      return QStringLiteral("CheckBox");
    case TiEditorWidget::ComboBox:
    case TiEditorWidget::NameComboBox:
      return QStringLiteral("ComboBox");
    case TiEditorWidget::RadioGroup:
      return QStringLiteral("RadioGroup");
    case TiEditorWidget::ColorPicker:
      return QStringLiteral("ColorPicker");
    case TiEditorWidget::FontPicker:
      return QStringLiteral("FontPicker");
  }
  return {};
}

bool HasLabel(const TiEditorBinding& row) {
  switch (row.Widget) {
    case TiEditorWidget::CheckBox:
    case TiEditorWidget::RadioGroup:
    case TiEditorWidget::FontPicker:
      return false;
    default:
      return row.Place == TiEditorPlace::Flow;
  }
}

/// The narrowest a row may be, its caption aside.
int RowNeed(const TiEditorBinding& row, const QFontMetrics& metrics) {
  switch (row.Widget) {
    case TiEditorWidget::CheckBox:
      return metrics.horizontalAdvance(row.Caption) + 26;
    case TiEditorWidget::RadioGroup: {
      int widest = metrics.horizontalAdvance(row.Caption) + 16;
      for (const QString& item : row.Items) widest = std::max(widest, metrics.horizontalAdvance(item) + 34);
      return widest;
    }
    case TiEditorWidget::FontPicker:
      return kBindingFontWidth;
    default:
      if (row.Place != TiEditorPlace::Flow) return 3 * kBindingCrossEditWidth + 8;
      return 0;
  }
}

bool IsCross(const TiEditorBinding& row) {
  return row.Place != TiEditorPlace::Flow && row.Place != TiEditorPlace::Manual;
}

int RowHeight(const TiEditorBinding& row) {
  switch (row.Widget) {
    case TiEditorWidget::RadioGroup:
      return 22 + kBindingRadioItemHeight * int(row.Items.size()) + 4;
    case TiEditorWidget::FontPicker:
      return 28;
    default:
      return kBindingRowHeight;
  }
}

/// A unit of the flow: one ungrouped row, or a group with its rows.
struct BindingBlock {
  QString Group;
  std::vector<int> Rows;
  int Height = 0;
};

std::vector<BindingBlock> BlocksOf(const TiEditorPageTable& table, const std::vector<int>& rows) {
  std::vector<BindingBlock> blocks;
  std::map<QString, size_t> groupIndex;
  for (const int i : rows) {
    const TiEditorBinding& row = table.Rows[size_t(i)];
    if (row.Place == TiEditorPlace::Manual) continue;
    if (row.Group.isEmpty()) {
      blocks.push_back({QString(), {i}, 0});
      continue;
    }
    const auto it = groupIndex.find(row.Group);
    if (it == groupIndex.end()) {
      groupIndex[row.Group] = blocks.size();
      blocks.push_back({row.Group, {i}, 0});
    } else {
      blocks[it->second].Rows.push_back(i);
    }
  }
  for (BindingBlock& block : blocks) {
    if (block.Group.isEmpty()) {
      block.Height = RowHeight(table.Rows[size_t(block.Rows.front())]);
      continue;
    }
    int inner = 0;
    int crossRows = 0;
    for (const int i : block.Rows) {
      const TiEditorBinding& row = table.Rows[size_t(i)];
      if (IsCross(row)) {
        crossRows = 3;
      } else {
        inner += RowHeight(row);
      }
    }
    block.Height = kBindingGroupTop + inner + crossRows * kBindingRowHeight + kBindingGroupBottom;
  }
  return blocks;
}

/// Builds and places controls; one per page.
class BindingBuilder {
public:
  BindingBuilder(const TiEditorPageTable& table, ControlRegistry& controls, const TiEditorPageHooks& hooks,
                 TiEditorBoundPage& page)
      : m_table(table), m_controls(controls), m_hooks(hooks), m_page(page), m_properties(PagePropertyTable(table)) {}

  /// Lays the rows out in an area of width x height at (0, 0) of parent.
  void PlaceRows(QWidget* parent, int left, int width, int height, const std::vector<int>& rows) {
    for (const int i : rows) {
      if (m_table.Rows[size_t(i)].Place == TiEditorPlace::Manual) PlaceRow(parent, i, 0, 0, width / 2, width / 4);
    }
    const std::vector<BindingBlock> blocks = BlocksOf(m_table, rows);
    if (blocks.empty()) return;
    std::vector<int> columnOf;
    int column = 0;
    int y = kBindingMargin;
    for (const BindingBlock& block : blocks) {
      if (y > kBindingMargin && y + block.Height > height - kBindingMargin) {
        ++column;
        y = kBindingMargin;
      }
      columnOf.push_back(column);
      y += block.Height + 2;
    }
    const int columns = column + 1;
    // Each column gets the width its rows ask for (captions, the narrowest
    // useful widgets); what is left over is shared out evenly.
    std::vector<int> labelWidths(size_t(columns), 0);
    std::vector<int> needs(size_t(columns), 0);
    const QFontMetrics metrics(parent->font());
    for (size_t b = 0; b < blocks.size(); ++b) {
      const int inset = blocks[b].Group.isEmpty() ? 0 : kBindingGroupInset;
      int& labelWidth = labelWidths[size_t(columnOf[b])];
      int& need = needs[size_t(columnOf[b])];
      if (!blocks[b].Group.isEmpty()) need = std::max(need, metrics.horizontalAdvance(blocks[b].Group) + 16);
      for (const int i : blocks[b].Rows) {
        const TiEditorBinding& row = m_table.Rows[size_t(i)];
        if (HasLabel(row)) labelWidth = std::max(labelWidth, metrics.horizontalAdvance(row.Caption) + 8 + inset);
        need = std::max(need, RowNeed(row, metrics) + 2 * inset);
      }
    }
    const int available = width - 2 * kBindingMargin - (columns - 1) * kBindingColumnGap;
    std::vector<int> columnWidths(static_cast<size_t>(columns), 0);
    int total = 0;
    for (int c = 0; c < columns; ++c) {
      needs[size_t(c)] = std::max(needs[size_t(c)], labelWidths[size_t(c)] + kBindingMinWidgetWidth);
      total += needs[size_t(c)];
    }
    for (int c = 0; c < columns; ++c) {
      columnWidths[size_t(c)] = total <= available ? needs[size_t(c)] + (available - total) / columns
                                                   : needs[size_t(c)] * available / total;
      labelWidths[size_t(c)] = std::min(labelWidths[size_t(c)], columnWidths[size_t(c)] * 70 / 100);
    }
    y = kBindingMargin;
    column = 0;
    int x = left + kBindingMargin;
    for (size_t b = 0; b < blocks.size(); ++b) {
      if (columnOf[b] != column) {
        x += columnWidths[size_t(column)] + kBindingColumnGap;
        column = columnOf[b];
        y = kBindingMargin;
      }
      PlaceBlock(parent, blocks[b], x, y, columnWidths[size_t(column)], labelWidths[size_t(column)]);
      y += blocks[b].Height + 2;
    }
  }

private:
  void PlaceBlock(QWidget* parent, const BindingBlock& block, int x, int y, int width, int labelWidth) {
    if (block.Group.isEmpty()) {
      PlaceRow(parent, block.Rows.front(), x, y, width, labelWidth);
      return;
    }
    auto* group = new TiComponentEditorGroupBox(parent);
    group->SetName(QStringLiteral("GroupBox") + m_table.Prefix + QString(block.Group).remove(QLatin1Char(' ')) +
                   QString(parent->objectName()).remove(QLatin1Char(' ')));
    group->setTitle(block.Group);
    group->SetBounds(x, y, width, block.Height);
    const int innerWidth = width - 2 * kBindingGroupInset;
    int rowY = kBindingGroupTop;
    bool crossPlaced = false;
    for (const int i : block.Rows) {
      const TiEditorBinding& row = m_table.Rows[size_t(i)];
      if (IsCross(row)) {
        PlaceCrossEdit(group, i, kBindingGroupInset, rowY, innerWidth);
        crossPlaced = true;
        continue;
      }
      PlaceRow(group, i, kBindingGroupInset, rowY + (crossPlaced ? 3 * kBindingRowHeight : 0), innerWidth,
               labelWidth - kBindingGroupInset);
      rowY += RowHeight(row);
    }
  }

  void PlaceCrossEdit(QWidget* parent, int index, int x, int y, int width) {
    const TiEditorBinding& row = m_table.Rows[size_t(index)];
    const int centre = x + (width - kBindingCrossEditWidth) / 2;
    QPoint at;
    switch (row.Place) {
      case TiEditorPlace::CrossTop:
        at = {centre, y};
        break;
      case TiEditorPlace::CrossLeft:
        at = {x, y + kBindingRowHeight};
        break;
      case TiEditorPlace::CrossRight:
        at = {x + width - kBindingCrossEditWidth, y + kBindingRowHeight};
        break;
      default:
        at = {centre, y + 2 * kBindingRowHeight};
        break;
    }
    TiComponentEditorEdit* edit = MakeEdit(parent, index);
    edit->SetBounds(at.x(), at.y(), kBindingCrossEditWidth, kBindingEditHeight);
  }

  QString ControlName(int index) const { return BindingControlName(m_table, m_table.Rows[size_t(index)]); }

  void Register(QWidget* widget, int index) {
    m_page.Controls[size_t(index)] = widget;
    if (auto* object = dynamic_cast<TObject*>(widget)) m_controls.Register(widget->objectName(), object);
  }

  void AddLabel(QWidget* parent, const TiEditorBinding& row, const QString& name, int x, int y, int width) {
    auto* label = new QLabel(row.Caption, parent);
    label->setObjectName(name + QStringLiteral("Label"));
    label->setGeometry(x, y + 3, width - 4, 17);
  }

  TiComponentEditorEdit* MakeEdit(QWidget* parent, int index) {
    const TiEditorBinding& row = m_table.Rows[size_t(index)];
    auto* edit = new TiComponentEditorEdit(parent);
    edit->SetName(ControlName(index));
    if (const TiPlotProperty* p = TiPlotPropertyRegistry::Find(m_properties, row.Property)) {
      edit->SetNumeric(IsOrdinalKind(p->Kind) || p->Kind == TiPropertyKind::tkFloat);
    }
    edit->OnUpdate = [apply = m_hooks.Apply](TObject*) { apply(); };
    Register(edit, index);
    return edit;
  }

  void PlaceRow(QWidget* parent, int index, int x, int y, int width, int labelWidth) {
    const TiEditorBinding& row = m_table.Rows[size_t(index)];
    const QString name = ControlName(index);
    const TNotifyEvent apply = [apply = m_hooks.Apply](TObject*) { apply(); };
    switch (row.Widget) {
      case TiEditorWidget::Edit:
      case TiEditorWidget::SpinEdit: {
        AddLabel(parent, row, name, x, y, labelWidth);
        TiComponentEditorEdit* edit = MakeEdit(parent, index);
        int editWidth = width - labelWidth;
        if (row.Widget == TiEditorWidget::SpinEdit) editWidth -= kBindingSpinWidth;
        if (row.ValueConverter) editWidth -= kBindingConverterWidth;
        edit->SetBounds(x + labelWidth, y, editWidth, kBindingEditHeight);
        if (row.Widget == TiEditorWidget::SpinEdit) {
          auto* spin = new TiUpDown(parent);
          spin->setObjectName(name.chopped(4) + QStringLiteral("UpDown"));
          spin->SetMin(std::int16_t(row.SpinMin));
          spin->SetMax(std::int16_t(row.SpinMax));
          spin->SetAssociate(edit);
          m_controls.Register(spin->objectName(), spin);
        }
        if (row.ValueConverter) {
          auto* picker = new TiComponentEditorValueConverterPicker(parent);
          picker->SetName(QStringLiteral("iComponentEditorValueConverterPicker") + m_table.Prefix + row.Property);
          picker->SetAssociate(edit);
          picker->setGeometry(x + width - kBindingConverterWidth, y, kBindingConverterWidth, kBindingEditHeight);
          m_controls.Register(picker->Name(), picker);
        }
        return;
      }
      case TiEditorWidget::CheckBox: {
        auto* box = new TiComponentEditorCheckBox(parent);
        box->setObjectName(name);
        box->SetCaption(row.Caption);
        box->SetBounds(x, y + 2, width, 19);
        box->OnClick = apply;
        Register(box, index);
        return;
      }
      case TiEditorWidget::ComboBox:
      case TiEditorWidget::NameComboBox: {
        AddLabel(parent, row, name, x, y, labelWidth);
        auto* combo = new TiComponentEditorComboBox(parent);
        combo->SetName(name);
        combo->SetItems(row.Items);
        combo->SetBounds(x + labelWidth, y, width - labelWidth, kBindingEditHeight);
        combo->OnChange = apply;
        if (row.Widget == TiEditorWidget::NameComboBox) {
          combo->OnDropDown = [fill = m_hooks.FillNameList, list = row.NameList](TObject* sender) {
            if (fill) fill(*static_cast<TiComponentEditorComboBox*>(sender), list);
          };
        }
        Register(combo, index);
        return;
      }
      case TiEditorWidget::RadioGroup: {
        auto* radio = new TiComponentEditorRadioGroup(parent);
        radio->setObjectName(name);
        radio->SetCaption(row.Caption);
        radio->SetItems(row.Items);
        radio->SetBounds(x, y, width, RowHeight(row) - 3);
        radio->OnChange = apply;
        Register(radio, index);
        return;
      }
      case TiEditorWidget::ColorPicker: {
        AddLabel(parent, row, name, x, y, labelWidth);
        auto* picker = new TiComponentEditorColorPicker(parent);
        picker->setObjectName(name);
        picker->SetBounds(x + labelWidth, y, kBindingColorWidth, kBindingEditHeight);
        picker->OnChange = apply;
        Register(picker, index);
        return;
      }
      case TiEditorWidget::FontPicker: {
        auto* picker = new TiComponentEditorFontPicker(parent);
        picker->SetName(name);
        picker->SetCaption(row.Caption);
        picker->SetBounds(x, y, kBindingFontWidth, 25);
        picker->OnChange = apply;
        Register(picker, index);
        return;
      }
    }
  }

  const TiEditorPageTable& m_table;
  ControlRegistry& m_controls;
  const TiEditorPageHooks& m_hooks;
  TiEditorBoundPage& m_page;
  const TiPropertyTable& m_properties;
};

const TiPropertyTable& PropertiesOfObject(TObject& object) {
  if (auto* plotObject = dynamic_cast<TiPlotObject*>(&object)) return TiPlotPropertyRegistry::PropertiesOf(*plotObject);
  return TiPlotPropertyRegistry::PlotProperties();
}

bool RowApplies(const TiEditorBinding& row, TObject& object) {
  if (row.OnlyFor == TiPlotObjectKind::Other) return true;
  auto* plotObject = dynamic_cast<TiPlotObject*>(&object);
  return plotObject != nullptr && plotObject->Kind() == row.OnlyFor;
}

TFont* FontOf(const TiPlotProperty& p, TObject& object) {
  return p.SubObject ? dynamic_cast<TFont*>(p.SubObject(object)) : nullptr;
}

void FillEdit(TiComponentEditorEdit& edit, const TiPlotProperty& p, TObject& object) {
  if (IsOrdinalKind(p.Kind)) {
    edit.SetAsInteger(int(p.GetOrdinal(object)));
  } else if (p.Kind == TiPropertyKind::tkFloat) {
    edit.SetAsFloat(p.Get(object).toDouble());
  } else {
    edit.SetAsString(p.Get(object));
  }
}

void SetText(const TiPlotProperty& p, TObject& object, const QString& text) {
  if (!p.Set(object, text)) throw EPlotError(QStringLiteral("'%1' is not a valid value").arg(text));
}

void ApplyEdit(const TiComponentEditorEdit& edit, const TiPlotProperty& p, TObject& object) {
  if (IsOrdinalKind(p.Kind)) {
    p.SetOrdinal(object, edit.AsInteger());
  } else if (p.Kind == TiPropertyKind::tkFloat) {
    SetText(p, object, QString::number(edit.AsFloat(), 'g', 17));
  } else {
    SetText(p, object, edit.AsString());
  }
}

}  // namespace

const TiPropertyTable& PagePropertyTable(const TiEditorPageTable& table) {
  if (table.Kind == TiPlotObjectKind::Other) return TiPlotPropertyRegistry::PlotProperties();
  return TiPlotPropertyRegistry::PropertiesOfKind(table.Kind);
}

QString BindingControlName(const TiEditorPageTable& table, const TiEditorBinding& row) {
  if (!row.Name.isEmpty()) return row.Name;
  return table.Prefix + row.Property + WidgetSuffix(row.Widget);
}

TiEditorBoundPage BuildBindingPage(QWidget* area, int width, int height, const TiEditorPageTable& table,
                                   ControlRegistry& controls, const TiEditorPageHooks& hooks) {
  TiEditorBoundPage page;
  page.Table = &table;
  page.Controls.assign(table.Rows.size(), nullptr);
  BindingBuilder builder(table, controls, hooks, page);
  if (table.PageControlName.isEmpty()) {
    std::vector<int> rows(table.Rows.size());
    for (size_t i = 0; i < rows.size(); ++i) rows[i] = int(i);
    builder.PlaceRows(area, 0, width, height, rows);
    return page;
  }
  auto* pageControl = new TiComponentEditorPageControl(area);
  pageControl->SetName(table.PageControlName);
  pageControl->SetBounds(0, 0, width, height);
  controls.Register(table.PageControlName, pageControl);
  page.PageControls.push_back(pageControl);
  const int subWidth = width - kBindingTabFrameWidth;
  const int subHeight = height - kBindingTabFrameHeight;
  std::map<QString, QWidget*> subPages;
  // A caption is nested when it starts with a parent of NestedPageControls
  // and "/" ("File I/O" stays a sub-page of its own).
  const auto nestedParent = [&table](const QString& caption) {
    for (const auto& nested : table.NestedPageControls) {
      if (caption.startsWith(nested.first + QLatin1Char('/'))) return nested.first;
    }
    return QString();
  };
  for (const QString& caption : table.SubPages) {
    if (!nestedParent(caption).isEmpty()) continue;
    QWidget* sub = pageControl->AddPage(caption);
    subPages[caption] = sub;
    if (table.HiddenSubPages.contains(caption)) pageControl->setTabVisible(pageControl->indexOf(sub), false);
  }
  // Nested page controls take the right half of their parent sub-page.
  std::map<QString, int> rowAreaWidth;
  for (const auto& [parentCaption, name] : table.NestedPageControls) {
    const auto parent = subPages.find(parentCaption);
    if (parent == subPages.end()) continue;
    auto* nested = new TiComponentEditorPageControl(parent->second);
    nested->SetName(name);
    nested->SetBounds(subWidth / 2, 2, subWidth / 2 - 2, subHeight - 4);
    controls.Register(name, nested);
    page.PageControls.push_back(nested);
    rowAreaWidth[parentCaption] = subWidth / 2;
    for (const QString& caption : table.SubPages) {
      if (nestedParent(caption) != parentCaption) continue;
      QWidget* sub = nested->AddPage(caption.mid(parentCaption.size() + 1));
      subPages[caption] = sub;
    }
  }
  for (const auto& [caption, sub] : subPages) {
    std::vector<int> rows;
    for (size_t i = 0; i < table.Rows.size(); ++i) {
      if (table.Rows[i].SubPage == caption) rows.push_back(int(i));
    }
    if (!nestedParent(caption).isEmpty()) {
      const int nestedWidth = subWidth / 2 - 2 - kBindingTabFrameWidth;
      builder.PlaceRows(sub, 0, nestedWidth, subHeight - 4 - kBindingTabFrameHeight, rows);
      continue;
    }
    const auto narrowed = rowAreaWidth.find(caption);
    builder.PlaceRows(sub, 0, narrowed != rowAreaWidth.end() ? narrowed->second : subWidth, subHeight, rows);
  }
  return page;
}

TiEditorBoundPage BindBuiltControls(const TiEditorPageTable& table, const ControlRegistry& controls) {
  TiEditorBoundPage page;
  page.Table = &table;
  for (const TiEditorBinding& row : table.Rows) {
    page.Controls.push_back(dynamic_cast<QWidget*>(controls.FindObject(BindingControlName(table, row))));
  }
  return page;
}

void FillBindingNameLists(const TiEditorBoundPage& page, const TiEditorPageHooks& hooks) {
  if (page.Table == nullptr || !hooks.FillNameList) return;
  for (size_t i = 0; i < page.Table->Rows.size(); ++i) {
    const TiEditorBinding& row = page.Table->Rows[i];
    if (row.Widget != TiEditorWidget::NameComboBox) continue;
    if (auto* combo = dynamic_cast<TiComponentEditorComboBox*>(page.Controls[i])) hooks.FillNameList(*combo, row.NameList);
  }
}

void FillBindingPage(const TiEditorBoundPage& page, TObject& object) {
  if (page.Table == nullptr) return;
  const TiPropertyTable& properties = PropertiesOfObject(object);
  for (size_t i = 0; i < page.Table->Rows.size(); ++i) {
    const TiEditorBinding& row = page.Table->Rows[i];
    QWidget* control = page.Controls[i];
    const TiPlotProperty* p = TiPlotPropertyRegistry::Find(properties, row.Property);
    if (control == nullptr || p == nullptr || !RowApplies(row, object)) continue;
    switch (row.Widget) {
      case TiEditorWidget::Edit:
      case TiEditorWidget::SpinEdit:
        FillEdit(*static_cast<TiComponentEditorEdit*>(control), *p, object);
        break;
      case TiEditorWidget::CheckBox:
        static_cast<TiComponentEditorCheckBox*>(control)->SetAsBoolean(p->GetOrdinal(object) != 0);
        break;
      case TiEditorWidget::ComboBox:
        static_cast<TiComponentEditorComboBox*>(control)->SetAsInteger(int(p->GetOrdinal(object)));
        break;
      case TiEditorWidget::NameComboBox: {
        auto* combo = static_cast<TiComponentEditorComboBox*>(control);
        combo->SetAsInteger(int(combo->Items().indexOf(p->Get(object))));
        break;
      }
      case TiEditorWidget::RadioGroup:
        static_cast<TiComponentEditorRadioGroup*>(control)->SetAsInteger(int(p->GetOrdinal(object)));
        break;
      case TiEditorWidget::ColorPicker:
        static_cast<TiComponentEditorColorPicker*>(control)->SetColor(TColor(p->GetOrdinal(object)));
        break;
      case TiEditorWidget::FontPicker:
        if (TFont* font = FontOf(*p, object)) static_cast<TiComponentEditorFontPicker*>(control)->SetFont(*font);
        break;
    }
  }
}

void ApplyBindingPage(const TiEditorBoundPage& page, TObject& object) {
  if (page.Table == nullptr) return;
  const TiPropertyTable& properties = PropertiesOfObject(object);
  for (size_t i = 0; i < page.Table->Rows.size(); ++i) {
    const TiEditorBinding& row = page.Table->Rows[i];
    QWidget* control = page.Controls[i];
    const TiPlotProperty* p = TiPlotPropertyRegistry::Find(properties, row.Property);
    if (control == nullptr || p == nullptr || !RowApplies(row, object)) continue;
    switch (row.Widget) {
      case TiEditorWidget::Edit:
      case TiEditorWidget::SpinEdit:
        ApplyEdit(*static_cast<TiComponentEditorEdit*>(control), *p, object);
        break;
      case TiEditorWidget::CheckBox:
        p->SetOrdinal(object, static_cast<TiComponentEditorCheckBox*>(control)->AsBoolean() ? 1 : 0);
        break;
      case TiEditorWidget::ComboBox: {
        const int index = static_cast<TiComponentEditorComboBox*>(control)->AsInteger();
        if (index >= 0) p->SetOrdinal(object, index);
        break;
      }
      case TiEditorWidget::NameComboBox:
        SetText(*p, object, static_cast<TiComponentEditorComboBox*>(control)->AsString());
        break;
      case TiEditorWidget::RadioGroup: {
        const int index = static_cast<TiComponentEditorRadioGroup*>(control)->AsInteger();
        if (index >= 0) p->SetOrdinal(object, index);
        break;
      }
      case TiEditorWidget::ColorPicker:
        p->SetOrdinal(object, std::int32_t(static_cast<TiComponentEditorColorPicker*>(control)->Color()));
        break;
      case TiEditorWidget::FontPicker:
        if (TFont* font = FontOf(*p, object)) font->Assign(static_cast<TiComponentEditorFontPicker*>(control)->Font());
        break;
    }
  }
}

void SetControlsEnabledByPrefix(QWidget& root, const QString& prefix, bool enabled) {
  for (QWidget* w : root.findChildren<QWidget*>()) {
    const QString name = w->objectName();
    if (name.isEmpty() || !name.startsWith(prefix, Qt::CaseInsensitive)) continue;
    if (dynamic_cast<QTabWidget*>(w) || dynamic_cast<QLabel*>(w) || dynamic_cast<TLabel*>(w)) continue;
    if (auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
        stack != nullptr && qobject_cast<QTabWidget*>(stack->parentWidget()) != nullptr) {
      continue;
    }
    if (auto* c = dynamic_cast<TiComponentEditorComboBox*>(w)) {
      enabled ? c->Enable() : c->Disable();
    } else if (auto* r = dynamic_cast<TiComponentEditorRadioGroup*>(w)) {
      enabled ? r->Enable() : r->Disable();
    } else if (auto* e = dynamic_cast<TiComponentEditorEdit*>(w)) {
      enabled ? e->Enable() : e->Disable();
    } else if (auto* b = dynamic_cast<TiComponentEditorCheckBox*>(w)) {
      enabled ? b->Enable() : b->Disable();
    } else if (auto* k = dynamic_cast<TiComponentEditorColorPicker*>(w)) {
      enabled ? k->Enable() : k->Disable();
    } else if (auto* f = dynamic_cast<TiComponentEditorFontPicker*>(w)) {
      enabled ? f->Enable() : f->Disable();
    } else if (auto* u = dynamic_cast<TiUpDown*>(w)) {
      enabled ? u->Enable() : u->Disable();
    } else if (auto* t = dynamic_cast<TControl*>(w)) {
      t->SetEnabled(enabled);
    } else {
      w->setEnabled(enabled);
    }
  }
}
