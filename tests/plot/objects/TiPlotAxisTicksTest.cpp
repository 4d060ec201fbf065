#include <gtest/gtest.h>

#include "platform/pictures/TBitmap.h"
#include "plot/base/iRounding.h"
#include "tests/plot/PlotTestSupport.h"

namespace {

/// A horizontal X axis whose scale fits exactly n labels: the minimum
/// label length is made to dominate the label width, so the spacing is
/// known from the width of "0".
class AxisTicks : public ::testing::Test {
protected:
  void SetUp() override {
    plot.AddXAxis();
    x = plot.XAxis(0);
    x->SetLabelsMinLength(20);
  }
  void GenerateWithRoomFor(int n) {
    canvas().Font().Assign(x->LabelsFont());
    const int zero = canvas().TextWidth(QStringLiteral("0"));
    const int spacing = RoundSafe(zero * (x->LabelSeparation() + 1) + RoundSafe(zero * x->LabelsMinLength()));
    x->SetDrawRect({0, 0, n * spacing + spacing / 2, 30});
    x->GenerateTicks(canvas());
  }
  std::vector<double> Positions(TiPlotTickType type) const {
    std::vector<double> out;
    for (int i = 0; i < x->TickListCount(); ++i) {
      if (x->GetTick(i).TickType == type) {
        out.push_back(x->GetTick(i).Position);
      }
    }
    return out;
  }
  TCanvas& canvas() { return scratch.Canvas(); }
  TiPlotComponent plot;
  TiPlotXAxis* x = nullptr;
  TBitmap scratch{10, 10};
};

using V = std::vector<double>;

}  // namespace

TEST_F(AxisTicks, DecimalIncrement_fitsLabelsWithMinors) {
  GenerateWithRoomFor(8);
  EXPECT_EQ(x->MajorIncrement(), 20);
  EXPECT_EQ(Positions(TiPlotTickType::ipttMajor), (V{0, 20, 40, 60, 80, 100}));
  EXPECT_EQ(Positions(TiPlotTickType::ipttMinor), (V{10, 30, 50, 70, 90}));
  EXPECT_EQ(x->GetTick(0).Text, "0");
  EXPECT_TRUE(x->GetTick(0).Show);
}

TEST_F(AxisTicks, DesiredIncrement_usedOnlyWhenLabelsFit) {
  x->SetDesiredIncrement(25);
  GenerateWithRoomFor(8);
  EXPECT_EQ(Positions(TiPlotTickType::ipttMajor), (V{0, 25, 50, 75, 100}));
  x->SetDesiredIncrement(1);
  GenerateWithRoomFor(8);
  EXPECT_EQ(x->MajorIncrement(), 20);
}

TEST_F(AxisTicks, MinorCountZero_givesMajorsOnly) {
  x->SetMinorCount(0);
  GenerateWithRoomFor(8);
  EXPECT_TRUE(Positions(TiPlotTickType::ipttMinor).empty());
  EXPECT_EQ(Positions(TiPlotTickType::ipttMajor).size(), 6u);
}

TEST_F(AxisTicks, TinySpan_givesOneTickInTheMiddle) {
  x->SetSpan(1e-300);
  x->SetMin(5);
  GenerateWithRoomFor(8);
  EXPECT_EQ(Positions(TiPlotTickType::ipttMajor), (V{5 + 0.5e-300}));
}

TEST_F(AxisTicks, DateTimeIncrement_daysOrHalfDays) {
  TiPlotTextSettings s = x->Labels();
  s.FormatStyle = TiPlotTextFormat::iptfDateTime;
  s.MinLength = 20;
  x->SetLabels(s);
  x->SetSpan(3);
  GenerateWithRoomFor(6);
  EXPECT_EQ(x->MajorIncrement(), 1);
  GenerateWithRoomFor(7);
  EXPECT_EQ(x->MajorIncrement(), 0.5);
}

TEST_F(AxisTicks, LogScale_decadesWithMinorsOrLinearWithinADecade) {
  x->SetScaleType(TiPlotScaleType::ipstLog10);
  x->SetMinSpan(1, 9999);
  GenerateWithRoomFor(12);
  const V majors = Positions(TiPlotTickType::ipttMajor);
  ASSERT_EQ(majors.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_NEAR(majors[i], std::pow(10.0, i), 1e-9);
  }
  EXPECT_EQ(Positions(TiPlotTickType::ipttMinor).size(), 32u);
  x->SetMinSpan(1, 4);
  GenerateWithRoomFor(8);
  EXPECT_EQ(Positions(TiPlotTickType::ipttMajor), (V{1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5}));
}

TEST_F(AxisTicks, CustomList_keepsTicksOutsideRangeHidden) {
  x->SetTickListCustom(true);
  x->TickListAdd(50, QStringLiteral("mid"), TiPlotTickType::ipttMajor);
  x->TickListAdd(500, QStringLiteral("far"), TiPlotTickType::ipttMajor);
  GenerateWithRoomFor(8);
  ASSERT_EQ(x->TickListCount(), 2);
  EXPECT_TRUE(x->GetTick(0).Show);
  EXPECT_FALSE(x->GetTick(1).Show);
}

TEST(TiPlotDataView, PercentConversions) {
  TiPlotComponent plot;
  plot.AddDataView();
  TiPlotDataView* view = plot.DataView(0);
  EXPECT_EQ(view->PixelsXToPositionPercent(7), 0.0);
  view->SetDrawRect({20, 10, 220, 110});
  EXPECT_EQ(view->PixelsYToPositionPercent(10), 100.0);
  EXPECT_EQ(view->PixelsYToPositionPercent(110), 0.0);
  EXPECT_EQ(view->PositionPercentToPixelsY(50), 60);
  EXPECT_EQ(view->PixelsXToPositionPercent(70), 25.0);
  EXPECT_EQ(view->PositionPercentToPixelsX(150), 320);
  EXPECT_EQ(view->PositionPercentToPixelsX(0.25), 20);
}
