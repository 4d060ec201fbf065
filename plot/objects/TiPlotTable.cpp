#include "plot/objects/TiPlotTable.h"

#include <algorithm>

#include "platform/core/Rounding.h"
#include "platform/drawing/TCanvas.h"
#include "plot/base/EPlotError.h"
#include "plot/base/iDrawing.h"
#include "plot/core/TiPlotComponent.h"

namespace {

constexpr int kButtonSize = 17;
constexpr int kButtonGap = 5;


/// A row's text as its cells, one per line.
QStringList SplitLines(const QString& text) {
  QStringList lines;
  int pos = 0;
  QString line;
  while (NextTextLine(text, pos, line)) {
    lines << line;
  }
  return lines;
}

}  // namespace

void TiPlotTableButton::Draw(TCanvas& canvas, TColor) {
  if (Visible()) {
    DrawScrollFace(canvas);
  }
}

TiPlotTable::TiPlotTable(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                         TNotifyEvent onRename)
    : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                         std::move(onRename)),
      m_upButton(std::make_unique<TiPlotTableButton>(owner)),
      m_downButton(std::make_unique<TiPlotTableButton>(owner)) {
  SetHorizontal(false);
  m_dataFont.SetColor(clWhite);
  m_dataFont.SetStyle({TFontStyle::fsBold});
  m_columnTitlesFont.SetColor(clAqua);
  m_columnTitlesFont.SetStyle({TFontStyle::fsBold});
  for (TFont* font : {&m_dataFont, &m_columnTitlesFont}) {
    font->OnChange = [this](TObject*) { DoChange(); };
  }
  m_upButton->SetName(QStringLiteral("PlotTableUpButton"));
  m_downButton->SetName(QStringLiteral("PlotTableDownButton"));
  for (TiPlotTableButton* button : {m_upButton.get(), m_downButton.get()}) {
    button->SetVisible(false);
    button->SetTimerEnabled(true);
    button->OnInvalidate = [this](TObject*) { Raise(OnInvalidateNow, this); };
  }
  m_upButton->OnClick = [this](TObject*) {
    if (m_itemViewStartIndex > 0) {
      --m_itemViewStartIndex;
      Raise(OnInvalidateNow, this);
    }
  };
  m_downButton->OnClick = [this](TObject*) {
    if (m_itemViewStopIndex < RowCount() - 1) {
      ++m_itemViewStartIndex;
      ++m_itemViewStopIndex;
      Raise(OnInvalidateNow, this);
    }
  };
}

TiPlotTable::~TiPlotTable() {
  for (TFont* font : {&m_dataFont, &m_columnTitlesFont}) {
    font->OnChange = nullptr;
  }
}

int TiPlotTable::AddColumn(const QString& title) {
  auto column = std::make_unique<TiPlotTableColumn>();
  column->Title = title;
  column->TitleFontColor = m_columnTitlesFont.Color();
  column->DataFontColor = m_dataFont.Color();
  m_columns.push_back(std::move(column));
  return ColumnCount() - 1;
}

void TiPlotTable::DeleteColumn(int index) {
  GetColumn(index);
  m_columns.erase(m_columns.begin() + index);
}

void TiPlotTable::RemoveAllColumns() { m_columns.clear(); }

TiPlotTableColumn& TiPlotTable::GetColumn(int index) {
  if (index < 0 || index >= ColumnCount()) {
    ThrowListIndexError(index);
  }
  return *m_columns[std::size_t(index)];
}

int TiPlotTable::AddRow() {
  m_rows << QString();
  DoChange();
  return RowCount() - 1;
}

void TiPlotTable::CheckRow(int row) const {
  if (row < 0 || row >= RowCount()) {
    ThrowListIndexError(row);
  }
}

void TiPlotTable::DeleteRow(int index) {
  CheckRow(index);
  m_rows.removeAt(index);
  DoChange();
}

