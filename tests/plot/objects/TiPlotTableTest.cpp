#include <gtest/gtest.h>

#include <QImage>

#include "platform/core/Rounding.h"
#include "platform/pictures/TBitmap.h"
#include "platform/drawing/TCanvas.h"
#include "plot/objects/TiPlotTable.h"
#include "plot/streaming/TiPlotFormStream.h"
#include "tests/plot/ErrorOf.h"
#include "tests/plot/SystemPlots.h"

namespace {

class PlotTable : public ::testing::Test {
protected:
  void SetUp() override {
    plot.SetBounds(0, 0, 500, 300);
    table = plot.Master().TableManager().ItemAs<TiPlotTable>(plot.Master().AddTable());
    for (TFont* font : {&table->DataFont(), &table->ColumnTitlesFont()}) {
      font->SetName(QStringLiteral("Arial"));
      font->SetSize(9);
    }
  }
  /// The width and height of "0" in a font.
  TPoint Zero(const TFont& font) {
    canvas.Font().Assign(font);
    return {canvas.TextWidth(QStringLiteral("0")), canvas.TextHeight(QStringLiteral("0"))};
  }
  int TextWidth(const TFont& font, const QString& text) {
    canvas.Font().Assign(font);
    return canvas.TextWidth(text);
  }
  void FillRows(int count, int columns = 1) {
    for (int c = table->ColumnCount(); c < columns; ++c) {
      table->AddColumn(QStringLiteral("C%1").arg(c));
    }
    for (int r = 0; r < count; ++r) {
      table->SetCellText(0, table->AddRow(), QString::number(r));
    }
  }
  /// Paints the plot and answers the picture.
  QImage Paint() {
    TBitmap bitmap(plot.Width(), plot.Height());
    plot.iPaintTo(bitmap.Canvas());
    return bitmap.Image();
  }

  TiPlot plot;
  TiPlotTable* table = nullptr;
  QImage scratch{1, 1, QImage::Format_ARGB32};
  TCanvas canvas{&scratch};
};

}  // namespace

TEST_F(PlotTable, Defaults_asCreated) {
  EXPECT_FALSE(table->Horizontal());
  EXPECT_EQ(table->GridBackGroundColor(), 8421504u);
  EXPECT_FALSE(table->GridBackGroundTransparent());
  EXPECT_TRUE(table->GridLinesShow());
  EXPECT_EQ(table->GridLinesColor(), clWhite);
  EXPECT_TRUE(table->ColumnTitlesVisible());
  EXPECT_EQ(table->ColumnSpacing(), 2.0);
  EXPECT_EQ(table->RowSpacing(), 0.5);
  EXPECT_EQ(table->RowsMax(), 0);
  EXPECT_EQ(table->MarginLeft(), 1.0);
  EXPECT_EQ(table->DataFont().Color(), clWhite);
  EXPECT_EQ(table->ColumnTitlesFont().Color(), clAqua);
  EXPECT_EQ(table->UpButton().Name(), QStringLiteral("PlotTableUpButton"));
  EXPECT_EQ(table->DownButton().Name(), QStringLiteral("PlotTableDownButton"));
  table->DataFont().SetColor(clYellow);
  TiPlotTableColumn& column = table->GetColumn(table->AddColumn(QStringLiteral("Gain")));
  EXPECT_TRUE(column.Visible && column.AutoSize);
  EXPECT_EQ(column.Width, 10.0);
  EXPECT_EQ(column.DataFontColor, clYellow);
  EXPECT_EQ(column.TitleAlignmentMargin, 1.0);
}

TEST_F(PlotTable, NoRowsOrNoColumns_askNoRoomAndDrawNothing) {
  const QImage without = Paint();
  table->AddColumn(QStringLiteral("A"));
  EXPECT_EQ(table->GetRequiredWidth(canvas), 0);
  EXPECT_EQ(Paint(), without);
  table->RemoveAllColumns();
  table->AddRow();
  EXPECT_EQ(table->GetRequiredWidth(canvas), 0);
  EXPECT_EQ(Paint(), without);
}

