#pragma once

#include <memory>
#include <vector>

#include <QString>
#include <QStringList>

#include "platform/text/TFont.h"
#include "plot/base/iPlotTypes.h"
#include "plot/core/TiPlotButton.h"
#include "plot/core/TiPlotLayoutObject.h"

/// One column of a table: its title, its width in "0" widths of the
/// table's data font (or auto-sized to its texts), the alignment and colour
/// of its title and cells. A cell belongs to a column only by the column's
/// index. Owned by its table; GUI thread only.
class TiPlotTableColumn {
public:
  /// The width in pixels the last layout gave the column.
  int WidthPixels() const { return m_widthPixels; }

  QString Title;
  double Width = 10.0;
  bool Visible = true;
  TiAlignmentHorizontal TitleAlignment = TiAlignmentHorizontal::iahCenter;
  double TitleAlignmentMargin = 1.0;
  TColor TitleFontColor = clAqua;
  TiAlignmentHorizontal DataAlignment = TiAlignmentHorizontal::iahCenter;
  double DataAlignmentMargin = 1.0;
  TColor DataFontColor = clWhite;
  bool AutoSize = true;

private:
  friend class TiPlotTable;
  int m_widthPixels = 0;
};

/// A scroll button of a table: a button face with a raised edge, sunken
/// while the mouse holds it. Owned by its table; GUI thread only.
class TiPlotTableButton : public TiPlotButton {
public:
  using TiPlotButton::TiPlotButton;
  void Draw(TCanvas& canvas, TColor backGroundColor) override;
};

/// A titled grid of texts beside the data view: a title row and rows of
/// cells under a set of columns, grid lines and a background; when not all
/// rows fit, two scroll buttons right of the grid move the shown rows one
/// at a time. A row is one text holding its cells one per line. Margins
/// are in "0" widths and heights of ColumnTitlesFont, spacings in those of
/// DataFont. Owned by the plot's table manager; GUI thread only.
class TiPlotTable : public TiPlotLayoutObject {
public:
  TiPlotTable(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
              TNotifyEvent onRename);
  ~TiPlotTable() override;
  TiPlotObjectKind Kind() const override { return TiPlotObjectKind::Table; }

  double MarginLeft() const { return m_marginLeft; }
  void SetMarginLeft(double value) { StoreAndChange(value, m_marginLeft); }
  double MarginRight() const { return m_marginRight; }
  void SetMarginRight(double value) { StoreAndChange(value, m_marginRight); }
  double MarginTop() const { return m_marginTop; }
  void SetMarginTop(double value) { StoreAndChange(value, m_marginTop); }
  double MarginBottom() const { return m_marginBottom; }
  void SetMarginBottom(double value) { StoreAndChange(value, m_marginBottom); }
  TColor GridBackGroundColor() const { return m_gridBackGroundColor; }
  void SetGridBackGroundColor(TColor value) { StoreAndChange(value, m_gridBackGroundColor); }
  bool GridBackGroundTransparent() const { return m_gridBackGroundTransparent; }
  void SetGridBackGroundTransparent(bool value) { StoreAndChange(value, m_gridBackGroundTransparent); }
  bool GridLinesShow() const { return m_gridLinesShow; }
  void SetGridLinesShow(bool value) { StoreAndChange(value, m_gridLinesShow); }
  TColor GridLinesColor() const { return m_gridLinesColor; }
  void SetGridLinesColor(TColor value) { StoreAndChange(value, m_gridLinesColor); }
  TFont& DataFont() { return m_dataFont; }
  bool ColumnTitlesVisible() const { return m_columnTitlesVisible; }
  void SetColumnTitlesVisible(bool value) { StoreAndChange(value, m_columnTitlesVisible); }
  TFont& ColumnTitlesFont() { return m_columnTitlesFont; }
  double ColumnSpacing() const { return m_columnSpacing; }
  void SetColumnSpacing(double value) { StoreAndChange(value, m_columnSpacing); }
  double RowSpacing() const { return m_rowSpacing; }
  void SetRowSpacing(double value) { StoreAndChange(value, m_rowSpacing); }
  int RowsMax() const { return m_rowsMax; }
  void SetRowsMax(int value) { StoreAndChange(value, m_rowsMax); }

