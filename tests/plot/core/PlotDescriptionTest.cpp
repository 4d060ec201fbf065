#include <gtest/gtest.h>

#include <QFile>

#include "platform/pictures/TBitmap.h"
#include "plot/objects/TiPlotToolBar.h"
#include "plot/streaming/TiPlotFormStream.h"
#include "tests/plot/ErrorOf.h"
#include "tests/plot/SystemPlots.h"
#include "tests/support/FixturePath.h"

namespace {

QString DescriptionFixture(const char* name) {
  QFile file(QString::fromStdString(FixturePath(std::string("plot/fixtures/") + name)));
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

int CountColour(TCanvas& canvas, const TRect& r, TColor colour) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) {
      n += canvas.Pixel(x, y) == colour ? 1 : 0;
    }
  }
  return n;
}

}  // namespace

TEST(PlotDescription, SystemPlots_readBackAsTheyAreWritten) {
  TiXYPlot transfer;
  SetUpTransferPlot(transfer);
  EXPECT_EQ(WritePlotDescription(transfer), DescriptionFixture("transferPlot.plot"));
  TiPlot fir;
  SetUpFirPlot(fir);
  const QString firText = DescriptionFixture("fftFirDraw.plot");
  EXPECT_EQ(WritePlotDescription(fir), firText);
  TiPlot loaded;
  ReadPlotDescription(loaded, firText);
  EXPECT_EQ(WritePlotDescription(loaded), firText);
  EXPECT_EQ(loaded.ChannelCount(), 12);
  EXPECT_FALSE(loaded.IsLoading());
}

TEST(PlotDescription, TransferPlotFromItsDescription_drawsCurveAndPoint) {
  TiXYPlot plot;
  ReadPlotDescription(plot, DescriptionFixture("transferPlot.plot"));
  plot.SetBounds(0, 0, 200, 200);
  FillTransferPlot(plot, -40);
  TBitmap bitmap(200, 200);
  plot.iPaintTo(bitmap.Canvas());
  const TRect view = plot.DataView(0)->DrawRect();
  EXPECT_GT(CountColour(bitmap.Canvas(), view, clWhite), 150);
  const TPoint knee{plot.XAxis(0)->PositionToPixels(-40), plot.YAxis(0)->PositionToPixels(-40)};
  EXPECT_EQ(bitmap.Canvas().Pixel(knee.X + 5, knee.Y), TColor(8421631));
  EXPECT_EQ(plot.XAxis(0)->Min(), -100);
  EXPECT_EQ(plot.YAxis(0)->Span(), 120);
}

TEST(PlotDescription, FirPlotFromItsDescription_drawsCurvesLimitAndAnnotation) {
  TiPlot plot;
  ReadPlotDescription(plot, DescriptionFixture("fftFirDraw.plot"));
  auto& note = *plot.Annotation(plot.AddAnnotation());
  note.SetText(QStringLiteral("FIR 1024 taps"));
  note.SetX(85);
  note.SetY(90);
  FillFirPlot(plot, 4096);
  TBitmap bitmap(1070, 255);
  plot.iPaintTo(bitmap.Canvas());
  const TRect view = plot.DataView(0)->DrawRect();
  for (TColor colour : {clBlue, clYellow, clRed, clAqua, clFuchsia, clLime}) {
    EXPECT_GT(CountColour(bitmap.Canvas(), view, colour), 200) << std::hex << colour;
  }
  const int zeroRow = plot.YAxis(0)->PositionToPixels(0);
  EXPECT_GT(CountColour(bitmap.Canvas(), {view.Left, zeroRow, view.Right, zeroRow + 1}, TColor(35840)), 100);
  EXPECT_TRUE(note.Showing());
  EXPECT_EQ(plot.XAxis(0)->ScaleType(), TiPlotScaleType::ipstLog10);
}

TEST(PlotDescription, KindsNotNamedKeepTheirObjectsAndToolBarMovesOutsideTitle) {
  TiPlot plot;
  ReadPlotDescription(plot, QStringLiteral("ChannelManager[2].Color = 255\n"
                                           "ToolBarManager[0].Horizontal = True\n"
                                           "ToolBarManager[0].ZOrder = 2\n"));
  EXPECT_EQ(plot.ChannelCount(), 3);
  EXPECT_EQ(plot.Master().LegendManager().Count(), 1);
  EXPECT_EQ(plot.Master().ToolBarManager().ItemAs<TiPlotToolBar>(0)->ZOrder(), 3);
}

TEST(PlotDescription, BadLine_isRefusedAndChangesNothing) {
  TiPlot plot;
  const QString before = WritePlotDescription(plot);
  for (const char* text : {"ChannelManager[0].Colour = 255", "ChannelManager[0].Color = red",
                           "NoSuchManager[0].Visible = True", "ChannelManager[0].TraceLineStyle = dashed"}) {
    const QString error = ErrorOf([&] { ReadPlotDescription(plot, QString::fromLatin1(text)); });
    EXPECT_EQ(error, QStringLiteral("Invalid plot description line 1: %1").arg(QString::fromLatin1(text)));
  }
  EXPECT_EQ(WritePlotDescription(plot), before);
  EXPECT_FALSE(plot.IsLoading());
}

TEST(PlotDescription, Writing_leavesLayoutAndUpdatesAlone) {
  TiPlot plot;
  WritePlotDescription(plot);
  EXPECT_TRUE(plot.Master().LayoutManager().Enabled());
  EXPECT_FALSE(plot.GetUpdateActive());
  EXPECT_FALSE(plot.IsLoading());
}

TEST(PlotDescription, LogAxis_scaleTypeIsAppliedBeforeTheRangeWhateverTheLineOrder) {
  const QString minFirst = DescriptionFixture("logAxisMinFirst.plot");
  ASSERT_FALSE(minFirst.isEmpty());
  const QStringList lines = minFirst.trimmed().split(QLatin1Char('\n'));
  const QString scaleTypeFirst = lines[1] + QLatin1Char('\n') + lines[0] + QLatin1Char('\n');
  TiPlot a;
  ReadPlotDescription(a, minFirst);
  TiPlot b;
  ReadPlotDescription(b, scaleTypeFirst);
  EXPECT_EQ(a.XAxis(0)->ScaleType(), TiPlotScaleType::ipstLog10);
  EXPECT_EQ(a.XAxis(0)->Min(), b.XAxis(0)->Min());
  const QString written = WritePlotDescription(a);
  TiPlot again;
  ReadPlotDescription(again, written);
  EXPECT_EQ(WritePlotDescription(again), written);
}
