#pragma once

#include <QString>
#include <QStringList>

#include "platform/widgets/TWinControl.h"

class QScrollBar;

/// The grid's cell selection: ARow counts the title row as 0.
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;

/// A two-column value list: a title row (TitleCaptions) over one row per
/// key and value, with grid lines, a vertical scroll bar when the rows do
/// not fit, and a highlighted current row. A click on a data row or Enter
/// on the current row picks it: OnSelectCell runs and, unless it refuses,
/// the row becomes current. The arrow keys move the current row without
/// picking. Writing rows raises nothing. Owned by its parent. GUI thread only.
class TValueListEditor : public TWinControl {
public:
  explicit TValueListEditor(QWidget* parent = nullptr);

  static constexpr int kRowHeight = 19;

  void SetTitleCaptions(const QString& key, const QString& value);
  const QStringList& TitleCaptions() const { return m_titles; }
  /// Data rows (the title row not counted).
  int RowCount() const { return static_cast<int>(m_keys.size()); }
  void SetRows(const QStringList& keys, const QStringList& values);
  /// Writes one data row's value (row from 0).
  void SetValue(int row, const QString& value);
  const QString& Key(int row) const { return m_keys.at(row); }
  const QString& Value(int row) const { return m_values.at(row); }
  int ColWidth0() const { return m_colWidth0; }
  void SetColWidth0(int value);
  /// The current row, counting the title row as 0 (1 is the first data row).
  int Row() const { return m_row; }
  /// Picks a data row as a click does (row from 1).
  void PickRow(int row);
  /// The first data row shown (from 0).
  int TopRow() const;

  TSelectCellEvent OnSelectCell;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

private:
  int VisibleRows() const;
  void UpdateScrollBar();
  void MakeVisible(int row);

  QStringList m_titles;
  QStringList m_keys;
  QStringList m_values;
  int m_colWidth0 = 80;
  int m_row = 1;
  QScrollBar* m_scrollBar = nullptr;
};