  int RowCount() const { return int(m_rows.size()); }
  int ColumnCount() const { return int(m_columns.size()); }
  /// The first shown row, pulled into range by the next layout.
  int RowDisplayStartIndex() const { return m_itemViewStartIndex; }
  void SetRowDisplayStartIndex(int value) { m_itemViewStartIndex = value; }
  int RowDisplayStopIndex() const { return m_itemViewStopIndex; }

  /// A new column with the current font colours; its index. No change signal.
  int AddColumn(const QString& title);
  /// Frees one column; the rows' lines stay where they are. No change
  /// signal. EPlotError "List index out of bounds (i)" outside the list.
  void DeleteColumn(int index);
  void RemoveAllColumns();
  /// EPlotError "List index out of bounds (i)" outside the list.
  TiPlotTableColumn& GetColumn(int index);
  /// A new empty row; its index. Signals a change.
  int AddRow();
  /// EPlotError "List index out of bounds (i)" outside the list.
  void DeleteRow(int index);
  void RemoveAllRows();
  /// Line column of the row's text, empty where the row has fewer lines;
  /// EPlotError "List index out of bounds (i)" for a bad row.
  QString GetCellText(int column, int row) const;
  /// Writes one cell, padding the row with empty cells up to it; a line
  /// break in text becomes a space so the row keeps one line per cell.
  /// Signals a change; EPlotError for a bad row or a negative column.
  void SetCellText(int column, int row, const QString& text);
  /// Writes a whole row: its cells one per line. Signals a change.
  void SetRowText(int row, const QString& text);
  QString GetRowText(int row) const;

  /// The state of the last layout.
  TRect GridRect() const { return m_gridRect; }
  TRect TitleRect() const { return m_titleRect; }
  int RowHeight() const { return m_rowHeight; }
  TiPlotTableButton& UpButton() const { return *m_upButton; }
  TiPlotTableButton& DownButton() const { return *m_downButton; }

  /// Lays out; the height needed when Horizontal, else the width.
  int GetRequiredWidth(TCanvas& canvas) override;
  void Draw(TCanvas& canvas, TColor backGroundColor) override;
  /// The scroll button under the point, else the table.
  TiPlotObject* DoMouseOver(int x, int y) override;
  /// A release inside the table after a press on it ends a double click.
  void DoMouseUp(const TiPlotMouseData& mouseData) override;
  /// Drops the own selection when another object became selected.
  void NotificationSetFocus(TObject* sender) override;
  void AddMenuItems(TPopupMenu& popupMenu) override;

private:
  void Layout(TCanvas& canvas);
  /// Sizes the visible columns; answers the sum of their widths.
  int LayoutColumns(TCanvas& canvas, int titleZeroWidth, int dataZeroWidth);
  /// Places the scroll buttons and the shown window for shown rows.
  void LayoutScrolling(int shown);
  /// The row's cells, padded with empty ones up to the column count.
  QStringList RowCells(int row) const;
  void CheckRow(int row) const;
  void DrawGridLines(TCanvas& canvas, int shown);
  /// One text in a cell, aligned with its margin in "0" widths.
  void DrawCellText(TCanvas& canvas, const QString& text, TRect cell, TiAlignmentHorizontal alignment,
                    double margin, TColor color);
  void DrawScrollButtons(TCanvas& canvas);

  double m_marginLeft = 1.0;
  double m_marginRight = 1.0;
  double m_marginTop = 1.0;
  double m_marginBottom = 1.0;
  TColor m_gridBackGroundColor = clGray;
  bool m_gridBackGroundTransparent = false;
  bool m_gridLinesShow = true;
  TColor m_gridLinesColor = clWhite;
  TFont m_dataFont;
  bool m_columnTitlesVisible = true;
  TFont m_columnTitlesFont;
  double m_columnSpacing = 2.0;
  double m_rowSpacing = 0.5;
  int m_rowsMax = 0;
  std::vector<std::unique_ptr<TiPlotTableColumn>> m_columns;
  QStringList m_rows;
  std::unique_ptr<TiPlotTableButton> m_upButton;
  std::unique_ptr<TiPlotTableButton> m_downButton;
  int m_requiredWidth = 0;
  int m_requiredHeight = 0;
  TRect m_gridRect;
  TRect m_titleRect;
  int m_rowHeight = 0;
  int m_shownRows = 0;
  int m_itemViewStartIndex = 0;
  int m_itemViewStopIndex = 0;
};
