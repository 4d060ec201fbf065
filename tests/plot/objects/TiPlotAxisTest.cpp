#include <gtest/gtest.h>

#include <cmath>

#include "platform/pictures/TBitmap.h"
#include "plot/base/EPlotError.h"
#include "tests/plot/PlotTestSupport.h"

namespace {

class AxisTest : public ::testing::Test {
protected:
  void SetUp() override {
    plot.AddXAxis();
    plot.AddYAxis();
  }
  /// A horizontal scale from pixel left to right (no stacking).
  TiPlotXAxis& XOn(int left, int right) {
    TiPlotXAxis& x = *plot.XAxis(0);
    x.SetDrawRect({left, 0, right, 30});
    x.CalcScaleRect(scratch.Canvas());
    return x;
  }
  TiPlotComponent plot;
  TBitmap scratch{10, 10};
};

}  // namespace

TEST_F(AxisTest, Span_isClampedAndUnchangedValueFiresNothing) {
  TiPlotXAxis& x = *plot.XAxis(0);
  int spanEvents = 0;
  plot.OnXAxisSpanChange = [&](int, double, double) { ++spanEvents; };
  const double cases[][2] = {{0, 1e-300}, {-5, 1e-300}, {1e301, 1e300}, {NAN, 1e300}, {20, 20}};
  for (const auto& c : cases) {
    x.SetSpan(c[0]);
    EXPECT_EQ(x.Span(), c[1]);
  }
  const int before = spanEvents;
  x.SetSpan(20);
  EXPECT_EQ(spanEvents, before);
  x.SetMin(-1e301);
  EXPECT_EQ(x.Min(), -1e300);
}

TEST_F(AxisTest, SetMinSpan_firesOnlyForWhatChanged) {
  TiPlotYAxis& y = *plot.YAxis(0);
  QStringList events;
  plot.OnYAxisMinChange = [&](int i, double o, double n) { events << QStringLiteral("min %1 %2 %3").arg(i).arg(o).arg(n); };
  plot.OnYAxisSpanChange = [&](int, double, double) { events << QStringLiteral("span"); };
  plot.OnYAxisMinSpanChange = [&](int, double om, double os, double nm, double ns) {
    events << QStringLiteral("both %1 %2 %3 %4").arg(om).arg(os).arg(nm).arg(ns);
  };
  y.SetMinSpan(-100, 100);
  EXPECT_EQ(events, (QStringList{"min 0 0 -100", "both 0 100 -100 100"}));
}

TEST_F(AxisTest, LogScale_keepsRangePositive) {
  TiPlotXAxis& x = *plot.XAxis(0);
  x.SetMin(-10);
  x.SetScaleType(TiPlotScaleType::ipstLog10);
  EXPECT_EQ(x.Min(), 1);
  x.SetMinSpan(-5, 0);
  EXPECT_EQ(x.Min(), 1);
  EXPECT_EQ(x.Span(), 1);
}

TEST_F(AxisTest, LinearMapping_horizontalReversedAndClamped) {
  TiPlotXAxis& x = XOn(50, 450);
  EXPECT_EQ(x.PositionToPixels(25), 150);
  EXPECT_EQ(x.PixelsToPosition(150), 25);
  EXPECT_EQ(x.PositionToPixels(1e12), 32000);
  EXPECT_EQ(x.PositionToPixels(-1e12), -32000);
  EXPECT_EQ(x.WidthToPixels(10), 40);
  x.SetReverseScale(true);
  x.CalcScaleRect(scratch.Canvas());
  EXPECT_EQ(x.PositionToPixels(25), 350);
  EXPECT_EQ(x.PixelsToPosition(350), 25);
  for (const double v : {0.0, 12.5, 99.0}) {
    EXPECT_DOUBLE_EQ(x.PercentToPosition(x.PositionToPercent(v)), v);
  }
  x.SetReverseScale(false);
  for (const double v : {0.0, 12.5, 99.0}) {
    EXPECT_DOUBLE_EQ(x.PercentToPosition(x.PositionToPercent(v)), v);
  }
}

TEST_F(AxisTest, VerticalMapping_minAtBottom) {
  TiPlotYAxis& y = *plot.YAxis(0);
  y.SetDrawRect({0, 10, 30, 110});
  y.CalcScaleRect(scratch.Canvas());
  EXPECT_EQ(y.PositionToPixels(0), 110);
  EXPECT_EQ(y.PositionToPixels(100), 10);
  y.SetReverseScale(true);
  y.CalcScaleRect(scratch.Canvas());
  EXPECT_EQ(y.PositionToPixels(0), 10);
}