void TiPlotTable::RemoveAllRows() {
  m_rows.clear();
  DoChange();
}

QStringList TiPlotTable::RowCells(int row) const {
  CheckRow(row);
  QStringList cells = SplitLines(m_rows[row]);
  while (cells.size() < ColumnCount()) {
    cells << QString();
  }
  return cells;
}

QString TiPlotTable::GetCellText(int column, int row) const {
  const QStringList cells = RowCells(row);
  if (column < 0 || column >= cells.size()) {
    ThrowListIndexError(column);
  }
  return cells[column];
}

void TiPlotTable::SetCellText(int column, int row, const QString& text) {
  QStringList cells = RowCells(row);
  if (column < 0) {
    ThrowListIndexError(column);
  }
  while (cells.size() <= column) {
    cells << QString();
  }
  QString cell = text;
  cell.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  cell.replace(QLatin1Char('\r'), QLatin1Char(' '));
  cell.replace(QLatin1Char('\n'), QLatin1Char(' '));
  cells[column] = cell;
  SetRowText(row, cells.join(QStringLiteral("\r\n")));
}

void TiPlotTable::SetRowText(int row, const QString& text) {
  CheckRow(row);
  m_rows[row] = text;
  DoChange();
}

QString TiPlotTable::GetRowText(int row) const {
  CheckRow(row);
  return m_rows[row];
}

int TiPlotTable::GetRequiredWidth(TCanvas& canvas) {
  Layout(canvas);
  return Horizontal() ? m_requiredHeight : m_requiredWidth;
}

void TiPlotTable::Layout(TCanvas& canvas) {
  if (RowCount() == 0 || ColumnCount() == 0) {
    m_requiredWidth = 0;
    m_requiredHeight = 0;
    m_upButton->SetVisible(false);
    m_downButton->SetVisible(false);
    return;
  }
  const QString zero = QStringLiteral("0");
  canvas.Font().Assign(m_columnTitlesFont);
  const int wt = canvas.TextWidth(zero);
  const int ht = canvas.TextHeight(zero);
  const int top = Round(ht * m_marginTop);
  const int bottom = Round(ht * m_marginBottom);
  const int left = Round(wt * m_marginLeft);
  const int right = Round(wt * m_marginRight);
  const TRect d = DrawRect();
  m_gridRect = {d.Left + left, d.Top + top, d.Right - right, d.Bottom - bottom};
  const int titleHeight = m_columnTitlesVisible ? ht : 0;
  m_titleRect = {m_gridRect.Left, m_gridRect.Top, m_gridRect.Right, m_gridRect.Top + titleHeight};

  canvas.Font().Assign(m_dataFont);
  const int wd = canvas.TextWidth(zero);
  const int hd = canvas.TextHeight(zero);
  // A row is at least one pixel high, however negative RowSpacing is.
  m_rowHeight = std::max(1, hd + Round(hd * m_rowSpacing));
  int shown = std::max(0, m_rowsMax != 0 ? std::min(m_rowsMax, RowCount()) : RowCount());
  m_gridRect.Bottom = m_titleRect.Bottom + shown * m_rowHeight;
  m_requiredHeight = top + bottom + titleHeight + shown * m_rowHeight;

  const int columnsWidth = LayoutColumns(canvas, wt, wd);
  m_requiredWidth = left + right + columnsWidth;
  m_gridRect.Right = m_gridRect.Left + columnsWidth;

  const int limit = d.Bottom - bottom;
  if (m_gridRect.Bottom > limit) {
    shown = std::max(0, (limit - m_titleRect.Bottom) / m_rowHeight);
    m_gridRect.Bottom = m_titleRect.Bottom + shown * m_rowHeight;
  }
  LayoutScrolling(shown);
}