TEST_F(PlotTable, AutoSizedColumn_takesItsWidestTextPlusSpacingAndOneZero) {
  const int c = table->AddColumn(QStringLiteral("G"));
  table->SetCellText(c, table->AddRow(), QStringLiteral("00000"));
  table->SetCellText(c, table->AddRow(), QStringLiteral("0"));
  const int wd = Zero(table->DataFont()).X;
  const int wt = Zero(table->ColumnTitlesFont()).X;
  Paint();
  const int widest = TextWidth(table->DataFont(), QStringLiteral("00000"));
  const int expected = widest + Round(wd * 2.0) + wd;  // 35 + 14 + 7 = 56 where "0" is 7 wide
  EXPECT_EQ(table->GetColumn(c).WidthPixels(), expected);
  EXPECT_EQ(table->GetColumn(c).Width, expected / wd);
  EXPECT_EQ(table->GetRequiredWidth(canvas), Round(wt * 1.0) * 2 + expected);

  table->GetColumn(c).AutoSize = false;
  table->GetColumn(c).Width = 3.5;
  table->GetRequiredWidth(canvas);
  EXPECT_EQ(table->GetColumn(c).WidthPixels(), Round(3.5 * wd));
}

TEST_F(PlotTable, RowsMax_showsAWindowThatTheDownButtonStepsToTheEnd) {
  FillRows(10);
  table->SetRowsMax(3);
  Paint();
  EXPECT_EQ(table->RowDisplayStartIndex(), 0);
  EXPECT_EQ(table->RowDisplayStopIndex(), 2);
  TiPlotTableButton& down = table->DownButton();
  ASSERT_TRUE(down.Visible());
  EXPECT_FALSE(table->UpButton().Enabled());
  const TRect grid = table->GridRect();
  EXPECT_EQ(down.Left, grid.Right + 5);
  EXPECT_EQ(down.Width(), 17);
  EXPECT_EQ(down.Height(), 17);
  EXPECT_EQ(grid.Bottom - table->TitleRect().Bottom, 3 * table->RowHeight());
  for (int step = 1; step <= 7; ++step) {
    ASSERT_TRUE(down.Enabled());
    const TPoint c{(down.Left + down.Right) / 2, (down.Top + down.Bottom) / 2};
    plot.iMouseDown(TMouseButton::mbLeft, {TShiftStateItem::ssLeft}, c.X, c.Y);
    plot.iMouseUp(TMouseButton::mbLeft, {}, c.X, c.Y);
    Paint();
    EXPECT_EQ(table->RowDisplayStartIndex(), step);
  }
  EXPECT_EQ(table->RowDisplayStopIndex(), 9);
  EXPECT_FALSE(down.Enabled());
  EXPECT_TRUE(table->UpButton().Enabled());
}

TEST_F(PlotTable, StartBeyondTheRows_isPulledBackAtTheNextLayout) {
  FillRows(10);
  table->SetRowsMax(3);
  Paint();
  table->SetRowDisplayStartIndex(100);
  table->GetRequiredWidth(canvas);
  EXPECT_EQ(table->RowDisplayStartIndex(), 7);
  EXPECT_EQ(table->RowDisplayStopIndex(), 9);
}

TEST_F(PlotTable, RowTexts_shortRowsPadLongRowsCutDeletedColumnsShiftTheLines) {
  for (const char* title : {"A", "B", "C"}) {
    table->AddColumn(QString::fromLatin1(title));
  }
  const int shortRow = table->AddRow();
  table->SetRowText(shortRow, QStringLiteral("a0"));
  const int longRow = table->AddRow();
  table->SetRowText(longRow, QStringLiteral("b0\r\nb1\nb2\rb3"));
  EXPECT_EQ(table->GetCellText(1, shortRow), QString());
  EXPECT_EQ(table->GetCellText(2, shortRow), QString());
  EXPECT_EQ(table->GetCellText(2, longRow), QStringLiteral("b2"));
  table->SetCellText(2, shortRow, QStringLiteral("two\r\nlines"));
  EXPECT_EQ(table->GetCellText(2, shortRow), QStringLiteral("two lines"));
  EXPECT_EQ(table->GetCellText(0, shortRow), QStringLiteral("a0"));
  table->DeleteColumn(0);
  EXPECT_EQ(table->ColumnCount(), 2);
  EXPECT_EQ(table->GetColumn(0).Title, QStringLiteral("B"));
  EXPECT_EQ(table->GetCellText(0, longRow), QStringLiteral("b0"));
  EXPECT_EQ(ErrorOf([&] { table->DeleteRow(5); }), "List index out of bounds (5)");
  EXPECT_EQ(ErrorOf([&] { table->GetColumn(2); }), "List index out of bounds (2)");
}

