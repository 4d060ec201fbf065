#include <gtest/gtest.h>

#include "platform/pictures/TBitmap.h"
#include "plot/core/TiPlotLayoutManager.h"
#include "tests/plot/PlotTestSupport.h"

namespace {

using K = TiPlotObjectKind;

class PlotLayout : public ::testing::Test {
protected:
  TiPlotLayoutManager& Layout() { return plot.Master().LayoutManager(); }
  TiPlotComponent plot;
};

}  // namespace

TEST_F(PlotLayout, NewXAxisTakesOutermostBandAndShiftsOthers) {
  plot.AddXAxis();
  EXPECT_EQ(plot.XAxis(0)->ZOrder(), 0);
  plot.AddXAxis();
  EXPECT_EQ(plot.XAxis(0)->ZOrder(), 1);
  EXPECT_EQ(plot.XAxis(1)->ZOrder(), 0);
  EXPECT_EQ(plot.DataViewZHorz(), 2);
  EXPECT_EQ(plot.DataViewZVert(), 1);
  ASSERT_EQ(Layout().BottomList().size(), 2u);
  EXPECT_EQ(Layout().BottomList().front(), plot.XAxis(1));
  EXPECT_EQ(Layout().BottomUniqueCount(), 2);
}

TEST_F(PlotLayout, ObjectsWithDisjointSpansShareABand) {
  FakeLayoutObject* a = AddFake(plot, {K::Legend, true, 0, 50});
  FakeLayoutObject* b = AddFake(plot, {K::Legend, true, 50, 100});
  EXPECT_EQ(a->ZOrder(), 0);
  EXPECT_EQ(b->ZOrder(), 0);
  EXPECT_EQ(plot.DataViewZHorz(), 1);
  EXPECT_EQ(Layout().BottomUniqueCount(), 1);
}

TEST_F(PlotLayout, RemovingLoneBandClosesGap_sharedBandKeepsOrders) {
  plot.AddXAxis();
  plot.AddXAxis();
  plot.DeleteXAxis(1);
  EXPECT_EQ(plot.XAxis(0)->ZOrder(), 0);
  EXPECT_EQ(plot.DataViewZHorz(), 1);
  FakeLayoutObject* a = AddFake(plot, {K::Legend, false, 0, 50});
  AddFake(plot, {K::Legend, false, 50, 100});
  EXPECT_EQ(plot.DataViewZVert(), 1);
  plot.DeleteObject(plot.Master().LegendManager(), 1);
  EXPECT_EQ(a->ZOrder(), 0);
  EXPECT_EQ(plot.DataViewZVert(), 1);
}

TEST_F(PlotLayout, SidesFollowTheMarkers) {
  FakeLayoutObject* below0 = AddFake(plot, {K::Legend, true, 0, 30});
  FakeLayoutObject* below1 = AddFake(plot, {K::Legend, true, 30, 60});
  FakeLayoutObject* above = AddFake(plot, {K::Legend, true, 60, 100});
  below1->SetZOrder(1);
  plot.SetDataViewZHorz(1);
  above->SetZOrder(2);
  EXPECT_EQ(Layout().BottomList(), (std::vector<TiPlotLayoutObject*>{below0, below1}));
  EXPECT_EQ(Layout().TopList(), (std::vector<TiPlotLayoutObject*>{above}));
  EXPECT_TRUE(above->ReverseSide());
  EXPECT_FALSE(below1->ReverseSide());
  plot.SetDataViewZHorz(3);
  EXPECT_TRUE(Layout().TopList().empty());
}

TEST_F(PlotLayout, SideListsSortZOrdersAsNumbers) {
  FakeLayoutObject* a = AddFake(plot, {K::Legend, false, 0, 100});
  FakeLayoutObject* b = AddFake(plot, {K::Legend, false, 0, 100});
  FakeLayoutObject* c = AddFake(plot, {K::Legend, false, 0, 100});
  plot.SetDataViewZVert(0);
  a->SetZOrder(1000);
  b->SetZOrder(999);
  c->SetZOrder(5);
  EXPECT_EQ(Layout().RightList(), (std::vector<TiPlotLayoutObject*>{c, b, a}));
  plot.SetDataViewZVert(2000);
  a->SetZOrder(-10);
  b->SetZOrder(-2);
  EXPECT_EQ(Layout().LeftList(), (std::vector<TiPlotLayoutObject*>{a, b, c}));
  EXPECT_EQ(Layout().LeftUniqueCount(), 3);
}

TEST_F(PlotLayout, CalcLayout_bandsOverhangsAndLoneToolbar) {
  plot.SetBounds(0, 0, 400, 300);
  plot.SetBorderStyle(TiBevelStyle::ibsNone);
  FakeLayoutObject* a = AddFake(plot, {K::Legend, false, 0, 50, 40, 6});
  FakeLayoutObject* b = AddFake(plot, {K::Legend, false, 50, 100, 30, 8});
  FakeLayoutObject* c = AddFake(plot, {K::Legend, true, 0, 100, 20, 10});
  c->SetZOrder(0);
  FakeLayoutObject* bar = AddFake(plot, {K::ToolBar, true, 0, 100, 25, 0});
  plot.SetDataViewZHorz(1);
  bar->SetZOrder(2);
  plot.AddDataView();
  TBitmap scratch(10, 10);
  plot.CalcLayout(scratch.Canvas());
  EXPECT_TRUE(a->StopStacked());
  EXPECT_TRUE(b->StartStacked());
  // Data area: left 45, top 25 + 5 + 8 = 38, right 384, bottom 274.
  EXPECT_EQ(a->DrawRect(), (TRect{5, 156, 45, 274}));
  EXPECT_EQ(b->DrawRect(), (TRect{5, 38, 45, 156}));
  EXPECT_EQ(c->DrawRect(), (TRect{45, 274, 384, 294}));
  EXPECT_EQ(bar->DrawRect(), (TRect{0, 0, 399, 25}));
  // Without axes the data view is fitted to no scale at all.
  EXPECT_EQ(plot.DataView(0)->DrawRect(), (TRect{400, 300, 0, 0}));
}

TEST_F(PlotLayout, CalcLayout_borderAndMarginsAroundAxes) {
  plot.SetBounds(0, 0, 300, 200);
  plot.AddXAxis();
  plot.AddYAxis();
  plot.AddDataView();
  TBitmap scratch(10, 10);
  plot.CalcLayout(scratch.Canvas());
  const TRect view = plot.DataView(0)->DrawRect();
  const TRect x = plot.XAxis(0)->DrawRect();
  const TRect y = plot.YAxis(0)->DrawRect();
  EXPECT_EQ(x.Top, view.Bottom);
  EXPECT_EQ(y.Right, view.Left);
  EXPECT_EQ(y.Left, 2 + 5);
  EXPECT_EQ(x.Bottom, 200 - 2 - 5 - 1);
  EXPECT_EQ(view, (TRect{x.Left, y.Top, x.Right, y.Bottom}));
}