int TiPlotTable::LayoutColumns(TCanvas& canvas, int titleZeroWidth, int dataZeroWidth) {
  int sum = 0;
  for (int c = 0; c < ColumnCount(); ++c) {
    TiPlotTableColumn& column = *m_columns[std::size_t(c)];
    if (!column.Visible) {
      continue;
    }
    if (column.AutoSize) {
      canvas.Font().Assign(m_columnTitlesFont);
      int w = canvas.TextWidth(column.Title) + Round(titleZeroWidth * m_columnSpacing) + titleZeroWidth;
      canvas.Font().Assign(m_dataFont);
      const int extra = Round(dataZeroWidth * m_columnSpacing) + dataZeroWidth;
      for (int row = 0; row < RowCount(); ++row) {
        w = std::max(w, canvas.TextWidth(GetCellText(c, row)) + extra);
      }
      column.m_widthPixels = w;
      column.Width = dataZeroWidth > 0 ? w / dataZeroWidth : 0;
    } else {
      column.m_widthPixels = Round(column.Width * dataZeroWidth);
    }
    sum += column.m_widthPixels;
  }
  return sum;
}

void TiPlotTable::LayoutScrolling(int shown) {
  m_shownRows = shown;
  const int last = RowCount() - 1;
  if (shown < RowCount()) {
    const bool show = Enabled();
    if (show) {
      const int x = m_gridRect.Right + kButtonGap;
      const int upCentre = m_titleRect.Bottom + m_rowHeight / 2;
      const int downCentre = m_titleRect.Bottom + shown * m_rowHeight - m_rowHeight / 2;
      m_upButton->SetDrawRect({x, upCentre - 8, x + kButtonSize, upCentre + 9});
      m_downButton->SetDrawRect({x, downCentre - 8, x + kButtonSize, downCentre + 9});
      m_requiredWidth += kButtonSize + kButtonGap;
    }
    m_upButton->SetVisible(show);
    m_downButton->SetVisible(show);
    m_itemViewStopIndex = m_itemViewStartIndex + shown - 1;
    if (m_itemViewStopIndex > last) {
      m_itemViewStopIndex = last;
      m_itemViewStartIndex = last - shown + 1;
    }
    if (m_itemViewStartIndex < 0) {
      m_itemViewStartIndex = 0;
      m_itemViewStopIndex = shown - 1;
    }
  } else {
    m_upButton->SetVisible(false);
    m_downButton->SetVisible(false);
    m_itemViewStartIndex = 0;
    m_itemViewStopIndex = shown - 1;
  }
  m_upButton->SetEnabled(m_itemViewStartIndex != 0);
  m_downButton->SetEnabled(m_itemViewStopIndex != last);
}

void TiPlotTable::Draw(TCanvas& canvas, TColor) {
  if (!Visible() || RowCount() == 0 || ColumnCount() == 0) {
    return;
  }
  Layout(canvas);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  if (!m_gridBackGroundTransparent) {
    canvas.Brush().SetColor(m_gridBackGroundColor);
    canvas.FillRect(m_gridRect);
  }
  if (m_gridLinesShow) {
    DrawGridLines(canvas, m_shownRows);
  }
  if (m_columnTitlesVisible) {
    canvas.Font().Assign(m_columnTitlesFont);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    int x = m_gridRect.Left;
    for (const auto& column : m_columns) {
      if (column->Visible) {
        DrawCellText(canvas, column->Title, {x, m_titleRect.Top, x + column->m_widthPixels, m_titleRect.Bottom},
                     column->TitleAlignment, column->TitleAlignmentMargin, column->TitleFontColor);
        x += column->m_widthPixels;
      }
    }
  }
  canvas.Font().Assign(m_dataFont);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  for (int row = std::max(m_itemViewStartIndex, 0); row <= std::min(m_itemViewStopIndex, RowCount() - 1); ++row) {
    const int rowTop = m_titleRect.Bottom + (row - m_itemViewStartIndex) * m_rowHeight;
    const QStringList cells = RowCells(row);
    int x = m_gridRect.Left;
    for (int c = 0; c < ColumnCount(); ++c) {
      const TiPlotTableColumn& column = *m_columns[std::size_t(c)];
      if (column.Visible) {
        DrawCellText(canvas, cells[c], {x, rowTop, x + column.m_widthPixels, rowTop + m_rowHeight},
                     column.DataAlignment, column.DataAlignmentMargin, column.DataFontColor);
        x += column.m_widthPixels;
      }
    }
  }
  DrawScrollButtons(canvas);
  if (UserSelected()) {
    TRect focus = DrawRect();
    if (Horizontal()) {
      focus.Top += 2;
      focus.Bottom -= 2;
    }
    DrawFocusRectangle(canvas, focus);
  }
}