TEST_F(PlotTable, ColumnOperationsSignalNoChange_rowOperationsDo) {
  int changes = 0;
  table->OnChange = [&](TObject*) { ++changes; };
  table->AddColumn(QStringLiteral("A"));
  table->AddColumn(QStringLiteral("B"));
  table->DeleteColumn(1);
  table->RemoveAllColumns();
  EXPECT_EQ(changes, 0);
  table->AddRow();
  table->SetRowText(0, QStringLiteral("x"));
  table->SetCellText(1, 0, QStringLiteral("y"));
  table->DeleteRow(0);
  table->RemoveAllRows();
  EXPECT_EQ(changes, 5);
}

TEST_F(PlotTable, NegativeRowSpacing_laysOutRowsOfOnePixelAndDraws) {
  FillRows(4);
  table->SetGridLinesColor(clRed);
  for (double spacing : {-3.0, -1.0}) {
    table->SetRowSpacing(spacing);
    const QImage picture = Paint();
    // Four rows of one pixel: the lines of their five edges lie one under
    // the other below the titles.
    const TRect grid = table->GridRect();
    const int top = table->TitleRect().Bottom;
    ASSERT_EQ(grid.Bottom, top + 4) << spacing;
    for (int k = 0; k <= 4; ++k) {
      EXPECT_EQ(picture.pixel(grid.Left + 1, top + k) & 0xFFFFFF, 0xFF0000u) << spacing << " edge " << k;
    }
    EXPECT_EQ(table->RowDisplayStopIndex(), 3);
    EXPECT_GT(table->GetRequiredWidth(canvas), 0);
  }
  // Rows shown never fall below none: the grid ends at the titles.
  table->SetRowsMax(-2);
  Paint();
  EXPECT_EQ(table->GridRect().Bottom, table->TitleRect().Bottom);
}

TEST_F(PlotTable, TablesOnEachSide_takeTheirRoomBesideTheDataView) {
  plot.SetDataViewZHorz(4);
  plot.SetDataViewZVert(4);
  table->SetVisible(false);
  Paint();
  const TRect alone = plot.DataView(0)->DrawRect();
  table->SetVisible(true);
  FillRows(3, 2);
  struct Side {
    bool horizontal;
    int zOrder;
  };
  for (const Side side : {Side{false, 3}, Side{false, 6}, Side{true, 6}}) {
    table->SetHorizontal(side.horizontal);
    table->SetZOrder(side.zOrder);
    Paint();
    const TRect t = table->DrawRect();
    const TRect view = plot.DataView(0)->DrawRect();
    const int room = table->GetRequiredWidth(canvas);
    if (side.horizontal) {
      EXPECT_EQ(t.Height(), room);
      EXPECT_LT(view.Height(), alone.Height());
      EXPECT_LE(t.Bottom, view.Top) << "above the data view";
    } else {
      EXPECT_EQ(t.Width(), room);
      EXPECT_LT(view.Width(), alone.Width());
      if (side.zOrder < 4) {
        EXPECT_LE(t.Right, view.Left) << "left of the data view";
      } else {
        EXPECT_GE(t.Left, view.Right) << "right of the data view";
      }
    }
  }
}

TEST_F(PlotTable, PlotDescriptionWithATable_readsBackAsWritten) {
  table->SetHorizontal(true);
  table->SetZOrder(5);
  table->SetRowsMax(4);
  table->SetRowSpacing(-1);
  table->SetGridBackGroundTransparent(true);
  const QString text = WritePlotDescription(plot);
  EXPECT_TRUE(text.contains(QStringLiteral("TableManager[0].ColumnTitlesVisible = True")));
  EXPECT_FALSE(text.contains(QStringLiteral("GridBackGroundColor")));
  TiPlot loaded;
  ReadPlotDescription(loaded, text);
  EXPECT_EQ(WritePlotDescription(loaded), text);
  ASSERT_EQ(loaded.Master().TableManager().Count(), 1);
  const auto& back = *loaded.Master().TableManager().ItemAs<TiPlotTable>(0);
  EXPECT_TRUE(back.Horizontal());
  EXPECT_EQ(back.RowsMax(), 4);
  EXPECT_EQ(back.RowSpacing(), -1);
  EXPECT_TRUE(back.GridBackGroundTransparent());
}