TEST_F(AxisTest, LogMapping_decadesEvenlySpaced) {
  TiPlotXAxis& x = *plot.XAxis(0);
  x.SetScaleType(TiPlotScaleType::ipstLog10);
  x.SetMinSpan(1, 999);
  XOn(0, 300);
  EXPECT_EQ(x.PositionToPixels(10), 100);
  EXPECT_EQ(x.PositionToPixels(100), 200);
  EXPECT_EQ(x.PositionToPixels(1000), 300);
  EXPECT_EQ(x.PositionToPixels(0), 0);
  EXPECT_EQ(x.PositionToPixels(-3), 0);
  EXPECT_NEAR(x.PixelsToPosition(200), 100, 1e-9);
  const std::vector<double> values{0.5, 1, 3, 10, 31.6, 999, 5000};
  std::vector<double> logs;
  for (const double v : values) {
    logs.push_back(std::log10(v > 0 ? v : 1));
  }
  std::vector<int> direct(values.size());
  std::vector<int> cached(values.size());
  x.PositionsToPixels(values.data(), direct.data(), values.size());
  x.Log10PositionsToPixels(logs.data(), cached.data(), logs.size());
  EXPECT_EQ(direct, cached);
  EXPECT_EQ(direct[3], 100);
}

TEST_F(AxisTest, DegenerateGeometry_givesMiddleAndMin) {
  TiPlotXAxis& x = *plot.XAxis(0);
  EXPECT_EQ(x.PositionToPixels(40), 0);
  EXPECT_EQ(x.PixelsToPosition(7), x.Min());
  x.SetSpan(0);
  XOn(0, 100);
  EXPECT_EQ(x.PositionToPixels(5), 50);
}

TEST_F(AxisTest, ValueTexts_table) {
  TiPlotXAxis& x = *plot.XAxis(0);
  struct Case {
    TiPlotTextFormat style;
    int precision;
    double span;
    double value;
    const char* text;
  };
  const Case cases[] = {
      {TiPlotTextFormat::iptfValue, 3, 100, 25, "25"},
      {TiPlotTextFormat::iptfValue, 3, 1, 0.25, "0.25"},
      {TiPlotTextFormat::iptfValue, 3, 0.5, 0.25, "0.250"},
      {TiPlotTextFormat::iptfPrefix, 1, 100, 20000, "20K"},
      {TiPlotTextFormat::iptfPrefix, 1, 100, 1500, "2K"},
      {TiPlotTextFormat::iptfPrefix, 1, 100, 0.5, "0.5"},
      {TiPlotTextFormat::iptfPrefix, 1, 100, 0.002, "0.002"},
      {TiPlotTextFormat::iptfPrefix, 1, 100, 0.0005, "0.5m"},
      {TiPlotTextFormat::iptfPrefix, 3, 100, 1e-13, "0.0000"},
      {TiPlotTextFormat::iptfExponent, 3, 100, 15000, "1.50E+004"},
      {TiPlotTextFormat::iptfPrice32nds, 3, 100, 101.5, "101.160"},
      {TiPlotTextFormat::iptfPrice32nds, 3, 100, 99.75, "99.240"},
      {TiPlotTextFormat::iptfThousands, 3, 1, 1234567.5, "1,234,567.50"},
  };
  for (const Case& c : cases) {
    TiPlotTextSettings s = x.Labels();
    s.FormatStyle = c.style;
    s.Precision = c.precision;
    x.SetLabels(s);
    x.SetSpan(c.span);
    EXPECT_EQ(x.GetLabelText(c.value), QString::fromLatin1(c.text)) << c.text;
  }
}

TEST_F(AxisTest, DateTimeTexts_julianPrefixAndOneLineCursor) {
  TiPlotXAxis& x = *plot.XAxis(0);
  TiPlotTextSettings s = x.Labels();
  s.FormatStyle = TiPlotTextFormat::iptfDateTime;
  for (const char* format : {"Jhh:nn", "jhh:nn"}) {
    s.DateTimeFormat = QString::fromLatin1(format);
    x.SetLabels(s);
    EXPECT_EQ(x.GetLabelText(2.25), QStringLiteral("2 06:00"));
  }
  s.DateTimeFormat = QStringLiteral("hh:nn\r\nss");
  x.SetLabels(s);
  EXPECT_EQ(x.GetCursorText(0.5), QStringLiteral("12:00 00"));
}

TEST_F(AxisTest, LogValueText_zeroIsUnknownWithoutEvent) {
  TiPlotXAxis& x = *plot.XAxis(0);
  x.SetScaleType(TiPlotScaleType::ipstLog10);
  int events = 0;
  plot.OnXAxisCustomizeLabel = [&](int, double, QString&) { ++events; };
  EXPECT_EQ(x.GetLabelText(0), QStringLiteral("Unknown"));
  EXPECT_EQ(events, 0);
  EXPECT_EQ(x.GetLabelText(1000), QStringLiteral("1000"));
  EXPECT_EQ(x.GetLabelText(0.05), QStringLiteral("0.050"));
  EXPECT_EQ(events, 2);
}

TEST_F(AxisTest, TickListAdd_logScaleRefusesNonPositive) {
  TiPlotXAxis& x = *plot.XAxis(0);
  x.SetScaleType(TiPlotScaleType::ipstLog10);
  try {
    x.TickListAdd(0, QStringLiteral("zero"), TiPlotTickType::ipttMajor);
    FAIL();
  } catch (const EPlotError& e) {
    EXPECT_EQ(e.Message(), "Log Scale Requires Position to be Greater Than Zero");
  }
  EXPECT_EQ(x.TickListCount(), 0);
}