void TiPlotTable::DrawGridLines(TCanvas& canvas, int shown) {
  canvas.Pen().SetColor(m_gridLinesColor);
  canvas.Pen().SetWidth(1);
  int x = m_gridRect.Left;
  const auto vertical = [&](int at) {
    canvas.MoveTo(at, m_gridRect.Top);
    canvas.LineTo(at, m_gridRect.Bottom);
  };
  for (const auto& column : m_columns) {
    if (column->Visible) {
      vertical(x);
      x += column->m_widthPixels;
    }
  }
  vertical(x);
  const auto horizontal = [&](int at) {
    canvas.MoveTo(m_gridRect.Left, at);
    canvas.LineTo(m_gridRect.Right + 1, at);
  };
  horizontal(m_gridRect.Top);
  for (int k = 0; k <= shown; ++k) {
    horizontal(m_titleRect.Bottom + k * m_rowHeight);
  }
}

void TiPlotTable::DrawCellText(TCanvas& canvas, const QString& text, TRect cell, TiAlignmentHorizontal alignment,
                               double margin, TColor color) {
  const int inset = Round(margin * canvas.TextWidth(QStringLiteral("0")));
  TextFlags flags = iTextFlag::SingleLine | iTextFlag::VCenter;
  if (alignment == TiAlignmentHorizontal::iahLeft) {
    cell.Left += inset;
    flags |= iTextFlag::Left;
  } else if (alignment == TiAlignmentHorizontal::iahRight) {
    cell.Right -= inset;
    flags |= iTextFlag::Right;
  } else {
    flags |= iTextFlag::Center;
  }
  iDrawText(canvas, text, cell, color, true, flags);
}

void TiPlotTable::DrawScrollButtons(TCanvas& canvas) {
  if (m_upButton->Visible()) {
    m_upButton->DrawWithScrollArrow(canvas, m_gridBackGroundColor, true);
  }
  if (m_downButton->Visible()) {
    m_downButton->DrawWithScrollArrow(canvas, m_gridBackGroundColor, false);
  }
}

TiPlotObject* TiPlotTable::DoMouseOver(int x, int y) {
  TiPlotObject* answer = TiPlotLayoutObject::DoMouseOver(x, y);
  for (TiPlotTableButton* button : {m_upButton.get(), m_downButton.get()}) {
    if (button->Visible() && button->DrawRect().Contains({x, y})) {
      return button;
    }
  }
  return answer;
}

void TiPlotTable::DoMouseUp(const TiPlotMouseData& mouseData) {
  if (MouseIsDown() && DrawRect().Contains({mouseData.X, mouseData.Y})) {
    Owner()->DoObjectClick(this);
  }
}

void TiPlotTable::NotificationSetFocus(TObject* sender) {
  TiPlotLayoutObject::NotificationSetFocus(sender);
  auto* other = dynamic_cast<TiPlotObject*>(sender);
  if (other != nullptr && other != this && other->UserSelected()) {
    SetUserSelected(false);
  }
}

void TiPlotTable::AddMenuItems(TPopupMenu& popupMenu) {
  TiPlotLayoutObject::AddMenuItems(popupMenu);
  AddEditMenuItem(popupMenu);
}
